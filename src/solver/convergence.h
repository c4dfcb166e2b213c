// The relative stop rule of the batch solver (the classic limits are set
// from the settings by SetConvergenceLimits, model/session.h).
#pragma once

#include "model/session.h"

namespace quorel {

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
