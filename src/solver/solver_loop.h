// The solver loop as a resumable routine.  The solver runs on the interface
// thread; every SweepsPerYield sweeps it hands control back so that the
// interface can process events, and the handlers of those events act between
// sweeps.  Instead of pumping events from inside the loop, the loop returns
// at each yield and is resumed by its driver:
//
//   SolverBegin     the entry and the start of the first run
//   SolverAdvance   sweeps until the next yield or the end of the series
//   RunSolver       blocking driver for the batch solver and the tests: it
//                   pumps events at every yield
//   SolverPoll      one slice for a front end that drives the loop from its
//                   own event loop (s.run.SolverHostDriven)
//
// Handlers that run the solver call RequestSolverRun: while a loop is active
// (or the front end drives the loop) it only records the request, which the
// driver honours when the active loop has returned; loops never nest.
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

// Runs the solver to its end, pumping events at every yield; entry requests
// made by handlers meanwhile are honoured after the loop returns.  Called
// while a loop is active it only records the request.
void RunSolver(Session& s, Platform& platform);

// What a handler that runs the solver calls.
void RequestSolverRun(Session& s, Platform& platform);

// After a fault of the program escaped from inside the loop: the loop is
// given up and a run in progress counts as stopped, so the program can go on.
void AbandonSolverLoop(Session& s);

// One slice for a host-driven loop: begins a requested loop or advances the
// active one.  Returns true while there is more to do.
bool SolverPoll(Session& s, Platform& platform);

}  // namespace quorel
