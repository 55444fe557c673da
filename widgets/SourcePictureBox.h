#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

#include "render/WalkPorts.h"
#include "widgets/ShapeRect.h"

namespace glimmet {

// The source picture box: inner unit pixels, black, sunken border, no retained drawing. It shows its
// picture at natural size from the top-left corner, clipped, with black beyond it, and the selection
// rectangle over it: no fill, a dotted outline drawn by inverting the pixels under it (BorderStyle 3),
// or no outline (BorderStyle 0).
// GetPixel reads what the box shows. The shown image is composed again only when the picture, the
// size or the outline change, so reading a pixel is a memory access.
class SourcePictureBox : public QWidget, public PixelSource {
    Q_OBJECT
  public:
    static constexpr int16_t kNoOutline = 0;
    static constexpr int16_t kDottedOutline = 3;

    explicit SourcePictureBox(QWidget* parent);

    int Border() const;
    QSize InnerSize() const;

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

    void SetSelection(const ShapeRect& rect);
    const ShapeRect& Selection() const { return selection_; }
    void SetBorderStyle(int16_t style);
    int16_t BorderStyle() const { return borderStyle_; }

    // The colour shown at (x, y) as 0x00BBGGRR; -1 outside the inner area.
    int32_t GetPixel(int32_t x, int32_t y) override;
    // What the box shows, inner area only.
    const QImage& Shown() const { return shown_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Compose();
    // Inverts the pixels of the dotted outline of the current selection in the shown image.
    void InvertOutline();

    QImage picture_;
    ShapeRect selection_;
    int16_t borderStyle_ = kDottedOutline;
    QImage shown_;
};

}  // namespace glimmet
