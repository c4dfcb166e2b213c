// Upper and lower error bounds of every pair for the "+ Bounds" MDS types,
// and the settings that shape them: the bound kind and sizes, the MDS type
// and the centring inside the bounds, as the MDS type dialog changes them.
#pragma once

#include <string>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

void ComputeErrorBounds(Session& s);

// ErrorBoundsTypeNum codes.
enum class BoundKind { kFixed = 0, kPercentage = 1 };

// One press of a bound arrow: steps of 0.01 up to 0.1 and of 0.05 above it,
// so the values run 0, 0.01, ..., 0.1, 0.15, ..., 1.0.  At either end the
// value stays and the platform beeps.  The result is kept to two decimals:
// single-precision steps would otherwise drift off the sequence (0.15 - 0.05
// lands just above 0.1, and the next step down would then be 0.05).
float StepErrorBound(float bound, bool up, BoundKind kind, Platform& platform);

// The text beside a bound's arrows: "( Dij ± .05 )" for a fixed amount,
// "( Dij ± .05 Dij )" for a percentage (held as a fraction).  Latin-1.
std::string ErrorBoundLabel(float bound, BoundKind kind);

// What the MDS type dialog edits, as one set of working copies.
struct MDSTypeChoice {
  int mds_type = 0;
  BoundKind bound_kind = BoundKind::kPercentage;
  float fixed_bound = 0.05f;
  float relative_bound = 0.05f;
  bool centre_in_bounds = false;
};

MDSTypeChoice CurrentMDSTypeChoice(const Session& s);

// The dialog's OK: stores the choice, clears the interval constant for every
// type but the two Interval ones, refreshes the derived data from the error
// bounds on (the first step that depends on the choice) and starts a new
// series.  The MDS
// type caption shows the interval constant for the Interval types.
void ApplyMDSTypeChoice(Session& s, Platform& platform, const MDSTypeChoice& choice);

}  // namespace quorel
