// The data file reader: loads the problem named by DataFileName.
#pragma once

#include <string>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// On success NObjects > 0; on any refusal exactly one message was shown and
// NObjects is 0.  A file that exists but cannot be read is reported with the
// operating system's description.
void ReadDataFile(Session& s, Platform& platform);

// As above, but an I/O failure of the operating system is not shown: the
// result is false and `io_error` holds its description (NObjects is 0).
bool ReadDataFile(Session& s, Platform& platform, std::string* io_error);

// The message for a file the operating system failed to read.
std::string ReadFailureMessage(const std::string& io_error, const std::string& file_name);

// The keyword of a line: its leading run of letters, upper-cased.
std::string KeywordOf(const std::string& line);

}  // namespace quorel
