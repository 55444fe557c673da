#include "batch/BatchMain.h"
#include "batchdraw/QtDrawingHost.h"

int main(int argc, char** argv) {
    // The batch command with Qt's drawing, which glimmet-batch starts for runs with output pictures.
    glimmet::QtDrawingHost drawing;
    return glimmet::BatchMain(argc, argv, &drawing);
}
