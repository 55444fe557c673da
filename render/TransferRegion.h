#pragma once

#include <cstdint>
#include <string>

#include "render/RenderState.h"
#include "render/WalkPorts.h"

namespace glimmet {

// Why a walk ended early. Every failure before the first progress update ends the walk; after it
// the walk skips the failing step instead, except for a column step of 0, which always ends it.
enum class WalkFailure {
    None,
    ZeroStep,            // a step of 0 (no grid to walk)
    RegionOverflow,      // x1 - x0 or y1 - y0 beyond 16 bits
    CoordinateOverflow,  // a mark's position or size beyond 16 bits
    LoopOverflow,        // advancing x or y past 32767 or -32768
    CounterOverflow,     // the sample counter or the character index past its width
    Stopped,             // the host asked to stop during a yield
};

struct WalkOutcome {
    WalkFailure failure = WalkFailure::None;
    int64_t samples = 0;  // samples visited
    int64_t passed = 0;   // samples that passed the comparison
    bool Completed() const { return failure == WalkFailure::None; }
};

// Walks `region` row by row on the grid of the steps and marks every sample that passes the
// comparison, as the fill mode says. The steps of one sample, in order:
//   a. every YieldCheckInterval() samples, if the host says so, flush the page and yield;
//   b. count the sample;  c. on every multiple of the progress interval, show progress and switch
//   into the skipping mode;  d. advance the fill text's character index (it runs on over the whole
//   grid);  e. read the pixel;  f. test it and draw the fill mode's mark (fill mode 5 also writes
//   the page line first).
// Fill mode 5 writes the page's header before the walk, "<BR>" after every row and the closing
// lines after it, then tells the host whether the whole page reached the disk. The host hears of
// the end unless the walk failed. `live` is read at each use; `region` and `fillText` are fixed.
WalkOutcome TransferRegion(const RenderState& live, Region region, const std::string& fillText,
                           WalkPorts& ports);

}  // namespace glimmet
