#include "output/save_commands.h"

#include <filesystem>
#include <system_error>

#include "output/solution_writer.h"

namespace quorel {
namespace {

constexpr const char* kTwoLineBreaks = "\r\n\r\n";
constexpr const char* kActiveDirectoryAdvice =
    " is confused about the active directory.  Fix this by saving a file (any solution file) "
    "using File/Save Solution As ... (Long Format) to explicitly choose your active directory.  "
    "  ";

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

const std::string& ViewerFileName(const Session& s, SolutionViewer which) {
  switch (which) {
    case SolutionViewer::kShortFormat:
      return s.set.SolnShortFileName;
    case SolutionViewer::kBestFound:
      return s.set.SolnBestFileName;
    default:
      return s.set.SolnLongFileName;
  }
}

std::string ViewerMissingFileMessage(SolutionViewer which, const std::string& file_name) {
  std::string text =
      file_name.empty() ? "Your specified file does not exist " : file_name + " does not exist ";
  text += "or else the file is empty.  ";
  switch (which) {
    case SolutionViewer::kShortFormat:
      text += "You must save a solution in the short form before you can edit it here.  ";
      text += kTwoLineBreaks;
      text += "It might be that you actually have saved a short format solution and QUOREL";
      text += kActiveDirectoryAdvice;
      text += "ErrMsgRD3";
      break;
    case SolutionViewer::kBestFound:
      text +=
          "Perhaps QUOREL has not yet saved a best-found-solution file.  Use AutoRepeat and "
          "AutoStop to generate a best-found-solution file.  ";
      text += kTwoLineBreaks;
      text += "It might be that you have saved a best-found solution and QUOREL";
      text += kActiveDirectoryAdvice;
      text += "ErrMsgRD1";
      break;
    case SolutionViewer::kLongFormat:
      text += "You must save a solution in the long form before you can edit it here.  ";
      text += kTwoLineBreaks;
      text += "It might be that you have saved a long-format solution and QUOREL";
      text += kActiveDirectoryAdvice;
      text += "ErrMsgRD4";
      break;
  }
  return text;
}

bool CheckViewerFile(const Session& s, Platform& platform, SolutionViewer which) {
  const std::string& name = ViewerFileName(s, which);
  std::error_code error;
  if (!name.empty() && std::filesystem::is_regular_file(name, error)) return true;
  platform.ShowMessage(ViewerMissingFileMessage(which, name));
  return false;
}

}  // namespace quorel
