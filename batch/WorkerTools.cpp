#include "batch/WorkerTools.h"

#include "picture/OutputFont.h"

namespace glimmet {

GlyphCache& WorkerTools::Glyphs() {
    if (!glyphs_) glyphs_.emplace(OutputFont());
    return *glyphs_;
}

}  // namespace glimmet
