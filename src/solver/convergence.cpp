#include "solver/convergence.h"

#include <algorithm>
#include <cmath>

#include "solver/objective.h"
#include "solver/solver_geometry.h"

namespace quorel {

void SetConvergenceLimits(Session& s) {
  RunBook& r = s.run;
  if (!s.set.AutoStop) {
    r.ConvergeMoveLimit = 0.0f;
    r.ConvergeObjFnLimit = 0.0f;
    r.ConvergeCountLimit = 999999;
    return;
  }
  switch (s.set.PrecisionLevelNum) {
    case 0:
      r.ConvergeMoveLimit = 1e-4f, r.ConvergeObjFnLimit = 1e-6f, r.ConvergeCountLimit = 100;
      break;
    case 1:
      r.ConvergeMoveLimit = 1e-6f, r.ConvergeObjFnLimit = 1e-7f, r.ConvergeCountLimit = 500;
      break;
    case 2:
      r.ConvergeMoveLimit = 1e-7f, r.ConvergeObjFnLimit = 1e-8f, r.ConvergeCountLimit = 7000;
      break;
    default:
      break;
  }
}

float RelativeChangeLimit(int precision_level) {
  switch (precision_level) {
    case 0:
      return 1e-4f;
    case 2:
      return 1e-6f;
    default:
      return 1e-5f;
  }
}

void ClearObjectiveWindow(RunBook& r) {
  r.RecentObjFnValues.count = 0;
  r.RecentObjFnValues.next = 0;
  r.RelativeChangeMet = false;
}

void RecordObjectiveForStopRule(Session& s) {
  RunBook& r = s.run;
  if (r.StopRuleInForce != StopRule::kRelativeChange || !s.set.AutoStop) return;
  if (OrdinalWarmUpInForce(s) || XYEmphasisInForce(s)) {
    ClearObjectiveWindow(r);
    return;
  }
  ObjectiveWindow& w = r.RecentObjFnValues;
  constexpr int kHeld = ObjectiveWindow::kSweeps + 1;
  w.values[w.next] = r.ObjFnValue;
  w.next = (w.next + 1) % kHeld;
  if (w.count < kHeld) ++w.count;
  if (w.count < kHeld) return;
  // The ring is full: the oldest value is the one the next write replaces.
  const double oldest = w.values[w.next];
  const double newest = r.ObjFnValue;
  const double change = std::fabs(oldest - newest);
  const double limit = std::max(
      static_cast<double>(RelativeChangeLimit(s.set.PrecisionLevelNum)) * std::fabs(newest),
      static_cast<double>(r.ConvergeObjFnLimit));
  // Only a small change either way ends the run: an objective that rose
  // clearly over the window is still on the move.
  if (change < limit) r.RelativeChangeMet = true;
}

}  // namespace quorel
