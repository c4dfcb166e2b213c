#include "control/solver_host.h"

#include "output/save_commands.h"

namespace quorel {

SolverProgress HostAdvance(Session& s, Platform& platform) {
  const SolverProgress progress = SolverAdvance(s, platform);
  SaveBestFoundIfReached(s, platform);
  return progress;
}

void RunSolver(Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (r.LoopActive) {
    r.SolverEntryPending = true;
    return;
  }
  do {
    r.SolverEntryPending = false;
    if (SolverBegin(s, platform) == SolverProgress::kYielded)
      while (HostAdvance(s, platform) == SolverProgress::kYielded) platform.PumpEvents();
  } while (r.SolverEntryPending && RunHasBegun(r.RunState));
  r.SolverEntryPending = false;
}

void RequestSolverRun(Session& s, Platform& platform) {
  if (s.run.LoopActive || s.run.SolverHostDriven) {
    s.run.SolverEntryPending = true;
    return;
  }
  RunSolver(s, platform);
}

bool SolverPoll(Session& s, Platform& platform) {
  RunBook& r = s.run;
  if (r.LoopActive) {
    if (HostAdvance(s, platform) == SolverProgress::kYielded) return true;
  }
  if (r.SolverEntryPending) {
    r.SolverEntryPending = false;
    if (RunHasBegun(r.RunState)) return SolverBegin(s, platform) == SolverProgress::kYielded;
  }
  return r.LoopActive;
}

}  // namespace quorel
