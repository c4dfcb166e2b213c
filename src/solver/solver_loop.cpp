#include "solver/solver_loop.h"

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

// Where SolverAdvance resumes.
constexpr int kPhaseSweep = 0;       // at the start of a sweep
constexpr int kPhaseAfterYield = 1;  // after the yield inside a sweep
constexpr int kPhaseNextRun = 2;     // after the yield between two runs

constexpr int kAutoRepeatSweepCap = 50000;

enum class Outcome { kContinue, kYield, kEnd };

SolverProgress EndLoop(Session& s) {
  s.run.LoopActive = false;
  s.run.LoopPhase = kPhaseSweep;
  return SolverProgress::kFinished;
}

bool ProblemReplaced(const Session& s) {
  return s.prob.ProblemGeneration != s.run.LoopProblemGeneration || s.prob.NObjects == 0 ||
         s.run.RunState == kNoProblem;
}

// The end of a run: the series bookkeeping and what follows.
Outcome EndRun(Session& s, Platform& platform) {
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
  r.LoopPhase = kPhaseNextRun;
  return Outcome::kYield;
}

// Steps 16 to 21 of a sweep, after its yield point.
Outcome FinishSweep(Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (!Recentre(s)) {
    // Every object was parked meanwhile.
    r.RunState = kStopped;
    r.LastRunEnd = RunEnd::kTooFewObjects;
    platform.LabelAllObjects();
    return Outcome::kEnd;
  }
  ExpandOrdinal(s);
  AdjustIntervalConstant(s, r.LoopIntervalDerivative);
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

// Steps 6 to 15: returns kYield at a yield point.
Outcome SweepHead(Session& s, Platform& platform) {
  RunBook& r = s.run;
  SweepSums sums = SweepObjects(s, platform);
  if (sums.problem_replaced) return Outcome::kEnd;
  r.ObjFnValue = ObjectiveValue(s, sums.raw_sum);
  r.LoopIntervalDerivative = sums.interval_derivative;
  ShowSweepLabels(s, platform.SecondsSinceMidnight());
  platform.RefreshCaptions();
  CountConvergence(s);
  if (r.SweepsPerYield > 0 && r.IterationCount % r.SweepsPerYield == 0) {
    r.LoopPhase = kPhaseAfterYield;
    return Outcome::kYield;
  }
  return Outcome::kContinue;
}

SolverProgress Drive(Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (r.LoopPhase != kPhaseSweep) {
    int resumed = r.LoopPhase;
    r.LoopPhase = kPhaseSweep;
    if (ProblemReplaced(s)) return EndLoop(s);
    if (r.StopRequested) {
      r.LastRunEnd = RunEnd::kStoppedByUser;
      ShowFinalLabels(s);
      platform.RefreshCaptions();
      return EndLoop(s);
    }
    // Start while running ends the run at this check and begins a new one in
    // this loop; it outranks any entry asked for after it (such as the
    // release of the same double click asking to continue the stopped run).
    if (r.RestartRequested) r.SolverEntryPending = false;
    // A handler asked for the solver to be run afresh (Start or Continue while
    // stopped): this loop gives way, and its driver enters the loop again.
    if (r.SolverEntryPending) return EndLoop(s);
    if (resumed == kPhaseNextRun && r.RunState != kRunning) {
      // Between two runs of a series the next run is a new random one in any
      // case.
      r.RunState = kRunning;
      r.RestartRequested = false;
    }
    Outcome next = resumed == kPhaseAfterYield
                       ? FinishSweep(s, platform)
                       : (StartRun(s, platform) ? Outcome::kContinue : Outcome::kEnd);
    if (next == Outcome::kEnd) return EndLoop(s);
    if (next == Outcome::kYield) return SolverProgress::kYielded;
  }
  for (;;) {
    Outcome head = SweepHead(s, platform);
    if (head == Outcome::kEnd) return EndLoop(s);
    if (head == Outcome::kYield) return SolverProgress::kYielded;
    Outcome tail = FinishSweep(s, platform);
    if (tail == Outcome::kEnd) return EndLoop(s);
    if (tail == Outcome::kYield) return SolverProgress::kYielded;
  }
}

}  // namespace

SolverProgress SolverBegin(Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (r.LoopActive) {
    r.SolverEntryPending = true;
    return SolverProgress::kYielded;
  }
  int n = s.prob.NObjects;
  r.SweepsPerYield = n < 16 ? 6 : RoundToInt(75.0 / n + 1.0);
  r.RestartRequested = false;
  if (r.RunState != kStopped) {
    r.BestObjFnValue = 1e20f;
    r.RunCount = 0;
  }
  if (!RunHasBegun(r.RunState)) return SolverProgress::kFinished;
  r.LoopProblemGeneration = s.prob.ProblemGeneration;
  r.LoopPhase = kPhaseSweep;
  if (!StartRun(s, platform)) return SolverProgress::kFinished;
  r.LoopActive = true;
  return SolverProgress::kYielded;
}

SolverProgress SolverAdvance(Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (r.LoopInAdvance) return SolverProgress::kYielded;
  if (!r.LoopActive) return SolverProgress::kFinished;
  r.LoopInAdvance = true;
  SolverProgress progress = Drive(s, platform);
  r.LoopInAdvance = false;
  return progress;
}

bool SolverActive(const Session& s) {
  return s.run.LoopActive;
}

void AbandonSolverLoop(Session& s) {
  RunBook& r = s.run;
  if (r.LoopActive || r.RunState == kRunning)
    r.RunState = s.prob.NObjects > 0 ? kStopped : kNoProblem;
  r.LoopActive = false;
  r.LoopInAdvance = false;
  r.LoopPhase = kPhaseSweep;
  r.SolverEntryPending = false;
  r.RestartRequested = false;
  r.StopRequested = false;
  r.BestFoundPending = false;
}

}  // namespace quorel
