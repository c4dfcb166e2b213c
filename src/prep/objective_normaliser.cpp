#include "prep/objective_normaliser.h"

#include <stdexcept>

namespace quorel {

void ComputeObjFnNormaliser(Session& s) {
  const int n = s.prob.NObjects;
  const int badness = s.set.BadnessFunctionNum;
  if (badness < 0 || badness > MaxBadnessFunctionNum)
    throw std::logic_error("ComputeObjFnNormaliser: badness function out of range");
  // Multiscale and Fractional weigh every pair, missing ones with their W of 1.
  const bool count_missing = badness >= 3;
  float sum = 0;
  for (int i = 2; i <= n; ++i) {
    if (s.prob.ObjParked[i]) continue;
    const float* dissim = s.prob.Dissim.Row(i);
    const float* weight = s.prob.EffWeight.Row(i);
    const Flag* missing = s.prob.DissimMissing.Row(i);
    for (int j = 1; j < i; ++j) {
      if (s.prob.ObjParked[j]) continue;
      if (count_missing) {
        sum += weight[j];
      } else if (!missing[j]) {
        const float d2 = dissim[j] * dissim[j];
        sum += badness == 2 ? weight[j] * (d2 * d2) : weight[j] * d2;
      }
    }
  }
  // The raw sweep sum visits every pair from both ends, hence the factor 2.
  // The limit is the exact 1e-6 (the single 1e-6f lies just below it).
  s.derived.ObjFnNormaliser = (n >= 2 && static_cast<double>(sum) >= 1e-6) ? 2 * sum : 2.0f;
  s.derived.ObjFnNormaliserInv = 1.0f / s.derived.ObjFnNormaliser;
}

}  // namespace quorel
