#pragma once

#include <string_view>

namespace glimmet::files_texts {

// Texts of the file commands and of the HTML export, UTF-8.

// The file dialog, as set at start-up. The default extension is a filter entry; the dialog appends
// its first three characters to a name typed without an extension.
inline constexpr std::string_view kDialogTitle = "Выберите нужное изображение";
inline constexpr std::string_view kStartFilter = " BMP |*.bmp| JPEG |*.jpg| GIF |*.gif";
inline constexpr std::string_view kDefaultExt = "BMP|*.bmp";
// The filter during the export's dialog, and after an export that got a name (no leading blank).
inline constexpr std::string_view kPageFilter = "HTML|*.htm";
inline constexpr std::string_view kPictureFilter = "BMP |*.bmp| JPEG |*.jpg| GIF |*.gif";

// Open: the label, the file name in quotes, then why.
inline constexpr std::string_view kOpenFailed = "Не удалось открыть рисунок:\n";
inline constexpr std::string_view kCannotRead = "Файл не читается.";
inline constexpr std::string_view kNotAPicture = "Это не рисунок в известном программе формате.";
inline constexpr std::string_view kDamaged = "Рисунок повреждён или обрезан.";
inline constexpr std::string_view kOpenKeepsPicture = "Показанный рисунок остался прежним.";
// Save: the label, the file name in quotes, then the system's reason.
inline constexpr std::string_view kSaveFailed = "Не удалось сохранить рисунок:\n";
inline constexpr std::string_view kNothingSaved = "Файл не записан.";

// The HTML export.
inline constexpr std::string_view kExportQuestion = "Вы действительно хотите записать рисунок в файл?";
// The chosen page file cannot be opened for appending: the label, the file name, the reason.
inline constexpr std::string_view kPageFileFailed = "Не удалось открыть файл для дописывания:\n";
inline constexpr std::string_view kNothingExported = "Экспорт не выполнен.";

}  // namespace glimmet::files_texts
