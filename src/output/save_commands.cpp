#include "output/save_commands.h"

#include "output/solution_writer.h"

namespace quorel {
namespace {

SaveOutcome Write(Session& s, Platform& platform, const std::string& name, bool long_format) {
  return WriteSolution(s, platform, name, long_format) ? SaveOutcome::kWritten
                                                       : SaveOutcome::kFailed;
}

}  // namespace

bool CheckSolutionToSave(Session& s, Platform& platform) {
  if (s.run.RunState != kNoProblem) return true;
  platform.ShowMessage(kNothingToSaveMessage);
  return false;
}

SaveOutcome SaveSolutionCommand(Session& s, Platform& platform, bool long_format) {
  if (!CheckSolutionToSave(s, platform)) return SaveOutcome::kRefused;
  const std::string& name = long_format ? s.set.SolnLongFileName : s.set.SolnShortFileName;
  if (name.empty()) return SaveOutcome::kNeedsFileName;
  return Write(s, platform, name, long_format);
}

SaveOutcome SaveSolutionAsCommand(Session& s, Platform& platform, const std::string& chosen_name) {
  if (!CheckSolutionToSave(s, platform)) return SaveOutcome::kRefused;
  if (chosen_name.empty()) return SaveOutcome::kNeedsFileName;
  s.set.SolnLongFileName = chosen_name;
  return Write(s, platform, chosen_name, true);
}

void SaveBestFoundIfReached(Session& s, Platform& platform) {
  if (!s.run.BestFoundPending) return;
  s.run.BestFoundPending = false;
  if (!WriteSolution(s, platform, s.set.SolnBestFileName, true)) s.run.BestFoundWriteFailed = true;
}

}  // namespace quorel
