#pragma once

#include "batch/BatchOptions.h"
#include "batch/OutputDrawing.h"
#include "batch/StopSignals.h"

namespace glimmet {

// Runs the batch command for good options: loads the picture, walks the region as the window's
// transfer does (or as its export does with an HTML file), writes the requested files and returns
// the exit status. Messages go to standard error. Output pictures are drawn by what `makeDrawing`
// makes, one for each worker; it is only called when the options ask for output pictures. A signal
// noted by `stop` ends the run with every page put back, no report file written and the status
// 128 + the signal's number.
int RunBatch(const BatchOptions& options, StopSignals& stop, const DrawingMaker& makeDrawing);

}  // namespace glimmet
