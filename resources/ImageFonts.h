#pragma once

#include <QFont>
#include <QString>
#include <vector>

namespace glimmet {

// Fonts of the window's images. The images are drawn in pixel sizes so they look the same at any
// screen resolution; the families prefer fonts with Cyrillic glyphs and fall back to whatever
// sans-serif font the machine has, which is why every text is measured before it is placed.
class ImageFonts {
  public:
    struct Fit {
        QString text;
        qreal width;  // room for the text, in pixels
    };

    static QFont Sans(int pixelSize, QFont::Weight weight, bool italic = false);

    // The largest pixel size from `largest` down to `smallest` at which every text fits its room;
    // `smallest` when none does.
    static int FittingPixelSize(const std::vector<Fit>& fits, int largest, int smallest, QFont::Weight weight,
                                bool italic = false);
};

}  // namespace glimmet
