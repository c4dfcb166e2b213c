#include "prep/error_bounds.h"

#include <stdexcept>

namespace quorel {
namespace {

void StoreBounds(Session& s, int i, int j, float lower, float upper) {
  if (lower < 0.0f) lower = 0.0f;
  if (upper > 1.0f) upper = 1.0f;
  s.derived.ErrBoundLower(i, j) = s.derived.ErrBoundLower(j, i) = lower;
  s.derived.ErrBoundUpper(i, j) = s.derived.ErrBoundUpper(j, i) = upper;
}

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

}  // namespace quorel
