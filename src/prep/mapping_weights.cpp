#include "prep/mapping_weights.h"

#include <cmath>

#include "model/numeric.h"

namespace quorel {
namespace {

// m of the plain and the complementary form for the fixed functions 0..3;
// Weak and Strong exchange their m in the complementary form.
float FixedParam(int code, bool complementary) {
  switch (code) {
    case 1:
      return complementary ? -20.0f : 0.95f;
    case 2:
      return 0.0f;
    case 3:
      return complementary ? 0.95f : -20.0f;
    default:
      return 1.0f;
  }
}

// The smallest weight of the Adjustable function for its m:
// Round(0.00999999 / (1 - 0.99 m), 3), at least 0.001.
float AdjustableFloor(float m) {
  float ratio = 0.00999999f / (1.0f - m * 0.99f);
  float floor = static_cast<float>(RoundHalfEven(ratio, 3));
  return floor < 0.001f ? 0.001f : floor;
}

void SetFunctionConstants(Settings& t) {
  const int code = t.MappingWtFunctionNum;
  const bool complementary = t.MapWeightComplementary;
  switch (code) {
    case 0:
      t.MapWeightFloor = 1.0f;
      break;
    case 1:
      t.MapWeightFloor = 0.1f;
      break;
    case 2:
      t.MapWeightFloor = 0.01f;
      break;
    case 3:
      t.MapWeightFloor = 0.001f;
      break;
    default:
      t.MapWeightFloor = AdjustableFloor(t.MappingWtParam);
      return;
  }
  t.MappingWtParam = FixedParam(code, complementary);
}

}  // namespace

float MappingWeightOfPair(const Settings& t, float d) {
  const float m = t.MappingWtParam;
  float raw;
  if (std::fabs(m * d - 1.0f) < 1e-5f)
    raw = std::fabs(m - 1.0f) < 1e-5f ? 1.0f : 0.0f;
  else
    raw = (1.0f - d) / (1.0f - m * d);
  float w = (t.MapWeightComplementary && t.MappingWtFunctionNum != 0) ? 1.0f - raw : raw;
  return w >= t.MapWeightFloor ? w : t.MapWeightFloor;
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
  if (s.run.RunState <= 0) return;
  for (int i = 2; i <= n; ++i) {
    for (int j = 1; j < i; ++j) {
      float w =
          s.prob.DissimMissing(i, j) ? 1.0f : s.prob.PairWeight(i, j) * s.prob.MapWeight(i, j);
      s.prob.EffWeight(i, j) = s.prob.EffWeight(j, i) = w;
    }
  }
}

}  // namespace quorel
