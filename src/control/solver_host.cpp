#include "control/solver_host.h"

#include "output/save_commands.h"

namespace quorel {

SolverProgress HostAdvance(SolverLoop& loop, Session& s, Platform& platform) {
  const SolverProgress progress = loop.Advance(s, platform);
  SaveBestFoundIfReached(s, platform);
  return progress;
}

void RunSolver(SolverLoop& loop, Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (r.LoopActive) {
    r.SolverEntryPending = true;
    return;
  }
  do {
    r.SolverEntryPending = false;
    if (loop.Begin(s, platform) == SolverProgress::kYielded)
      while (HostAdvance(loop, s, platform) == SolverProgress::kYielded) platform.PumpEvents();
  } while (r.SolverEntryPending && RunHasBegun(r.RunState));
  r.SolverEntryPending = false;
}

void RunSolver(Session& s, Platform& platform) {
  SolverLoop loop;
  RunSolver(loop, s, platform);
}

void RequestSolverRun(Session& s, Platform& platform) {
  if (s.run.LoopActive || platform.HostsSolverLoop()) {
    s.run.SolverEntryPending = true;
    return;
  }
  RunSolver(s, platform);
}

bool SolverPoll(SolverLoop& loop, Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (r.LoopActive) {
    if (HostAdvance(loop, s, platform) == SolverProgress::kYielded) return true;
  }
  if (r.SolverEntryPending) {
    r.SolverEntryPending = false;
    if (RunHasBegun(r.RunState)) return loop.Begin(s, platform) == SolverProgress::kYielded;
  }
  return r.LoopActive;
}

}  // namespace quorel
