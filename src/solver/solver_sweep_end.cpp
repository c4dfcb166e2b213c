#include "solver/solver_sweep_end.h"

#include <cmath>

#include "model/captions.h"
#include "solver/convergence.h"

namespace quorel {

void CountConvergence(Session& s) {
  RunBook& r = s.run;
  if (std::fabs(r.ObjFnValue - r.PrevObjFnValue) < r.ConvergeObjFnLimit) ++r.SmallChangeCount;
  r.PrevObjFnValue = r.ObjFnValue;
  if (!s.set.AutoStop) r.SmallChangeCount = -1;
  RecordObjectiveForStopRule(s);
}

bool Recentre(Session& s) {
  Problem& p = s.prob;
  // Single precision, like every sum of the solver.
  float mean[9] = {};
  int free = 0;
  for (int i = 1; i <= p.NObjects; ++i) {
    if (p.ObjParked[i]) continue;
    ++free;
    for (int d = 1; d <= 8; ++d) mean[d] += p.LocDim[d][i];
  }
  if (free == 0) return false;
  if (AnyObjectHeld(s)) return true;
  for (int d = 1; d <= 8; ++d) {
    float m = mean[d] / static_cast<float>(free);
    for (int i = 1; i <= p.NObjects; ++i)
      if (!p.ObjParked[i]) p.LocDim[d][i] -= m;
  }
  return true;
}

void ExpandOrdinal(Session& s) {
  Problem& p = s.prob;
  if (AnyObjectHeld(s) || !IsOrdinal(s.set.MDSAnalysisTypeNum)) return;
  float map_sum = 0, dissim_sum = 0;
  for (int i = 2; i <= p.NObjects; ++i) {
    if (p.ObjParked[i]) continue;
    for (int j = 1; j < i; ++j) {
      if (p.ObjParked[j]) continue;
      map_sum += s.derived.MapDist(i, j);
      dissim_sum += p.Dissim(i, j);
    }
  }
  float q = static_cast<double>(map_sum) <= 1e-5 ? 1.0f : dissim_sum / map_sum;
  q = q >= 1.25f ? q - 0.5f : 1.0f;
  if (static_cast<double>(q) <= 1.001) return;
  for (int i = 1; i <= p.NObjects; ++i) {
    if (p.ObjParked[i]) continue;
    for (int d = 1; d <= 8; ++d) p.LocDim[d][i] *= q;
  }
}

void AdjustIntervalConstant(Session& s, float d) {
  Problem& p = s.prob;
  float c = p.IntervalConstant;
  if (IsInterval(s.set.MDSAnalysisTypeNum)) {
    int badness = s.set.BadnessFunctionNum;
    int it = s.run.IterationCount;
    float rate;
    if (badness <= 2)
      rate = p.NObjects < 25 ? 1e-4f : 1e-5f;
    else if (it <= 10)
      rate = 0.0f;
    else if (it <= 50)
      rate = 2e-6f;
    else if (it <= 200)
      rate = 1e-5f;
    else
      rate = 5e-5f;
    float change = -rate * d;
    if (change > 0.025f) change = 0.025f;
    if (change < -0.025f) change = -0.025f;
    c += change;
  }
  const DerivedData& g = s.derived;
  if (c + g.MinPairDissim < 0.0f)
    c = -g.MinPairDissim;
  else if (c + g.MaxPairDissim > 1.0f)
    c = 1.0f - g.MaxPairDissim;
  p.IntervalConstant = c;
}

bool ShowIntervalConstant(Session& s) {
  const int type = s.set.MDSAnalysisTypeNum;
  if (!IsInterval(type) || HasBounds(type)) return false;
  int it = s.run.IterationCount;
  bool due = it < 1000 ? it % 10 == 0 : it % 1000 == 0;
  if (due) s.captions.cmdMDSType = MDSTypeCaptionWithConstant(s);
  return due;
}

}  // namespace quorel
