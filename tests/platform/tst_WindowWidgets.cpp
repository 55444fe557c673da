#include <QSignalSpy>
#include <QtTest>

#include "platform/ChangeField.h"
#include "platform/PictureBox.h"
#include "platform/QtDialogService.h"
#include "platform/SourcePictureBox.h"
#include "platform/StatusPanels.h"
#include "platform/TwipPlacement.h"

using namespace glimmet;

namespace {

QImage Plain(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

}  // namespace

class WindowWidgetsTest : public QObject {
    Q_OBJECT

  private slots:
    void placementPutsOuterEdgesOrInnerSizesOnPixels() {
        QWidget parent;
        QWidget control(&parent);
        TwipPlacement placement(ScreenMetrics{15, 15});
        placement.Place(&control, {60, 805, 4210, 2120}, 2);
        // Each edge on its nearest pixel, the border inside: 60 -> 4, 805 -> 53.67 -> 54,
        // 4270 -> 284.67 -> 285, 2925 -> 195.
        QCOMPARE(control.geometry(), QRect(4, 54, 281, 141));
        // An inner size: 4210 / 15 = 280.67 -> 281 inside, 285 with the border; 2120 -> 141.33 -> 141.
        placement.SetInnerWidth(&control, 4210);
        placement.SetInnerHeight(&control, 2120);
        QCOMPARE(control.geometry(), QRect(4, 54, 285, 145));
        QCOMPARE(placement.Rect(&control).Width, 4210.0f);
        placement.SetWidth(&control, -30);
        QCOMPARE(control.width(), 0);        // a negative size is 0, an outer size again
        QCOMPARE(control.height(), 145);     // the height is still an inner size
        placement.SetLeft(&control, 22.5f);  // 1.5 pixels: halves go to the even neighbour
        QCOMPARE(control.x(), 2);
        QCOMPARE(placement.Rect(&control).Left, 22.5f);
    }

    void retainedDrawing() {
        PictureBox box(nullptr, Qt::black, true);
        box.resize(14, 14);
        QCOMPARE(box.InnerSize(), QSize(10, 10));
        // AutoRedraw off: drawing reaches the screen only.
        box.DrawTarget()->setPixel(1, 1, qRgb(255, 0, 0));
        QCOMPARE(At(box.Shown(), 1, 1), 0xFF0000u);
        QCOMPARE(At(box.Image(), 1, 1), 0u);
        // On: drawing goes into the retained image, which becomes the background once it is off again.
        box.SetAutoRedraw(true);
        box.DrawTarget()->setPixel(2, 2, qRgb(0, 255, 0));
        QCOMPARE(At(box.Image(), 2, 2), 0x00FF00u);
        box.SetAutoRedraw(false);
        box.DrawTarget()->setPixel(3, 3, qRgb(0, 0, 255));
        QCOMPARE(At(box.Shown(), 2, 2), 0x00FF00u);
        QCOMPARE(At(box.Shown(), 3, 3), 0x0000FFu);
        // Cls while off erases the screen drawing, not the retained background.
        const uint64_t before = box.Generation();
        box.Cls();
        QVERIFY(box.Generation() != before);
        QCOMPARE(At(box.Shown(), 3, 3), 0u);
        QCOMPARE(At(box.Shown(), 2, 2), 0x00FF00u);
        // A new size keeps the retained image and no screen drawing.
        box.DrawTarget()->setPixel(4, 4, qRgb(9, 9, 9));
        box.resize(24, 24);
        QCOMPARE(box.InnerSize(), QSize(20, 20));
        QCOMPARE(At(box.Shown(), 4, 4), 0u);
        QCOMPARE(At(box.Shown(), 2, 2), 0x00FF00u);
        QCOMPARE(At(box.Shown(), 15, 15), 0u);
        // Cls while on clears the retained image too.
        box.SetAutoRedraw(true);
        box.Cls();
        QCOMPARE(At(box.Image(), 2, 2), 0u);
    }

