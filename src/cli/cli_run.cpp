#include "cli/cli_run.h"

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "cases/special_cases.h"
#include "control/objective_choice.h"
#include "control/solver_host.h"
#include "input/data_file_reader.h"
#include "input/line_tokenizer.h"
#include "input/start_settings.h"
#include "model/captions.h"
#include "model/defaults_file.h"
#include "model/map_layout.h"
#include "model/safe_write.h"
#include "output/json_text.h"
#include "prep/derived_data.h"
#include "prep/mapping_weights_choice.h"
#include "solver/convergence.h"

namespace quorel::cli {
namespace {

volatile std::sig_atomic_t interrupt_requested = 0;

// The first Ctrl+C (or SIGTERM) asks the run to stop at its next yield, so
// that the files and the summary still come; a second one ends the program
// at once, leaving no temporary file of a write in progress behind.
void OnInterrupt(int) {
  if (interrupt_requested) {
    RemovePendingTemporaryFile();
    std::_Exit(kExitInterrupted);
  }
  interrupt_requested = 1;
}

// The value after "=" begins with a finite number; the truth value of
// STARTNormalizeAttribs is the one value that is a word.
bool ValueIsNumber(const std::string& line) {
  if (KeywordOf(line) == "STARTNORMALIZEATTRIBS") return true;
  const char* text = line.c_str() + line.find('=') + 1;
  char* end = nullptr;
  double value = std::strtod(text, &end);
  return end != text && std::isfinite(value);
}

// What START lines given for a built-in problem changed, and so what is
// computed again after them: the attribute function the dissimilarities,
// the precision level the working dissimilarities with their ranks and
// bounds, and each of these and the badness function the normaliser.  The
// other settings feed no derived data, and mapping weights are left as they
// are, as a START line of a data file leaves them.
struct Refresh {
  bool attributes = false, precision = false, normaliser = false;

  void Add(const std::string& keyword) {
    if (keyword == "STARTATTRIBUTEFUNCTIONNUM" || keyword == "STARTNORMALIZEATTRIBS" ||
        keyword == "STARTATTRIBUTEDATATYPENUM")
      attributes = true;
    precision |= attributes || keyword == "STARTDEGRADENUM";
    normaliser |= precision || keyword == "STARTBADNESSFUNCTIONNUM";
  }
};

void RefreshAfterSettings(Session& s, StderrPlatform& platform, const Refresh& what) {
  // Attributes in use only: "(not in use)" would read the file's proximities
  // again, which the problem already holds.
  const bool from_attributes = what.attributes && s.prob.AttributesGiven &&
                               s.set.AttributeFunctionNum >= 0 &&
                               s.set.AttributeFunctionNum != MaxAttributeFunctionNum;
  if (from_attributes)
    RefreshDerivedData(s, platform, DataChange::kAttributes);
  else if (what.precision)
    RefreshDerivedData(s, platform, DataChange::kPrecision);
  else if (what.normaliser)
    RefreshDerivedData(s, platform, DataChange::kBadnessFunction);
  ApplyCaptionRules(s);
}

const char* RunEndName(RunEnd end) {
  switch (end) {
    case RunEnd::kConverged:
      return "classic";
    case RunEnd::kRelativeChange:
      return "relative";
    case RunEnd::kSweepCap:
      return "sweep-cap";
    case RunEnd::kRestart:
      return "restart";
    case RunEnd::kTooFewObjects:
      return "too-few-objects";
    case RunEnd::kStoppedByUser:
      return "interrupted";
    case RunEnd::kNone:
      break;
  }
  return "stopped";
}

// Adds what ended each run finished since the last call.  A run the sweep
// limit cut short ended through the small-change count the limit set.
void NoteRunEnds(const Session& s, const Options& o, SolveResult& result) {
  const RunBook& r = s.run;
  while (static_cast<int>(result.run_ends.size()) < r.RunCount) {
    const bool cut =
        o.max_sweeps > 0 && r.LastRunEnd == RunEnd::kConverged && r.IterationCount >= o.max_sweeps;
    result.run_ends.emplace_back(cut ? "max-sweeps" : RunEndName(r.LastRunEnd));
  }
}

}  // namespace

void InstallInterruptHandlers() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  // A caller may have left them blocked; one already pending arrives now.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  sigprocmask(SIG_UNBLOCK, &signals, nullptr);
}

bool InterruptRequested() {
  return interrupt_requested != 0;
}

bool CheckStartValues(const Options& o, std::string& error) {
  if (o.start_lines.empty()) return true;
  // Each value as a data file's START line would take it, on a session of
  // its own: a value the reader would repair is refused, so that a script
  // never solves a silently different problem.
  auto scratch = std::make_unique<Session>();
  StderrPlatform quiet;
  for (const std::string& line : o.start_lines) {
    std::vector<std::string> repairs;
    quiet.captured = &repairs;
    ApplyStartSetting(*scratch, quiet, KeywordOf(line), line);
    if (!repairs.empty()) {
      error = "--set " + line + ": " + repairs.front();
      return false;
    }
    if (!ValueIsNumber(line)) {
      error = "--set " + line + ": the value is not a number";
      return false;
    }
  }
  return true;
}

void PrepareSession(Session& s) {
  AssignBuiltInDefaults(s);
  SetEuclideanNames(s.set.AttributeFunctionName, s.set.NormalizeAttribs);
  s.set.MarkedRimWidth = s.set.RimWidth + 3;
  LayOutMap(s, DefaultWindowMetrics());
}

