// The data file reader: loads the problem named by DataFileName.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/data_keywords.h"
#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// Largest data file read.  A problem of 1000 objects with names, a full
// square proximity matrix, pair and mapping weights and eight coordinates
// written with long decimals needs well under 64 MB; anything larger is
// surely not a data file.
inline constexpr std::uintmax_t kMaxDataFileBytes = 128u << 20;

// What became of a read of the data file.
enum class ReadOutcome {
  kRead,     // the problem is loaded: NObjects > 0
  kRefused,  // the file was refused with exactly one message; NObjects is 0
  kIoError,  // the operating system failed to read the file; NObjects is 0
};

// Reads the file named by DataFileName.  An I/O failure is not shown: the
// outcome is kIoError and `io_error` holds the operating system's
// description.
ReadOutcome ReadDataFile(Session& s, Platform& platform, std::string& io_error);

// As above, but an I/O failure is shown as a message too (ReadFailureMessage).
ReadOutcome ReadDataFile(Session& s, Platform& platform);

// As ReadDataFile(s, platform), with `start_lines` ("KEYWORD=VALUE") read as
// if they stood at the end of the file, after its own lines.  A line that is
// not a START setting is not applied; the first such line is kept in
// `rejected`.
ReadOutcome ReadDataFile(Session& s, Platform& platform,
                         const std::vector<std::string>& start_lines, std::string& rejected);

// START settings given beside a data file ("KEYWORD=VALUE"), each applied as
// the same line in the file would be.  Returns the first line that is not a
// START setting (not applied), or an empty text.
std::string ApplyGivenStartLines(Session& s, Platform& platform,
                                 const std::vector<std::string>& lines);

// The message for a file the operating system failed to read.
std::string ReadFailureMessage(const std::string& io_error, const std::string& file_name);

}  // namespace quorel
