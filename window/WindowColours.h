#pragma once

#include <QColor>

namespace glimmet::colours {

// The window's colours.
inline const QColor kWindow(255, 192, 128);      // light orange: the window, the frame, the button
inline const QColor kPeachField(255, 224, 192);  // step, zoom and fill text fields
inline const QColor kRedField(255, 128, 128);
inline const QColor kGreenField(128, 255, 128);
inline const QColor kBlueField(128, 128, 255);
// The fields' thin sunken outline.
inline const QColor kFieldShadow(128, 80, 40);
inline const QColor kFieldLight(255, 240, 224);

}  // namespace glimmet::colours
