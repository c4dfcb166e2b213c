#include "control/run_status.h"

#include <cmath>

#include "solver/convergence.h"

namespace quorel {
namespace {

// "1e-5" for 1e-5f: the relative limits are powers of ten.
std::string PowerOfTenText(float value) {
  return "1e" + std::to_string(static_cast<int>(std::lround(std::log10(value))));
}

std::string StateText(const Session& s) {
  const RunBook& r = s.run;
  switch (r.RunState) {
    case kNoProblem:
      return "No problem loaded";
    case kLoadedIdle:
      return "Ready to start";
    case kRunning:
      return s.set.AutoRepeat ? "Running (Auto Repeat, run " + std::to_string(r.RunCount + 1) + ")"
                              : "Running";
    default:
      break;
  }
  switch (r.LastRunEnd) {
    case RunEnd::kConverged:
      return "Converged: " + std::to_string(r.ConvergeCountLimit) + " sweeps of small change";
    case RunEnd::kRelativeChange:
      return "Converged: the objective stayed within " +
             PowerOfTenText(RelativeChangeLimit(s.set.PrecisionLevelNum)) + " of its value for " +
             std::to_string(ObjectiveWindow::kSweeps) + " sweeps";
    case RunEnd::kSweepCap:
      return "Stopped at the Auto Repeat limit of sweeps per run";
    case RunEnd::kTooFewObjects:
      return "Stopped: fewer than two free objects to place";
    case RunEnd::kStoppedByUser:
    case RunEnd::kRestart:
    case RunEnd::kNone:
      break;
  }
  return "Stopped by the user";
}

std::string ProblemText(const Session& s) {
  const Problem& p = s.prob;
  if (p.NObjects <= 0) return "";
  std::string text = p.SpecialCaseActive ? "Special case " + std::to_string(s.set.SpecialCaseNum)
                                         : "Data file " + s.set.DataFileName;
  if (!p.Title.empty()) text += ": " + p.Title;
  return text + " (" + std::to_string(p.NObjects) + " objects)";
}

}  // namespace

RunStatus DescribeRun(const Session& s) {
  RunStatus status;
  status.state = StateText(s);
  const bool solved = RunHasBegun(s.run.RunState);
  if (solved) status.sweeps = "Sweep " + std::to_string(s.run.IterationCount);
  status.problem = ProblemText(s);
  return status;
}

std::string SavedFileNote(const std::string& path) {
  return "Saved " + path;
}

}  // namespace quorel
