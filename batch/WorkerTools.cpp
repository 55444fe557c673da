#include "batch/WorkerTools.h"

namespace glimmet {

OutputDrawing* WorkerTools::Drawing() {
    if (!drawing_ && makeDrawing_) drawing_ = makeDrawing_();
    return drawing_.get();
}

}  // namespace glimmet
