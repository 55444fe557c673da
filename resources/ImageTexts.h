#pragma once

// Every text painted into the window's images, kept together so wording changes happen in one place.
// UTF-8; read them with QString::fromUtf8.
namespace glimmet::image_texts {

// Face of the transfer button (images 1 and 2 of the image list).
inline constexpr char kTransfer[] = "Копировать";

// Labels of the input row, painted into the background strip (image 3) left of their boxes.
inline constexpr char kRgbKey[] = "RGB-ключ";
inline constexpr char kXStep[] = "Шаг X";  // Latin X
inline constexpr char kYStep[] = "Шаг У";  // Cyrillic У
inline constexpr char kZoom[] = "ЗУМ";
inline constexpr char kFillText[] = "Текст-Заполнение";

// Prompt of the start-up picture of the source box.
inline constexpr char kLoadPrompt[] = "Загрузите нужный вам файл...";

}  // namespace glimmet::image_texts
