// The choice of the objective function as the Objective Functions dialog and
// the batch solver make it: the badness and distance functions, the
// Minkowski exponent with its arrow limits, and the badness function left out
// of the on-line rotation.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// One press of an exponent arrow.  Up adds 0.1 while p is below 2.95.  Down
// takes 0.1 away while p is above 0.55, or 0.5 while p is above 3.05 (an
// exponent from a defaults file may lie higher than the arrows reach).  At
// the limits p stays and the platform beeps.
float StepMinkowskiExponent(float p, bool up, Platform& platform);

// True for an exponent within the arrows' reach, 0.5 to 3.0.
bool MinkowskiExponentAllowed(double p);

// The "On-line Badness Button" options: 0 leaves Stress out of the rotation,
// 1 leaves Stress1 out, 2 keeps both (SuppressNum -1).
inline constexpr int kKeepBothOption = 2;
int SuppressOptionOf(int suppress_num);
// Takes effect at once, whatever the dialog ends with.
void SetSuppressOption(Session& s, int option);

struct ObjectiveChoice {
  int badness = 1;
  int distance = 0;
  float minkowski_exponent = 2.0f;
};

ObjectiveChoice CurrentObjectiveChoice(const Session& s);

// The dialog's OK: stores the functions and the exponent (with its inverse),
// recomputes the normalising factor, starts a new series and rewrites the
// badness and distance captions.  A running solver uses them from its next
// pair evaluation.
void ApplyObjectiveChoice(Session& s, Platform& platform, const ObjectiveChoice& choice);

}  // namespace quorel
