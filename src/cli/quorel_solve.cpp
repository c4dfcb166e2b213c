// quorel-solve: the solver without the window, on the same core.
#include <iostream>
#include <memory>
#include <stdexcept>

#include "cli/cli_csv.h"
#include "cli/cli_options.h"
#include "cli/cli_platform.h"
#include "cli/cli_run.h"
#include "model/scratch_folder.h"
#include "output/csv_export.h"
#include "output/solution_writer.h"
#include "prep/dissim_ranks.h"

namespace {

using namespace quorel;
using namespace quorel::cli;

// `options` by value: a .csv data file is replaced by the data file made
// from it.
int SolveAndReport(Options options) {
  std::string error;
  if (!CheckStartValues(options, error)) {
    std::cerr << "quorel-solve: " << error << "\n";
    return kExitUsage;
  }
  auto session = std::make_unique<Session>();
  Session& s = *session;
  StderrPlatform platform;
  PrepareSession(s);
  ScratchFolder scratch;
  if (!UseCsvDataFile(options, platform, scratch)) return kExitRefused;
  if (!LoadProblem(s, platform, options, error)) {
    if (error.empty()) return kExitRefused;
    std::cerr << "quorel-solve: " << error << "\n";
    return kExitUsage;
  }
  if (options.from_locations && !s.prob.LocationsGiven) {
    platform.ShowMessage("The data file gives no LOCATIONLIST to continue from.");
    return kExitUsage;
  }
  if (Evaluates(options, EvaluationKind::kAttributes) && s.prob.NAttributes == 0) {
    std::cerr << "quorel-solve: --evaluate attributes: the problem has no attributes\n";
    return kExitUsage;
  }
  ApplyMinkowskiOption(s, platform, options);
  ApplyMappingWeights(s, platform, options);
  if (InterruptRequested()) {
    std::cerr << "quorel-solve: interrupted before the solver began; nothing was written\n";
    return kExitInterruptedEarly;
  }
  SolveResult result = Solve(s, platform, options);
  bool written = !s.run.BestFoundWriteFailed;
  if (!options.long_file.empty()) written &= WriteSolution(s, platform, options.long_file, true);
  if (!options.short_file.empty()) written &= WriteSolution(s, platform, options.short_file, false);
  if (!options.csv_file.empty()) written &= ExportCoordinates(s, platform, options.csv_file);
  if (options.json) std::cout << JsonLine(s, result) << std::endl;
  // The links and objects measures judge ordinal maps by their rank bands,
  // which are built when first needed.
  if (!options.evaluations.empty()) EnsureRanks(s, platform);
  for (EvaluationKind kind : options.evaluations)
    std::cout << EvaluationJson(s, kind, options.details) << std::endl;
  if (!options.quiet && !options.json)
    std::cerr << "objective " << s.run.ObjFnValue << " after " << s.run.TotalSweeps << " sweeps in "
              << result.seconds << " s\n";
  if (!written) return kExitWriteFailed;
  return result.interrupted ? kExitInterrupted : kExitSolved;
}

}  // namespace

int main(int argc, char** argv) {
  // Before anything is read, so that an early Ctrl+C is answered as promised.
  InstallInterruptHandlers();
  Options options;
  std::string error;
  if (!ParseOptions(argc, argv, options, error)) {
    std::cerr << "quorel-solve: " << error << "\n\n" << UsageText();
    return kExitUsage;
  }
  if (options.help) {
    std::cout << UsageText();
    return kExitSolved;
  }
  // A fault of the program ends it with its name rather than an abort.
  try {
    return SolveAndReport(options);
  } catch (const std::exception& fault) {
    std::cerr << "quorel-solve: internal error: " << fault.what() << "\n";
  } catch (...) {
    std::cerr << "quorel-solve: internal error of an unknown kind\n";
  }
  return kExitInternalError;
}
