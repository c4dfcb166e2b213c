// The batch solver's steps: load the problem, apply the START settings of
// the command line, solve, write and report.
#pragma once

#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_platform.h"
#include "model/session.h"

namespace quorel::cli {

inline constexpr int kExitSolved = 0;
// A file asked for (--out, --short, or the best-found file of --runs) could
// not be written.
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRefused = 3;
// A fault of the program itself, reported by name.
inline constexpr int kExitInternalError = 4;
// Ctrl+C or SIGTERM before the solver began: nothing was solved or written.
inline constexpr int kExitInterruptedEarly = 5;
// Ctrl+C or SIGTERM: the run stops at its next yield, the files asked for are
// written and the JSON line printed; the exit status is then 130.
inline constexpr int kExitInterrupted = 130;

// Ctrl+C and SIGTERM handling, installed before anything is read.
void InstallInterruptHandlers();
bool InterruptRequested();

// A --set value that the data file reader would repair (its message is then
// the error) or that is no number is a usage error.
bool CheckStartValues(const Options& options, std::string& error);

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
  // What ended each run, in order: "relative", "classic", "max-sweeps",
  // "sweep-cap" or "interrupted".
  std::vector<std::string> run_ends;
};

// Runs the solver to its end as the options ask.
SolveResult Solve(Session& s, StderrPlatform& platform, const Options& options);

// {"objects": N, "objective": v, "badness": "Stress", "sweeps": n, "runs": n,
//  "best": v, "hits": n, "seconds": s, "ended_by": ["relative", ...]}
std::string JsonLine(const Session& s, const SolveResult& result);

}  // namespace quorel::cli
