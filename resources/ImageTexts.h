#pragma once

#include <QtGlobal>

// Every text painted into the window's images, kept together so wording changes happen in one place.
// English sources; read them with QCoreApplication::translate(image_texts::kContext, ...).
namespace glimmet::image_texts {

inline constexpr char kContext[] = "Images";

// Face of the transfer button (images 1 and 2 of the image list).
inline constexpr char kTransfer[] = QT_TRANSLATE_NOOP("Images", "Copy");

// Labels of the input row, painted into the background strip (image 3) left of their boxes.
inline constexpr char kRgbKey[] = QT_TRANSLATE_NOOP("Images", "RGB key");
//: The Russian has a Latin X here.
inline constexpr char kXStep[] = QT_TRANSLATE_NOOP("Images", "Step X");
//: The Russian has a Cyrillic У here, as designed.
inline constexpr char kYStep[] = QT_TRANSLATE_NOOP("Images", "Step Y");
inline constexpr char kZoom[] = QT_TRANSLATE_NOOP("Images", "ZOOM");
inline constexpr char kFillText[] = QT_TRANSLATE_NOOP("Images", "Fill text");

// Prompt of the start-up picture of the source box.
inline constexpr char kLoadPrompt[] = QT_TRANSLATE_NOOP("Images", "Load the file you need...");

}  // namespace glimmet::image_texts
