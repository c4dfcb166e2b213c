// The batch solver's steps: load the problem, apply the START settings of
// the command line, solve, write and report.
#pragma once

#include <string>

#include "cli/cli_options.h"
#include "cli/cli_platform.h"
#include "model/session.h"

namespace quorel::cli {

inline constexpr int kExitSolved = 0;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRefused = 3;
// Ctrl+C: the run stops at its next yield, the files asked for are written
// and the JSON line printed; the exit status is then 130.
inline constexpr int kExitInterrupted = 130;

// Built-in settings and the default map layout.
void PrepareSession(Session& s);

// Reads the data file, with the --set lines read as if they stood at its
// end, or generates the special case and applies the --set lines to it.
// False when the problem was refused (the message was shown) or a --set line
// is not a START setting (`error` says which).
bool LoadProblem(Session& s, StderrPlatform& platform, const Options& options, std::string& error);

// --mapping-weights: the function chosen and applied as the Mapping Weights
// dialog's OK applies it (the weights computed, a new series).
void ApplyMappingWeights(Session& s, StderrPlatform& platform, const Options& options);

// --minkowski: the Minkowski distance with the exponent given, as the
// Objective Functions dialog's OK applies it.
void ApplyMinkowskiOption(Session& s, StderrPlatform& platform, const Options& options);

struct SolveResult {
  double seconds = 0;
  bool interrupted = false;
};

// Runs the solver to its end as the options ask.
SolveResult Solve(Session& s, StderrPlatform& platform, const Options& options);

// {"objects": N, "objective": v, "badness": "Stress", "sweeps": n, "runs": n,
//  "best": v, "hits": n, "seconds": s}
std::string JsonLine(const Session& s, const SolveResult& result);

}  // namespace quorel::cli
