// Per-attribute statistics and dense ranks of the attribute table.
#include <cmath>
#include <utility>
#include <vector>

#include "model/numeric.h"
#include "prep/attribute_functions.h"

namespace quorel {

void ComputeAttributeStatistics(Session& s) {
  Problem& p = s.prob;
  for (int k = 1; k <= p.NAttributes; ++k) {
    float low = 1e20f, high = -1e20f, sum = 0.0f;
    int count = 0;
    for (int i = 1; i <= p.NObjects; ++i) {
      if (p.AttribMissing(i, k)) continue;
      const float v = p.AttribValue(i, k);
      ++count;
      sum += v;
      if (v > high) high = v;
      if (v < low) low = v;
    }
    p.AttribMin[k] = low;
    p.AttribMax[k] = high;
    // An attribute without a present value has no mean or range; it keeps
    // its start values for min and max, which the reader refuses.
    p.AttribMean[k] = count > 0 ? sum / static_cast<float>(count) : 0.0f;
    p.AttribRange[k] = count > 0 ? high - low : 0.0f;
  }
}

void ComputeAttributeRanks(Session& s) {
  Problem& p = s.prob;
  const int n = p.NObjects;
  if (n < 1) return;
  std::vector<float> value(n + 1);
  std::vector<int> object(n + 1);
  for (int k = 1; k <= p.NAttributes; ++k) {
    for (int i = 1; i <= n; ++i) {
      value[i] = p.AttribValue(i, k);
      object[i] = i;
    }
    // Shell's sort with the gap halved (rounded, halves to even).
    int gap = n;
    while (gap > 1) {
      gap = RoundToInt(gap * 0.5);
      for (int start = 1; start <= n - gap; ++start) {
        for (int q = start; q >= 1 && value[q] > value[q + gap]; q -= gap) {
          std::swap(value[q], value[q + gap]);
          std::swap(object[q], object[q + gap]);
        }
      }
    }
    // Dense ranks: values less than 0.0001 from the group's first value
    // share it.  The single difference is compared with the exact 0.0001
    // (a difference of 0.0001f = 9.99999975e-05 is less).
    int rank = 1;
    float reference = value[1];
    float rank_sum = 0.0f;
    for (int q = 1; q <= n; ++q) {
      if (q > 1 && static_cast<double>(std::abs(value[q] - reference)) >= 0.0001) {
        ++rank;
        reference = value[q];
      }
      p.AttribRank(object[q], k) = static_cast<float>(rank);
      rank_sum += static_cast<float>(rank);
    }
    p.AttribMeanRank[k] = rank_sum / static_cast<float>(n);
  }
}

}  // namespace quorel
