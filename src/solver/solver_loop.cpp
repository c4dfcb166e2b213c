#include "solver/solver_loop.h"

#include <algorithm>
#include <cmath>

#include "model/map_layout.h"
#include "model/numeric.h"
#include "model/objective_labels.h"
#include "solver/objective.h"
#include "solver/solver_run_start.h"
#include "solver/solver_sweep.h"
#include "solver/solver_sweep_end.h"

namespace quorel {
namespace {

constexpr int kAutoRepeatSweepCap = 50000;

bool ProblemReplaced(const Session& s, long problem_generation) {
  return s.prob.ProblemGeneration != problem_generation || s.prob.NObjects == 0 ||
         s.run.RunState == kNoProblem;
}

// Small problems yield every few sweeps, large ones (long sweeps) at every
// sweep.
int SweepsPerYieldFor(int n_objects) {
  return n_objects < 16 ? 6 : RoundToInt(75.0 / n_objects + 1.0);
}

}  // namespace

SolverProgress SolverLoop::Begin(Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (r.LoopActive) {
    r.SolverEntryPending = true;
    return SolverProgress::kYielded;
  }
  sweeps_per_yield_ = fixed_sweeps_per_yield_.value_or(SweepsPerYieldFor(s.prob.NObjects));
  r.RestartRequested = false;
  if (r.RunState != kStopped) {
    r.BestObjFnValue = 1e20f;
    r.RunCount = 0;
  }
  if (!RunHasBegun(r.RunState)) return SolverProgress::kFinished;
  problem_generation_ = s.prob.ProblemGeneration;
  phase_ = Phase::kSweep;
  if (!StartRun(s, platform)) return SolverProgress::kFinished;
  r.LoopActive = true;
  return SolverProgress::kYielded;
}

SolverProgress SolverLoop::Advance(Session& s, Platform& platform) {
  if (in_advance_) return SolverProgress::kYielded;
  if (!s.run.LoopActive) return SolverProgress::kFinished;
  in_advance_ = true;
  SolverProgress progress = Drive(s, platform);
  in_advance_ = false;
  return progress;
}

void SolverLoop::Abandon(Session& s) {
  RunBook& r = s.run;
  if (r.LoopActive || r.RunState == kRunning)
    r.RunState = s.prob.NObjects > 0 ? kStopped : kNoProblem;
  r.LoopActive = false;
  in_advance_ = false;
  phase_ = Phase::kSweep;
  r.SolverEntryPending = false;
  r.RestartRequested = false;
  r.StopRequested = false;
  r.BestFoundPending = false;
}

void SolverLoop::SetSweepsPerYield(int sweeps) {
  fixed_sweeps_per_yield_ = std::max(1, sweeps);
}

SolverProgress SolverLoop::Drive(Session& s, Platform& platform) {
  if (phase_ != Phase::kSweep) {
    Outcome resumed = Resume(s, platform);
    if (resumed != Outcome::kContinue) return Settle(s, resumed);
  }
  for (;;) {
    Outcome head = SweepHead(s, platform);
    if (head != Outcome::kContinue) return Settle(s, head);
    Outcome tail = FinishSweep(s, platform);
    if (tail != Outcome::kContinue) return Settle(s, tail);
  }
}

// What the handlers did during the yield decides how the loop goes on.
SolverLoop::Outcome SolverLoop::Resume(Session& s, Platform& platform) {
  RunBook& r = s.run;
  const Phase resumed = phase_;
  phase_ = Phase::kSweep;
  if (ProblemReplaced(s, problem_generation_)) return Outcome::kEnd;
  if (r.StopRequested) {
    r.LastRunEnd = RunEnd::kStoppedByUser;
    ShowFinalLabels(s);
    platform.RefreshCaptions();
    return Outcome::kEnd;
  }
  // Start while running ends the run at this check and begins a new one in
  // this loop; it outranks any entry asked for after it (such as the
  // release of the same double click asking to continue the stopped run).
  if (r.RestartRequested) r.SolverEntryPending = false;
  // A handler asked for the solver to be run afresh (Start or Continue while
  // stopped): this loop gives way, and its host enters the loop again.
  if (r.SolverEntryPending) return Outcome::kEnd;
  if (resumed == Phase::kAfterYield) return FinishSweep(s, platform);
  if (r.RunState != kRunning) {
    // Between two runs of a series the next run is a new random one in any
    // case.
    r.RunState = kRunning;
    r.RestartRequested = false;
  }
  return StartRun(s, platform) ? Outcome::kContinue : Outcome::kEnd;
}

// Steps 6 to 15 of a sweep, up to its yield point.
SolverLoop::Outcome SolverLoop::SweepHead(Session& s, Platform& platform) {
  RunBook& r = s.run;
  SweepSums sums = SweepObjects(s, platform);
  if (sums.problem_replaced) return Outcome::kEnd;
  r.ObjFnValue = ObjectiveValue(s, sums.raw_sum);
  interval_derivative_ = sums.interval_derivative;
  ShowSweepLabels(s, platform.SecondsSinceMidnight());
  platform.RefreshCaptions();
  CountConvergence(s);
  return r.IterationCount % sweeps_per_yield_ == 0 ? Outcome::kYieldInSweep : Outcome::kContinue;
}

// Steps 16 to 21 of a sweep, after its yield point.
SolverLoop::Outcome SolverLoop::FinishSweep(Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (!Recentre(s)) {
    // Every object was parked meanwhile.
    r.RunState = kStopped;
    r.LastRunEnd = RunEnd::kTooFewObjects;
    platform.LabelAllObjects();
    return Outcome::kEnd;
  }
  ExpandOrdinal(s);
  AdjustIntervalConstant(s, interval_derivative_);
  if (ShowIntervalConstant(s)) platform.RefreshCaptions();
  if (s.set.AutoRepeat && r.IterationCount > kAutoRepeatSweepCap) {
    r.SmallChangeCount = r.ConvergeCountLimit;
    r.LastRunEnd = RunEnd::kSweepCap;
  } else if (r.SmallChangeCount >= r.ConvergeCountLimit) {
    r.LastRunEnd = RunEnd::kConverged;
  } else if (r.RelativeChangeMet) {
    r.LastRunEnd = RunEnd::kRelativeChange;
  } else if (r.RunState == kRunning) {
    return Outcome::kContinue;
  }
  return EndRun(s, platform);
}

// The end of a run: the series bookkeeping and what follows.
SolverLoop::Outcome SolverLoop::EndRun(Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (r.RunState != kRunning) r.LastRunEnd = RunEnd::kStoppedByUser;
  ++r.RunCount;
  if (r.RestartRequested) {
    r.LastRunEnd = RunEnd::kRestart;
    r.RestartRequested = false;
    r.RunState = kRunning;
    platform.SetFocus(FocusTarget::cmdStart);
    return StartRun(s, platform) ? Outcome::kContinue : Outcome::kEnd;
  }
  r.RunState = kStopped;
  ShowFinalLabels(s);
  platform.RefreshCaptions();
  if (!s.set.AutoRepeat) {
    if (!r.SkipFinalRedraw) platform.LabelAllObjects();
    r.SkipFinalRedraw = false;
    return Outcome::kEnd;
  }
  int level = s.set.PrecisionLevelNum;
  r.BestTolerance = level == 0 ? 0.0005f : (level == 2 ? 5e-6f : 5e-5f);
  if (r.ObjFnValue < r.BestObjFnValue + r.BestTolerance) {
    // A clearly better value: by at least BestTolerance + 1e-5, the sum taken
    // exactly.
    if (std::fabs(r.BestObjFnValue - r.ObjFnValue) >= static_cast<double>(r.BestTolerance) + 1e-5)
      r.BestHitCount = 1;
    else
      ++r.BestHitCount;
    if (r.ObjFnValue < r.BestObjFnValue) r.BestObjFnValue = r.ObjFnValue;
    // The loop's host writes the best-found file before the next run begins.
    r.BestFoundPending = true;
  }
  r.RunState = kRunning;
  platform.SetFocus(FocusTarget::cmdStart);
  // The interface gets its events between two runs of a series as well.
  return Outcome::kYieldBetweenRuns;
}

// Where the loop stops: at a yield, remembering where to resume, or at its
// end.
SolverProgress SolverLoop::Settle(Session& s, Outcome outcome) {
  switch (outcome) {
    case Outcome::kYieldInSweep:
      phase_ = Phase::kAfterYield;
      return SolverProgress::kYielded;
    case Outcome::kYieldBetweenRuns:
      phase_ = Phase::kBetweenRuns;
      return SolverProgress::kYielded;
    case Outcome::kContinue:
    case Outcome::kEnd:
      break;
  }
  s.run.LoopActive = false;
  phase_ = Phase::kSweep;
  return SolverProgress::kFinished;
}

}  // namespace quorel
