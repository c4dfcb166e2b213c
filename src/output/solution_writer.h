// Solution files: the long (re-readable) and the short layout.
#pragma once

#include <string>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// Writes the current problem and solution to `file_name`, long or short.
// The file is written through WriteFileSafely, so a failed write never
// leaves a truncated file; a failure (also a target that is not a regular
// file) is reported with an "Oops!" message and false.
bool WriteSolution(Session& s, Platform& platform, const std::string& file_name, bool long_format);

}  // namespace quorel
