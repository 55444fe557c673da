#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QXmlStreamReader>
#include <optional>

#include "resources/StripLayout.h"
#include "resources/WindowImages.h"
#include "tests/support/WindowFixture.h"
#include "widgets/FrameBox.h"
#include "widgets/ImageBox.h"
#include "widgets/QtDialogService.h"
#include "widgets/RussianQtTranslation.h"
#include "widgets/StatusPanel.h"
#include "window/ProgramArguments.h"
#include "window/WindowColours.h"

using namespace glimmet;
using test::U;

// The real window, offscreen: its start-up state, its layout on the screen, its menus, keys and fields.
class WindowTest : public QObject {
    Q_OBJECT
    std::optional<RussianQtTranslation> russian_{std::in_place};

  private slots:
    void startUpState() {
        test::Window w;
        QCOMPARE(w->windowTitle(), QStringLiteral("Glimmet, v.1.112 by Tovask."));
        QCOMPARE(QApplication::focusWidget(), w.Find("out_pic"));
        const RenderState& r = w->State().render;
        QCOMPARE((QList<int>{r.col, r.Xst, r.Yst, r.ZOOM, r.METH, r.FillMode, w->State().ColBlue}),
                 (QList<int>{RGB(0, 0, 255), 1, 1, 1, 2, 1, 255}));
        QStringList texts;
        for (const char* name : {"r_txt", "g_txt", "b_txt", "txt_xstep", "txt_ystep", "txt_zoom", "txt_fill"})
            texts << w.Field(name)->text();
        QCOMPARE(texts, (QStringList{"0", "0", "255", "1", "1", "1", "text"}));
        QCOMPARE((QStringList{w.Panel(1), w.Panel(2), w.Panel(3)}),
                 (QStringList{U("Жду ваших дейстивий."), U("Точки"), U("Не равно")}));
        QCOMPARE(w.Find<ImageBox>("pic_transfer")->Picture(), WindowImages::TransferButtonFace(false));
        QCOMPARE(w.Find<ImageBox>("back_pic")->Picture(), WindowImages::ActionStrip());
        QCOMPARE(w.Source()->Picture(), WindowImages::StartupPicture().convertToFormat(QImage::Format_RGB32));
        const ShapeRect sel = w.Source()->Selection();
        QCOMPARE(QRectF(sel.Left, sel.Top, sel.Width, sel.Height), QRectF(34, 76, 333, 47));
        QVERIFY(!w.Out()->AutoRedraw());
        // Every caption and key the window shows, as the user reads them.
        QCOMPARE(w.Find<FrameBox>("action")->Caption(), U("Действия"));
        QStringList bar;
        for (const QAction* a : w->menuBar()->actions()) bar << a->text();
        QCOMPARE(bar, (QStringList{U("Файл"), U("Заполнение"), U("Параметры")}));
        QCOMPARE(w.Find<QMenu>("method")->title(), U("Тип выборки цвета"));
        const std::tuple<const char*, const char*, const char*> items[] = {
            {"open", "Открыть", "Ctrl+O"},
            {"save", "Сохранить", "Ctrl+S"},
            {"ex_HTML", "Экспорт в HTML", "Ctrl+H"},
            {"exit", "Выход", "Ctrl+X"},
            {"fill_as_point", "Точками", "F2"},
            {"fill_as_circle", "Кругами", "F3"},
            {"fill_as_rect", "Квадратами", "F4"},
            {"fill_as_text", "Текстом", "F5"},
            {"method_equal", "Равно", "Ctrl+F1"},
            {"method_notequal", "Не равно", "Ctrl+F2"},
            {"method_greater", "Больше", "Ctrl+F3"},
            {"method_lesser", "Меньше", "Ctrl+F4"},
            {"method_invert", "Обратить", "Ctrl+F5"},
            {"tolerance", "Допуск…", "Ctrl+F6"},
            {"p111", "1x1x1\tQ", ""},
            {"p222", "2x2x2\tW", ""},
            {"p333", "3x3x3\tE", ""},
        };
        for (const auto& [name, text, key] : items) {
            const QAction* item = w.Find<QAction>(name);
            QCOMPARE(item->text(), U(text));
            QCOMPARE(item->shortcut(), QKeySequence(QString::fromLatin1(key)));
            QCOMPARE(item->isChecked(), name == std::string_view("fill_as_point") ||
                                            name == std::string_view("method_notequal"));
        }
        QStringList shapes;  // each menu's items (x) and separators (-)
        for (const char* menu : {"file", "fill_as", "method"}) {
            QString shape;
            for (const QAction* a : w.Find<QMenu>(menu)->actions())
                shape += QLatin1Char(a->isSeparator() ? '-' : 'x');
            shapes << shape;
        }
        QCOMPARE(shapes, (QStringList{"xx-x-x", "xxx-x-x", "xxxx-x-x"}));
        // Tab order from out_pic on.
        QStringList order;
        QWidget* widget = w.Find("out_pic");
        for (int i = 0; i < 12; ++i, widget = widget->nextInFocusChain()) {
            while (widget->focusPolicy() == Qt::NoFocus) widget = widget->nextInFocusChain();
            order << widget->objectName();
        }
        QCOMPARE(order,
                 (QStringList{"out_pic", "b_txt", "g_txt", "r_txt", "source_pic", "txt_zoom", "txt_fill",
                              "backpic", "txt_ystep", "txt_xstep", "pic_transfer", "back_pic"}));
    }

