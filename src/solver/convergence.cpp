#include "solver/convergence.h"

#include <algorithm>
#include <cmath>

#include "solver/objective.h"
#include "solver/solver_geometry.h"

namespace quorel {

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
  // The whole window must lie within the limit, not only its two ends: an
  // objective that wanders (as ordinal runs do) can pass the same value twice.
  const auto [low, high] = std::minmax_element(w.values, w.values + kHeld);
  const double change = static_cast<double>(*high) - static_cast<double>(*low);
  const double limit = std::max(static_cast<double>(RelativeChangeLimit(s.set.PrecisionLevelNum)) *
                                    std::fabs(static_cast<double>(r.ObjFnValue)),
                                static_cast<double>(r.ConvergeObjFnLimit));
  if (change < limit) r.RelativeChangeMet = true;
}

}  // namespace quorel
