#include "prep/error_bounds.h"

#include <algorithm>
#include <stdexcept>

#include "model/captions.h"
#include "model/numeric.h"
#include "model/text_format.h"
#include "prep/derived_data.h"
#include "prep/dissim_ranks.h"

namespace quorel {
namespace {

void StoreBounds(Session& s, int i, int j, float lower, float upper) {
  if (lower < 0.0f) lower = 0.0f;
  if (upper > 1.0f) upper = 1.0f;
  s.derived.ErrBoundLower(i, j) = s.derived.ErrBoundLower(j, i) = lower;
  s.derived.ErrBoundUpper(i, j) = s.derived.ErrBoundUpper(j, i) = upper;
}

// The arrows' limits and the value at which their step widens, as singles:
// the stored bounds are singles, and 0.1 as a double lies below 0.1f.
constexpr float kFineStepLimit = 0.1f;
constexpr float kFineStepUpLimit = 0.099f;
constexpr float kFineStep = 0.01f;
constexpr float kCoarseStep = 0.05f;
constexpr float kHighestBeforeTop = 0.96f;
constexpr float kZeroBound = 0.001f;

}  // namespace

void ComputeErrorBounds(Session& s) {
  const int n = s.prob.NObjects;
  const int kind = s.set.ErrorBoundsTypeNum;
  if (kind != 0 && kind != 1) throw std::logic_error("ComputeErrorBounds: bound kind out of range");

  // The range of every lower-triangle value, parked and missing pairs included.
  float min_dissim = 1e20f;
  float max_dissim = -1e20f;
  for (int i = 2; i <= n; ++i) {
    for (int j = 1; j < i; ++j) {
      float d = s.prob.Dissim(i, j);
      if (d < min_dissim) min_dissim = d;
      if (d > max_dissim) max_dissim = d;
    }
  }
  s.derived.MinPairDissim = min_dissim;
  s.derived.MaxPairDissim = max_dissim;

  const float fixed = s.set.FixedErrorBound;
  // The percentage factors are single values before they multiply d.
  const float up_factor = 1.0f + s.set.RelErrorBound;
  const float down_factor = 1.0f - s.set.RelErrorBound;
  for (int i = 2; i <= n; ++i) {
    for (int j = 1; j < i; ++j) {
      float d = s.prob.Dissim(i, j);
      if (kind == 0)
        StoreBounds(s, i, j, d - fixed, d + fixed);
      else
        StoreBounds(s, i, j, down_factor * d, up_factor * d);
    }
  }
}

float StepErrorBound(float bound, bool up, BoundKind kind, Platform& platform) {
  float next = bound;
  if (up) {
    if (bound > kHighestBeforeTop) {
      platform.Beep();
      return bound;
    }
    next = bound + (bound < kFineStepUpLimit ? kFineStep : kCoarseStep);
  } else {
    const bool at_zero = kind == BoundKind::kPercentage ? bound < kZeroBound : bound <= kZeroBound;
    if (at_zero) {
      platform.Beep();
      return bound;
    }
    // A percentage of exactly 0.001 (from a file) still steps; no bound
    // goes below zero, where its lower and upper ends would swap.
    next = std::max(0.0f, bound - (bound <= kFineStepLimit ? kFineStep : kCoarseStep));
  }
  return static_cast<float>(RoundHalfEven(next, 2));
}

std::string ErrorBoundLabel(float bound, BoundKind kind) {
  // Two decimals without the zero before the point, as ".05"; a whole bound
  // of 1 reads "1.00".
  std::string value = Format(RoundHalfEven(bound, 2), "#.00");
  if (bound >= 0.0f) value = " " + value;
  return "( Dij \xB1" + value + (kind == BoundKind::kPercentage ? " Dij )" : " )");
}

MDSTypeChoice CurrentMDSTypeChoice(const Session& s) {
  MDSTypeChoice c;
  c.mds_type = s.set.MDSAnalysisTypeNum;
  c.bound_kind = s.set.ErrorBoundsTypeNum == 0 ? BoundKind::kFixed : BoundKind::kPercentage;
  c.fixed_bound = s.set.FixedErrorBound;
  c.relative_bound = s.set.RelErrorBound;
  c.centre_in_bounds = s.set.CentreInBounds;
  return c;
}

void ApplyMDSTypeChoice(Session& s, Platform& platform, const MDSTypeChoice& choice) {
  Settings& t = s.set;
  t.RelErrorBound = choice.relative_bound;
  t.FixedErrorBound = choice.fixed_bound;
  t.MDSAnalysisTypeNum = choice.mds_type;
  t.ErrorBoundsTypeNum = static_cast<int>(choice.bound_kind);
  t.CentreInBounds = choice.centre_in_bounds;
  if (!IsInterval(choice.mds_type)) s.prob.IntervalConstant = 0.0f;
  s.captions.cmdMDSType = MDSTypeCaptionWithConstant(s);
  t.IsOrdinalMDS = IsOrdinal(choice.mds_type);
  // Ordinal MDS reads the ranks: built now rather than in the next sweep.
  if (t.IsOrdinalMDS) EnsureRanks(s, platform);
  RefreshDerivedData(s, platform, DataChange::kErrorBounds);
  ResetSeries(s);
  platform.RefreshCaptions();
}

}  // namespace quorel
