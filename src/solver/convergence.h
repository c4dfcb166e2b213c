// Convergence limits of the solver from AutoStop and PrecisionLevelNum.
#pragma once

#include "model/session.h"

namespace quorel {

//   AutoStop off:     0,    0,    999999
//   level 0 (Low):    1e-4, 1e-6, 100
//   level 1 (Normal): 1e-6, 1e-7, 500
//   level 2 (High):   1e-7, 1e-8, 7000
// (ConvergeMoveLimit, ConvergeObjFnLimit, ConvergeCountLimit).  With AutoStop
// on and a level outside 0..2 the limits are left as they were.
void SetConvergenceLimits(Session& s);

}  // namespace quorel
