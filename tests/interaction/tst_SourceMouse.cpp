#include <QDialog>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/ChangeField.h"
#include "platform/SourcePictureBox.h"
#include "tests/window/WindowTestSupport.h"

using namespace glimmet;

// The mouse on the source picture of the real window: the events as the platform delivers them to
// the box, a picture opened through the open command.
class SourceMouseTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    std::unique_ptr<test::ScriptedDialogService> dialogs_;
    std::unique_ptr<MF> window_;

    SourcePictureBox* Source() { return window_->findChild<SourcePictureBox*>("source_pic"); }
    QString Field(const char* name) { return window_->findChild<ChangeField*>(name)->text(); }

    // A mouse event at (x, y) in the box's inner pixels.
    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, double x, double y) {
        const int border = Source()->Border();
        const QPointF local(x + border, y + border);
        QMouseEvent event(type, local, Source()->mapToGlobal(local), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(Source(), &event);
    }
    void Move(Qt::MouseButtons held, double x, double y) {
        Send(QEvent::MouseMove, Qt::NoButton, held, x, y);
    }
    void Press(Qt::MouseButton button, double x, double y) {
        Move(Qt::NoButton, x, y);
        Send(QEvent::MouseButtonPress, button, button, x, y);
    }
    void Release(Qt::MouseButton button, double x, double y) {
        Send(QEvent::MouseButtonRelease, button, {}, x, y);
    }

  private slots:
    void init() {
        // 200 x 120 of red 153, green 102, blue 51.
        QImage picture(200, 120, QImage::Format_RGB32);
        picture.fill(qRgb(153, 102, 51));
        const QString path = dir_.filePath("picture.bmp");
        QVERIFY(picture.save(path, "BMP"));
        dialogs_ = std::make_unique<test::ScriptedDialogService>();
        window_ = std::make_unique<MF>(*dialogs_, test::TestOptions());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        dialogs_->chosenFile = path;
        window_->open_Click();
        QCOMPARE(Source()->Picture().size(), QSize(200, 120));
        QVERIFY(Source()->InnerSize().width() > 300);
    }
    void cleanup() {
        window_.reset();
        dialogs_.reset();
    }

    void dragSelection() {
        Press(Qt::LeftButton, 50, 40);
        Move(Qt::LeftButton, 150, 100);
        Release(Qt::LeftButton, 150, 100);
        ShapeRect sel = Source()->Selection();
        QCOMPARE(sel.Left, 50.0f);
        QCOMPARE(sel.Top, 40.0f);
        QCOMPARE(sel.Width, 100.0f);
        QCOMPARE(sel.Height, 60.0f);
        QCOMPARE(window_->State().Dragging, int16_t{0});

        // Left of the anchor: it jumps there and the rectangle collapses; from there it grows again.
        Press(Qt::LeftButton, 50, 40);
        Move(Qt::LeftButton, 30, 100);
        sel = Source()->Selection();
        QCOMPARE(sel.Left, 30.0f);
        QCOMPARE(sel.Top, 100.0f);
        QCOMPARE(sel.Width, 0.0f);
        QCOMPARE(sel.Height, 0.0f);
        Move(Qt::LeftButton, 60, 120);
        QCOMPARE(Source()->Selection().Width, 30.0f);
        QCOMPARE(Source()->Selection().Height, 20.0f);
        // Out through the top edge: the top-left corner; no clamping right and below.
        Move(Qt::LeftButton, 70, -4);
        sel = Source()->Selection();
        QCOMPARE(sel.Left, 0.0f);
        QCOMPARE(sel.Top, 0.0f);
        Move(Qt::LeftButton, 900, 500);
        QCOMPARE(Source()->Selection().Width, 900.0f);
        QCOMPARE(Source()->Selection().Height, 500.0f);
        Release(Qt::LeftButton, 900, 500);

        // A click without a move: the corner moves, the size stays.
        Press(Qt::LeftButton, 12, 7);
        Release(Qt::LeftButton, 12, 7);
        sel = Source()->Selection();
        QCOMPARE(sel.Left, 12.0f);
        QCOMPARE(sel.Top, 7.0f);
        QCOMPARE(sel.Width, 900.0f);
        QCOMPARE(sel.Height, 500.0f);
        // A position beyond 16 bits changes nothing and fails nothing.
        Move(Qt::LeftButton, 70000, 5);
        QCOMPARE(window_->State().MouseX, int16_t{12});
    }

    // Enter during a drag shows the size message, a modal dialog that takes the mouse from the
    // window; with the button still held when it closes, the selection follows the pointer again.
    void dragGoesOnAfterADialog() {
        dialogs_->onMessage = [] {
            QDialog dialog;
            QTimer::singleShot(0, &dialog, &QDialog::accept);
            dialog.exec();
        };
        // Through the window, as the platform delivers the mouse.
        QWindow* window = window_->windowHandle();
        const auto at = [this](int x, int y) { return Source()->mapTo(window_.get(), QPoint(x + 2, y + 2)); };
        QTest::mouseMove(window, at(50, 40));
        QTest::mousePress(window, Qt::LeftButton, {}, at(50, 40));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialogs_->messages.size(), size_t{1});
        QTest::mouseMove(window, at(150, 100));
        QCOMPARE(Source()->Selection().Width, 100.0f);
        QTest::mouseRelease(window, Qt::LeftButton, {}, at(150, 100));
        QTest::mouseMove(window, at(170, 110));  // the drag is over
        QCOMPARE(Source()->Selection().Width, 100.0f);
        QVERIFY(QWidget::mouseGrabber() == nullptr);
    }

    void pickColour() {
        // Away from the dotted outline of the design-time selection (34, 76, 333 x 47).
        Press(Qt::RightButton, 20, 30);
        QCOMPARE(Field("r_txt"), QStringLiteral(" 153"));
        QCOMPARE(Field("g_txt"), QStringLiteral(" 102"));
        QCOMPARE(Field("b_txt"), QStringLiteral(" 51"));
        QCOMPARE(window_->State().render.col, 3368601);
        Release(Qt::RightButton, 20, 30);

        // Inside the box but beyond the picture: its black background.
        Press(Qt::RightButton, 300, 20);
        QCOMPARE(Field("r_txt"), QStringLiteral(" 0"));
        QCOMPARE(Field("g_txt"), QStringLiteral(" 0"));
        QCOMPARE(Field("b_txt"), QStringLiteral(" 0"));
        QCOMPARE(window_->State().render.col, 0);

        // A right drag out of the drawing surface reads -1: white.
        Move(Qt::RightButton, -3, 20);
        QCOMPARE(Field("r_txt"), QStringLiteral(" 255"));
        QCOMPARE(Field("g_txt"), QStringLiteral(" 255"));
        QCOMPARE(Field("b_txt"), QStringLiteral(" 255"));
        QCOMPARE(window_->State().render.col, 16777215);
        // Two buttons held: the position only.
        Move(Qt::RightButton | Qt::LeftButton, 20, 30);
        QCOMPARE(window_->State().render.col, 16777215);
        QCOMPARE(window_->State().MouseX, int16_t{20});
        Release(Qt::RightButton, 20, 30);
        QCOMPARE(window_->State().render.col, 3368601);
    }
};

QTEST_MAIN(SourceMouseTest)
#include "tst_SourceMouse.moc"
