#pragma once

#include <string>

#include "params/ColourComponents.h"
#include "params/ParameterFieldView.h"
#include "render/RenderState.h"

namespace glimmet {

// The change handlers of the fields: each keeps the window state in step with its field's text.
// Step and zoom texts that fail their check are replaced by "1" (which runs the handler again, nested);
// colour texts are never corrected; any edit of the fill text selects the text fill mode.
class ParameterFields {
  public:
    // The zoom reads numbers by the user's locale, given by its decimal and group separators (UTF-8).
    ParameterFields(RenderState& render, ColourComponents& colour, ParameterFieldView& view,
                    std::string decimalSeparator, std::string groupSeparator);

    void txt_xstep_Change();
    void txt_ystep_Change();
    void txt_zoom_Change();
    void r_txt_Change();
    void g_txt_Change();
    void b_txt_Change();
    void txt_fill_Change();

  private:
    template <typename Rule>
    void StepOrZoom(ParameterField field, int16_t& variable, Rule rule);
    void Colour(ParameterField field, uint8_t& component);

    RenderState& render_;
    ColourComponents& colour_;
    ParameterFieldView& view_;
    std::string decimalSeparator_;
    std::string groupSeparator_;
};

}  // namespace glimmet