bool LoadProblem(Session& s, StderrPlatform& platform, const Options& o, std::string& error) {
  std::string rejected;
  bool loaded = false;
  if (o.special_case >= 0) {
    s.set.SpecialCaseNum = o.special_case;
    GenerateSpecialCase(s, platform);
    loaded = s.prob.NObjects > 0;
    if (loaded && !o.start_lines.empty()) {
      rejected = ApplyGivenStartLines(s, platform, o.start_lines);
      Refresh what;
      for (const std::string& line : o.start_lines) what.Add(KeywordOf(TrimBlanks(line)));
      RefreshAfterSettings(s, platform, what);
    }
  } else {
    s.set.DataFileName = o.data_file;
    loaded = ReadDataFile(s, platform, o.start_lines, rejected) == ReadOutcome::kRead;
  }
  if (!loaded) {
    s.run.RunState = kNoProblem;
    return false;
  }
  if (!rejected.empty()) {
    error = "--set " + rejected + ": not a START setting of a data file";
    return false;
  }
  s.run.RunState = kLoadedIdle;
  CreateCircles(s);
  FirstPlacement(s, platform);
  ApplyCaptionRules(s);
  return true;
}

void ApplyMappingWeights(Session& s, StderrPlatform& platform, const Options& o) {
  if (!o.mapping_weights) return;
  const MappingWeightsRequest& request = *o.mapping_weights;
  MappingWeightsChoice choice = LoadMappingWeightsChoice(s);
  choice.complementary = request.inverse;
  if (request.adjustable_m) choice.adjustable_m = *request.adjustable_m;
  ChooseMappingWtFunction(s.set, choice, request.function);
  ApplyMappingWeightsChoice(s, platform, choice);
}

void ApplyMinkowskiOption(Session& s, StderrPlatform& platform, const Options& o) {
  if (!o.minkowski) return;
  ApplyObjectiveChoice(s, platform,
                       {s.set.BadnessFunctionNum, MaxDistanceFunctionNum, *o.minkowski});
}

SolveResult Solve(Session& s, StderrPlatform& platform, const Options& o) {
  RunBook& r = s.run;
  s.set.PrecisionLevelNum = o.precision_level;
  s.set.StepSizeNum = o.step_size;
  s.set.AutoStop = true;
  s.set.AutoRepeat = o.runs > 1;
  SetConvergenceLimits(s);
  r.StopRuleInForce = o.classic_stop_rule ? StopRule::kSmallChanges : StopRule::kRelativeChange;
  if (o.seed) s.rnd.Reset(*o.seed);
  // Continue from the given positions, or start from a random configuration.
  r.RunState = o.from_locations ? kStopped : kRunning;
  r.IterationCount = 0;
  r.TotalSweeps = 0;

  ProgressLine progress(!o.quiet);
  SolveResult result;
  r.BestFoundWriteFailed = false;
  platform.on_yield = [&] {
    progress.Update(r.IterationCount, r.ObjFnValue);
    NoteRunEnds(s, o, result);
    if (interrupt_requested) {
      result.interrupted = true;
      r.RunState = kStopped;
      r.StopRequested = true;
      return;
    }
    // A run that reached the sweep limit ends as if it had converged.
    if (o.max_sweeps > 0 && r.IterationCount >= o.max_sweeps)
      r.SmallChangeCount = r.ConvergeCountLimit;
    // The series ends after the runs asked for, at the yield that follows the
    // end of the last run.
    if (s.set.AutoRepeat && r.RunCount >= o.runs) {
      r.RunState = kStopped;
      r.StopRequested = true;
    }
  };
  auto start = std::chrono::steady_clock::now();
  SolverLoop loop;
  // Every sweep is a yield, so that the limits above act on the sweep.
  loop.SetSweepsPerYield(1);
  if (loop.Begin(s, platform) == SolverProgress::kYielded) {
    while (HostAdvance(loop, s, platform) == SolverProgress::kYielded) platform.PumpEvents();
  }
  progress.Finish();
  NoteRunEnds(s, o, result);
  // A run cut short by the interrupt is named once, whether or not it
  // reached the end of its run.
  if (result.interrupted && (result.run_ends.empty() || result.run_ends.back() != "interrupted"))
    result.run_ends.emplace_back("interrupted");
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return result;
}

std::string JsonLine(const Session& s, const SolveResult& result) {
  const RunBook& r = s.run;
  bool series = s.set.AutoRepeat;
  std::string ends;
  for (const std::string& end : result.run_ends)
    ends += (ends.empty() ? "\"" : ", \"") + end + "\"";
  int badness = s.set.BadnessFunctionNum;
  std::string name = badness >= 0 && badness < static_cast<int>(BadnessFunctionName.size())
                         ? BadnessFunctionName[badness]
                         : "";
  return "{\"objects\": " + std::to_string(s.prob.NObjects) +
         ", \"objective\": " + JsonNumber(r.ObjFnValue) + ", \"badness\": \"" + name +
         "\", \"sweeps\": " + std::to_string(r.TotalSweeps) +
         ", \"runs\": " + std::to_string(r.RunCount) +
         ", \"best\": " + JsonNumber(series ? r.BestObjFnValue : r.ObjFnValue) +
         ", \"hits\": " + std::to_string(series ? r.BestHitCount : 1) +
         ", \"seconds\": " + JsonNumber(result.seconds) + ", \"ended_by\": [" + ends + "]}";
}

}  // namespace quorel::cli
