#include <QAction>
#include <QtTest>

#include "interaction/InteractionTexts.h"
#include "interaction/TransferWalkHost.h"
#include "platform/ChangeField.h"
#include "platform/ImageBox.h"
#include "platform/PictureBox.h"
#include "platform/QtText.h"
#include "platform/SourcePictureBox.h"
#include "platform/StatusPanels.h"
#include "resources/WindowImages.h"
#include "tests/window/WindowTestSupport.h"

using namespace glimmet;

namespace {

// A picture whose every pixel tells its own position: red = x, green = y, blue 7. Far from the
// reference blue, so every sample passes the start-up comparison (not equal).
QImage PositionPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, 7));
    }
    return image;
}

QImage Plain(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace

class TransferTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<test::ScriptedDialogService> dialogs_;
    std::unique_ptr<MF> window_;

    MF& Open(const QImage& picture) {
        dialogs_ = std::make_unique<test::ScriptedDialogService>();
        window_ = std::make_unique<MF>(*dialogs_, test::TestOptions());
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get())) qFatal("window not shown");
        Source()->SetPicture(picture);
        return *window_;
    }
    SourcePictureBox* Source() { return window_->findChild<SourcePictureBox*>("source_pic"); }
    PictureBox* Out() { return window_->findChild<PictureBox*>("out_pic"); }
    ChangeField* Field(const char* name) { return window_->findChild<ChangeField*>(name); }
    void Select(float left, float top, float width, float height) {
        Source()->SetSelection({left, top, width, height});
    }
    QRgb OutPixel(int x, int y) { return Out()->Shown().pixel(x, y) & 0xFFFFFF; }

  private slots:
    void cleanup() {
        window_.reset();
        dialogs_.reset();
    }

    void sizeMessageOutputSizeAndBounds() {
        MF& w = Open(PositionPicture(200, 120));
        Select(20, 30, 140, 70);
        Field("txt_zoom")->SetText("2");
        w.pic_transfer_Click();
        QCOMPARE(dialogs_->messages.size(), size_t{1});
        const auto& message = dialogs_->messages[0];
        QCOMPARE(message.text, QString::fromUtf8("Размеры выделенной области:  140: 70"));
        QCOMPARE(message.title, QStringLiteral("Glimmet"));
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QCOMPARE(message.icon, MessageIcon::None);
        const TwipRect out = w.Placement().Rect(Out());
        QCOMPARE(out.Width, 4210.0f);
        QCOMPARE(out.Height, 2120.0f);
        // The grid with both ends: 141 x 71 samples two pixels apart.
        QCOMPARE(Out()->InnerSize(), QSize(281, 141));
        QCOMPARE(OutPixel(0, 0), qRgb(20, 30, 7) & 0xFFFFFF);        // x0, y0
        QCOMPARE(OutPixel(280, 140), qRgb(160, 100, 7) & 0xFFFFFF);  // x1, y1
        QCOMPARE(OutPixel(1, 0), 0u);                                // between two samples
        QCOMPARE(w.Status().PanelText(1), QString::fromUtf8("Готово"));
    }

    void outputSizes_data() {
        QTest::addColumn<QRectF>("selection");
        QTest::addColumn<QString>("zoom");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QSizeF>("twips");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("100 x 50 at zoom 3") << QRectF(0, 0, 100, 50) << "3"
                                            << " 100: 50" << QSizeF(4510, 2270) << QSize(301, 151);
        QTest::newRow("zero size") << QRectF(5, 5, 0, 0) << "1"
                                   << " 0: 0" << QSizeF(10, 20) << QSize(1, 1);
        QTest::newRow("fraction") << QRectF(42.5, 0, 2.25, 1) << "1"
                                  << " 2.25: 1" << QSizeF(43.75, 35) << QSize(3, 2);
    }
    void outputSizes() {
        QFETCH(QRectF, selection);
        QFETCH(QString, zoom);
        QFETCH(QString, message);
        QFETCH(QSizeF, twips);
        QFETCH(QSize, pixels);
        MF& w = Open(PositionPicture(200, 120));
        Select(selection.x(), selection.y(), selection.width(), selection.height());
        Field("txt_zoom")->SetText(zoom);
        w.pic_transfer_Click();
        QCOMPARE(dialogs_->messages.at(0).text, QtText(interaction_texts::kSizeMessage) + message);
        const TwipRect out = w.Placement().Rect(Out());
        QCOMPARE(QSizeF(out.Width, out.Height), twips);
        QCOMPARE(Out()->InnerSize(), pixels);
    }

    void boundsRoundHalvesToEven_data() {
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("width");
        QTest::addColumn<int>("x0");
        QTest::addColumn<int>("x1");
        QTest::newRow("42.5") << 42.5f << 100.0f << 42 << 142;
        QTest::newRow("43.5") << 43.5f << 10.0f << 44 << 54;
        QTest::newRow("past the right edge, unclipped") << 150.0f << 100.0f << 150 << 250;
    }
    void boundsRoundHalvesToEven() {
        QFETCH(float, left);
        QFETCH(float, width);
        QFETCH(int, x0);
        QFETCH(int, x1);
        MF& w = Open(PositionPicture(256, 10));
        Select(left, 3, width, 0);
        w.pic_transfer_Click();
        QCOMPARE(qRed(OutPixel(0, 0)), x0);
        // The last sample: inside the picture it shows its column, beyond it the box's -1 passes and
        // is drawn white.
        const int last = x1 - x0;
        if (x1 < 256) {
            QCOMPARE(qRed(OutPixel(last, 0)), x1);
        } else {
            QCOMPARE(OutPixel(last, 0), 0xFFFFFFu);
        }
    }

    void outlineHiddenDuringTheWalkAndAutoRedraw() {
        MF& w = Open(Plain(50, 50, qRgb(200, 10, 10)));
        Select(0, 0, 10, 10);
        int16_t styleDuringWalk = -1;
        test::YieldProbe probe(1, [&] { styleDuringWalk = Source()->BorderStyle(); });
        w.pic_transfer_Click();
        QCOMPARE(styleDuringWalk, 0);
        QCOMPARE(Source()->BorderStyle(), 3);
        QVERIFY(!Out()->AutoRedraw());
        // Drawn on the screen only: the retained image stays black.
        QCOMPARE(OutPixel(5, 5), qRgb(200, 10, 10) & 0xFFFFFF);
        QCOMPARE(Out()->Image().pixel(5, 5) & 0xFFFFFF, 0u);

        // With AutoRedraw switched on first (as the save command does) the drawing is retained.
        Out()->SetAutoRedraw(true);
        w.pic_transfer_Click();
        QVERIFY(!Out()->AutoRedraw());
        QCOMPARE(Out()->Image().pixel(5, 5) & 0xFFFFFF, qRgb(200, 10, 10) & 0xFFFFFFu);
        // Cls while AutoRedraw is off leaves the retained background in place.
        Out()->Cls();
        QCOMPARE(OutPixel(5, 5), qRgb(200, 10, 10) & 0xFFFFFF);
    }

    void transferButtonLooks() {
        MF& w = Open(Plain(20, 20, qRgb(1, 2, 3)));
        Select(0, 0, 2, 2);
        auto* button = w.findChild<ImageBox*>("pic_transfer");
        QTest::mousePress(button, Qt::RightButton);
        QCOMPARE(button->Picture(), WindowImages::ImageListEntry(2));
        QTest::mouseRelease(button, Qt::RightButton);
        QCOMPARE(button->Picture(), WindowImages::ImageListEntry(1));
        QVERIFY(dialogs_->messages.empty());  // a right click is no click
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->Picture(), WindowImages::ImageListEntry(1));
        QCOMPARE(dialogs_->messages.size(), size_t{1});
        // A double click (press, release, double-click press, release) is one click: one more
        // transfer, not two.
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseDClick(button, Qt::LeftButton);
        QCOMPARE(button->Picture(), WindowImages::ImageListEntry(2));
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(button->Picture(), WindowImages::ImageListEntry(1));
        QCOMPARE(dialogs_->messages.size(), size_t{2});
    }

    void progressText_data() {
        QTest::addColumn<int>("updates");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 1 << ". 1%";
        QTest::newRow("third") << 3 << "... 3%";
        QTest::newRow("overshoot") << 103 << QString(103, QLatin1Char('.')) + " 103%";
    }

    void progressText() {
        QFETCH(int, updates);
        QFETCH(QString, text);
        QCOMPARE(TransferWalkHost::ProgressText(updates), text);
    }

    void handlerBetweenTwoSamplesChangesTheSamplesStillToCome() {
        MF& w = Open(Plain(20, 5, qRgb(50, 60, 70)));
        Select(2, 1, 3, 0);  // one row of four samples
        // Between sample 2 and sample 3 the reference colour becomes the picture's colour.
        test::YieldProbe probe(3, [&] {
            Field("r_txt")->SetText("50");
            Field("g_txt")->SetText("60");
            Field("b_txt")->SetText("70");
        });
        w.pic_transfer_Click();
        QCOMPARE(OutPixel(0, 0), qRgb(50, 60, 70) & 0xFFFFFF);
        QCOMPARE(OutPixel(1, 0), qRgb(50, 60, 70) & 0xFFFFFF);
        QCOMPARE(OutPixel(2, 0), 0u);
        QCOMPARE(OutPixel(3, 0), 0u);
    }

    void secondTransferDuringAWalkRunsInsideIt() {
        MF& w = Open(Plain(100, 10, qRgb(90, 90, 90)));
        Select(0, 0, 40, 0);  // 41 samples in a row
        test::YieldProbe probe(10, [&] {
            // Bigger output, then Enter: the second transfer clears and resizes out_pic and runs to its end.
            Field("txt_zoom")->SetText("3");
            Select(0, 0, 60, 2);
            w.Form_KeyPress(13);
        });
        w.pic_transfer_Click();
        QCOMPARE(dialogs_->messages.size(), size_t{2});
        QCOMPARE(dialogs_->messages[0].text, QtText(interaction_texts::kSizeMessage) + " 40: 0");
        QCOMPARE(dialogs_->messages[1].text, QtText(interaction_texts::kSizeMessage) + " 60: 2");
        // The output keeps the size of the inner transfer; the outer one went on drawing into it at the
        // zoom of the moment.
        QCOMPARE(Out()->InnerSize(), QSize(181, 7));
        QCOMPARE(OutPixel(180, 6), qRgb(90, 90, 90) & 0xFFFFFF);  // inner: (60, 2) at zoom 3
        // The outer walk, after the inner one, reads row 0 with the dotted outline that the inner transfer
        // restored over it: every other pixel inverted, as the box shows it.
        QCOMPARE(OutPixel(117, 0), qRgb(90, 90, 90) & 0xFFFFFF);     // (39, 0) at zoom 3
        QCOMPARE(OutPixel(120, 0), qRgb(165, 165, 165) & 0xFFFFFF);  // (40, 0), under the outline
        QCOMPARE(Source()->BorderStyle(), 3);
        QVERIFY(!Out()->AutoRedraw());
        QCOMPARE(w.Status().PanelText(1), QString::fromUtf8("Готово"));
    }

    void exitDuringAWalkEndsTheProgramAtRest() {
        MF& w = Open(Plain(20, 5, qRgb(40, 40, 40)));
        Select(0, 0, 9, 0);
        ChangeField* fill = Field("txt_fill");
        fill->setFocus();
        w.Status().SetPanelText(1, "before");
        test::YieldProbe probe(3, [&] { QTest::keyClick(fill, Qt::Key_X, Qt::ControlModifier); });
        w.pic_transfer_Click();
        QVERIFY(w.Session().exitRequested);
        QVERIFY(!w.isVisible());
        QCOMPARE(fill->text(), QStringLiteral("text"));
        // Samples 1 and 2 were drawn before the exit, nothing after it; the status never said "Готово".
        QCOMPARE(OutPixel(1, 0), qRgb(40, 40, 40) & 0xFFFFFF);
        QCOMPARE(OutPixel(2, 0), 0u);
        QCOMPARE(OutPixel(9, 0), 0u);
        QCOMPARE(w.Status().PanelText(1), QStringLiteral("before"));
        QCOMPARE(probe.passes(), 3);  // no yield after the exit
    }

    void pageModeWithoutAPageFileSaysSoAndChangesNothing() {
        MF& w = Open(Plain(20, 20, qRgb(1, 1, 1)));
        Select(0, 0, 5, 5);
        // As after an export whose dialog was cancelled: the outline hidden, the page mode on.
        w.Controls().source_pic->SetBorderStyle(SourcePictureBox::kNoOutline);
        w.State().render.FillMode = kFillPage;
        w.pic_transfer_Click();
        QCOMPARE(dialogs_->messages.size(), size_t{1});
        QCOMPARE(dialogs_->messages[0].text, QtText(interaction_texts::kNoPageFile));
        QCOMPARE(w.Controls().source_pic->BorderStyle(), SourcePictureBox::kDottedOutline);
    }

    void failuresAreReportedAndTheWindowGoesOn_data() {
        QTest::addColumn<QRectF>("selection");
        QTest::addColumn<QString>("zoom");
        QTest::addColumn<int>("xStep");
        QTest::addColumn<QString>("message");
        QTest::newRow("bounds beyond 16 bits")
            << QRectF(40000, 0, 5, 5) << "1" << 1 << QtText(interaction_texts::kBoundsOverflow);
        QTest::newRow("output too large")
            << QRectF(0, 0, 333, 47) << "100" << 1 << QtText(interaction_texts::kOutputTooLarge);
        QTest::newRow("step of 0") << QRectF(0, 0, 5, 5) << "1" << 0
                                   << QtText(interaction_texts::kWalkZeroStep);
    }
    void failuresAreReportedAndTheWindowGoesOn() {
        QFETCH(QRectF, selection);
        QFETCH(QString, zoom);
        QFETCH(int, xStep);
        QFETCH(QString, message);
        MF& w = Open(Plain(20, 20, qRgb(1, 1, 1)));
        Out()->SetAutoRedraw(true);
        Select(selection.x(), selection.y(), selection.width(), selection.height());
        Field("txt_zoom")->SetText(zoom);
        w.State().render.Xst = static_cast<int16_t>(xStep);
        w.pic_transfer_Click();
        QCOMPARE(dialogs_->messages.size(), size_t{2});
        QCOMPARE(dialogs_->messages[1].text, message);
        QCOMPARE(dialogs_->messages[1].icon, MessageIcon::Critical);
        QCOMPARE(Source()->BorderStyle(), 3);
        QVERIFY(!Out()->AutoRedraw());
        QVERIFY(w.isVisible());
        // The window still transfers.
        w.State().render.Xst = 1;
        Field("txt_zoom")->SetText("1");
        Select(0, 0, 3, 3);
        w.pic_transfer_Click();
        QCOMPARE(w.Status().PanelText(1), QString::fromUtf8("Готово"));
    }
};

QTEST_MAIN(TransferTest)
#include "tst_Transfer.moc"
