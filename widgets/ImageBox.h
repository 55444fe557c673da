#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <cstdint>

namespace glimmet {

// A flat picture box without border that shows one image at its top-left corner on a plain ground:
// the transfer button and the strip behind the input row. It reports the mouse as the platform does:
// press and release name the one button (1 left, 2 right, 4 middle), and a left press released over
// the box is a click, raised after the release.
class ImageBox : public QWidget {
    Q_OBJECT
  public:
    ImageBox(QWidget* parent, QColor background);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

  signals:
    void MouseDown(int16_t button);
    void MouseUp(int16_t button);
    void Click();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double click: a press, but its release is no click (one click, one
    // transfer, as the platform's picture boxes do it).
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QColor background_;
    QImage picture_;
    bool releaseEndsDoubleClick_ = false;
};

}  // namespace glimmet
