#include "picture/GlyphCache.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>

namespace glimmet {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

GlyphCache::GlyphCache(const QFont& font) : font_(font) {
    const QFontMetrics metrics(font_);
    ascent_ = metrics.ascent();
    cellHeight_ = metrics.height();
}

char32_t GlyphCache::DecodeCodePoint(std::string_view utf8) {
    if (utf8.empty()) return 0;
    const auto lead = static_cast<unsigned char>(utf8[0]);
    if (lead < 0x80) return lead;
    size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;  // overlong encodings are invalid
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return kReplacement;
    }
    if (utf8.size() < length) return kReplacement;
    for (size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (!IsContinuation(byte)) return kReplacement;
        value = (value << 6) | (byte & 0x3F);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (value < smallest || value > 0x10FFFF || surrogate) return kReplacement;
    return value;
}

const Glyph& GlyphCache::For(char32_t codePoint) {
    if (codePoint == 0) return empty_;
    if (codePoint < kDirectCount) {
        const Glyph*& slot = direct_[codePoint];
        if (slot == nullptr) slot = &Render(codePoint);
        return *slot;
    }
    const auto found = others_.find(codePoint);
    if (found != others_.end()) return *found->second;
    const Glyph& glyph = Render(codePoint);
    others_.emplace(codePoint, &glyph);
    return glyph;
}

const Glyph& GlyphCache::Render(char32_t codePoint) {
    const QString text = QString::fromUcs4(&codePoint, 1);
    const QFontMetrics metrics(font_);
    // A margin of a full cell on every side catches overhangs, italics of fallback fonts and marks
    // that reach left of the pen position.
    const int margin = std::max(cellHeight_, 1);
    const int width = std::max(metrics.horizontalAdvance(text), 1) + 2 * margin;
    const int height = cellHeight_ + 2 * margin;

    QImage mask(width, height, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(font_);
        painter.setPen(Qt::white);
        painter.drawText(QPoint(margin, margin + ascent_), text);
    }

    Glyph& glyph = glyphs_.emplace_back();
    glyph.left = glyph.top = INT32_MAX;
    glyph.right = glyph.bottom = INT32_MIN;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const uint32_t alpha = qAlpha(row[x]);
            if (alpha == 0) continue;
            const int dx = x - margin;
            const int dy = y - margin;
            glyph.pixels.push_back({static_cast<int16_t>(dx), static_cast<int16_t>(dy),
                                    static_cast<uint16_t>(alpha + (alpha >> 7))});
            glyph.left = std::min(glyph.left, dx);
            glyph.right = std::max(glyph.right, dx);
            glyph.top = std::min(glyph.top, dy);
            glyph.bottom = std::max(glyph.bottom, dy);
        }
    }
    if (glyph.pixels.empty()) {
        glyph.left = glyph.top = 0;
        glyph.right = glyph.bottom = -1;
    }
    glyph.pixels.shrink_to_fit();
    return glyph;
}

}  // namespace glimmet
