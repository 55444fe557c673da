#include "window/MenuChoices.h"

#include <QAction>
#include <array>
#include <optional>
#include <utility>

#include "picture/QtText.h"
#include "render/ColorRules.h"
#include "widgets/ChangeField.h"
#include "widgets/DialogService.h"
#include "widgets/StatusPanels.h"
#include "window/WindowTexts.h"

namespace glimmet {

namespace t = window_texts;

void MenuChoices::Fill(int16_t mode) {
    render_.FillMode = mode;
    QString panel = QtText(t::kFillModePanel[static_cast<size_t>(mode - 1)]);
    if (mode == kFillText) panel += c_.txt_fill->text();
    status_.SetPanelText(2, panel);
    const std::array<QAction*, 4> items = {m_.fill_as_point, m_.fill_as_circle, m_.fill_as_rect,
                                           m_.fill_as_text};
    for (size_t i = 0; i < items.size(); ++i) items[i]->setChecked(static_cast<int16_t>(i + 1) == mode);
    m_.method_invert->setEnabled(mode != kFillText);
}

void MenuChoices::Method(uint8_t meth) {
    render_.METH = meth;
    const std::array<std::pair<QAction*, uint8_t>, 5> items = {{{m_.method_equal, kMethEqual},
                                                                {m_.method_greater, kMethGreater},
                                                                {m_.method_lesser, kMethLesser},
                                                                {m_.method_notequal, kMethNotEqual},
                                                                {m_.method_invert, kMethInvert}}};
    for (const auto& [item, code] : items) item->setChecked(code == meth);
    ShowMethod();
}

void MenuChoices::Tolerance() {
    const std::optional<int32_t> chosen = dialogs_.GetInteger(
        QtText(t::kToleranceTitle), QtText(t::kToleranceLabel), render_.Tolerance, 0, 255);
    if (!chosen) return;
    render_.Tolerance = static_cast<uint8_t>(*chosen);
    ShowMethod();
}

void MenuChoices::ShowMethod() {
    const uint8_t meth = render_.METH;
    QString text = QtText(t::kMethodNames[static_cast<size_t>(meth - 1)]);
    // Shown only where it counts, and never at 0, so a user who leaves it alone sees the design's texts.
    if (render_.Tolerance > 0 && (meth == kMethEqual || meth == kMethNotEqual))
        text += QtText(t::kToleranceMark) + QString::number(render_.Tolerance);
    status_.SetPanelText(3, text);
}

void MenuChoices::Preset(size_t index) {
    const QString text = QtText(t::kPresetTexts[index]);
    c_.txt_xstep->SetText(text);
    c_.txt_ystep->SetText(text);
    c_.txt_zoom->SetText(text);
}

}  // namespace glimmet
