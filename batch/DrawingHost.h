#pragma once

#include "batch/OutputDrawing.h"

namespace glimmet {

// What the drawing program adds to the batch command: Qt, started before the run, and a drawing for
// each worker.
class DrawingHost {
  public:
    virtual ~DrawingHost() = default;
    // Starts what drawing needs; called once, on the main thread, after the stop signals are blocked.
    virtual void Start(char* program) = 0;
    virtual const DrawingMaker& Maker() const = 0;
};

}  // namespace glimmet
