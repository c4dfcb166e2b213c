// The solver loop as a resumable routine.  The solver runs on the interface
// thread; every SweepsPerYield sweeps it hands control back so that the
// interface can process events, and the handlers of those events act between
// sweeps.  Instead of pumping events from inside the loop, the loop returns
// at each yield and is resumed by its driver:
//
//   SolverBegin     the entry and the start of the first run
//   SolverAdvance   sweeps until the next yield or the end of the series
//
// The hosts that drive the loop (control/solver_host.h) do what the loop
// leaves to them between yields, such as writing the best-found file.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

enum class SolverProgress { kYielded, kFinished };

// Entry with RunState 2 (a new run from a random configuration) or 3
// (continue from the current positions).  Returns kYielded when a loop is now
// active and must be advanced, kFinished when there was nothing to run.
SolverProgress SolverBegin(Session& s, Platform& platform);

// Sweeps until the next yield (kYielded) or until the loop ends (kFinished).
// Called while already inside SolverAdvance it returns kYielded at once.
SolverProgress SolverAdvance(Session& s, Platform& platform);

bool SolverActive(const Session& s);

// After a fault of the program escaped from inside the loop: the loop is
// given up and a run in progress counts as stopped, so the program can go on.
void AbandonSolverLoop(Session& s);

}  // namespace quorel
