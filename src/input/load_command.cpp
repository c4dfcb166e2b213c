#include "input/load_command.h"

#include <filesystem>

#include "input/data_file_reader.h"
#include "model/captions.h"

namespace quorel {
namespace {

// Anything at all of that name: a folder or a device is then refused by the
// reader with a message that says what it is.
bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::exists(path, ec);
}

void Refused(Session& s, Platform& platform) {
  s.run.RunState = kNoProblem;
  s.prob.NAttributes = 0;
  platform.SetFocus(FocusTarget::cmdStop);
}

}  // namespace

void LoadDataFileCommand(Session& s, Platform& platform) {
  if (!s.ui.ReadWithoutDialog && !FileExists(s.set.DataFileName)) {
    platform.ShowMessage(
        "File Opening error.  You requested opening a non-existent file.  Sometimes this is due to "
        "having moved to a computer that keeps QUOREL on a different drive or having renamed "
        "QUOREL's directory, or having made a spelling error.  Try again only this time find the "
        "file inside the dialog box and double click on it rather than taking the default value.  "
        "If that doesn't work, stop and check that all QUOREL components are in the same "
        "directory.");
    return;
  }
  s.run.StopRequested = true;
  s.run.RunState = kNoProblem;
  if (ReadDataFile(s, platform) != ReadOutcome::kRead) {
    Refused(s, platform);
    return;
  }
  s.run.RunState = kLoadedIdle;
  platform.PlayClickSound();
  platform.SetFocus(FocusTarget::cmdStart);
  s.prob.SpecialCaseActive = false;
  s.set.StartupProblem = s.set.DataFileName;
  ApplyCaptionRules(s);
  platform.RefreshCaptions();
}

}  // namespace quorel
