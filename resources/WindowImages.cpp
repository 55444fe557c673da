#include "resources/WindowImages.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "resources/ActionStripPainter.h"
#include "resources/ImageFonts.h"
#include "resources/ImagePalette.h"
#include "resources/ImageTexts.h"

namespace glimmet {

namespace {

// The prompt's frame sits just inside the start-up selection, so the dotted outline and the white
// frame read as one double border.
constexpr int kPromptFrameInset = 3;

// The icon is designed on a 32-unit grid and scaled; whole and half units keep it crisp at 32 pixels.
void PaintIcon(QPainter& p) {
    const QRectF card(1.5, 3.5, 25, 21);
    QPainterPath cardPath;
    cardPath.addRoundedRect(card, 2, 2);

    // The picture: a warm sky, a sun and a hill, so it reads as "a picture" even at 16 pixels.
    p.save();
    p.setClipPath(cardPath);
    QLinearGradient sky(0, card.top(), 0, card.bottom());
    sky.setColorAt(0, QColor(255, 226, 170));
    sky.setColorAt(1, QColor(250, 160, 80));
    p.fillRect(card, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 248, 220));
    p.drawEllipse(QPointF(9, 10), 3.5, 3.5);
    QPainterPath hill;
    hill.moveTo(card.left(), 19);
    hill.cubicTo(8, 13, 16, 15, card.right(), 18);
    hill.lineTo(card.right(), card.bottom());
    hill.lineTo(card.left(), card.bottom());
    hill.closeSubpath();
    p.setBrush(QColor(200, 108, 52));
    p.drawPath(hill);

    // The sampling grid: a sample dot every 5 units, as the walk visits the picture.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(48, 20, 4, 190));
    for (int x = 5; x < 27; x += 5) {
        for (int y = 7; y < 24; y += 5) {
            p.drawRect(QRectF(x, y, 2, 2));
        }
    }
    p.restore();

    p.setPen(QPen(QColor(ImagePalette::kOutline).darker(140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cardPath);

    // The key colour: pure blue, the start-up reference colour, as a chip over the corner.
    const QRectF chip(17.5, 17.5, 13, 13);
    p.setPen(QPen(QColor(16, 16, 64), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(chip, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 255));
    p.drawRect(chip.adjusted(2, 2, -2, -2));
}

}  // namespace

QImage WindowImages::WindowIcon() {
    return WindowIcon(kIconSize);
}

QImage WindowImages::WindowIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / qreal(kIconSize), size / qreal(kIconSize));
    PaintIcon(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage WindowImages::TransferButtonFace(bool pressed) {
    QImage image(kButtonWidth, kButtonHeight, QImage::Format_RGB32);
    image.fill(ImagePalette::kLightOrange);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF body(0.5, 0.5, kButtonWidth - 1, kButtonHeight - 1);
    constexpr qreal kRadius = 6;
    QLinearGradient shade(0, 0, 0, kButtonHeight);
    if (pressed) {
        shade.setColorAt(0, QColor(222, 142, 72));
        shade.setColorAt(0.4, QColor(240, 170, 104));
        shade.setColorAt(1, QColor(252, 200, 146));
    } else {
        shade.setColorAt(0, QColor(255, 240, 218));
        shade.setColorAt(0.45, QColor(255, 210, 156));
        shade.setColorAt(1, QColor(238, 164, 94));
    }
    p.setPen(QPen(QColor(ImagePalette::kOutline), 1));
    p.setBrush(shade);
    p.drawRoundedRect(body, kRadius, kRadius);

    // Raised: a light rim inside the outline. Pressed: a shadow along the top and left inner edges.
    const QRectF rim = body.adjusted(1, 1, -1, -1);
    p.setBrush(Qt::NoBrush);
    if (pressed) {
        p.setPen(QPen(QColor(110, 50, 0, 110), 1));
        QPainterPath shadow;
        shadow.moveTo(rim.left(), rim.bottom() - kRadius);
        shadow.lineTo(rim.left(), rim.top() + kRadius);
        shadow.quadTo(rim.topLeft(), QPointF(rim.left() + kRadius, rim.top()));
        shadow.lineTo(rim.right() - kRadius, rim.top());
        p.drawPath(shadow);
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 150), 1));
        p.drawRoundedRect(rim, kRadius - 1, kRadius - 1);
    }

    const QString caption = QCoreApplication::translate(image_texts::kContext, image_texts::kTransfer);
    const int pixelSize = ImageFonts::FittingPixelSize({{caption, kButtonWidth - 20.0}}, 13, 8, QFont::Bold);
    p.setFont(ImageFonts::Sans(pixelSize, QFont::Bold));
    // Pressing moves the word one pixel down and right, as a pushed-in face does.
    const QRectF textBox =
        QRectF(0, 0, kButtonWidth, kButtonHeight).translated(pressed ? 1 : 0, pressed ? 1 : 0);
    p.setPen(QColor(255, 255, 255, 140));
    p.drawText(textBox.translated(0, 1), Qt::AlignCenter, caption);
    p.setPen(QColor(ImagePalette::kInk));
    p.drawText(textBox, Qt::AlignCenter, caption);
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

QImage WindowImages::ActionStrip() {
    return ActionStripPainter::Paint();
}

QImage WindowImages::ImageListEntry(int index) {
    switch (index) {
        case 1:
            return TransferButtonFace(false);
        case 2:
            return TransferButtonFace(true);
        case 3:
            return ActionStrip();
        default:
            return {};
    }
}

QImage WindowImages::StartupPicture() {
    QImage image(kStartupWidth, kStartupHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);

    const QRect frame = WindowImages::kStartupSelection.adjusted(kPromptFrameInset, kPromptFrameInset,
                                                                 -kPromptFrameInset, -kPromptFrameInset);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    // A 1-pixel pen outlines width + 1 pixels, hence the one pixel less.
    p.drawRect(frame.adjusted(0, 0, -1, -1));

    p.setRenderHint(QPainter::TextAntialiasing);
    const QString prompt = QCoreApplication::translate(image_texts::kContext, image_texts::kLoadPrompt);
    const int pixelSize =
        ImageFonts::FittingPixelSize({{prompt, frame.width() - 24.0}}, 17, 9, QFont::Normal, true);
    p.setFont(ImageFonts::Sans(pixelSize, QFont::Normal, true));
    p.drawText(frame, Qt::AlignCenter, prompt);
    p.end();
    // Through 8-bit grey so that antialiased edges stay grey, whatever the font rasteriser does.
    return image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB888);
}

}  // namespace glimmet
