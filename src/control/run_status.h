// What the window's status bar tells about the run and the problem: the
// texts are made here, the front end only shows them.
#pragma once

#include <string>

#include "model/session.h"

namespace quorel {

struct RunStatus {
  std::string state;    // "Running", "Converged (...)", "Stopped by the user" ...
  std::string sweeps;   // sweeps of the current run, or ""
  std::string problem;  // the data file or built-in problem loaded, or ""
};

RunStatus DescribeRun(const Session& s);

// The note shown for a moment after a file was written.
std::string SavedFileNote(const std::string& path);

}  // namespace quorel
