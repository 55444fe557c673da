#pragma once

#include <array>
#include <string>
#include <string_view>

#include "picture/QtText.h"

namespace glimmet::window_texts {

// Every text the main window shows. Words are English sources translated through the "Window"
// context; the rest (numbers, letters, the caption) reads alike in every language, UTF-8.

// The caption: "Glimmet, v." major "." minor revision " by Tovask.", with no separator between the
// minor number and the revision (1.1.12 gives "Glimmet, v.1.112 by Tovask.").
inline std::string Caption(int major, int minor, int revision) {
    return "Glimmet, v." + std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision) +
           " by Tovask.";
}

inline constexpr TrText kActionCaption{"Window", QT_TRANSLATE_NOOP("Window", "Actions")};
//: The Russian "дейстивий" is misspelt in the design and kept so on purpose.
inline constexpr TrText kWaiting{"Window", QT_TRANSLATE_NOOP("Window", "Waiting for your actions.")};

// Status bar panel keys, by position 1 to 3.
inline constexpr std::array<const char*, 3> kPanelKeys = {"info", "mode", "met"};

// Text of the mode panel by fill mode 1 to 4; the text mode's text is followed by the fill text.
inline constexpr std::array<TrText, 4> kFillModePanel = {{
    {"Window", QT_TRANSLATE_NOOP("Window", "Points")},
    {"Window", QT_TRANSLATE_NOOP("Window", "Circles")},
    {"Window", QT_TRANSLATE_NOOP("Window", "Squares")},
    //: Followed by the fill text.
    {"Window", QT_TRANSLATE_NOOP("Window", "Text ")},
}};
// Caption of the comparison item and text of the met panel by METH 1 to 5.
inline constexpr std::array<TrText, 5> kMethodNames = {{
    {"Window", QT_TRANSLATE_NOOP("Window", "Equal")},
    {"Window", QT_TRANSLATE_NOOP("Window", "Not equal")},
    {"Window", QT_TRANSLATE_NOOP("Window", "Greater")},
    {"Window", QT_TRANSLATE_NOOP("Window", "Lesser")},
    {"Window", QT_TRANSLATE_NOOP("Window", "Invert")},
}};

// The colour tolerance: its item, last in the comparison menu, and its input dialog. While it is above 0
// the met panel of the equal and not-equal comparisons shows it after their name ("Равно ±12").
inline constexpr TrText kToleranceItem{"Window", QT_TRANSLATE_NOOP("Window", "Tolerance…")};
inline constexpr TrText kToleranceTitle{"Window", QT_TRANSLATE_NOOP("Window", "Colour tolerance")};
inline constexpr TrText kToleranceLabel{"Window",
                                        QT_TRANSLATE_NOOP("Window",
                                                          "For the comparisons “Equal” and “Not equal”:\n"
                                                          "how much each component of the colour\n"
                                                          "(red, green, blue) may differ, from 0 to 255")};
inline constexpr std::string_view kToleranceMark = " ±";

// Menus.
inline constexpr TrText kFileMenu{"Window", QT_TRANSLATE_NOOP("Window", "File")};
inline constexpr TrText kOpen{"Window", QT_TRANSLATE_NOOP("Window", "Open")};
inline constexpr TrText kSave{"Window", QT_TRANSLATE_NOOP("Window", "Save")};
inline constexpr TrText kExportHtml{"Window", QT_TRANSLATE_NOOP("Window", "Export to HTML")};
inline constexpr TrText kExit{"Window", QT_TRANSLATE_NOOP("Window", "Exit")};
inline constexpr TrText kFillMenu{"Window", QT_TRANSLATE_NOOP("Window", "Fill")};
inline constexpr TrText kFillAsPoint{"Window", QT_TRANSLATE_NOOP("Window", "With points")};
inline constexpr TrText kFillAsCircle{"Window", QT_TRANSLATE_NOOP("Window", "With circles")};
inline constexpr TrText kFillAsRect{"Window", QT_TRANSLATE_NOOP("Window", "With squares")};
inline constexpr TrText kFillAsText{"Window", QT_TRANSLATE_NOOP("Window", "With text")};
inline constexpr TrText kMethodMenu{"Window", QT_TRANSLATE_NOOP("Window", "Colour comparison")};
inline constexpr TrText kParamsMenu{"Window", QT_TRANSLATE_NOOP("Window", "Parameters")};
// Preset captions as designed; start-up appends a tab and the preset's key letter.
inline constexpr std::array<std::string_view, 3> kPresetCaptions = {"1x1x1", "2x2x2", "3x3x3"};
inline constexpr std::array<std::string_view, 3> kPresetKeys = {"Q", "W", "E"};
// What each preset writes into the step and zoom fields.
inline constexpr std::array<std::string_view, 3> kPresetTexts = {"1", "2", "3"};

// Design texts of the fields.
inline constexpr std::string_view kStepDesignText = "1";
inline constexpr std::string_view kFillDesignText = "text";
inline constexpr std::string_view kRedDesignText = "0";
inline constexpr std::string_view kGreenDesignText = "0";
inline constexpr std::string_view kBlueDesignText = "255";

}  // namespace glimmet::window_texts
