// Start-up of the settings and the defaults file QuorelDefaults.dft.
//
// The defaults file lives in the settings folder: the program's own folder
// when it is writable, otherwise the per-user configuration folder.  It is
// read and written in that one folder whatever the current folder is.
#pragma once

#include <string>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// The folder (with a trailing "/") in which the defaults file is kept for a
// program living in `program_folder`.
std::string ChooseSettingsFolder(const std::string& program_folder);

// Sets every setting: the built-in values when no defaults file exists in
// s.SettingsFolder or s.ui.UseBuiltInDefaults is set (and then writes the
// file), otherwise the values of the file.  A short or malformed file, or one
// with a value outside the range of its setting, is renamed with ".bad"
// appended (after one message) and replaced by the built-in values.
void InitSettings(Session& s, Platform& platform);

// Assigns the built-in value of every field of the defaults file.
void AssignBuiltInDefaults(Session& s);

// Writes the 26 lines of the defaults file.  Returns false, after an "Oops!"
// message, when the file could not be written.
bool SaveDefaults(Session& s, Platform& platform);

// The menu command "Reload Original Default Values": empties the problem,
// forgets the start-up problem and takes the built-in settings, writing them
// to the defaults file.
void ClearToBuiltInDefaults(Session& s, Platform& platform);

std::string DefaultsFilePath(const Session& s);

}  // namespace quorel
