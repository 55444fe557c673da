#pragma once

#include <array>
#include <string>
#include <string_view>

namespace glimmet::window_texts {

// Every text the main window shows, UTF-8.

// The caption: "Glimmet, v." major "." minor revision " by Tovask.", with no separator between the
// minor number and the revision (1.1.12 gives "Glimmet, v.1.112 by Tovask.").
inline std::string Caption(int major, int minor, int revision) {
    return "Glimmet, v." + std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision) +
           " by Tovask.";
}

inline constexpr std::string_view kActionCaption = "Действия";
inline constexpr std::string_view kWaiting = "Жду ваших дейстивий.";

// Status bar panel keys, by position 1 to 3.
inline constexpr std::array<const char*, 3> kPanelKeys = {"info", "mode", "met"};

// Text of the mode panel by fill mode 1 to 4; the text mode's text is followed by the fill text.
inline constexpr std::array<std::string_view, 4> kFillModePanel = {"Точки", "Круги", "Квадраты", "Текст "};
// Caption of the comparison item and text of the met panel by METH 1 to 5.
inline constexpr std::array<std::string_view, 5> kMethodNames = {"Равно", "Не равно", "Больше", "Меньше",
                                                                 "Обратить"};

// The colour tolerance: its item, last in the comparison menu, and its input dialog. While it is above 0
// the met panel of the equal and not-equal comparisons shows it after their name ("Равно ±12").
inline constexpr std::string_view kToleranceItem = "Допуск…";
inline constexpr std::string_view kToleranceTitle = "Допуск цвета";
inline constexpr std::string_view kToleranceLabel =
    "Для сравнений «Равно» и «Не равно»:\n"
    "на сколько может отличаться каждая составляющая цвета\n"
    "(красная, зелёная, синяя), от 0 до 255";
inline constexpr std::string_view kToleranceMark = " ±";

// Menus.
inline constexpr std::string_view kFileMenu = "Файл";
inline constexpr std::string_view kOpen = "Открыть";
inline constexpr std::string_view kSave = "Сохранить";
inline constexpr std::string_view kExportHtml = "Экспорт в HTML";
inline constexpr std::string_view kExit = "Выход";
inline constexpr std::string_view kFillMenu = "Заполнение";
inline constexpr std::string_view kFillAsPoint = "Точками";
inline constexpr std::string_view kFillAsCircle = "Кругами";
inline constexpr std::string_view kFillAsRect = "Квадратами";
inline constexpr std::string_view kFillAsText = "Текстом";
inline constexpr std::string_view kMethodMenu = "Тип выборки цвета";
inline constexpr std::string_view kParamsMenu = "Параметры";
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
