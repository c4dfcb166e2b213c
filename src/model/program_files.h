// Where the program finds its own files: the example data file, the help
// text and the click sound.  A build keeps them beside the executable; an
// installed program (<prefix>/bin/quorel) keeps them in <prefix>/share/quorel/.
#pragma once

#include <string>

#include "model/session.h"

namespace quorel {

// The data folder of a program installed in `program_folder` (with a
// trailing "/"): <prefix>/share/quorel/ when `program_folder` is <prefix>/bin/
// and that folder exists; "" otherwise.
std::string InstalledDataFolder(const std::string& program_folder);

// The folder (with a trailing "/") that holds the program's own file `name`:
// the program's folder when the file is there, else the installed data
// folder when it is there, else the program's folder, so that a message
// names where the file belongs.
std::string ProgramFileFolder(const Session& s, const std::string& name);

// The path of the program's own file `name` (a name with a folder stands
// as it is).
std::string ProgramFilePath(const Session& s, const std::string& name);

}  // namespace quorel
