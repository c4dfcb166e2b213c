// The core of the File menu's save commands.
#pragma once

#include <string>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

enum class SaveOutcome {
  kRefused,        // no problem loaded: the message was shown
  kNeedsFileName,  // the file name is empty: the front end asks for one first
  kWritten,
  kFailed  // the write failed: the message was shown, any old file is intact
};

inline constexpr const char* kNothingToSaveMessage =
    "You must load and solve a problem before you can save a solution.";

// False, with the message, when RunState is 0.  The front end calls it
// before showing a save dialog.
bool CheckSolutionToSave(Session& s, Platform& platform);

// Save (long format, SolnLongFileName) and Save Abbreviated (short format,
// SolnShortFileName).
SaveOutcome SaveSolutionCommand(Session& s, Platform& platform, bool long_format);

// Save As after its dialog: `chosen_name` becomes SolnLongFileName and the
// long format is written there.
SaveOutcome SaveSolutionAsCommand(Session& s, Platform& platform, const std::string& chosen_name);

// The best-found file of an automatic-repeat series: when a run just reached
// the best value (BestFoundPending), the solution as it stands is written in
// the long format to SolnBestFileName.  A failed write was shown and sets
// BestFoundWriteFailed.
void SaveBestFoundIfReached(Session& s, Platform& platform);

}  // namespace quorel
