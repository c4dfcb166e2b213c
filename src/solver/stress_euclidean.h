// A vectorised object step for the most common settings: Stress or Stress1,
// Euclidean distance, Ratio or Interval MDS.  It gives the sums of
// EvaluateObject (up to the order of the additions) and, in the same pass,
// the sum of the weights of the usable partners.
#pragma once

#include "model/session.h"
#include "solver/objective.h"

namespace quorel {

// True when the settings are those this step handles.
bool StressEuclideanApplies(const Settings& settings);

// The sums of object i over its usable partners, reading coordinates 1 to
// active_dims (those above are 0 for every object).  Writes MapDist(i, j).
// An AVX2 kernel takes the row when the processor has AVX2, unless
// avx2_kernel is false (the tests compare both).
void EvaluateObjectStressEuclidean(Session& s, int i, int active_dims, ObjectStep& out,
                                   float& weight_sum, bool avx2_kernel = true);

// The sum over the pairs j < i of unparked objects whose pair is not missing
// of EffWeight * d^2, d the Euclidean distance over coordinates 1..dims: the
// Stress1 denominator before it is doubled.  Each row is summed with the
// vector loop of the sweep, so the result may differ from a plain running
// sum in its last digits.
float WeightedSquaredDistanceSum(const Session& s, int dims);

}  // namespace quorel
