#include <unistd.h>
#include <QAction>
#include <QBuffer>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <optional>

#include "files/FilesTexts.h"
#include "interaction/InteractionTexts.h"
#include "picture/LargePagedImage.h"
#include "picture/QtText.h"
#include "pixels/PictureLoader.h"
#include "tests/support/WindowFixture.h"
#include "widgets/MessageTexts.h"
#include "widgets/RussianQtTranslation.h"

using namespace glimmet;
using test::U;

// Open, save, the HTML export and a dropped file through the real window with scripted dialogs.
class FilesTest : public QObject {
    Q_OBJECT
    RussianQtTranslation russian_;
    std::optional<QTemporaryDir> dir_;  // a fresh one for every test

    QString Path(const char* name) { return dir_->filePath(QString::fromLatin1(name)); }
    // Writes the 64 x 48 pattern as `name` and opens it in `w`.
    QString OpenPattern(test::Window& w, const char* name, const char* format = "BMP") {
        if (!test::Pattern(64, 48).save(Path(name), format)) qFatal("cannot write %s", name);
        w.Open(Path(name));
        return Path(name);
    }
    // A failure message names the file and tells the system's reason in Russian (no Latin letter).
    static void CheckFailure(const test::ScriptedDialogService::Message& m, TrText start,
                             const QString& path) {
        QVERIFY2(m.text.startsWith(QtText(start)) && m.text.contains(path), qPrintable(m.text));
        QCOMPARE(m.icon, MessageIcon::Critical);
        const QString reason =
            m.text.section(QtText(message_texts::kReason), 1).section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(!reason.isEmpty() && !reason.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))),
                 qPrintable(m.text));
    }

  private slots:
    void init() { dir_.emplace(); }

    void openRefusesWhatItCannotRead_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("parts");  // besides the file's path; none: the system's reason
        QByteArray bmp;
        QBuffer buffer(&bmp);
        QVERIFY(test::Pattern(64, 48).save(&buffer, "BMP"));
        QByteArray huge = bmp;
        qToLittleEndian<qint32>(30000, huge.data() + 18);
        qToLittleEndian<qint32>(30000, huge.data() + 22);
        const QString cut = U("файл обрывается после %1 из %2 байт данных точек");
        QTest::newRow("missing") << QByteArray() << QStringList{QtText(files_texts::kCannotRead)};
        QTest::newRow("no picture") << QByteArray("only words")
                                    << QStringList{QtText(files_texts::kNotAPicture)};
        QTest::newRow("cut") << bmp.left(bmp.size() / 2)
                             << QStringList{QtText(files_texts::kDamaged),
                                            cut.arg(bmp.size() / 2 - 54).arg(bmp.size() - 54)};
        QTest::newRow("too large") << huge
                                   << QStringList{QtText(files_texts::kTooLarge),
                                                  U("30000 × 30000 точек, а читаются рисунки не больше "
                                                    "268435456 точек (16384 × 16384) всего")};
    }
    void openRefusesWhatItCannotRead() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, parts);
        test::Window w;
        OpenPattern(w, "good.bmp");
        const QString bad = Path(QTest::currentDataTag());
        if (!bytes.isEmpty()) QVERIFY(test::WriteFile(bad, bytes));
        w.Open(bad);
        QCOMPARE(w.dialogs.messages.size(), size_t{1});
        const auto& m = w.dialogs.messages[0];
        if (parts.size() < 2) CheckFailure(m, files_texts::kOpenFailed, bad);
        QVERIFY2(m.text.startsWith(QtText(files_texts::kOpenFailed)) && m.text.contains(bad),
                 qPrintable(m.text));
        for (const QString& part : parts) QVERIFY2(m.text.contains(part), qPrintable(m.text));
        QCOMPARE(w.Source()->Picture(), test::Pattern(64, 48));
    }

    // A picture file dropped onto the window opens as Open opens it; a drag of anything else is refused.
    void droppedFileOpens() {
        test::Window w;
        QVERIFY(test::Pattern(30, 20).save(Path("dropped.png"), "PNG"));
        QMimeData file, text;
        file.setUrls({QUrl::fromLocalFile(Path("dropped.png"))});
        text.setText(QStringLiteral("not a file"));
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w.mf, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w.mf, &drop);
        QCOMPARE(w.Source()->Picture(), test::Pattern(30, 20));
        QCOMPARE(w->State().FilePath, Path("dropped.png").toStdString());
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        refused.setAccepted(false);
        QCoreApplication::sendEvent(&w.mf, &refused);
        QVERIFY(!refused.isAccepted());
    }

    void saveWritesABitmapWhateverTheName() {
        test::Window w;
        OpenPattern(w, "source.png", "PNG");
        w.Select({5, 4, 20, 10});
        const float width = w->Placement().Rect(w.Out()).Width;
        for (const char* name : {"out.jpg", "out.BMP", "plain"}) {
            w.dialogs.messages.clear();
            w.Save(Path(name));
            QCOMPARE(w.dialogs.Texts(),
                     QStringList{U("Размеры выделенной области:  20: 10")});  // nothing more
            const QByteArray saved = test::ReadFile(Path(name));
            QVERIFY2(saved.startsWith("BM") && saved[28] == 24, name);  // 24 bits a pixel
            const QImage image = QImage::fromData(saved, "BMP");
            QCOMPARE(image.size(), QSize(21, 11));
            QCOMPARE(image.pixel(0, 0), test::Pattern(64, 48).pixel(5, 4));
            QCOMPARE(image.pixel(20, 10), test::Pattern(64, 48).pixel(25, 14));
            QCOMPARE(w->State().FilePath, Path(name).toStdString());
            // Cleared and given the whole output area again.
            QCOMPARE(w->Placement().Rect(w.Out()).Width, width);
            QCOMPARE(w.OutPixel(0, 0), test::kBlack);
            QVERIFY(!w.Out()->AutoRedraw());
        }
        // Saving over an existing file replaces it; a cancel stops after the rendering, which stays.
        w.Select({0, 0, 3, 2});
        w.Save(Path("out.jpg"));
        QCOMPARE(QImage::fromData(test::ReadFile(Path("out.jpg")), "BMP").size(), QSize(4, 3));
        w.Save(QString());
        QCOMPARE(w->State().FilePath, Path("out.jpg").toStdString());
        QCOMPARE(w.Out()->InnerSize(), QSize(4, 3));
        QCOMPARE(w.OutPixel(0, 0), test::Pattern(64, 48).pixel(0, 0));
    }

    void saveAsksBeforeReplacingAFileInUse() {
        test::Window w;
        w.Select({2, 3, 4, 2});
        w.Export(Path("page.htm"));
        OpenPattern(w, "source.bmp");
        w->fill_as_point_Click();
        QVERIFY(QFile::link(Path("source.bmp"), Path("symbolic.bmp")));
        QCOMPARE(::link(QFile::encodeName(Path("source.bmp")), QFile::encodeName(Path("hard.bmp"))), 0);
        QVERIFY(test::Pattern(8, 8).save(Path("other.bmp"), "BMP"));
        const std::tuple<const char*, bool, MessageAnswer> cases[] = {
            {"source.bmp", true, MessageAnswer::No},    {"hard.bmp", true, MessageAnswer::No},
            {"page.htm", true, MessageAnswer::No},      {"other.bmp", false, MessageAnswer::No},
            {"symbolic.bmp", true, MessageAnswer::Yes},
        };
        for (const auto& [name, asked, answer] : cases) {
            const QByteArray before = test::ReadFile(Path(name));
            w.dialogs.messages.clear();
            w.dialogs.answer = answer;
            w.Save(Path(name));
            // The size message, then the question when the file is in use.
            QCOMPARE(w.dialogs.messages.size(), size_t{asked ? 2u : 1u});
            if (asked) QCOMPARE(w.dialogs.messages[1].buttons, MessageButtons::YesNoDefaultNo);
            const auto label = std::string_view(name) == "page.htm" ? files_texts::kReplacesPage
                                                                    : files_texts::kReplacesPicture;
            QVERIFY(!asked || w.dialogs.messages[1].text.startsWith(QtText(label)));
            QCOMPARE(test::ReadFile(Path(name)) == before, asked && answer == MessageAnswer::No);
        }
        QCOMPARE(QImage::fromData(test::ReadFile(Path("source.bmp")), "BMP").size(), QSize(5, 3));
    }

    void failuresWriteNothing() {
        test::Window w;
        OpenPattern(w, "source.bmp");
        w.Select({5, 4, 20, 10});
        const QString target = Path("no-such-folder/out.bmp");
        w.Save(target);
        QCOMPARE(w.dialogs.messages.size(), size_t{2});
        CheckFailure(w.dialogs.messages[1], files_texts::kSaveFailed, target);
        QVERIFY(w.dialogs.messages[1].text.contains(QtText(files_texts::kNothingSaved)));
        QVERIFY(
            !w.dialogs.messages[1].text.contains(QtText(files_texts::kNotEncoded)));  // the system's reason
        QCOMPARE(w.Out()->InnerSize(), QSize(21, 11));  // the rendering stays for another try
        // A failed transfer: the size, then the failure; no dialog after it.
        w.dialogs.messages.clear();
        w.Select({40000, 4, 20, 10});
        w.Save(Path("out.bmp"));
        QCOMPARE(w.dialogs.messages.size(), size_t{2});
        QVERIFY(!QFile::exists(Path("out.bmp")));
        // An unwritable page: nothing drawn, no transfer, no page path to lose lines into later.
        w.dialogs.messages.clear();
        w.Select({2, 3, 4, 2});
        const QString page = Path("no-such-folder/page.htm");
        w.Export(page);
        QCOMPARE(w.dialogs.messages.size(), size_t{2});
        CheckFailure(w.dialogs.messages[1], files_texts::kPageFileFailed, page);
        QCOMPARE(w.dialogs.messages[1].title, QStringLiteral("HTML module"));
        QCOMPARE(w.Out()->InnerSize(), QSize(21, 11));
        QVERIFY(w->State().render.PagePath.empty());
        // A page whose lines cannot all be written: the walk ends and says how many were lost.
        w.dialogs.messages.clear();
        w.Export(QStringLiteral("/dev/full"));
        const auto& lost = w.dialogs.messages.back();
        QVERIFY2(lost.text.startsWith(QtText(interaction_texts::kPageIncomplete)), qPrintable(lost.text));
        QVERIFY(lost.icon == MessageIcon::Warning && lost.title == QStringLiteral("HTML module"));
    }

    void exportTwiceAppendsTwoWholePagesAndNeverIntoAPicture() {
        test::Window w;
        w.Select({2, 3, 4, 2});  // 5 columns, 3 rows
        const QString page = Path("page.htm");
        w.Export(page);
        w.Export(page);
        const QString question = U("Вы действительно хотите записать рисунок в файл?");
        const QString written = QtText(interaction_texts::kPageWritten);
        QCOMPARE(w.dialogs.Texts(), (QStringList{question, written, question, written}));
        for (const auto& [i, buttons, icon] : {std::tuple{0, MessageButtons::YesNo, MessageIcon::None},
                                               std::tuple{1, MessageButtons::Ok, MessageIcon::Information}}) {
            QCOMPARE(w.dialogs.messages[i].buttons, buttons);
            QCOMPARE(w.dialogs.messages[i].icon, icon);
            QCOMPARE(w.dialogs.messages[i].title, QStringLiteral("HTML module"));
        }
        const QString text = QString::fromUtf8(test::ReadFile(page));
        QCOMPARE(text.count(QStringLiteral("<HTML>\r\n")), 2);
        QCOMPARE(text.count(QStringLiteral("\r\n")), 2 * (7 + 3 * (5 + 1) + 5));
        QVERIFY(text.endsWith(QStringLiteral("</Body>\r\n</HTML>\r\n")));
        QCOMPARE(w->State().render.FillMode, int16_t{5});
        QCOMPARE(w->Dialog().Filter, QStringLiteral("BMP |*.bmp| JPEG |*.jpg| GIF |*.gif"));
        QCOMPARE((QStringList{w.Panel(1), w.Panel(2)}),
                 (QStringList{QtText(interaction_texts::kDone), U("Точки")}));
        QCOMPARE(w.Source()->BorderStyle(), SourcePictureBox::kDottedOutline);
        // A transfer in page mode appends to the page, never into the picture opened since.
        const QString picture = OpenPattern(w, "source.bmp");
        const QByteArray pictureBytes = test::ReadFile(picture);
        w->pic_transfer_Click();
        QCOMPARE(test::ReadFile(picture), pictureBytes);
        QCOMPARE(QString::fromUtf8(test::ReadFile(page)).count(QStringLiteral("<HTML>\r\n")), 3);
        QCOMPARE(w.dialogs.Texts().last(), written);
    }

    // No page goes into a picture: the export proposes a page's name and refuses the picture shown,
    // the last one saved and any file holding a picture, also through a link; and every later
    // transfer checks again, since the page may have become a picture since.
    void exportNeverWritesIntoAPicture() {
        test::Window w;
        w.Select({2, 3, 4, 2});
        OpenPattern(w, "source.bmp");
        w.Save(Path("saved.png"));  // a bitmap, whatever the name says
        QVERIFY(test::Pattern(8, 8).save(Path("other.png"), "PNG") &&
                test::Pattern(8, 8).save(Path("photo.jpg"), "JPEG"));
        QVERIFY(QFile::link(Path("other.png"), Path("link.htm")));
        const QString shown = QtText(files_texts::kIsShownPicture);
        const std::pair<const char*, QString> cases[] = {
            {"source.bmp", shown},
            {"saved.png", QtText(files_texts::kIsSavedPicture)},
            {"photo.jpg", files_texts::HoldsPicture("JPEG")},
            {"link.htm", files_texts::HoldsPicture("PNG")},
        };
        w.dialogs.proposed.clear();
        for (const auto& [name, why] : cases) {
            const QByteArray before = test::ReadFile(Path(name));
            w.dialogs.messages.clear();
            w.Export(Path(name));
            QCOMPARE(w.dialogs.messages.size(), size_t{2});
            const QString& text = w.dialogs.messages[1].text;
            QVERIFY2(text.startsWith(QtText(files_texts::kPageIntoPicture)) && text.contains(Path(name)) &&
                         text.contains(why),
                     qPrintable(text));
            QCOMPARE(test::ReadFile(Path(name)), before);
            QVERIFY(w->State().render.PagePath.empty());
            QCOMPARE(w->State().FilePath, Path("saved.png").toStdString());
        }
        QCOMPARE(w.dialogs.proposed, QStringList(std::size(cases), Path("source.htm")));
        // A page taken; the next export proposes it. Then it becomes a picture, and the picture
        // shown: the transfers after that append nothing.
        w.Export(Path("page.htm"));
        w.Export(QString());
        QCOMPARE(w.dialogs.proposed.last(), Path("page.htm"));
        QFile::remove(Path("page.htm"));
        QVERIFY(QFile::copy(Path("source.bmp"), Path("page.htm")));
        for (const QString& reason : {files_texts::HoldsPicture("BMP"), shown}) {
            w.dialogs.messages.clear();
            w->pic_transfer_Click();
            QCOMPARE(w.dialogs.messages.size(), size_t{1});
            QVERIFY2(w.dialogs.messages[0].text.contains(reason), qPrintable(w.dialogs.messages[0].text));
            QCOMPARE(test::ReadFile(Path("page.htm")), test::ReadFile(Path("source.bmp")));
            w.Open(Path("page.htm"));
        }
    }

    void exportRefusedOrCancelled() {
        test::Window w;
        // No: nothing changes but the hidden outline.
        w.dialogs.answer = MessageAnswer::No;
        w.Export(Path("page.htm"));
        QCOMPARE(w->State().render.FillMode, int16_t{1});
        QCOMPARE(w.Source()->BorderStyle(), SourcePictureBox::kNoOutline);
        QCOMPARE(w->Dialog().Filter, QStringLiteral(" BMP |*.bmp| JPEG |*.jpg| GIF |*.gif"));
        // Yes, then a cancelled dialog: fill mode 5 and the page filter stay.
        w.dialogs.answer = MessageAnswer::Yes;
        w.Export(QString());
        QCOMPARE(w->State().render.FillMode, int16_t{5});
        QCOMPARE(w->Dialog().Filter, QStringLiteral("HTML|*.htm"));
        QVERIFY(w->State().render.PagePath.empty() && !QFile::exists(Path("page.htm")));
        QCOMPARE(w.dialogs.messages.size(), size_t{2});
    }

    // The window's menu items and tolerance against the batch's options; a JPEG never keeps a colour
    // exact, so equal passes there only within the tolerance.
    void savedBitmapEqualsTheBatchCommand_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("texts");  // txt_xstep, txt_zoom, r_txt, g_txt, b_txt
        QTest::addColumn<QStringList>("items");  // menu items chosen; "tolerance" answers `tolerance`
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("PNG, greater, circles")
            << "source.png" << QStringList{"2", "3", "20", "15", "7"}
            << QStringList{"method_greater", "fill_as_circle"} << 0
            << QStringList{"--step",  "2,1",       "--zoom",  "3",      "--key",
                           "20,15,7", "--compare", "greater", "--fill", "circles"};
        QTest::newRow("JPEG, equal within 6")
            << "source.jpg" << QStringList{"1", "3", "20", "15", "7"}
            << QStringList{"method_equal", "tolerance"} << 6
            << QStringList{"--zoom", "3", "--key", "20,15,7", "--compare", "equal", "--tolerance", "6"};
    }
    void savedBitmapEqualsTheBatchCommand() {
        QFETCH(QString, name);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, items);
        QFETCH(int, tolerance);
        QFETCH(QStringList, options);
        test::Window w;
        const QString picture = OpenPattern(w, qPrintable(name), name.endsWith("png") ? "PNG" : "JPG");
        w.Select({5, 4, 30, 20});
        const QStringList fields{"txt_xstep", "txt_zoom", "r_txt", "g_txt", "b_txt"};
        for (qsizetype i = 0; i < fields.size(); ++i) w.Field(qPrintable(fields[i]))->SetText(texts[i]);
        w.dialogs.integer = tolerance;
        for (const QString& item : items) w.Find<QAction>(qPrintable(item))->trigger();
        w.Save(Path("window.bmp"));
        QProcess batch;
        batch.start(QStringLiteral(GLIMMET_BATCH), QStringList{"-q", "--region", "5,4,30,20"} + options +
                                                       QStringList{"--output", Path("batch.bmp"), picture});
        QVERIFY(batch.waitForFinished(60000));
        QCOMPARE(batch.exitCode(), 0);
        // Read by the program's own strict decoder: a bitmap Qt would pass leniently fails here.
        PictureLoad fromWindow = LoadPictureFile(QFile::encodeName(Path("window.bmp")).toStdString());
        QCOMPARE(fromWindow.error, PictureLoadError::None);
        const QImage shown = ToQImage(std::move(fromWindow.image));
        QCOMPARE(shown.size(), QSize(91, 61));
        QCOMPARE(shown, ToQImage(LoadPictureFile(QFile::encodeName(Path("batch.bmp")).toStdString()).image));
    }
};

QTEST_MAIN(FilesTest)
#include "tst_Files.moc"
