#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

namespace glimmet {

// The status bar with three text panels addressed by position 1 to 3. Panel 1 takes the free width;
// panels 2 and 3 have fixed widths. The panels are named after their keys ("info", "mode", "met").
class StatusPanels : public QStatusBar {
    Q_OBJECT
  public:
    StatusPanels(QWidget* parent, const std::array<const char*, 3>& keys);

    void SetPanelText(int position, const QString& text);
    QString PanelText(int position) const;

  private:
    std::array<QLabel*, 3> panels_{};
};

}  // namespace glimmet
