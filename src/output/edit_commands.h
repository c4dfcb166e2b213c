// The Edit and Help menu commands that show a file in the text reader: which
// file each one opens, its existence test and the message for a missing
// file, and whether the problem is read again when the reader closes with
// SaveExit&Read.
#pragma once

#include <optional>
#include <string>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

enum class EditCommand {
  kEditHelpFile,       // Edit > Edit Help File
  kOnlineHelp,         // Help > Read the Brief Online Help File (F1)
  kEditDataFile,       // Edit > Edit Data Input File
  kEditLongSolution,   // Edit > Edit Saved Solution (Long) File
  kEditShortSolution,  // Edit > Edit Saved Solution (Short) File
  kEditBestSolution,   // Edit > Edit Best Solution File
};

// The help file: HelpFileName as given when it names a folder; otherwise the
// copy beside the program or in an installed program's data folder, or else
// the one in the current folder.  Empty when HelpFileName is empty.
std::string HelpFilePath(const Session& s);

// The path the command opens: the help file, DataFileName, or the name the
// solution writers write (SolnLongFileName, SolnShortFileName,
// SolnBestFileName).
std::string EditFilePath(const Session& s, EditCommand command);

// The message for a missing file (codes ErrMsgRC, RD, RA, RD4, RD3, RD1).
// `name` is the file's name as the command knows it; empty gives the
// wording for an empty name.
std::string MissingEditFileMessage(EditCommand command, const std::string& name);

// The existence test: the path when it names an existing file, otherwise
// the message is shown and nothing else happens.
std::optional<std::string> CheckEditFile(const Session& s, Platform& platform, EditCommand command);

// True for the files that load as a problem (the data file and the long and
// best-found solutions): only their readers offer SaveExit&Read, and their
// callers read the file again when it was used.
bool ReadsAfterEditing(EditCommand command);

}  // namespace quorel
