// Convergence limits of the solver from AutoStop and PrecisionLevelNum, and
// the relative stop rule of the batch solver.
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

// The relative rule: a run has converged once the objective stayed within
// RelativeChangeLimit(level) times its value (or within ConvergeObjFnLimit,
// the floor for values near 0) over the last ObjectiveWindow::kSweeps sweeps:
// the largest and the smallest value of the window differ by less.  The
// fraction is 1e-4, 1e-5 and 1e-6 for the Low, Normal and High levels.
float RelativeChangeLimit(int precision_level);

// Empties the window; a run starts with it empty.
void ClearObjectiveWindow(RunBook& r);

// Records the objective of the sweep just made and sets RelativeChangeMet
// when the rule is in force (and AutoStop on) and satisfied.  While the
// objective itself is still being reshaped (the ordinal warm-up, the X-Y
// emphasis of the first sweeps) the window is kept empty, so that the rule
// only ever compares values of one and the same objective.
void RecordObjectiveForStopRule(Session& s);

}  // namespace quorel
