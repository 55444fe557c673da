#pragma once

#include "render/LineWriter.h"
#include "render/MarkCanvas.h"
#include "render/PixelSource.h"
#include "render/WalkHost.h"

namespace glimmet {

// The only ways a walk reaches the world outside it. Coordinates are pixels.
struct WalkPorts {
    PixelSource& source;
    MarkCanvas& canvas;
    WalkHost& host;
    LineWriter& page;
};

}  // namespace glimmet
