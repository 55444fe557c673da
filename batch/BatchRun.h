#pragma once

#include "batch/BatchOptions.h"

namespace glimmet {

// Runs the batch command for good options: loads the picture, walks the region as the window's
// transfer does (or as its export does with an HTML file), writes the requested files and returns
// the exit status. Messages go to standard error. Needs a QCoreApplication, and a QGuiApplication
// when an output picture is written (fonts).
int RunBatch(const BatchOptions& options);

}  // namespace glimmet
