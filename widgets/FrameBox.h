#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace glimmet {

// A frame: a container with an etched outline and its caption in the outline's top-left edge, drawn
// in the frame's own font, on a plain background. Its children are placed inside it.
class FrameBox : public QWidget {
    Q_OBJECT
  public:
    FrameBox(QWidget* parent, const QString& caption, QColor background, QColor text);

    const QString& Caption() const { return caption_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
    QColor background_;
    QColor text_;
};

}  // namespace glimmet
