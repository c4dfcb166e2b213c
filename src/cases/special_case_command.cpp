#include "cases/special_case_command.h"

#include <filesystem>
#include <system_error>

#include "cases/special_cases.h"
#include "input/data_file_reader.h"
#include "model/captions.h"
#include "model/numeric.h"
#include "model/settings.h"

namespace quorel {
namespace {

constexpr const char* kSpecialCasePrefix = "SpecialCase";

bool FileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

void SettleRunState(Session& s) {
  s.run.RunState = s.prob.NObjects > 0 ? kLoadedIdle : kNoProblem;
}

}  // namespace

void RunSpecialCaseCommand(Session& s, Platform& platform) {
  s.prob.SpecialCaseActive = true;
  GenerateSpecialCase(s, platform);
  if (s.prob.NObjects > 0) s.run.RunState = kLoadedIdle;
  s.run.StopRequested = true;
  s.set.StartupProblem = kSpecialCasePrefix + std::to_string(s.set.SpecialCaseNum);
  ApplyCaptionRules(s);
  platform.RefreshCaptions();
}

bool IsSpecialCaseStartup(const std::string& startup_problem) {
  return startup_problem.rfind(kSpecialCasePrefix, 0) == 0;
}

void LoadStartupProblem(Session& s, Platform& platform) {
  const std::string& startup = s.set.StartupProblem;
  if (IsSpecialCaseStartup(startup)) {
    int number = RoundToInt(Val(startup.substr(11)));
    if (number >= 0 && number <= MaxSpecialCaseNum) {
      s.prob.SpecialCaseActive = true;
      s.set.SpecialCaseNum = number;
      GenerateSpecialCase(s, platform);
    }
  } else if (FileExists(startup)) {
    s.prob.SpecialCaseActive = false;
    s.set.DataFileName = startup;
    ReadDataFile(s, platform);
  }
  SettleRunState(s);
  ApplyCaptionRules(s);
  platform.RefreshCaptions();
}

}  // namespace quorel
