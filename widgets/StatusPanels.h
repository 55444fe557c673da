#pragma once

#include <QStatusBar>
#include <array>

namespace glimmet {

class StatusPanel;

// The status bar with three text panels addressed by position 1 to 3, named after their keys ("info",
// "mode", "met"). Panel 1 takes the width that panels 2 and 3 leave. When the window gets narrower,
// panel 1 gives up its width first, down to a few characters, so progress and "done" stay readable;
// then panels 2 and 3 share what is left in the ratio of their full widths. A text that does not fit
// its panel ends with "…" and shows whole as a tool tip.
class StatusPanels : public QStatusBar {
    Q_OBJECT
  public:
    StatusPanels(QWidget* parent, const std::array<const char*, 3>& keys);

    void SetPanelText(int position, const QString& text);
    QString PanelText(int position) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Gives the panels their widths within the width of the bar.
    void Arrange();

    QWidget* row_ = nullptr;
    std::array<StatusPanel*, 3> panels_{};
};

}  // namespace glimmet
