#pragma once

#include <QFrame>
#include <QString>

namespace glimmet {

// One sunken text panel of the status bar. A text wider than the panel is cut at the right and ends
// with "…"; the panel then shows the whole text as its tool tip. The panel can be as narrow as its
// frame, so it never keeps the window from getting narrower.
class StatusPanel : public QFrame {
    Q_OBJECT
  public:
    explicit StatusPanel(QWidget* parent);

    void SetText(const QString& text);
    const QString& Text() const { return text_; }
    // The text as the panel shows it now.
    const QString& ShownText() const { return shown_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Fits the text to the panel's width again.
    void Fit();

    QString text_;
    QString shown_;
};

}  // namespace glimmet
