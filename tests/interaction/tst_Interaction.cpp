#include <pthread.h>
#include <sys/file.h>

#include <QDialog>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>

#include "interaction/InteractionTexts.h"
#include "picture/QtText.h"
#include "resources/WindowImages.h"
#include "tests/support/WindowFixture.h"
#include "widgets/ImageBox.h"
#include "widgets/RussianQtTranslation.h"
#include "widgets/StatusPanel.h"

using namespace glimmet;
using test::kBlack;
using test::kWhite;
using test::U;

// The mouse on the source picture and the transfer, through the real window.
class InteractionTest : public QObject {
    Q_OBJECT
    RussianQtTranslation russian_;

    // Plays `script` on the source box as the platform delivers it: "M<held>:x,y" a move with the
    // buttons held (1 left, 2 right, 4 middle), "D<button>" a press and "U<button>" a release where
    // the pointer is, in the box's inner pixels.
    static void Play(test::Window& w, const QString& script) {
        QPointF at;
        for (const QString& step : script.split(QLatin1Char(' '))) {
            const QStringList p = step.mid(1).split(QRegularExpression(QStringLiteral("[:,]")));
            const QChar op = step[0];
            const int n = p[0].toInt();
            if (op == 'M') at = QPointF(p[1].toDouble() + 2, p[2].toDouble() + 2);
            QMouseEvent event(op == 'M'   ? QEvent::MouseMove
                              : op == 'D' ? QEvent::MouseButtonPress
                                          : QEvent::MouseButtonRelease,
                              at, w.Source()->mapToGlobal(at), op == 'M' ? Qt::NoButton : Qt::MouseButton(n),
                              Qt::MouseButtons(op == 'U' ? 0 : n), Qt::NoModifier);
            QCoreApplication::sendEvent(w.Source(), &event);
        }
    }

