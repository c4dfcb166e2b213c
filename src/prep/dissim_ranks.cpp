#include "prep/dissim_ranks.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "model/numeric.h"

namespace quorel {
namespace {

// Two dissimilarities belong to the same rank group when the later one is
// less than this above the group's first value.
constexpr double kTieWidth = 0.0001;

struct RankedPair {
  float d;
  int k;
};

// Numbers the ranked pairs row by row and fills FreePairIndex; returns P.
int NumberRankedPairs(Session& s, std::vector<int>& obj_a, std::vector<int>& obj_b) {
  const int n = s.prob.NObjects;
  PairTable<int>& index = s.derived.FreePairIndex;
  for (int i = 0; i <= n; ++i) std::fill(index.Row(i), index.Row(i) + n + 1, 0);
  const size_t most = static_cast<size_t>(n) * (n - 1) / 2 + 1;
  obj_a.assign(1, 0);
  obj_b.assign(1, 0);
  obj_a.reserve(most);
  obj_b.reserve(most);
  int k = 0;
  for (int i = 2; i <= n; ++i) {
    if (s.prob.ObjParked[i]) continue;
    const Flag* missing = s.prob.DissimMissing.Row(i);
    for (int j = 1; j < i; ++j) {
      if (s.prob.ObjParked[j] || missing[j]) continue;
      ++k;
      index(i, j) = index(j, i) = k;
      obj_a.push_back(i);
      obj_b.push_back(j);
    }
  }
  return k;
}

// Shell's sort, ascending by d: the gap starts at the count and is halved
// (halves rounded to even) down to 1; each pass walks every entry back
// through its gap chain while the earlier value is the greater.  Which of
// two equal values comes first is what these swaps leave, and the first
// entry of a group becomes its representative.
void ShellSort(std::vector<RankedPair>& list) {
  const int count = static_cast<int>(list.size());
  int gap = count;
  while (gap > 1) {
    gap = static_cast<int>(RoundHalfEven(gap * 0.5));
    for (int p = 0; p + gap < count; ++p) {
      for (int q = p; q >= 0 && list[q].d > list[q + gap].d; q -= gap)
        std::swap(list[q], list[q + gap]);
    }
  }
}

}  // namespace

void ComputeDissimRanks(Session& s, Platform& platform) {
  if (s.prob.NObjects == 0) return;
  platform.SetWaitCursor(true);
  DerivedData& r = s.derived;
  r.RanksUpToDate = true;

  std::vector<int> obj_a, obj_b;
  const int p = NumberRankedPairs(s, obj_a, obj_b);
  r.NRankedPairs = p;
  for (auto* v :
       {&r.DissimRank, &r.OrdUpperObjA, &r.OrdUpperObjB, &r.OrdLowerObjA, &r.OrdLowerObjB})
    v->assign(p + 1, 0);
  r.OrdMinDissim = 0.0f;
  r.OrdMaxDissim = 0.0f;
  if (p == 0) {
    platform.SetWaitCursor(false);
    return;
  }

  std::vector<RankedPair> sorted(p);
  for (int k = 1; k <= p; ++k) sorted[k - 1] = {s.prob.Dissim(obj_a[k], obj_b[k]), k};
  ShellSort(sorted);
  r.OrdMinDissim = sorted.front().d;
  r.OrdMaxDissim = sorted.back().d;

  // Dense ranks; group_start[g] is the sorted position of group g's first
  // entry, its representative.
  std::vector<int> group_start{0};
  std::vector<int> group_of(p);
  float reference = sorted[0].d;
  for (int q = 0; q < p; ++q) {
    if (q > 0 && sorted[q].d - reference >= kTieWidth) {
      group_start.push_back(q);
      reference = sorted[q].d;
    }
    group_of[q] = static_cast<int>(group_start.size());  // 1-based rank
  }
  const int groups = static_cast<int>(group_start.size());
  const int beyond = s.prob.NObjects + 1;

  for (int q = 0; q < p; ++q) {
    const int k = sorted[q].k;
    const int g = group_of[q];
    r.DissimRank[k] = g;
    if (g < groups) {
      const int rep = sorted[group_start[g]].k;  // first entry of group g + 1
      r.OrdUpperObjA[k] = obj_a[rep];
      r.OrdUpperObjB[k] = obj_b[rep];
    } else {
      r.OrdUpperObjA[k] = r.OrdUpperObjB[k] = beyond;
    }
    if (g > 1) {
      const int rep = sorted[group_start[g - 2]].k;  // first entry of group g - 1
      r.OrdLowerObjA[k] = obj_a[rep];
      r.OrdLowerObjB[k] = obj_b[rep];
    }
  }
  platform.SetWaitCursor(false);
}

void InvalidateRanks(Session& s) {
  DerivedData& r = s.derived;
  r.RanksUpToDate = false;
  // A reader that forgot EnsureRanks finds no ranked pair rather than the
  // ranks of other data: every pair index is then out of range.
  r.NRankedPairs = 0;
  for (auto* v :
       {&r.DissimRank, &r.OrdUpperObjA, &r.OrdUpperObjB, &r.OrdLowerObjA, &r.OrdLowerObjB})
    v->assign(1, 0);
}

void RefreshDissimRanks(Session& s, Platform& platform) {
  InvalidateRanks(s);
  if (s.set.MDSAnalysisTypeNum == MaxMDSTypeNum) EnsureRanks(s, platform);
}

void EnsureRanks(Session& s, Platform& platform) {
  if (!s.derived.RanksUpToDate) ComputeDissimRanks(s, platform);
}

}  // namespace quorel