    void sourcePixelsAsShown() {
        SourcePictureBox box(nullptr);
        box.resize(20 + 4, 10 + 4);
        box.SetPicture(Plain(8, 6, qRgb(0x33, 0x66, 0x99)));
        box.SetBorderStyle(SourcePictureBox::kNoOutline);
        QCOMPARE(box.GetPixel(0, 0), 0x996633);  // 0x00BBGGRR
        QCOMPARE(box.GetPixel(7, 5), 0x996633);
        QCOMPARE(box.GetPixel(8, 5), 0);  // the box's black beyond the picture
        QCOMPARE(box.GetPixel(19, 9), 0);
        QCOMPARE(box.GetPixel(20, 0), -1);  // outside the inner area
        QCOMPARE(box.GetPixel(0, 10), -1);
        QCOMPARE(box.GetPixel(-1, 0), -1);
        // The dotted outline inverts every other pixel along the rectangle's edge.
        box.SetSelection({2, 2, 6, 4});
        box.SetBorderStyle(SourcePictureBox::kDottedOutline);
        QCOMPARE(box.GetPixel(2, 2), 0x6699CC);  // inverted: red 0xCC, green 0x99, blue 0x66
        QCOMPARE(box.GetPixel(3, 2), 0x996633);
        QCOMPARE(box.GetPixel(4, 2), 0x6699CC);
        QCOMPARE(box.GetPixel(7, 5), 0x6699CC);  // the far corner, right and bottom edges included
        QCOMPARE(box.GetPixel(4, 4), 0x996633);  // no fill
        QCOMPARE(box.GetPixel(8, 2), 0);         // the edges end at left + width - 1
        box.SetSelection({6, 0, 6, 3});
        QCOMPARE(box.GetPixel(2, 2), 0x996633);   // the old outline is gone
        QCOMPARE(box.GetPixel(10, 0), 0xFFFFFF);  // past the picture: black inverted
        QCOMPARE(box.GetPixel(11, 0), 0);
        box.SetBorderStyle(SourcePictureBox::kNoOutline);
        QCOMPARE(box.GetPixel(10, 0), 0);  // hidden: the pixels are back
        box.SetSelection({0, 0, 4, 4});
        QCOMPARE(box.GetPixel(0, 0), 0x996633);  // and moving a hidden outline draws nothing
        box.SetBorderStyle(SourcePictureBox::kDottedOutline);
        QCOMPARE(box.GetPixel(0, 0), 0x6699CC);
        // A larger picture is clipped to the box.
        box.SetPicture(Plain(100, 100, qRgb(1, 2, 3)));
        QCOMPARE(box.GetPixel(19, 9), 0x030201);
        QCOMPARE(box.GetPixel(20, 9), -1);
    }

    void changeFieldRunsItsHandlerOnEveryWrite() {
        ChangeField field(QStringLiteral("1"), nullptr);
        QSignalSpy changes(&field, &ChangeField::Changed);
        field.SetText(QStringLiteral("1"));  // the text already shown
        field.SetText(QStringLiteral("2"));
        field.setText(QStringLiteral("3"));
        QCOMPARE(changes.count(), 3);
        // A handler that writes the field again runs nested, before the outer write returns.
        QStringList seen;
        connect(&field, &ChangeField::Changed, [&] {
            seen << field.text();
            if (field.text() == QStringLiteral("0")) field.SetText(QStringLiteral("1"));
        });
        field.SetText(QStringLiteral("0"));
        QCOMPARE(seen, (QStringList{"0", "1"}));
        QCOMPARE(field.text(), QStringLiteral("1"));
    }

    void statusPanelsByPosition() {
        StatusPanels status(nullptr, {"info", "mode", "met"});
        status.SetPanelText(1, QStringLiteral("a"));
        status.SetPanelText(3, QStringLiteral("c"));
        status.SetPanelText(4, QStringLiteral("ignored"));
        QCOMPARE(status.PanelText(1), QStringLiteral("a"));
        QCOMPARE(status.PanelText(2), QString());
        QCOMPARE(status.PanelText(3), QStringLiteral("c"));
        QVERIFY(status.findChild<QWidget*>("met") != nullptr);
    }

    void dialogFilterInQtForm() {
        QCOMPARE(QtDialogService::QtFilter(QStringLiteral("BMP |*.bmp| JPEG |*.jpg| GIF |*.gif")),
                 QStringLiteral("BMP (*.bmp);;JPEG (*.jpg);;GIF (*.gif)"));
        QCOMPARE(QtDialogService::QtFilter(QStringLiteral("HTML|*.htm")), QStringLiteral("HTML (*.htm)"));
    }
};

QTEST_MAIN(WindowWidgetsTest)
#include "tst_WindowWidgets.moc"
