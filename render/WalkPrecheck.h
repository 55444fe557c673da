#pragma once

#include <string>

#include "render/RenderState.h"
#include "render/TransferRegion.h"

namespace glimmet {

// The failure a walk whose parameters stay fixed throughout (the batch command's) would end with,
// known before it starts: the first one in walk order, or WalkFailure::None when it cannot fail.
// Exact for everything but the marks' positions, which are only computed for passing samples: there
// every sample is taken to pass. Failures that the walk skips once it has shown progress are not
// failures here, as they are not for the walk.
WalkFailure PredictWalkFailure(const RenderState& state, Region region, const std::string& fillText);

}  // namespace glimmet
