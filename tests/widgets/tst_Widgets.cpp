#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeView>
#include <optional>

#include "files/FileDialogDefaults.h"
#include "files/FilesTexts.h"
#include "picture/QtText.h"
#include "tests/support/WindowFixture.h"
#include "widgets/PictureBox.h"
#include "widgets/QtDialogService.h"
#include "widgets/RussianQtTranslation.h"
#include "widgets/SourcePictureBox.h"

using namespace glimmet;
using test::U;

// The widgets on their own: the real dialogs with the window's settings, and the picture boxes.
class WidgetsTest : public QObject {
    Q_OBJECT
    RussianQtTranslation russian_;
    std::optional<QTemporaryDir> dir_;  // a fresh one for every test

    QString Path(const char* name) { return dir_->filePath(QString::fromLatin1(name)); }

  private slots:
    void init() { dir_.emplace(); }

    // Over the window that owns them even when no window is active, and the file list in Russian
    // whatever the system's locale.
    void realDialogsOverTheirOwnerInRussian() {
        QWidget owner;
        QtDialogService service;
        service.SetOwner(&owner);
        FileDialogSettings cdiag;
        ApplyFileDialogDefaults(cdiag);
        cdiag.InitDir = dir_->path();
        QVERIFY(test::WriteFile(Path("sized.bmp"), QByteArray(2048, 'x')));
        QStringList seen;
        const auto list = [&](QWidget* modal) {
            seen << QString::number(modal->parentWidget() == &owner);
            const auto* view = modal->findChild<QTreeView*>(QStringLiteral("treeView"));
            QTRY_VERIFY(view->model()->rowCount(view->rootIndex()) == 1);
            const QModelIndex file = view->model()->index(0, 0, view->rootIndex());
            seen << file.siblingAtColumn(1).data().toString() << file.siblingAtColumn(3).data().toString();
            QMetaObject::invokeMethod(modal, "reject");
        };
        const auto ok = [&](QWidget* modal) {
            seen << QString::number(modal->parentWidget() == &owner);
            QTest::keyClick(modal, Qt::Key_Return);
        };
        test::ModalAnswers answers({list, ok});
        service.ShowOpen(cdiag);
        service.MsgBox(U("Готово"), MessageButtons::Ok, MessageIcon::None, "Glimmet");
        QCOMPARE(seen.size(), 4);
        QCOMPARE((QStringList{seen[0], seen[1], seen[3]}), (QStringList{"1", U("2,0 кБ"), "1"}));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d$"))
                     .match(seen[2])
                     .hasMatch(),
                 qPrintable(seen[2]));
    }

    // The real dialogs, in Russian. File dialogs: the window's title and filters, BMP added to a bare
    // name (htm under the page filter), no question before replacing and no existence check, the last name
    // proposed, empty after a cancel. Questions: Enter answers the default, No.
    void realDialogs() {
        QtDialogService service;
        FileDialogSettings cdiag;
        ApplyFileDialogDefaults(cdiag);
        cdiag.InitDir = dir_->path();
        QVERIFY(test::WriteFile(Path("existing.bmp"), "x"));
        QStringList seen;
        const auto buttons = [&seen](QWidget* dialog) {
            QStringList texts;
            for (const QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons())
                texts << b->text();
            texts.sort();
            seen << texts.join(QLatin1Char('/'));
        };
        const auto choose = [&](const char* name) {
            return [&seen, &buttons, name, this](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                if (dialog == nullptr) qFatal("a question before the file dialog closed");
                buttons(dialog);
                seen << dialog->windowTitle() << dialog->nameFilters().join(';')
                     << dialog->selectedFiles().value(0);
                dialog->selectFile(name[0] != 0 ? Path(name) : QString());
                QMetaObject::invokeMethod(dialog, name[0] != 0 ? "accept" : "reject");
            };
        };
        const auto pressEnter = [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            buttons(box);
            seen << box->defaultButton()->text();
            QTest::keyClick(box, Qt::Key_Return);
        };
        test::ModalAnswers answers({choose("plain"), choose("existing.bmp"), choose("missing.gif"),
                                    choose(""), pressEnter, choose("page")});
        QStringList chosen;
        for (const bool save : {true, true, false, false}) {
            save ? service.ShowSave(cdiag) : service.ShowOpen(cdiag);
            chosen << cdiag.FileName;
        }
        QCOMPARE(chosen,
                 (QStringList{Path("plain.BMP"), Path("existing.bmp"), Path("missing.gif"), QString()}));
        QCOMPARE(service.MsgBox(U("Заменить?"), MessageButtons::YesNoDefaultNo, MessageIcon::None, "Glimmet"),
                 MessageAnswer::No);
        QCOMPARE(seen.mid(0, 3), (QStringList{U("&Сохранить/Отмена"), U("Выберите нужное изображение"),
                                              "BMP (*.bmp);JPEG (*.jpg);GIF (*.gif)"}));
        QCOMPARE(seen.mid(12, 2), (QStringList{U("&Открыть/Отмена"), U("Выберите нужное изображение")}));
        QCOMPARE(seen.mid(seen.size() - 3), (QStringList{Path("missing.gif"), U("&Да/&Нет"), U("&Нет")}));
        // A bare name gets the page's extension under the page filter.
        cdiag.Filter = QtText(files_texts::kPageFilter);
        service.ShowSave(cdiag);
        QCOMPARE(cdiag.FileName, Path("page.htm"));
    }

    // The boxes' own rules that the window's scenarios do not reach.
    void pictureBoxes() {
        PictureBox box(nullptr, Qt::black, true);
        box.resize(14, 14);
        box.SetAutoRedraw(true);
        box.DrawTarget()->setPixel(2, 2, qRgb(0, 255, 0));
        box.SetAutoRedraw(false);
        box.DrawTarget()->setPixel(4, 4, qRgb(9, 9, 9));
        const uint64_t generation = box.Generation();
        box.resize(24, 24);  // a new size keeps the retained image and no screen drawing
        const auto at = [&box](int x, int y) { return box.Shown().pixel(x, y) & 0xFFFFFF; };
        QCOMPARE((QList<QRgb>{at(4, 4), at(2, 2), at(15, 15)}), (QList<QRgb>{0, 0x00FF00, 0}));
        box.SetAutoRedraw(true);
        box.Cls();  // while on it clears the retained image too
        QCOMPARE(box.Image().pixel(2, 2) & 0xFFFFFF, 0u);
        QVERIFY(box.Generation() != generation);
        // The source box reads what it shows: the outline inverts every other pixel along its edge,
        // and a moved outline leaves nothing behind.
        SourcePictureBox source(nullptr);
        source.resize(24, 14);
        source.SetPicture(test::Plain(8, 6, qRgb(0x33, 0x66, 0x99)));
        source.SetSelection({2, 2, 6, 4});
        const auto pixels = [&source](std::initializer_list<QPoint> points) {
            QList<int> values;
            for (const QPoint& p : points) values << source.GetPixel(p.x(), p.y());
            return values;
        };
        QCOMPARE(pixels({{2, 2}, {3, 2}, {4, 4}, {7, 5}, {7, 3}}),
                 (QList<int>{0x6699CC, 0x996633, 0x996633, 0x6699CC, 0x6699CC}));
        source.SetSelection({6, 0, 6, 3});  // past the picture black inverts
        QCOMPARE(pixels({{2, 2}, {10, 0}, {11, 0}}), (QList<int>{0x996633, 0xFFFFFF, 0}));
        source.SetSelection({-3, -2, 30, 20});  // every edge outside the box: nothing drawn
        QCOMPARE(pixels({{17, 0}, {6, 1}, {0, 0}}), (QList<int>{0, 0x996633, 0x996633}));
    }
};

QTEST_MAIN(WidgetsTest)
#include "tst_Widgets.moc"
