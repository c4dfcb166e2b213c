#include "control/run_control.h"

#include <cmath>
#include <cstdint>

#include "control/solver_host.h"
#include "model/numeric.h"
#include "solver/convergence.h"

namespace quorel {
namespace {

// One axis of a jiggled centre: a value beyond the square of the boundary is
// reflected back inside; one that is still outside (the object was outside to
// begin with) is put on the edge.
int ReflectIntoSquare(int v, int centre, int r) {
  if (v >= centre + r)
    v = 2 * (centre + r) - v;
  else if (v <= centre - r)
    v = 2 * (centre - r) - v;
  if (v > centre + r) v = centre + r;
  if (v < centre - r) v = centre - r;
  return v;
}

void JiggleObject(Session& s, Platform& platform, int i, int magnitude) {
  MapGeometry& g = s.map;
  Problem& p = s.prob;
  int half = s.set.CircleHalfDiameter;
  int x = g.CircleLeft[i] + half + RoundToInt((1.0f - 2.0f * s.Rnd()) * magnitude);
  int y = g.CircleTop[i] + half + RoundToInt((1.0f - 2.0f * s.Rnd()) * magnitude);
  int r = g.BoundaryRadiusPx;
  x = ReflectIntoSquare(x, g.MapCentreX, r);
  y = ReflectIntoSquare(y, g.MapCentreY, r);
  std::int64_t dx = x - g.MapCentreX, dy = y - g.MapCentreY;
  std::int64_t r_sq = g.BoundaryRadiusPxSq;
  if (dx * dx + dy * dy > r_sq) {
    std::int64_t t = r_sq - dx * dx + 1;
    y = t > 0 ? RoundToInt(Sgn(static_cast<double>(dy)) * std::sqrt(static_cast<double>(t)) +
                           g.MapCentreY)
              : g.MapCentreY;
  }
  g.CircleLeft[i] = x - half;
  g.CircleTop[i] = y - half;
  platform.ObjectMoved(i);
  p.LocDim[1][i] = static_cast<float>(x - g.MapCentreX) * g.MapScale;
  p.LocDim[2][i] = static_cast<float>(g.MapCentreY - y) * g.MapScale;
  if (s.set.DimensionsNum > 2 && r > 0) {
    p.LocDim[3][i] += magnitude * 0.2f * s.Rnd() / static_cast<float>(r);
    p.LocDim[4][i] += magnitude * 0.2f * s.Rnd() / static_cast<float>(r);
  }
}

}  // namespace

void cmdStart_Click(Session& s, Platform& platform) {
  RunBook& r = s.run;
  platform.ClearMapCanvas();
  switch (r.RunState) {
    case kNoProblem:
      platform.ShowMessage(kNoProblemToSolveMessage);
      break;
    case kLoadedIdle:
      r.RunState = kRunning;
      platform.SetFocus(FocusTarget::cmdStart);
      r.IterationCount = 0;
      RequestSolverRun(s, platform);
      break;
    case kRunning:
      r.IterationCount = 0;
      r.RunState = kStopped;
      platform.SetFocus(FocusTarget::cmdStop);
      r.RestartRequested = true;
      break;
    case kStopped:
      r.IterationCount = 0;
      r.RunState = kRunning;
      platform.SetFocus(FocusTarget::cmdStart);
      RequestSolverRun(s, platform);
      break;
    default:
      break;
  }
}

void cmdStop_Click(Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (r.RunState == kRunning) {
    r.RunState = kStopped;
    r.StopRequested = true;
    platform.SetFocus(FocusTarget::cmdStop);
  }
  platform.LabelAllObjects();
}

void cmdContinue_Click(Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (r.RunState == kLoadedIdle) {
    s.captions.lblInitialPositionsMsg.clear();
    platform.ClearMapCanvas();
    r.RunState = kStopped;
    RequestSolverRun(s, platform);
    platform.SetFocus(FocusTarget::cmdStop);
  } else if (r.RunState == kStopped) {
    platform.ClearMapCanvas();
    RequestSolverRun(s, platform);
    platform.SetFocus(FocusTarget::cmdStop);
  }
}

void cmdJiggle_Click(Session& s, Platform& platform) {
  if (!ProblemIsLoaded(s.run.RunState)) return;
  const Interaction& keys = s.ui;
  double share = keys.RotateBackward ? 0.075 : (keys.CtrlDown ? 0.1 : (keys.AltDown ? 0.2 : 0.05));
  int magnitude = RoundToInt(s.map.BoundaryRadiusPx * share);
  for (int i = 1; i <= s.prob.NObjects; ++i)
    if (!ObjectHeld(s, i) && !s.prob.ObjParked[i]) JiggleObject(s, platform, i, magnitude);
  if (s.run.RunState == kLoadedIdle || s.run.RunState == kStopped) {
    platform.LabelAllObjects();
    platform.SetFocus(FocusTarget::cmdStop);
  }
}

void chkAutoRepeat_Click(Session& s, Platform& platform, bool checked) {
  s.set.AutoRepeat = checked;
  s.captions.lblBestObjFnValue.clear();
  platform.RefreshCaptions();
}

void chkAutoStop_Click(Session& s, Platform& platform, bool checked) {
  s.set.AutoStop = checked;
  SetConvergenceLimits(s);
  platform.RefreshCaptions();
}

void Timer1_Timer(Session& s, Platform& platform) {
  if (s.run.RunState != kRunning) platform.LabelAllObjects();
}

void ApplyConvergenceOptions(Session& s, int precision_level, int step_size) {
  int old_level = s.set.PrecisionLevelNum;
  s.set.PrecisionLevelNum = precision_level;
  s.set.StepSizeNum = step_size;
  SetConvergenceLimits(s);
  if (precision_level != old_level) ResetSeries(s);
}

bool EmptyMapMouseDown(Session& s, Platform& platform) {
  if (s.run.RunState == kLoadedIdle) platform.LabelAllObjects();
  if (s.run.RunState != kRunning) return false;
  s.run.RunState = kStopped;
  platform.SetFocus(FocusTarget::cmdStop);
  return true;
}

void EmptyMapMouseUp(Session& s, Platform& platform) {
  if (s.run.RunState != kStopped) return;
  platform.SetFocus(FocusTarget::cmdStop);
  platform.ClearMapCanvas();
  RequestSolverRun(s, platform);
}

}  // namespace quorel
