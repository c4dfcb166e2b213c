// One sweep of the solver: every free object in turn steps against the
// gradient of its badness terms, seeing the newest positions of the others.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// StepFactor from the previous sweep's objective value and the step size.
float SweepStepFactor(const Session& s);

struct SweepSums {
  float raw_sum = 0;              // R: sum over the moved objects of S_i
  float interval_derivative = 0;  // D
  bool problem_replaced = false;  // the problem changed under a message box
};

// Counts the sweep and moves every unparked object once (or, early in a
// program's life, a few times).
SweepSums SweepObjects(Session& s, Platform& platform);

// The number of objects that are not parked.
int CountFreeObjects(const Session& s);

// The sum of EffWeight over the usable partners of object i (not parked, pair
// not missing).
float UsableWeightSum(const Session& s, int i);

}  // namespace quorel
