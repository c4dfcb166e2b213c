// The start of each run of the solver: a new random configuration inside
// the boundary, or the positions as they stand for a continued run.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// RunState 2: every free, unmarked object at a random place inside the
// boundary (drawn in screen units); RunState 3: the positions are kept and
// the state becomes 2.  Fewer than two free objects: nothing to solve, a lone
// free object is put at the centre, the state becomes 3 (0 without objects)
// and false is returned.
bool StartRun(Session& s, Platform& platform);

}  // namespace quorel
