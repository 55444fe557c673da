#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <cstdint>

namespace glimmet {

// A picture box that measures in pixels inside, with retained drawing:
// - AutoRedraw on: drawing and Cls go into the retained image, which survives repaints and is what
//   Image() gives to the save command; the screen shows it.
// - AutoRedraw off: drawing reaches the screen image only; the retained image stays as its background,
//   and Cls erases the screen drawing back to that background, not the background itself.
// - A new size keeps the retained image (cut or extended with the background colour at the right and
//   bottom) and no screen drawing.
// Drawing is done by whoever holds DrawTarget(); Generation() changes whenever that image is replaced,
// so a holder re-fetches it instead of keeping a stale pointer.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    // `sunken`: a two-pixel sunken border outside the inner area.
    PictureBox(QWidget* parent, QColor background, bool sunken);

    int Border() const { return border_; }
    QSize InnerSize() const;

    bool AutoRedraw() const { return autoRedraw_; }
    void SetAutoRedraw(bool on);

    // Erases the drawing to the background (see above). The marks carry their own positions, so there
    // is no current position to reset.
    void Cls();

    // The image that drawing goes into now: the retained image with AutoRedraw on, the screen image
    // otherwise. Null when the platform could not allocate it.
    QImage* DrawTarget();
    uint64_t Generation() const { return generation_; }

    // A copy of the retained image, what a save stores.
    QImage Image();
    // What the box shows now, inner area only.
    QImage Shown();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Follows a new inner size: keeps the retained image, drops the screen drawing. Called by every
    // operation rather than on each resize, so that a size passed through on the way to another
    // (width set before height) costs no image of its own.
    void SyncSize();
    QImage Blank() const;
    void EnsureRetained();
    void ResetScreen();

    QColor background_;
    int border_;
    bool autoRedraw_ = false;
    QImage retained_;  // null until drawn into: all background until then
    QImage screen_;
    uint64_t generation_ = 0;
};

}  // namespace glimmet
