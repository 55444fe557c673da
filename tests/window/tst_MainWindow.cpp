#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/ChangeField.h"
#include "platform/FrameBox.h"
#include "platform/ImageBox.h"
#include "platform/PictureBox.h"
#include "platform/QtDialogService.h"
#include "platform/RussianQtTranslation.h"
#include "platform/SourcePictureBox.h"
#include "platform/StatusPanel.h"
#include "platform/StatusPanels.h"
#include "resources/WindowImages.h"
#include "tests/window/WindowTestSupport.h"
#include "window/WindowColours.h"

using namespace glimmet;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    RussianQtTranslation russian_;
    std::unique_ptr<test::ScriptedDialogService> dialogs_;
    std::unique_ptr<MF> window_;

    MF& Open() {
        dialogs_ = std::make_unique<test::ScriptedDialogService>();
        window_ = std::make_unique<MF>(*dialogs_, test::TestOptions());
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get())) qFatal("window not shown");
        return *window_;
    }
    template <typename T>
    T* Find(const char* name) {
        T* found = window_->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) qFatal("no control %s", name);
        return found;
    }
    ChangeField* Field(const char* name) { return Find<ChangeField>(name); }
    QAction* Item(const char* name) { return Find<QAction>(name); }
    QString Panel(int position) { return window_->Status().PanelText(position); }

  private slots:
    void cleanup() {
        window_.reset();
        dialogs_.reset();
    }

    void startUpState() {
        MF& w = Open();
        QCOMPARE(w.objectName(), QStringLiteral("MF"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Glimmet, v.1.112 by Tovask."));
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>("out_pic"));
        const WindowState& s = w.State();
        QCOMPARE(s.render.col, RGB(0, 0, 255));
        QCOMPARE(s.render.Xst, 1);
        QCOMPARE(s.render.Yst, 1);
        QCOMPARE(s.render.ZOOM, 1);
        QCOMPARE(s.render.METH, 2);
        QCOMPARE(s.render.FillMode, 1);
        QCOMPARE(s.ColBlue, 255);
        QCOMPARE(s.Dragging, 0);
        QVERIFY(s.FilePath.empty());
        QCOMPARE(w.Dialog().InitDir, QStringLiteral("/tmp"));
        const QStringList texts = {Field("r_txt")->text(),     Field("g_txt")->text(),
                                   Field("b_txt")->text(),     Field("txt_xstep")->text(),
                                   Field("txt_ystep")->text(), Field("txt_zoom")->text(),
                                   Field("txt_fill")->text()};
        QCOMPARE(texts, (QStringList{"0", "0", "255", "1", "1", "1", "text"}));
        QCOMPARE(Panel(1), U("Жду ваших дейстивий."));
        QCOMPARE(Panel(2), U("Точки"));
        QCOMPARE(Panel(3), U("Не равно"));
        for (const char* name : {"fill_as_point", "method_notequal"}) QVERIFY2(Item(name)->isChecked(), name);
        for (const char* name : {"fill_as_circle", "fill_as_rect", "fill_as_text", "method_equal",
                                 "method_greater", "method_lesser", "method_invert"}) {
            QVERIFY2(!Item(name)->isChecked(), name);
            QVERIFY2(Item(name)->isEnabled(), name);
        }
        QCOMPARE(Find<ImageBox>("pic_transfer")->Picture(), WindowImages::ImageListEntry(1));
        QCOMPARE(Find<ImageBox>("back_pic")->Picture(), WindowImages::ImageListEntry(3));
        QCOMPARE(Find<SourcePictureBox>("source_pic")->Picture(),
                 WindowImages::StartupPicture().convertToFormat(QImage::Format_RGB32));
        const ShapeRect sel = Find<SourcePictureBox>("source_pic")->Selection();
        QCOMPARE(QRectF(sel.Left, sel.Top, sel.Width, sel.Height), QRectF(34, 76, 333, 47));
        QCOMPARE(Find<SourcePictureBox>("source_pic")->BorderStyle(), 3);
        QVERIFY(!Find<PictureBox>("out_pic")->AutoRedraw());
    }

    void controlsInTwipsAndPixels() {
        MF& w = Open();
        struct Case {
            const char* name;
            TwipRect twips;
            QRect pixels;
        } const cases[] = {
            {"r_txt", {1200, 330, 540, 255}, {80, 22, 36, 17}},
            {"g_txt", {1770, 330, 540, 255}, {118, 22, 36, 17}},
            {"b_txt", {2340, 330, 540, 255}, {156, 22, 36, 17}},
            {"pic_transfer", {2970, 240, 1875, 375}, {198, 16, 125, 25}},
            {"txt_xstep", {5580, 330, 435, 255}, {372, 22, 29, 17}},
            {"txt_ystep", {6690, 330, 435, 255}, {446, 22, 29, 17}},
            {"txt_zoom", {7860, 330, 495, 255}, {524, 22, 33, 17}},
            {"txt_fill", {10290, 330, 825, 255}, {686, 22, 55, 17}},
            {"back_pic", {30, 210, 11250, 450}, {2, 14, 750, 30}},
        };
        for (const Case& c : cases) {
            QWidget* control = Find<QWidget>(c.name);
            const TwipRect r = w.Placement().Rect(control);
            QCOMPARE(QRectF(r.Left, r.Top, r.Width, r.Height),
                     QRectF(c.twips.Left, c.twips.Top, c.twips.Width, c.twips.Height));
            QCOMPARE(control->geometry(), c.pixels);
            QCOMPARE(control->parentWidget(), Find<QWidget>("action"));
        }
        // Tab order from out_pic on.
        QStringList order;
        QWidget* widget = Find<QWidget>("out_pic");
        for (int i = 0; i < 12; ++i, widget = widget->nextInFocusChain()) {
            while (widget->focusPolicy() == Qt::NoFocus) widget = widget->nextInFocusChain();
            order << widget->objectName();
        }
        QCOMPARE(order,
                 (QStringList{"out_pic", "b_txt", "g_txt", "r_txt", "source_pic", "txt_zoom", "txt_fill",
                              "backpic", "txt_ystep", "txt_xstep", "pic_transfer", "back_pic"}));
    }

    void menuTree() {
        MF& w = Open();
        QStringList bar;
        for (const QAction* a : w.menuBar()->actions()) bar << a->text();
        QCOMPARE(bar, (QStringList{U("Файл"), U("Заполнение"), U("Параметры")}));
        QCOMPARE(Captions(Find<QMenu>("file")),
                 (QStringList{U("Открыть"), U("Сохранить"), "-", U("Экспорт в HTML"), "-", U("Выход")}));
        QCOMPARE(Captions(Find<QMenu>("fill_as")),
                 (QStringList{U("Точками"), U("Кругами"), U("Квадратами"), "-", U("Текстом"), "-",
                              U("Тип выборки цвета")}));
        QCOMPARE(Captions(Find<QMenu>("method")),
                 (QStringList{U("Равно"), U("Не равно"), U("Больше"), U("Меньше"), "-", U("Обратить")}));
        QCOMPARE(Captions(Find<QMenu>("params")), (QStringList{"1x1x1\tQ", "2x2x2\tW", "3x3x3\tE"}));
        const std::pair<const char*, QKeySequence> keys[] = {
            {"open", QKeySequence("Ctrl+O")},
            {"save", QKeySequence("Ctrl+S")},
            {"ex_HTML", QKeySequence("Ctrl+H")},
            {"exit", QKeySequence("Ctrl+X")},
            {"fill_as_point", QKeySequence("F2")},
            {"fill_as_circle", QKeySequence("F3")},
            {"fill_as_rect", QKeySequence("F4")},
            {"fill_as_text", QKeySequence("F5")},
            {"method_equal", QKeySequence("Ctrl+F1")},
            {"method_notequal", QKeySequence("Ctrl+F2")},
            {"method_greater", QKeySequence("Ctrl+F3")},
            {"method_lesser", QKeySequence("Ctrl+F4")},
            {"method_invert", QKeySequence("Ctrl+F5")},
        };
        for (const auto& [name, key] : keys) QCOMPARE(Item(name)->shortcut(), key);
    }

    void layoutFollowsTheWindowSize_data() {
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<bool>("wide");
        QTest::newRow("12000 x 8000") << 12000.0f << 8000.0f << true;
        QTest::newRow("9000 x 6000") << 9000.0f << 6000.0f << false;
        QTest::newRow("width of the strip") << 11535.0f << 8000.0f << true;
        QTest::newRow("just narrower") << 11520.0f << 8000.0f << false;
    }
    void layoutFollowsTheWindowSize() {
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(bool, wide);
        MF& w = Open();
        w.SetTwipsSize(width, height);
        // The window has whole pixels: 8000 twips become 533 pixels, 7995 twips.
        const float W = w.TwipsWidth(), H = w.TwipsHeight();
        QCOMPARE(W, width);
        QCOMPARE(H, std::round(height / 15) * 15);
        QWidget* action = Find<QWidget>("action");
        QCOMPARE(action->isVisible(), wide);
        QCOMPARE(w.Placement().Rect(action).Left, 0.0f);
        const float top = wide ? 805.0f : 100.0f;
        const float pictureHeight = static_cast<float>(H * 0.9 - (wide ? 705 : 0));
        for (const char* name : {"source_pic", "out_pic", "backpic"}) {
            const TwipRect r = w.Placement().Rect(Find<QWidget>(name));
            QCOMPARE(r.Top, top);
            QCOMPARE(r.Height, pictureHeight);
        }
        const TwipRect source = w.Placement().Rect(Find<QWidget>("source_pic"));
        const TwipRect out = w.Placement().Rect(Find<QWidget>("out_pic"));
        const TwipRect back = w.Placement().Rect(Find<QWidget>("backpic"));
        QCOMPARE(source.Left, 60.0f);
        QCOMPARE(source.Width, W / 2);
        QCOMPARE(out.Left, W / 2 + 100);
        QCOMPARE(out.Width, W / 2 - 300);
        QCOMPARE(QRectF(back.Left, back.Top, back.Width, back.Height),
                 QRectF(out.Left, out.Top, out.Width, out.Height));
        // On the screen each box's outer edge, border included, lies where the layout puts it, so
        // the window's orange shows between the two pictures.
        const auto pixel = [](double twips) { return static_cast<int>(std::nearbyint(twips / 15)); };
        const QRect left = Find<QWidget>("source_pic")->geometry();
        const QRect right = Find<QWidget>("out_pic")->geometry();
        QCOMPARE(left,
                 QRect(QPoint(4, pixel(top)), QPoint(pixel(60 + W / 2) - 1, pixel(top + pictureHeight) - 1)));
        QCOMPARE(right.left(), pixel(W / 2 + 100));
        QCOMPARE(Find<QWidget>("backpic")->geometry(), right);
        const QImage shot = w.centralWidget()->grab().toImage();
        for (int x = left.right() + 1; x < right.left(); ++x)
            QCOMPARE(shot.pixelColor(x, left.center().y()), colours::kWindow);
    }

    void narrowWindowShrinksTheStatusPanelsFirstOneFirst() {
        MF& w = Open();
        Field("txt_fill")->SetText(U("очень длинный текст заполнения"));
        // 550 pixels: panel 1 has given up width, panel 2 cuts its text; 300 pixels: panel 1 has no
        // width left at all. Both are narrow layouts, without the strip.
        QStringList seen;
        for (const float width : {8250.0f, 4500.0f}) {
            w.SetTwipsSize(width, 6000);
            QCOMPARE(w.TwipsWidth(), width);
            QVERIFY(!Find<QWidget>("action")->isVisible());
            for (const char* key : {"info", "mode", "met"}) {
                const auto* panel = Find<StatusPanel>(key);
                const bool cut = panel->ShownText() != panel->Text();
                QCOMPARE(panel->toolTip(), cut ? panel->Text() : QString());
                seen << (cut ? panel->ShownText().right(1) : QStringLiteral("whole"));
            }
        }
        QCOMPARE(seen, (QStringList{"whole", U("…"), "whole", "", U("…"), "whole"}));
    }

    void fieldsShowTheirLongestNumbersWhole() {
        Open();
        for (const char* name : {"txt_xstep", "txt_ystep", "txt_zoom", "r_txt", "g_txt", "b_txt"}) {
            ChangeField* field = Field(name);
            field->SetText(QString::fromLatin1(name[0] == 't' ? "32767" : " 255"));
            // A text that fits is not scrolled: from its first to its last character the cursor
            // travels the text's whole width.
            const auto cursorX = [field] {
                field->repaint();
                return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
            };
            field->home(false);
            const int first = cursorX();
            field->end(false);
            QVERIFY2(cursorX() - first >= field->fontMetrics().horizontalAdvance(field->text()), name);
        }
    }

    void lowWindowIsRaisedTo2500Twips() {
        MF& w = Open();
        w.SetTwipsSize(12000, 2000);
        // 2500 twips are 166.67 pixels: the window becomes 167 pixels, 2505 twips, and the nested pass
        // lays it out for that height.
        QCOMPARE(w.TwipsHeight(), 2505.0f);
        const TwipRect source = w.Placement().Rect(Find<QWidget>("source_pic"));
        QCOMPARE(source.Height, static_cast<float>(2505 * 0.9 - 705));
        QCOMPARE(source.Width, 6000.0f);
    }

    void fillAndMethodCommands() {
        MF& w = Open();
        QTest::keyClick(&w, Qt::Key_F3);
        QCOMPARE(w.State().render.FillMode, 2);
        QCOMPARE(Panel(2), U("Круги"));
        QVERIFY(Item("fill_as_circle")->isChecked());
        QVERIFY(!Item("fill_as_point")->isChecked());
        QTest::keyClick(&w, Qt::Key_F5, Qt::ControlModifier);
        QCOMPARE(w.State().render.METH, 5);
        QCOMPARE(Panel(3), U("Обратить"));
        QVERIFY(Item("method_invert")->isChecked());
        QVERIFY(!Item("method_notequal")->isChecked());
        // Text mode greys the invert item but leaves it checked and METH at 5.
        Item("fill_as_text")->trigger();
        QCOMPARE(w.State().render.FillMode, 4);
        QCOMPARE(Panel(2), U("Текст text"));
        QVERIFY(!Item("method_invert")->isEnabled());
        QVERIFY(Item("method_invert")->isChecked());
        QCOMPARE(w.State().render.METH, 5);
        // The item already checked, chosen again, stays checked and rewrites the panel.
        Item("fill_as_rect")->trigger();
        Item("fill_as_rect")->trigger();
        QVERIFY(Item("fill_as_rect")->isChecked());
        QVERIFY(Item("method_invert")->isEnabled());
        QCOMPARE(Panel(2), U("Квадраты"));
        for (const auto& [key, meth, text] :
             {std::tuple{Qt::Key_F1, 1, "Равно"}, std::tuple{Qt::Key_F3, 3, "Больше"},
              std::tuple{Qt::Key_F4, 4, "Меньше"}, std::tuple{Qt::Key_F2, 2, "Не равно"}}) {
            QTest::keyClick(&w, key, Qt::ControlModifier);
            QCOMPARE(int(w.State().render.METH), meth);
            QCOMPARE(Panel(3), U(text));
        }
        QStringList checked;
        for (QAction* a : Find<QMenu>("method")->actions())
            if (a->isChecked()) checked << a->objectName();
        QCOMPARE(checked, QStringList{"method_notequal"});
    }

    void presetsAndKeys() {
        MF& w = Open();
        Item("p333")->trigger();
        QCOMPARE(w.State().render.Xst, 3);
        QCOMPARE(w.State().render.Yst, 3);
        QCOMPARE(w.State().render.ZOOM, 3);
        // A capital Q typed into the fill text applies 1x1x1 and still enters the Q.
        ChangeField* fill = Field("txt_fill");
        fill->setFocus();
        QTest::keyClick(fill, 'Q', Qt::ShiftModifier);
        QCOMPARE(w.State().render.Xst, 1);
        QCOMPARE(w.State().render.ZOOM, 1);
        QCOMPARE(fill->text(), QStringLiteral("textQ"));
        QCOMPARE(w.State().render.FillMode, 4);
        QCOMPARE(Panel(2), U("Текст textQ"));
        // A small e is plain text.
        QTest::keyClick(fill, 'e');
        QCOMPARE(fill->text(), QStringLiteral("textQe"));
        QCOMPARE(w.State().render.ZOOM, 1);
        // A capital W in txt_xstep: the preset writes 2 everywhere, then the W lands beside the 2.
        ChangeField* xstep = Field("txt_xstep");
        xstep->setFocus();
        xstep->end(false);
        QTest::keyClick(xstep, 'W', Qt::ShiftModifier);
        QCOMPARE(xstep->text(), QStringLiteral("1"));
        QCOMPARE(w.State().render.Xst, 1);
        QCOMPARE(w.State().render.Yst, 2);
        QCOMPARE(w.State().render.ZOOM, 2);
        // Enter in a field runs the transfer.
        QTest::keyClick(xstep, Qt::Key_Return);
        QCOMPARE(dialogs_->messages.size(), size_t{1});
        QCOMPARE(Panel(1), U("Готово"));
    }

    void ctrlXInAFieldEndsTheProgram() {
        MF& w = Open();
        ChangeField* fill = Field("txt_fill");
        fill->setFocus();
        fill->selectAll();
        QTest::keyClick(fill, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(!w.isVisible());
        QCOMPARE(fill->text(), QStringLiteral("text"));  // nothing was cut
    }

    void fieldTexts_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("value");
        // The rules themselves are tested headless; here each field shows that its handler runs
        // them and puts the result into the window's state.
        const std::tuple<const char*, const char*, int> steps[] = {
            {"0", "1", 1}, {"05", "05", 5}, {"2.5", "2.5", 2}, {"1 2", "1 2", 12}, {"", "1", 1},
        };
        for (const auto& [typed, shown, value] : steps) {
            QTest::addRow("xstep '%s'", typed) << "txt_xstep" << typed << shown << value;
            QTest::addRow("ystep '%s'", typed) << "txt_ystep" << typed << shown << value;
        }
        const std::tuple<const char*, const char*, int> zooms[] = {
            {"2", "2", 2},
            {"1a2", "1", 1},
            {"0.4", "0.4", 0},
        };
        for (const auto& [typed, shown, value] : zooms)
            QTest::addRow("zoom '%s'", typed) << "txt_zoom" << typed << shown << value;
        const std::tuple<const char*, int> colours[] = {
            {"abc", 0}, {"127.5", 128}, {" 255", 255}, {"256", 7}};
        for (const auto& [typed, value] : colours)
            QTest::addRow("red '%s'", typed) << "r_txt" << typed << typed << value;
    }
    void fieldTexts() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, value);
        MF& w = Open();
        Field("r_txt")->SetText("7");  // the previous component, kept when a text is out of range
        Field(field.toLatin1().constData())->SetText(typed);
        QCOMPARE(Field(field.toLatin1().constData())->text(), shown);
        const WindowState& s = w.State();
        const int actual = field == "txt_xstep"   ? s.render.Xst
                           : field == "txt_ystep" ? s.render.Yst
                           : field == "txt_zoom"  ? s.render.ZOOM
                                                  : s.ColRed;
        QCOMPARE(actual, value);
        if (field == "r_txt") QCOMPARE(s.render.col, RGB(value, 0, 255));
    }

    void fieldEditsByHand() {
        MF& w = Open();
        // Deleting the only character of a step gives "1" back at once.
        ChangeField* xstep = Field("txt_xstep");
        xstep->SetText("5");
        xstep->setFocus();
        xstep->end(false);
        QTest::keyClick(xstep, Qt::Key_Backspace);
        QCOMPARE(xstep->text(), QStringLiteral("1"));
        QCOMPARE(w.State().render.Xst, 1);
        // Writing the text already shown still runs the handler.
        w.State().render.Xst = 9;
        xstep->SetText("1");
        QCOMPARE(w.State().render.Xst, 1);
        // The colour fields make col; Cyrillic fill text typed by hand selects the text mode.
        Field("r_txt")->SetText("255");
        Field("g_txt")->SetText("128");
        Field("b_txt")->SetText("0");
        QCOMPARE(w.State().render.col, 33023);
        ChangeField* fill = Field("txt_fill");
        fill->setFocus();
        fill->clear();
        test::TypeText(fill, U("Привет"));
        QCOMPARE(fill->text(), U("Привет"));
        QCOMPARE(Panel(2), U("Текст Привет"));
        QVERIFY(Item("fill_as_text")->isChecked());
        fill->clear();
        QCOMPARE(Panel(2), U("Текст "));
    }

    // Open a picture, then save with Enter in every dialog: the real dialogs, in Russian, and the
    // picture being worked on is not replaced without a question whose default is No.
    void realDialogsInRussianKeepTheShownPicture() {
        QTemporaryDir dir;
        const QString sprite = dir.filePath("sprite.bmp");
        QVERIFY(WindowImages::StartupPicture().save(sprite, "BMP"));
        const qint64 before = QFileInfo(sprite).size();  // a rendering saved there would be smaller
        QtDialogService dialogs;
        MF window(dialogs, test::TestOptions());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList seen;
        const auto record = [&seen](QWidget* dialog, const QString& extra) {
            QStringList texts;
            for (const QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons())
                texts << b->text();
            texts.sort();
            seen << texts.join(QLatin1Char('/')) << extra;
        };
        const auto chooseSprite = [&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            record(dialog, dialog->selectedFiles().value(0));
            dialog->selectFile(sprite);
            QMetaObject::invokeMethod(dialog, "accept");
        };
        const auto pressEnter = [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            record(box, box->defaultButton() != nullptr ? box->defaultButton()->text() : QString());
            QTest::keyClick(box, Qt::Key_Return);
        };
        test::ModalAnswers answers({chooseSprite, pressEnter, chooseSprite, pressEnter});
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(seen, (QStringList{U("&Открыть/Отмена"), "/tmp", U("ОК"), "", U("&Сохранить/Отмена"), sprite,
                                    U("&Да/&Нет"), U("&Нет")}));
        QCOMPARE(QFileInfo(sprite).size(), before);
        QCOMPARE(window.Status().PanelText(1), U("Готово"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_MainWindow.moc"