    // The Russian translation is finished and holds every Russian text of the design, the misspelt
    // "дейстивий" included.
    void translationHoldsTheDesign() {
        QFile ts(QString::fromUtf8(GLIMMET_TS_FILE));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QStringList translations;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement ||
                xml.name() != QStringLiteral("translation"))
                continue;
            const bool finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            translations << xml.readElementText();
            QVERIFY2(finished, qPrintable(translations.last()));
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        for (const char* text : {"Не равно",
                                 "Готово",
                                 "Точки",
                                 "Круги",
                                 "Квадраты",
                                 "Текст ",
                                 "Равно",
                                 "Больше",
                                 "Меньше",
                                 "Обратить",
                                 "Действия",
                                 "Файл",
                                 "Открыть",
                                 "Сохранить",
                                 "Экспорт в HTML",
                                 "Выход",
                                 "Заполнение",
                                 "Точками",
                                 "Кругами",
                                 "Квадратами",
                                 "Текстом",
                                 "Тип выборки цвета",
                                 "Параметры",
                                 "Жду ваших дейстивий.",
                                 "Вы действительно хотите записать рисунок в файл?",
                                 "Файл успешно записан !",
                                 "Размеры выделенной области: ",
                                 "Выберите нужное изображение",
                                 "Копировать",
                                 "RGB-ключ",
                                 "Шаг X",
                                 "Шаг У",
                                 "ЗУМ",
                                 "Текст-Заполнение",
                                 "Загрузите нужный вам файл..."})
            QVERIFY2(translations.contains(U(text)), text);
    }

    // The command line: a picture to open, and `--language en` for a window in English.
    void commandLine() {
        using L = ProgramArguments::Language;
        const std::tuple<QStringList, L, const char*, bool> cases[] = {
            {{"glimmet"}, L::Russian, "", false},
            {{"glimmet", "a.bmp", "b.bmp"}, L::Russian, "a.bmp", false},
            {{"glimmet", "--language", "en", "a.bmp"}, L::English, "a.bmp", false},
            {{"glimmet", "--language=en", "--language=ru", "-"}, L::Russian, "-", false},
            {{"glimmet", "--", "--language=en"}, L::Russian, "--language=en", false},
            {{"glimmet", "--language", "de"}, L::Russian, "", true},
            {{"glimmet", "a.bmp", "--language"}, L::Russian, "a.bmp", true},
            {{"glimmet", "-x.bmp"}, L::Russian, "", true},
        };
        for (const auto& [arguments, language, picture, error] : cases) {
            const auto parsed = ProgramArguments::Parse(arguments);
            QCOMPARE(parsed.language, language);
            QCOMPARE(parsed.picture, QString::fromUtf8(picture));
            QCOMPARE(parsed.error.isEmpty(), !error);
        }
        // Without the Russian translation the window shows the texts' English sources.
        russian_.reset();
        {
            test::Window w;
            QStringList bar;
            for (const QAction* a : w->menuBar()->actions()) bar << a->text();
            QCOMPARE(bar, (QStringList{"File", "Fill", "Parameters"}));
            QCOMPARE((QStringList{w.Find<FrameBox>("action")->Caption(), w.Panel(1), w.Panel(3)}),
                     (QStringList{"Actions", "Waiting for your actions.", "Not equal"}));
        }
        russian_.emplace();
    }

    // The controls of the strip sit on its drawn boxes; the pictures' outer edges, borders included,
    // lie where the layout puts them, so the window's orange shows between them.
    void layoutOnTheScreen_data() {
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("shownHeight");
        QTest::newRow("wide") << 12000.0f << 8000.0f << 7995.0f;
        QTest::newRow("narrow") << 9000.0f << 6000.0f << 6000.0f;
        QTest::newRow("low: raised to 2500 twips, 167 pixels") << 12000.0f << 2000.0f << 2505.0f;
    }
    void layoutOnTheScreen() {
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(float, shownHeight);
        test::Window w;
        w->SetTwipsSize(width, height);
        QCOMPARE(w->TwipsWidth(), width);
        QCOMPARE(w->TwipsHeight(), shownHeight);
        const bool wide = width > 11535;
        QCOMPARE(w.Find("action")->isVisible(), wide);
        const QPoint strip = w.Find("back_pic")->pos();
        using S = StripLayout;
        const S::TwipRect boxes[] = {S::kRedBox,   S::kGreenBox, S::kBlueBox, S::kTransferButton,
                                     S::kXStepBox, S::kYStepBox, S::kZoomBox, S::kFillBox};
        const char* names[] = {"r_txt",     "g_txt",     "b_txt",    "pic_transfer",
                               "txt_xstep", "txt_ystep", "txt_zoom", "txt_fill"};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(w.Find(names[i])->geometry().translated(-strip), S::ToStrip(boxes[i]));
        const auto pixel = [](double twips) { return static_cast<int>(std::nearbyint(twips / 15)); };
        const TwipRect source = w->Placement().Rect(w.Source());
        const QRect left = w.Source()->geometry(), right = w.Out()->geometry();
        QCOMPARE(left, QRect(QPoint(4, pixel(source.Top)),
                             QPoint(pixel(60 + source.Width) - 1, pixel(source.Top + source.Height) - 1)));
        QCOMPARE(right.left(), pixel(w->Placement().Rect(w.Out()).Left));
        QCOMPARE(w.Find("backpic")->geometry(), right);
        const QImage shot = w->centralWidget()->grab().toImage();
        for (int x = left.right() + 1; x < right.left(); ++x)
            QCOMPARE(shot.pixelColor(x, left.center().y()), colours::kWindow);
    }

    void restoredWindowIsLaidOutAgain() {
        test::Window w;
        w->showMinimized();
        w->SetTwipsSize(9000, 6000);  // left alone while minimised
        w->showNormal();
        QVERIFY(!w.Find("action")->isVisible());
    }

    void narrowWindowKeepsAFewCharactersInTheFirstPanel() {
        test::Window w;
        w.Field("txt_fill")->SetText(U("очень длинный текст заполнения"));
        // 550 pixels: panel 1 has given up width, panel 2 cuts its text; 300 and 150: panel 1 keeps a
        // few characters, the others share the rest.
        QStringList seen;
        for (const float width : {8250.0f, 4500.0f, 2250.0f}) {
            w->SetTwipsSize(width, 6000);
            for (const char* key : {"info", "mode", "met"}) {
                const auto* panel = w.Find<StatusPanel>(key);
                const bool cut = panel->ShownText() != panel->Text();
                QCOMPARE(panel->toolTip(), cut ? panel->Text() : QString());
                seen << (cut ? panel->ShownText() : QStringLiteral("whole"));
            }
            const int info = w.Find<StatusPanel>("info")->width();
            QVERIFY2(info >= 8 * w.Find<StatusPanel>("info")->fontMetrics().averageCharWidth(),
                     qPrintable(QString::number(info)));
        }
        QCOMPARE(seen.join(QLatin1Char('|')),
                 U("whole|Текст очень длинный текст…|whole|Жду в…|Текст очень дли…|whole|Жду в…|Т…|"));
    }

    void fieldsShowTheirLongestNumbersWhole() {
        test::Window w;
        for (const char* name : {"txt_xstep", "txt_ystep", "txt_zoom", "r_txt", "g_txt", "b_txt"}) {
            ChangeField* field = w.Field(name);
            field->SetText(QString::fromLatin1(name[0] == 't' ? "32767" : " 255"));
            // A text that fits is not scrolled: the cursor travels the text's whole width.
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

    void fillAndMethodKeys() {
        test::Window w;
        const RenderState& r = w->State().render;
        const auto ctrl = Qt::ControlModifier;
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*, int, const char*> keys[] = {
            {Qt::Key_F3, {}, "fill_as_circle", 2, "Круги"},
            {Qt::Key_F4, {}, "fill_as_rect", 3, "Квадраты"},
            {Qt::Key_F5, {}, "fill_as_text", 4, "Текст text"},
            {Qt::Key_F2, {}, "fill_as_point", 1, "Точки"},
            {Qt::Key_F1, ctrl, "method_equal", 1, "Равно"},
            {Qt::Key_F3, ctrl, "method_greater", 3, "Больше"},
            {Qt::Key_F4, ctrl, "method_lesser", 4, "Меньше"},
            {Qt::Key_F2, ctrl, "method_notequal", 2, "Не равно"},
            {Qt::Key_F5, ctrl, "method_invert", 5, "Обратить"},
        };
        for (const auto& [key, modifiers, item, value, text] : keys) {
            QTest::keyClick(&w.mf, key, modifiers);
            const bool fill = modifiers == Qt::NoModifier;
            QCOMPARE(w.Panel(fill ? 2 : 3), U(text));
            QCOMPARE(int(fill ? r.FillMode : r.METH), value);
            QStringList checked;
            for (QAction* a : w.Find<QMenu>(fill ? "fill_as" : "method")->actions())
                if (a->isChecked()) checked << a->objectName();
            QCOMPARE(checked, QStringList{item});
        }
        // Text mode greys the invert item but leaves it checked and METH at 5.
        QTest::keyClick(&w.mf, Qt::Key_F5);
        QAction* invert = w.Find<QAction>("method_invert");
        QVERIFY(!invert->isEnabled() && invert->isChecked() && r.METH == 5);
        // The item already checked, chosen again, stays checked and rewrites the panel.
        QTest::keyClick(&w.mf, Qt::Key_F4);
        QTest::keyClick(&w.mf, Qt::Key_F4);
        QVERIFY(w.Find<QAction>("fill_as_rect")->isChecked() && invert->isEnabled());
        QCOMPARE(w.Panel(2), U("Квадраты"));
    }

    // Ctrl+F6 asks for the tolerance in Qt's integer input, in Russian, proposing the current value;
    // Escape keeps it. The met panel shows it after equal and not equal only, and never at 0.
    void toleranceDialog() {
        const RussianQtTranslation russian;
        QtDialogService real;
        MF mf(real, test::TestOptions());
        mf.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mf));
        QStringList seen;
        std::vector<std::function<void(QWidget*)>> answers;
        const char* typed[] = {"12", nullptr, "0"};
        for (const char* text : typed) {
            answers.emplace_back([&seen, text](QWidget* modal) {
                auto* dialog = qobject_cast<QInputDialog*>(modal);
                if (dialog == nullptr) qFatal("not an integer input");
                QStringList buttons;
                for (const QPushButton* b : dialog->findChildren<QPushButton*>()) buttons << b->text();
                buttons.sort();
                seen << QStringLiteral("%1 %2 %3..%4 %5")
                            .arg(dialog->windowTitle(), buttons.join(QLatin1Char('/')))
                            .arg(dialog->intMinimum())
                            .arg(dialog->intMaximum())
                            .arg(dialog->intValue());
                const QString label = dialog->labelText();
                if (!label.contains(U("«Равно»")) || !label.contains(U("«Не равно»"))) qFatal("label");
                auto* box = dialog->findChild<QSpinBox*>();
                if (text == nullptr) return QTest::keyClick(box, Qt::Key_Escape);
                box->selectAll();
                QTest::keyClicks(box, QString::fromLatin1(text));
                QTest::keyClick(box, Qt::Key_Return);
            });
        }
        test::ModalAnswers modal(answers);
        const auto ctrl = Qt::ControlModifier;
        const std::tuple<Qt::Key, int, const char*> steps[] = {
            {Qt::Key_F6, 12, "Не равно ±12"}, {Qt::Key_F1, 12, "Равно ±12"}, {Qt::Key_F6, 12, "Равно ±12"},
            {Qt::Key_F3, 12, "Больше"},       {Qt::Key_F5, 12, "Обратить"},  {Qt::Key_F1, 12, "Равно ±12"},
            {Qt::Key_F6, 0, "Равно"},
        };
        for (const auto& [key, tolerance, panel] : steps) {
            mf.activateWindow();  // back from the dialog
            QVERIFY(QTest::qWaitForWindowActive(&mf));
            QTest::keyClick(&mf, key, ctrl);
            QCOMPARE(int(mf.State().render.Tolerance), tolerance);
            QCOMPARE(mf.Status().PanelText(3), U(panel));
        }
        const QString asked = U("Допуск цвета ОК/Отмена 0..255 ");
        QCOMPARE(seen, (QStringList{asked + "0", asked + "12", asked + "12"}));
    }

    void presetsAndKeys() {
        test::Window w;
        const RenderState& r = w->State().render;
        w.Find<QAction>("p222")->trigger();
        QCOMPARE((QList<int>{r.Xst, r.Yst, r.ZOOM}), (QList<int>{2, 2, 2}));
        // A capital E typed into the fill text applies 3x3x3 and still enters the E; so does a Q with
        // 1x1x1; a small e is text.
        ChangeField* fill = w.Field("txt_fill");
        fill->setFocus();
        QTest::keyClick(fill, 'E', Qt::ShiftModifier);
        QCOMPARE((QList<int>{r.Xst, r.Yst, r.ZOOM}), (QList<int>{3, 3, 3}));
        QTest::keyClick(fill, 'Q', Qt::ShiftModifier);
        QTest::keyClick(fill, 'e');
        QCOMPARE((QList<int>{r.Xst, r.Yst, r.ZOOM, r.FillMode}), (QList<int>{1, 1, 1, 4}));
        QCOMPARE(w.Panel(2), U("Текст textEQe"));
        // A capital W in txt_xstep: the preset writes 2 everywhere, then the W lands beside the 2.
        ChangeField* xstep = w.Field("txt_xstep");
        xstep->setFocus();
        xstep->end(false);
        QTest::keyClick(xstep, 'W', Qt::ShiftModifier);
        QCOMPARE(xstep->text(), QStringLiteral("1"));
        QCOMPARE((QList<int>{r.Xst, r.Yst, r.ZOOM}), (QList<int>{1, 2, 2}));
        // Enter in a field runs the transfer.
        QTest::keyClick(xstep, Qt::Key_Return);
        QCOMPARE(w.dialogs.messages.size(), size_t{1});
        QCOMPARE(w.Panel(1), U("Готово"));
    }
};

QTEST_MAIN(WindowTest)
#include "tst_Window.moc"
