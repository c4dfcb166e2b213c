#include "control/online_buttons.h"

#include <cmath>

#include "control/run_control.h"
#include "model/captions.h"
#include "model/numeric.h"
#include "prep/derived_data.h"
#include "prep/dissim_ranks.h"
#include "prep/error_bounds.h"
#include "prep/mapping_weights.h"

namespace quorel {
namespace {

// One step through 0..highest with wrap-around.
int Step(int code, int highest, bool backward) {
  if (backward) return code <= 0 ? highest : code - 1;
  return code >= highest ? 0 : code + 1;
}

}  // namespace

void cmdMDSType_Click(Session& s, Platform& platform) {
  platform.PlayClickSound();
  const bool backward = s.ui.RotateBackward;
  const float bound = s.set.ErrorBoundsTypeNum == 0 ? s.set.FixedErrorBound : s.set.RelErrorBound;
  // Without a usable bound the "+ Bounds" types equal their plain types.
  const bool skip_bounds = bound < 0.001f;
  int type = Step(s.set.MDSAnalysisTypeNum, MaxMDSTypeNum, backward);
  while (skip_bounds && HasBounds(type)) type = Step(type, MaxMDSTypeNum, backward);
  s.set.MDSAnalysisTypeNum = type;
  s.set.IsOrdinalMDS = IsOrdinal(type);
  // Ordinal MDS reads the ranks: they are built now, at the click, rather
  // than in the middle of the next sweep.
  if (s.set.IsOrdinalMDS) EnsureRanks(s, platform);
  if (!IsInterval(type)) s.prob.IntervalConstant = 0.0f;
  ResetSeries(s);
  s.captions.cmdMDSType = MDSTypeCaption(s);
  platform.RefreshCaptions();
}

void cmdDegrade_Click(Session& s, Platform& platform) {
  platform.PlayClickSound();
  const int top = s.prob.DataDegradeNum;
  if (top == 1) return;
  int level = s.set.DegradeNum > top ? top : s.set.DegradeNum;
  // Forward lowers the precision, M -> M-1 -> ... -> 1 -> M; Shift raises it.
  if (s.ui.RotateBackward)
    level = level >= top ? 1 : level + 1;
  else
    level = level <= 1 ? top : level - 1;
  s.set.DegradeNum = level;
  RefreshDerivedData(s, platform, DataChange::kPrecision);
  ResetSeries(s);
  s.captions.cmdDegrade = DegradeCaption(s);
  platform.RefreshCaptions();
}

void cmdMappingWtFns_Click(Session& s, Platform& platform) {
  platform.PlayClickSound();
  const bool adjustable = std::fabs(s.set.AdjustableMappingWt) >= 0.01;
  int code = Step(s.set.MappingWtFunctionNum, MaxMappingWtFunctionNum, s.ui.RotateBackward);
  if (code == 4 && !adjustable) code = Step(code, MaxMappingWtFunctionNum, s.ui.RotateBackward);
  s.set.MappingWtFunctionNum = code;
  if (ProblemIsLoaded(s.run.RunState)) {
    s.set.MappingWtParam = MappingWtFunctionParam(code, s.set.MapWeightComplementary,
                                                  static_cast<float>(s.set.AdjustableMappingWt));
    RefreshDerivedData(s, platform, DataChange::kMappingWeights);
  }
  ResetSeries(s);
  s.captions.cmdMappingWtFns = MappingWtCaption(s);
  platform.RefreshCaptions();
}

void cmdBadnessFns_Click(Session& s, Platform& platform) {
  platform.PlayClickSound();
  int code = s.set.BadnessFunctionNum;
  do {
    code = Step(code, MaxBadnessFunctionNum, s.ui.RotateBackward);
  } while (code == s.set.SuppressNum);
  s.set.BadnessFunctionNum = code;
  RefreshDerivedData(s, platform, DataChange::kBadnessFunction);
  ResetSeries(s);
  s.captions.cmdBadnessFns = BadnessCaption(s);
  platform.RefreshCaptions();
}

void cmdDistanceFns_Click(Session& s, Platform& platform) {
  platform.PlayClickSound();
  // With p = 2.0 Minkowski is the Euclidean distance: leave it out.
  const bool skip_minkowski = RoundHalfEven(s.set.MinkowskiExponent, 1) == 2.0;
  int code = Step(s.set.DistanceFunctionNum, MaxDistanceFunctionNum, s.ui.RotateBackward);
  if (code == 2 && skip_minkowski) code = Step(code, MaxDistanceFunctionNum, s.ui.RotateBackward);
  s.set.DistanceFunctionNum = code;
  ResetSeries(s);
  s.captions.cmdDistanceFns = DistanceCaption(s);
  platform.RefreshCaptions();
}

}  // namespace quorel
