// Step divisors and the objective value.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "solver/objective.h"
#include "solver/stress_euclidean.h"

namespace quorel {
namespace {

// Divisors of D1, D2, D3 and of D4..D8: dimension 3 takes larger steps.
void SetDivisors(float divisors[8], float d12, float d3, float rest) {
  divisors[0] = divisors[1] = d12;
  divisors[2] = d3;
  for (int k = 3; k < 8; ++k) divisors[k] = rest;
}

}  // namespace

void StepDivisors(int badness, int mds_type, float divisors[8]) {
  if (!kMDSAnalysisTypeRange.Contains(mds_type))
    throw std::logic_error("StepDivisors: MDS type out of range");
  switch (badness) {
    case 0:
    case 1:
      SetDivisors(divisors, 40, 10, 20);
      return;
    case 2:
      SetDivisors(divisors, 50, 50, 25);
      return;
    case 3:
      if (IsInterval(mds_type) && HasBounds(mds_type))
        SetDivisors(divisors, 800, 200, 600);
      else if (IsOrdinal(mds_type))
        SetDivisors(divisors, 500, 150, 250);
      else
        SetDivisors(divisors, 400, 100, 200);
      return;
    case 4:
      if (IsOrdinal(mds_type))
        SetDivisors(divisors, 500, 125, 250);
      else
        SetDivisors(divisors, 400, 100, 200);
      return;
    default:
      throw std::logic_error("StepDivisors: badness function out of range");
  }
}

float ObjectiveValue(Session& s, float raw_sum) {
  if (s.set.BadnessFunctionNum != 1) return raw_sum * s.derived.ObjFnNormaliserInv;

  // Stress1: sqrt(R / (2 sum W d^2)), d Euclidean over the dimensions in use.
  const int dims = std::clamp(s.set.DimensionsNum, 1, MaxDimensionsNum);
  const float sum = WeightedSquaredDistanceSum(s, dims);
  // The exact 1e-5, as for the normaliser.
  s.derived.Stress1Denominator = static_cast<double>(sum) >= 1e-5 ? 2 * sum : 2.0f;
  return std::sqrt(raw_sum / s.derived.Stress1Denominator);
}

}  // namespace quorel
