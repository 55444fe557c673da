#include "widgets/StatusPanels.h"

#include <QEvent>
#include <algorithm>

#include "widgets/StatusPanel.h"

namespace glimmet {

namespace {
// The widths of panels 2 and 3 when there is room for them; panel 1 takes the rest.
constexpr int kModeWidth = 200;
constexpr int kMethodWidth = 110;
constexpr int kSpacing = 2;
// Panel 1 tells progress and "done": it keeps room for this many characters while any is left.
constexpr int kInfoCharacters = 8;
}  // namespace

StatusPanels::StatusPanels(QWidget* parent, const std::array<const char*, 3>& keys) : QStatusBar(parent) {
    setSizeGripEnabled(true);
    // The panels are placed by hand in one row that can shrink to nothing: a layout would shrink
    // them all at once.
    row_ = new QWidget(this);
    row_->installEventFilter(this);
    addWidget(row_, 1);
    for (size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new StatusPanel(row_);
        panels_[i]->setObjectName(QString::fromLatin1(keys[i]));
    }
    row_->setMinimumHeight(panels_[0]->sizeHint().height());
}

void StatusPanels::SetPanelText(int position, const QString& text) {
    if (position < 1 || position > 3) return;
    panels_[static_cast<size_t>(position - 1)]->SetText(text);
}

QString StatusPanels::PanelText(int position) const {
    if (position < 1 || position > 3) return {};
    return panels_[static_cast<size_t>(position - 1)]->Text();
}

bool StatusPanels::eventFilter(QObject* watched, QEvent* event) {
    if (watched == row_ && event->type() == QEvent::Resize) Arrange();
    return QStatusBar::eventFilter(watched, event);
}

void StatusPanels::changeEvent(QEvent* event) {
    QStatusBar::changeEvent(event);
    if (event->type() == QEvent::FontChange) row_->setMinimumHeight(panels_[0]->sizeHint().height());
}

void StatusPanels::Arrange() {
    const int rest = std::max(0, row_->width() - 2 * kSpacing);
    const int least = std::min(
        rest, kInfoCharacters * panels_[0]->fontMetrics().averageCharWidth() + 2 * panels_[0]->frameWidth());
    int mode = kModeWidth, method = kMethodWidth;
    if (rest - least < kModeWidth + kMethodWidth) {
        // Too narrow for all three: panel 1 keeps its few characters, the others share what is left.
        mode = (rest - least) * kModeWidth / (kModeWidth + kMethodWidth);
        method = rest - least - mode;
    }
    const int info = rest - mode - method;
    const int height = row_->height();
    panels_[0]->setGeometry(0, 0, info, height);
    panels_[1]->setGeometry(info + kSpacing, 0, mode, height);
    panels_[2]->setGeometry(info + mode + 2 * kSpacing, 0, method, height);
}

}  // namespace glimmet
