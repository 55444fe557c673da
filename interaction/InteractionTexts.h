#pragma once

#include <string_view>

namespace glimmet::interaction_texts {

// Texts of the transfer command, UTF-8.

// The size message: this label, Str of the width, ":", Str of the height.
inline constexpr std::string_view kSizeMessage = "Размеры выделенной области: ";
inline constexpr std::string_view kSizeSeparator = ":";

// The first status panel at the end of a walk.
inline constexpr std::string_view kDone = "Готово";

// The export's completion message.
inline constexpr std::string_view kPageWritten = "Файл успешно записан !";
// The export ended with lines lost: this text, the count, then the system's reason.
inline constexpr std::string_view kPageIncomplete = "Страница записана не полностью: потеряно строк: ";

// A transfer in the export's fill mode before any page file was chosen (its dialog was cancelled).
inline constexpr std::string_view kNoPageFile =
    "Перенос невозможен: файл HTML-страницы не выбран. Выберите его командой «Экспорт в HTML» или "
    "выберите другой способ заполнения.";

// Failures of a transfer. Each is followed by nothing else; the program goes on.
inline constexpr std::string_view kBoundsOverflow =
    "Перенос невозможен: границы выделенной области выходят за пределы от -32768 до 32767.";
inline constexpr std::string_view kOutputTooLarge =
    "Перенос невозможен: выходной рисунок был бы слишком велик. Допустимо не больше 16384 точек по "
    "каждой стороне и не больше 64 миллионов точек всего; уменьшите выделенную область или зум.";
inline constexpr std::string_view kOutputNotAllocated =
    "Перенос невозможен: не хватает памяти для выходного рисунка.";
inline constexpr std::string_view kWalkZeroStep = "Перенос прерван: шаг выборки равен нулю.";
inline constexpr std::string_view kWalkRegionOverflow =
    "Перенос прерван: размеры выделенной области выходят за пределы 16 бит.";
inline constexpr std::string_view kWalkCoordinateOverflow =
    "Перенос прерван: положение или размер отметки на выходном рисунке выходит за пределы от -32768 до "
    "32767; уменьшите зум или выделенную область.";
inline constexpr std::string_view kWalkLoopOverflow =
    "Перенос прерван: координата выборки вышла за пределы от -32768 до 32767.";
inline constexpr std::string_view kWalkOutOfMemory =
    "Перенос прерван: не хватает памяти. Строки, уже записанные в HTML-страницу, остаются в ней.";
// Another program's run appends to the page: this text, the page's name, then the end.
inline constexpr std::string_view kPageBusy = "Перенос невозможен: в файл HTML-страницы «";
inline constexpr std::string_view kPageBusyEnd =
    "» сейчас пишет другая программа. Дождитесь её окончания или выберите другой файл.";
inline constexpr std::string_view kWalkCounterOverflow =
    "Перенос прерван: счётчик выборок или номер символа текста-заполнения переполнился.";

}  // namespace glimmet::interaction_texts
