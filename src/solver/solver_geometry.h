// What the solver does to the coordinates of the object it has just moved:
// the boundary projection, the emphasis of the X-Y plane and the reset of
// coordinates that ran away.  x[0..7] are coordinates 1..8.
#pragma once

#include "model/session.h"

namespace quorel {

// Projects x back inside the boundary of type `boundary_type` (0 circular,
// 1 path with coordinate 1 free, 2 square) and size r.
void ApplyBoundary(int boundary_type, float r, float x[8]);

// Shrinks coordinates 3..8 early in a run so that the largest cross-section
// of the configuration settles into the X-Y plane.
void ApplyXYEmphasis(Session& s, float x[8]);
// True while the sweeps of the run still apply the X-Y emphasis.
bool XYEmphasisInForce(const Session& s);

// Pulls back coordinates that left any sensible range.
void ResetRunaway(Session& s, float x[8]);

}  // namespace quorel
