#include "resources/ImageFonts.h"

#include <QFontMetricsF>
#include <QStringList>

namespace glimmet {

QFont ImageFonts::Sans(int pixelSize, QFont::Weight weight, bool italic) {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                 QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setItalic(italic);
    return font;
}

int ImageFonts::FittingPixelSize(const std::vector<Fit>& fits, int largest, int smallest,
                                 QFont::Weight weight, bool italic) {
    for (int size = largest; size > smallest; --size) {
        const QFontMetricsF metrics(Sans(size, weight, italic));
        bool allFit = true;
        for (const Fit& fit : fits) {
            allFit = allFit && metrics.horizontalAdvance(fit.text) <= fit.width;
        }
        if (allFit) {
            return size;
        }
    }
    return smallest;
}

}  // namespace glimmet
