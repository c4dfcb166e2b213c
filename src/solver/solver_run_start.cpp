#include "solver/solver_run_start.h"

#include <cmath>

#include "model/numeric.h"
#include "solver/convergence.h"
#include "solver/solver_sweep.h"

namespace quorel {
namespace {

// Fewer than two free objects: nothing to solve.  A lone free object sits at
// the centre.
void SettleFewObjects(Session& s, Platform& platform, int free) {
  Problem& p = s.prob;
  s.captions.lblObjFnValue = "0.000000";
  s.captions.lblBestObjFnValue.clear();
  s.run.ObjFnValue = 0.0f;  // what the label shows: no pair, no badness
  if (free == 1) {
    int lone = 1;
    while (p.ObjParked[lone]) ++lone;
    for (int d = 1; d <= kMaxDimensions; ++d) p.LocDim[d][lone] = 0.0f;
    s.map.CircleLeft[lone] = s.map.CentreLeft;
    s.map.CircleTop[lone] = s.map.CentreTop;
    platform.ObjectMoved(lone);
  }
  s.run.RunState = p.NObjects == 0 ? kNoProblem : kStopped;
  platform.RefreshCaptions();
  platform.LabelAllObjects();
}

// A random configuration inside the boundary, drawn in screen units.
void RandomStart(Session& s, Platform& platform) {
  Problem& p = s.prob;
  MapGeometry& g = s.map;
  bool any_parked = false;
  for (int i = 1; i <= p.NObjects; ++i) {
    if (p.ObjParked[i]) any_parked = true;
    if (p.ObjParked[i] || ObjectHeld(s, i)) continue;
    float px = (0.8f - 1.6f * s.Rnd()) * static_cast<float>(g.BoundaryRadiusPx);
    float py = (0.8f - 1.6f * s.Rnd()) *
               std::sqrt(static_cast<float>(g.BoundaryRadiusPxSq) - px * px + 1e-5f);
    p.LocDim[1][i] = g.MapScale * px;
    p.LocDim[2][i] = g.MapScale * py;
    for (int d = 3; d <= kMaxDimensions; ++d) p.LocDim[d][i] = 0.5f - s.Rnd();
    g.CircleLeft[i] = RoundToInt(px + g.CentreLeft);
    g.CircleTop[i] = RoundToInt(-py + g.CentreTop);
    platform.ObjectMoved(i);
  }
  if (!any_parked)
    for (auto& warned : s.run.NAWarned) warned = 0;
  s.run.OrdinalIterationCount = 0;
  p.IntervalConstant = 0.0f;
}

}  // namespace

bool StartRun(Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (r.RunState != kStopped) r.IterationCount = 0;
  int free = CountFreeObjects(s);
  if (s.prob.NObjects == 0 || free < 2) {
    SettleFewObjects(s, platform, free);
    r.LastRunEnd = RunEnd::kTooFewObjects;
    return false;
  }
  if (r.RunState == kStopped) {
    r.RunState = kRunning;
    platform.SetFocus(FocusTarget::cmdStart);
  } else if (r.RunState == kRunning) {
    RandomStart(s, platform);
  } else {
    return false;
  }
  r.SmallChangeCount = 0;
  ClearObjectiveWindow(r);
  r.LastRunEnd = RunEnd::kNone;
  r.NextDisplayTime = platform.SecondsSinceMidnight() + 0.4;
  r.StopRequested = false;
  r.ObjFnValue = 1e20f;
  return true;
}

}  // namespace quorel
