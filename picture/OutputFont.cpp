#include "picture/OutputFont.h"

#include <QStringList>

namespace glimmet {

namespace {
// 9.75 pt at 96 dots per inch: 9.75 * 96 / 72.
constexpr int kOutputFontPixels = 13;
}  // namespace

QFont OutputFont() {
    QFont font;
    font.setFamilies(
        {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("FreeSans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kOutputFontPixels);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    // The screen's own settings (subpixel order, hinting from the desktop) must not change the picture.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace glimmet
