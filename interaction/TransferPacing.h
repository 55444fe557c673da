#pragma once

#include <cstdint>

namespace glimmet {

// How often a walk lets the window handle events. A yield per sample would cost many times the walk's
// own work, so the walk asks the clock only every `checkInterval` samples and yields when `yieldMs`
// have passed since the last yield; the output picture is repainted at most every `repaintMs`.
// Tests use 1 and 0 to let a handler run between any two samples.
struct TransferPacing {
    int32_t checkInterval = 32;
    int32_t yieldMs = 5;
    int32_t repaintMs = 30;
};

}  // namespace glimmet
