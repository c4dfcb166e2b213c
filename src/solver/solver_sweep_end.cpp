#include "solver/solver_sweep_end.h"

#include <cmath>
#include <string>

#include "model/captions.h"
#include "model/text_format.h"
#include "solver/convergence.h"

namespace quorel {

std::string ObjectiveText(float value) {
  if (value > 9000.0f) return "> 9000             ";
  return Format(value, "##0.000000");
}

std::string BestSeriesText(const Session& s) {
  const RunBook& r = s.run;
  if (!s.set.AutoRepeat || !(r.BestObjFnValue < 100.0f)) return "";
  return "[" + Format(r.BestObjFnValue, "##0.000000") + " : " + std::to_string(r.BestHitCount) +
         " of " + std::to_string(r.RunCount) + "]";
}

void ShowSweepLabels(Session& s, double clock) {
  RunBook& r = s.run;
  Captions& c = s.captions;
  // After midnight the clock starts again from 0.
  if (r.NextDisplayTime - clock > 1.0) r.NextDisplayTime = clock;
  if (r.ObjFnValue > 9000.0f) {
    c.lblObjFnValue = ObjectiveText(r.ObjFnValue);
  } else if (clock < r.NextDisplayTime) {
    c.lblObjFnValue = ObjectiveText(r.ObjFnValue);
    c.lblBestObjFnValue = BestSeriesText(s);
  } else if (clock < r.NextDisplayTime + 0.4) {
    c.lblObjFnValue = ObjectiveText(r.ObjFnValue) + " ...";
  } else {
    r.NextDisplayTime = clock + 0.4;
    c.lblObjFnValue = ObjectiveText(r.ObjFnValue);
  }
}

void ShowFinalLabels(Session& s) {
  s.captions.lblObjFnValue = ObjectiveText(s.run.ObjFnValue);
  if (s.set.AutoRepeat && s.run.BestObjFnValue < 100.0f)
    s.captions.lblBestObjFnValue = BestSeriesText(s);
}

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
  if (AnyObjectHeld(s) || s.set.MDSAnalysisTypeNum != 4) return;
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
  int type = s.set.MDSAnalysisTypeNum;
  float c = p.IntervalConstant;
  if (type == 2 || type == 3) {
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
  if (s.set.MDSAnalysisTypeNum != 2) return false;
  int it = s.run.IterationCount;
  bool due = it < 1000 ? it % 10 == 0 : it % 1000 == 0;
  if (due) s.captions.cmdMDSType = MDSTypeCaptionWithConstant(s);
  return due;
}

}  // namespace quorel
