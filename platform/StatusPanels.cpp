#include "platform/StatusPanels.h"

#include <QLabel>

namespace glimmet {

namespace {
constexpr std::array<int, 3> kPanelWidths = {0, 200, 110};  // 0: the rest of the bar
}

StatusPanels::StatusPanels(QWidget* parent, const std::array<const char*, 3>& keys) : QStatusBar(parent) {
    setSizeGripEnabled(true);
    for (size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QString::fromLatin1(keys[i]));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        if (kPanelWidths[i] > 0) {
            panel->setFixedWidth(kPanelWidths[i]);
            addPermanentWidget(panel);
        } else {
            panel->setMinimumWidth(40);
            addWidget(panel, 1);
        }
        panels_[i] = panel;
    }
}

void StatusPanels::SetPanelText(int position, const QString& text) {
    if (position < 1 || position > 3) return;
    panels_[static_cast<size_t>(position - 1)]->setText(text);
}

QString StatusPanels::PanelText(int position) const {
    if (position < 1 || position > 3) return {};
    return panels_[static_cast<size_t>(position - 1)]->text();
}

}  // namespace glimmet
