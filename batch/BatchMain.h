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

// The batch command from its arguments to its exit status. Without `drawing`, a run that writes
// output pictures is handed, with the same arguments, to the drawing program installed beside this
// one (../libexec/glimmet/glimmet-batch-draw from this program's folder), so that runs without
// output pictures never load Qt's libraries.
int BatchMain(int argc, char** argv, DrawingHost* drawing);

}  // namespace glimmet
