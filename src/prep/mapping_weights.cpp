#include "prep/mapping_weights.h"

#include <cmath>

#include "model/numeric.h"

namespace quorel {
namespace {

void SetFunctionConstants(Settings& t) {
  const int code = t.MappingWtFunctionNum;
  if (code != kAdjustableMappingWt)
    t.MappingWtParam = MappingWtFunctionParam(code, t.MapWeightComplementary, t.MappingWtParam);
  t.MapWeightFloor = MappingWtFunctionFloor(code, t.MappingWtParam);
}

}  // namespace

// Weak and Strong exchange their m in the complementary form.
float MappingWtFunctionParam(int code, bool complementary, float adjustable_m) {
  switch (code) {
    case 1:
      return complementary ? -20.0f : 0.95f;
    case 2:
      return 0.0f;
    case 3:
      return complementary ? 0.95f : -20.0f;
    case kAdjustableMappingWt:
      return adjustable_m;
    default:
      return 1.0f;
  }
}

float MappingWtFunctionFloor(int code, float m) {
  switch (code) {
    case 1:
      return 0.1f;
    case 2:
      return 0.01f;
    case 3:
      return 0.001f;
    case kAdjustableMappingWt: {
      // Round(0.00999999 / (1 - 0.99 m), 3), at least 0.001.
      const float ratio = 0.00999999f / (1.0f - m * 0.99f);
      const float floor = static_cast<float>(RoundHalfEven(ratio, 3));
      return floor < 0.001f ? 0.001f : floor;
    }
    default:
      return 1.0f;
  }
}

float MappingWeightOfPair(const Settings& t, float d) {
  return MappingWeightOf(t.MappingWtFunctionNum, t.MappingWtParam, t.MapWeightComplementary,
                         t.MapWeightFloor, d);
}

float MappingWeightOf(int code, float m, bool complementary, float floor, float d) {
  float raw;
  if (std::fabs(m * d - 1.0f) < 1e-5f)
    raw = std::fabs(m - 1.0f) < 1e-5f ? 1.0f : 0.0f;
  else
    raw = (1.0f - d) / (1.0f - m * d);
  const float w = (complementary && code != 0) ? 1.0f - raw : raw;
  return w >= floor ? w : floor;
}

void ComputeMappingWeights(Session& s) {
  SetFunctionConstants(s.set);
  const int n = s.prob.NObjects;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= i; ++j) {
      float w = s.prob.DissimMissing(i, j) ? 1.0f : MappingWeightOfPair(s.set, s.prob.Dissim(i, j));
      s.prob.MapWeight(i, j) = s.prob.MapWeight(j, i) = w;
    }
  }
  if (!ProblemIsLoaded(s.run.RunState)) return;
  for (int i = 2; i <= n; ++i) {
    for (int j = 1; j < i; ++j) {
      float w =
          s.prob.DissimMissing(i, j) ? 1.0f : s.prob.PairWeight(i, j) * s.prob.MapWeight(i, j);
      s.prob.EffWeight(i, j) = s.prob.EffWeight(j, i) = w;
    }
  }
}

}  // namespace quorel
