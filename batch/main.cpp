#include "batch/BatchMain.h"

int main(int argc, char** argv) {
    // Checks and pages only: a run that writes output pictures goes on in the drawing program.
    return glimmet::BatchMain(argc, argv, nullptr);
}