  private slots:
    void mouseOnTheSource_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QRectF>("selection");
        QTest::addColumn<QString>("red");
        const QRectF start(34, 76, 333, 47);
        const auto row = [](const char* name, const char* script, QRectF selection, const char* red = "0") {
            QTest::newRow(name) << QString::fromLatin1(script) << selection << QString::fromLatin1(red);
        };
        row("drag", "M0:50,40 D1 M1:150,100 U1", {50, 40, 100, 60});
        row("left of the anchor collapses there", "M0:50,40 D1 M1:30,100", {30, 100, 0, 0});
        row("and grows again from there", "M0:50,40 D1 M1:30,100 M1:60,120", {30, 100, 30, 20});
        row("right of the anchor but above it collapses", "M0:50,40 D1 M1:80,20", {80, 20, 0, 0});
        row("out through the left edge: top-left corner", "M0:50,40 D1 M1:-5,60", {0, 0, 0, 0});
        row("out through the top, back in", "M0:50,40 D1 M1:70,-1 M1:20,30", {0, 0, 20, 30});
        row("no clamping right and below", "M0:50,40 D1 M1:900,700", {50, 40, 850, 660});
        row("click keeps the size", "M0:12,7 D1 U1", {12, 7, 333, 47});
        row("moves after the release do not reshape", "M0:50,40 D1 U1 M1:150,100", {50, 40, 333, 47});
        row("left and right held: position only", "M0:50,40 D1 M3:150,100", {50, 40, 333, 47});
        row("middle press does nothing", "M0:50,40 D4 M4:150,100 U4", start);
        row("halves round to even", "M0:42.5,43.5 D1 M1:60.5,61.5", {42, 44, 18, 18});
        row("a move beyond 16 bits is ignored", "M0:50,40 D1 M1:40000,100 M1:60,50", {50, 40, 10, 10});
        row("a press before any move anchors at the corner", "D1 M1:20,30", {0, 0, 20, 30});
        row("also without a button", "M0:50,40 M0:-40000,9 D1 U1", {50, 40, 333, 47});
        row("only a left-button move clamps", "M0:-3,9 D1 M1:20,30", {-3, 9, 23, 21});
        row("right press picks the colour", "M0:20,30 D2", start, " 153");
        row("release picks too; beyond the picture: black", "M0:300,20 U2", start, " 0");
        row("a right drag follows and reads -1 outside as white", "M0:20,30 D2 M2:-3,20", start, " 255");
        row("both buttons held: no pick", "M3:20,30", start);
    }
    void mouseOnTheSource() {
        QFETCH(QString, script);
        QFETCH(QRectF, selection);
        QFETCH(QString, red);
        test::Window w(test::Plain(200, 120, qRgb(153, 102, 51)));
        Play(w, script);
        const ShapeRect s = w.Source()->Selection();
        QCOMPARE(QRectF(s.Left, s.Top, s.Width, s.Height), selection);
        QCOMPARE(w.Field("r_txt")->text(), red);
        const QMap<QString, int> colours{{" 153", 0x336699}, {" 0", 0}, {" 255", 0xFFFFFF}, {"0", 0xFF0000}};
        QCOMPARE(w->State().render.col, colours[red]);
        if (red == " 153") QCOMPARE(w.Field("b_txt")->text(), QStringLiteral(" 51"));
    }

    // Enter during a drag shows the size message, a modal dialog that takes the mouse from the
    // window; with the button still held when it closes, the selection follows the pointer again.
    void dragGoesOnAfterADialog() {
        test::Window w(test::Plain(200, 120, qRgb(153, 102, 51)));
        QList<QWidget*> grabbers;  // the dialogs must have the mouse
        w.dialogs.onDialog = [&grabbers] {
            grabbers << QWidget::mouseGrabber();
            QDialog dialog;
            QTimer::singleShot(0, &dialog, &QDialog::accept);
            dialog.exec();
        };
        QWindow* window = w->windowHandle();
        const auto at = [&w](int x, int y) { return w.Source()->mapTo(&w.mf, QPoint(x + 2, y + 2)); };
        QTest::mouseMove(window, at(50, 40));
        QTest::mousePress(window, Qt::LeftButton, {}, at(50, 40));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w.dialogs.messages.size(), size_t{1});
        QTest::mouseMove(window, at(150, 100));
        QCOMPARE(w.Source()->Selection().Width, 100.0f);
        w->Form_KeyPress(13);  // more dialogs while the drag has the mouse again
        w->open_Click();
        w->save_Click();
        QCOMPARE(grabbers, QList<QWidget*>(5, nullptr));
        QTest::mouseRelease(window, Qt::LeftButton, {}, at(150, 100));
        QTest::mouseMove(window, at(170, 110));  // the drag is over
        QCOMPARE(w.Source()->Selection().Width, 100.0f);
        QVERIFY(QWidget::mouseGrabber() == nullptr);
    }

    void transferSizesTheOutput() {
        const std::tuple<QRectF, const char*, const char*, QSizeF, QSize> cases[] = {
            {{20, 30, 140, 70}, "2", " 140: 70", {4210, 2120}, {281, 141}},
            {{0, 0, 100, 50}, "3", " 100: 50", {4510, 2270}, {301, 151}},
            {{5, 5, 0, 0}, "1", " 0: 0", {10, 20}, {1, 1}},
            {{42.5, 0, 2.25, 1}, "1", " 2.25: 1", {43.75, 35}, {3, 2}},
        };
        for (const auto& [selection, zoom, size, twips, pixels] : cases) {
            test::Window w(test::Pattern(200, 120));
            w.Transfer(selection, zoom);
            QCOMPARE(w.dialogs.messages.size(), size_t{1});
            const auto& message = w.dialogs.messages[0];
            QCOMPARE(message.text, U("Размеры выделенной области: ") + size);
            QCOMPARE(message.title, QStringLiteral("Glimmet"));
            QVERIFY(message.buttons == MessageButtons::Ok && message.icon == MessageIcon::None);
            const TwipRect out = w->Placement().Rect(w.Out());
            QCOMPARE(QSizeF(out.Width, out.Height), twips);
            QCOMPARE(w.Out()->InnerSize(), pixels);
            QCOMPARE(w.Panel(1), U("Готово"));
        }
        // The grid with both ends, two pixels apart at zoom 2; bounds round halves to even; the last
        // sample beyond the picture reads the box's -1, which passes and is drawn white.
        const std::tuple<QRectF, const char*, QList<QPoint>, QList<QRgb>> grids[] = {
            {{20, 30, 140, 70},
             "2",
             {{0, 0}, {280, 140}, {1, 0}},
             {qRgb(20, 30, 7), qRgb(160, 100, 7), kBlack}},
            {{42.5, 3, 100, 0}, "1", {{0, 0}, {100, 0}}, {qRgb(42, 3, 7), qRgb(142, 3, 7)}},
            {{43.5, 3, 10, 0}, "1", {{0, 0}, {10, 0}}, {qRgb(44, 3, 7), qRgb(54, 3, 7)}},
            {{150, 3, 900, 0}, "1", {{0, 0}, {105, 0}, {900, 0}}, {qRgb(150, 3, 7), qRgb(255, 3, 7), kWhite}},
        };
        for (const auto& [selection, zoom, points, colours] : grids) {
            test::Window w(test::Pattern(256, 120));
            w.Transfer(selection, zoom);
            QList<QRgb> seen;
            for (const QPoint& p : points) seen << w.OutPixel(p.x(), p.y());
            QCOMPARE(seen, colours);
        }
        // An output of 64 MB and more is first written under the busy cursor, shown before the work.
        for (const auto& [zoom, busy] : {std::pair{"64", true}, std::pair{"63", false}}) {
            test::Window w(test::Pattern(80, 80));
            Qt::CursorShape first = Qt::ArrowCursor;
            test::YieldProbe probe(1, [&] {
                if (const QCursor* cursor = QGuiApplication::overrideCursor()) first = cursor->shape();
            });
            w.Transfer({0, 0, 64, 64}, zoom);
            QCOMPARE(first == Qt::WaitCursor, busy);
            QVERIFY(!QGuiApplication::overrideCursor() && w.Out()->InnerSize().width() > 4000);
        }
    }

    void outlineHiddenDuringTheWalkAndAutoRedraw() {
        test::Window w(test::Plain(50, 50, qRgb(200, 10, 10)));
        w.Select({0, 0, 10, 10});
        int16_t styleDuringWalk = -1;
        QString progress;
        test::YieldProbe probe(40,
                               [&] { styleDuringWalk = w.Source()->BorderStyle(), progress = w.Panel(1); });
        w->pic_transfer_Click();
        QCOMPARE(styleDuringWalk, SourcePictureBox::kNoOutline);
        QVERIFY2(progress.startsWith(QLatin1Char('.')) && progress.endsWith(QLatin1Char('%')),
                 qPrintable(progress));
        QCOMPARE(w.Source()->BorderStyle(), SourcePictureBox::kDottedOutline);
        // Drawn on the screen only: the retained image stays black.
        QCOMPARE(w.OutPixel(5, 5), qRgb(200, 10, 10));
        QCOMPARE(w.Out()->Image().pixel(5, 5), kBlack);
        // With AutoRedraw switched on first (as the save command does) the drawing is retained.
        w.Out()->SetAutoRedraw(true);
        w->pic_transfer_Click();
        QVERIFY(!w.Out()->AutoRedraw());
        QCOMPARE(w.Out()->Image().pixel(5, 5), qRgb(200, 10, 10));
        // Cls while AutoRedraw is off leaves the retained background in place.
        w.Out()->Cls();
        QCOMPARE(w.OutPixel(5, 5), qRgb(200, 10, 10));
    }

    void transferButtonLooks() {
        test::Window w(test::Plain(20, 20, qRgb(1, 2, 3)));
        w.Select({0, 0, 2, 2});
        auto* button = w.Find<ImageBox>("pic_transfer");
        const QImage up = WindowImages::TransferButtonFace(false),
                     down = WindowImages::TransferButtonFace(true);
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QTest::mousePress(button, Qt::RightButton);
        QCOMPARE(button->Picture(), down);
        QTest::mouseRelease(button, Qt::RightButton);
        QCOMPARE(button->Picture(), up);
        QVERIFY(w.dialogs.messages.empty());  // a right click is no click
        // A click, then a double click (press, release, double-click press, release): two transfers.
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseDClick(button, Qt::LeftButton);
        QCOMPARE(button->Picture(), down);
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(button->Picture(), up);
        QCOMPARE(w.dialogs.messages.size(), size_t{2});
    }

    // A window resized during a walk lays the output box out anew, which drops what was drawn on the
    // screen so far; the walk goes on drawing into the box's new image, never into the one it replaced.
    void resizeDuringAWalkDrawsIntoTheNewOutput() {
        test::Window w(test::Plain(100, 10, qRgb(90, 90, 90)));
        w.Select({0, 0, 40, 0});
        test::YieldProbe probe(10, [&] { w->SetTwipsSize(9000, 6000); });
        w->pic_transfer_Click();
        QVERIFY(w.Out()->InnerSize().width() > 41);
        QCOMPARE((QList<QRgb>{w.OutPixel(8, 0), w.OutPixel(40, 0)}), (QList<QRgb>{kBlack, qRgb(90, 90, 90)}));
    }

    void exitDuringAWalkEndsTheProgramAtRest() {
        test::Window w(test::Plain(20, 5, qRgb(40, 40, 40)));
        w.Select({0, 0, 9, 0});
        ChangeField* fill = w.Field("txt_fill");
        fill->setFocus();
        w.Find<StatusPanel>("info")->SetText("before");
        test::YieldProbe probe(3, [&] { QTest::keyClick(fill, Qt::Key_X, Qt::ControlModifier); });
        w->pic_transfer_Click();
        QVERIFY(w->Session().exitRequested && !w->isVisible());
        QCOMPARE(fill->text(), QStringLiteral("text"));  // nothing was cut
        // Samples 1 and 2 were drawn before the exit, nothing after it; the status never said done.
        QCOMPARE((QList<QRgb>{w.OutPixel(1, 0), w.OutPixel(2, 0), w.OutPixel(9, 0)}),
                 (QList<QRgb>{qRgb(40, 40, 40), kBlack, kBlack}));
        QCOMPARE(w.Panel(1), QStringLiteral("before"));
        QCOMPARE(probe.passes(), 3);  // no yield after the exit
    }

    // A logout or a `kill` ends the program as Exit does: the walk stops at its next yield, its page
    // holding whole lines only. A page that another program's run holds is refused before anything
    // is drawn or written.
    void signalsAndOtherRunsLeaveThePageWhole() {
        QTemporaryDir dir;
        for (const int signal : {SIGTERM, SIGHUP}) {
            test::Window w(test::Plain(20, 5, qRgb(40, 40, 40)));
            const QString page = dir.filePath(QString::number(signal));
            WindowTestAccess::State(w.mf).render.FillMode = kFillPage;
            WindowTestAccess::State(w.mf).render.PagePath = page.toStdString();
            test::YieldProbe probe(3, [&] { ::pthread_kill(::pthread_self(), signal); });
            w.Transfer({0, 0, 9, 4});
            QVERIFY(w->Session().exitRequested && !w->isVisible());
            const QByteArray text = test::ReadFile(page);
            QVERIFY(text.endsWith("\r\n") && !text.contains("</HTML>"));
        }
        QFile busy(dir.filePath("busy.htm"));
        QVERIFY(busy.open(QIODevice::Append) && busy.write("another run\r\n") && busy.flush());
        QCOMPARE(::flock(busy.handle(), LOCK_EX), 0);
        test::Window w(test::Plain(20, 20, qRgb(1, 1, 1)));
        WindowTestAccess::State(w.mf).render.FillMode = kFillPage;
        WindowTestAccess::State(w.mf).render.PagePath = busy.fileName().toStdString();
        w.Transfer({0, 0, 5, 5});
        QCOMPARE(w.dialogs.Texts().last(), QtText(interaction_texts::kPageBusy) + busy.fileName() +
                                               QtText(interaction_texts::kPageBusyEnd));
        QCOMPARE(test::ReadFile(busy.fileName()), QByteArray("another run\r\n"));
        QVERIFY(w->isVisible() && w.Source()->BorderStyle() == SourcePictureBox::kDottedOutline);
    }

    void failuresAreReportedAndTheWindowGoesOn() {
        // The last: as after an export whose dialog was cancelled, the page mode on and no page file.
        const std::tuple<QRectF, const char*, int, int, TrText> cases[] = {
            {{40000, 0, 5, 5}, "1", 1, 1, interaction_texts::kBoundsOverflow},
            {{0, 0, 333, 47}, "100", 1, 1, interaction_texts::kOutputTooLarge},
            {{0, 0, 5, 5}, "1", 0, 1, interaction_texts::kWalkZeroStep},
            {{0, 0, 2, 0}, "1", 20000, kFillCircles, interaction_texts::kWalkCoordinateOverflow},
            {{0, 0, 5, 5}, "1", 1, kFillPage, interaction_texts::kNoPageFile},
        };
        for (const auto& [selection, zoom, step, fill, message] : cases) {
            test::Window w(test::Plain(20, 20, qRgb(1, 1, 1)));
            w.Out()->SetAutoRedraw(true);
            RenderState& render = WindowTestAccess::State(w.mf).render;
            render.Xst = render.Yst = int16_t(step);
            render.FillMode = int16_t(fill);
            w.Transfer(selection, zoom);
            QCOMPARE(w.dialogs.Texts().last(), QtText(message));
            QCOMPARE(w.dialogs.messages.back().icon, MessageIcon::Critical);
            QCOMPARE(w.Source()->BorderStyle(), SourcePictureBox::kDottedOutline);
            QVERIFY(!w.Out()->AutoRedraw() && w->isVisible());
            // The window still transfers.
            render.Xst = render.Yst = 1;
            render.FillMode = 1;
            w.Transfer({0, 0, 3, 3});
            QCOMPARE(w.Panel(1), U("Готово"));
        }
    }
};

QTEST_MAIN(InteractionTest)
#include "tst_Interaction.moc"
