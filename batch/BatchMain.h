#pragma once

#include "batch/DrawingHost.h"

namespace glimmet {

// The batch command from its arguments to its exit status. Without `drawing`, a run that writes
// output pictures is handed, with the same arguments, to the drawing program installed beside this
// one (../libexec/glimmet/glimmet-batch-draw from this program's folder), so that runs without
// output pictures never load Qt's libraries.
int BatchMain(int argc, char** argv, DrawingHost* drawing);

}  // namespace glimmet
