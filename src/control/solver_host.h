// The hosts of the resumable solver loop: the blocking driver of the batch
// solver and the tests, and the slice of a front end that drives the loop
// from its own event loop (Platform::HostsSolverLoop).  Between two yields
// the host does the file work the loop leaves to it: when a run of an
// automatic-repeat series reached the best value, the best-found file.
//
// Handlers that run the solver call RequestSolverRun: while a loop is active
// (or a front end hosts the loop) it only records the request, which the
// host honours when the active loop has returned; loops never nest.
#pragma once

#include "model/platform.h"
#include "model/session.h"
#include "solver/solver_loop.h"

namespace quorel {

// loop.Advance, then the best-found file when the run that just ended
// reached the best value of its series.
SolverProgress HostAdvance(SolverLoop& loop, Session& s, Platform& platform);

// Runs the solver to its end with `loop`, pumping events at every yield;
// entry requests made by handlers meanwhile are honoured after the loop
// returns.  Called while a loop is active it only records the request.
void RunSolver(SolverLoop& loop, Session& s, Platform& platform);
// The same with a loop of its own.
void RunSolver(Session& s, Platform& platform);

// What a handler that runs the solver calls.
void RequestSolverRun(Session& s, Platform& platform);

// One slice for a hosted loop: begins a requested loop or advances the
// active one.  Returns true while there is more to do.
bool SolverPoll(SolverLoop& loop, Session& s, Platform& platform);

}  // namespace quorel
