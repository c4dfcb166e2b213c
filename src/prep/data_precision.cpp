#include "prep/data_precision.h"

#include "model/numeric.h"

namespace quorel {
namespace {

// One value at level L below the level of the data.
float Degrade(float original, int level) {
  if (level >= 6) return static_cast<float>(RoundHalfEven(original, level - 5));
  if (level >= 2) {
    // The nearest multiple of 1/L, kept to two decimals (1/3 -> 0.33).
    double grains = RoundHalfEven(original * static_cast<float>(level));
    return static_cast<float>(RoundHalfEven(grains / level, 2));
  }
  return static_cast<float>(RoundHalfEven(original));
}

}  // namespace

void ApplyDataPrecision(Session& s) {
  const int n = s.prob.NObjects;
  const int level = s.set.DegradeNum;
  const bool unchanged = level >= s.prob.DataDegradeNum;
  for (int i = 1; i <= n; ++i) {
    const float* original = s.prob.DissimOriginal.Row(i);
    float* dissim = s.prob.Dissim.Row(i);
    for (int j = 1; j <= n; ++j) dissim[j] = unchanged ? original[j] : Degrade(original[j], level);
  }
}

}  // namespace quorel
