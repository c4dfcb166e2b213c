#include "output/edit_commands.h"

#include <filesystem>
#include <system_error>

#include "model/program_files.h"

namespace quorel {
namespace {

bool IsExistingFile(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

std::string HelpFileMessage(const std::string& name, const char* code) {
  std::string text = name.empty() ? "The help file does not exist, "
                                  : "The help file " + name + " does not exist, ";
  return text +
         "or is not in the start-up directory containing Quorel.exe, or else the file is empty.  "
         "Stop and check that a valid QuorelHelp.txt is in the default directory.  " +
         code;
}

std::string DataFileMessage(const std::string& name) {
  std::string text = name.empty() ? "Your specified file does not exist in the default directory, "
                                  : name + " does not exist in the default directory, ";
  return text + "or else the file is empty.  Go to the File menu and select a new data file.  " +
         "ErrMsgRA";
}

std::string SolutionFileMessage(const std::string& name, const char* first_hint,
                                const char* second_hint, const char* code) {
  std::string text =
      name.empty() ? "Your specified file does not exist " : name + " does not exist ";
  return text + "or else the file is empty.  " + first_hint + "\r\n\r\n" + second_hint +
         "QUOREL is confused about the active directory.  Fix this by saving a file (any "
         "solution file) using File/Save Solution As ... (Long Format) to explicitly choose your "
         "active directory.    " +
         code;
}

// The name as the command reports it: the help file by its configured name,
// every other file by the path tested.
std::string ReportedName(const Session& s, EditCommand command) {
  bool help = command == EditCommand::kEditHelpFile || command == EditCommand::kOnlineHelp;
  return help ? s.set.HelpFileName : EditFilePath(s, command);
}

}  // namespace

std::string HelpFilePath(const Session& s) {
  const std::string& name = s.set.HelpFileName;
  if (name.empty() || std::filesystem::path(name).has_parent_path()) return name;
  std::string program_file = ProgramFilePath(s, name);
  return IsExistingFile(program_file) ? program_file : name;
}

std::string EditFilePath(const Session& s, EditCommand command) {
  switch (command) {
    case EditCommand::kEditHelpFile:
    case EditCommand::kOnlineHelp:
      return HelpFilePath(s);
    case EditCommand::kEditDataFile:
      return s.set.DataFileName;
    case EditCommand::kEditLongSolution:
      return s.set.SolnLongFileName;
    case EditCommand::kEditShortSolution:
      return s.set.SolnShortFileName;
    case EditCommand::kEditBestSolution:
      return s.set.SolnBestFileName;
  }
  return {};
}

std::string MissingEditFileMessage(EditCommand command, const std::string& name) {
  switch (command) {
    case EditCommand::kEditHelpFile:
      return HelpFileMessage(name, "ErrMsgRC");
    case EditCommand::kOnlineHelp:
      return HelpFileMessage(name, "ErrMsgRD");
    case EditCommand::kEditDataFile:
      return DataFileMessage(name);
    case EditCommand::kEditLongSolution:
      return SolutionFileMessage(
          name, "You must save a solution in the long form before you can edit it here.  ",
          "It might be that you have saved a long-format solution and ", "ErrMsgRD4");
    case EditCommand::kEditShortSolution:
      return SolutionFileMessage(
          name, "You must save a solution in the short form before you can edit it here.  ",
          "It might be that you actually have saved a short format solution and ", "ErrMsgRD3");
    case EditCommand::kEditBestSolution:
      return SolutionFileMessage(name,
                                 "Perhaps QUOREL has not yet saved a best-found-solution file.  "
                                 "Use AutoRepeat and AutoStop to generate a best-found-solution "
                                 "file.  ",
                                 "It might be that you have saved a best-found solution and ",
                                 "ErrMsgRD1");
  }
  return {};
}

std::optional<std::string> CheckEditFile(const Session& s, Platform& platform,
                                         EditCommand command) {
  std::string path = EditFilePath(s, command);
  if (IsExistingFile(path)) return path;
  platform.ShowMessage(MissingEditFileMessage(command, ReportedName(s, command)));
  return std::nullopt;
}

bool ReadsAfterEditing(EditCommand command) {
  return command == EditCommand::kEditDataFile || command == EditCommand::kEditLongSolution ||
         command == EditCommand::kEditBestSolution;
}

}  // namespace quorel
