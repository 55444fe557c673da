#pragma once

#include <QString>

#include "interaction/TransferPacing.h"
#include "widgets/ScreenMetrics.h"

namespace glimmet {

// What the window takes from its surroundings when it is created.
struct WindowOptions {
    ScreenMetrics metrics;  // twips per pixel of the screen
    TransferPacing pacing;  // how often a walk lets events through
    QString programFolder;  // the file dialog's first folder
};

}  // namespace glimmet
