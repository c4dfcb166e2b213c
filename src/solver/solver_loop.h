// The solver loop as a resumable routine.  The solver runs on the interface
// thread; every SweepsPerYield sweeps it hands control back so that the
// interface can process events, and the handlers of those events act between
// sweeps.  Instead of pumping events from inside the loop, the loop returns
// at each yield and is resumed by its host:
//
//   Begin     the entry and the start of the first run
//   Advance   sweeps until the next yield or the end of the series
//
// The loop keeps where it will resume to itself; handlers see only what the
// session shows them (RunState, StopRequested, RestartRequested, LoopActive,
// SolverEntryPending).  The hosts that drive the loop (control/solver_host.h)
// do what the loop leaves to them between yields, such as writing the
// best-found file.
#pragma once

#include <optional>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

enum class SolverProgress { kYielded, kFinished };

class SolverLoop {
 public:
  // Entry with RunState 2 (a new run from a random configuration) or 3
  // (continue from the current positions).  Returns kYielded when a loop is
  // now active and must be advanced, kFinished when there was nothing to run.
  // While another loop is active it only records the request.
  SolverProgress Begin(Session& s, Platform& platform);

  // Sweeps until the next yield (kYielded) or until the loop ends (kFinished).
  // Called while already inside Advance it returns kYielded at once.
  SolverProgress Advance(Session& s, Platform& platform);

  // After a fault of the program escaped from inside the loop, or when its
  // host goes away: the loop is given up and a run in progress counts as
  // stopped, so the program can go on.
  void Abandon(Session& s);

  // A yield every `sweeps` sweeps (at least 1) from the next Begin on,
  // whatever the size of the problem.
  void SetSweepsPerYield(int sweeps);
  int SweepsPerYield() const { return sweeps_per_yield_; }

  // The loop yielded between two runs of an automatic-repeat series.
  bool BetweenRuns() const { return phase_ == Phase::kBetweenRuns; }
  // Advance is on the stack (a message box shown by the solver runs its own
  // event loop, from where the loop must not be advanced again).
  bool InAdvance() const { return in_advance_; }

 private:
  // Where Advance resumes: at the start of a sweep, after the yield inside a
  // sweep, or after the yield between two runs.
  enum class Phase { kSweep, kAfterYield, kBetweenRuns };
  // How a step of the loop left off.
  enum class Outcome { kContinue, kYieldInSweep, kYieldBetweenRuns, kEnd };

  SolverProgress Drive(Session& s, Platform& platform);
  Outcome Resume(Session& s, Platform& platform);
  Outcome SweepHead(Session& s, Platform& platform);
  Outcome FinishSweep(Session& s, Platform& platform);
  Outcome EndRun(Session& s, Platform& platform);
  SolverProgress Settle(Session& s, Outcome outcome);

  Phase phase_ = Phase::kSweep;
  bool in_advance_ = false;
  float interval_derivative_ = 0.0f;  // of the sweep that yielded
  long problem_generation_ = 0;       // of the problem the loop began on
  int sweeps_per_yield_ = 6;
  std::optional<int> fixed_sweeps_per_yield_;
};

}  // namespace quorel
