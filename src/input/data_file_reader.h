// The data file reader: loads the problem named by DataFileName.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// Largest data file read.  A problem of 1000 objects with names, a full
// square proximity matrix, pair and mapping weights and eight coordinates
// written with long decimals needs well under 64 MB; anything larger is
// surely not a data file.
inline constexpr std::uintmax_t kMaxDataFileBytes = 128u << 20;

// On success NObjects > 0; on any refusal exactly one message was shown and
// NObjects is 0.  A file that exists but cannot be read is reported with the
// operating system's description.
void ReadDataFile(Session& s, Platform& platform);

// As above, but an I/O failure of the operating system is not shown: the
// result is false and `io_error` holds its description (NObjects is 0).
bool ReadDataFile(Session& s, Platform& platform, std::string* io_error);

// As ReadDataFile(s, platform), with `start_lines` ("KEYWORD=VALUE") read as
// if they stood at the end of the file, after its own lines.  A line that is
// not a START setting is not applied; the first such line is kept in
// `rejected`.
void ReadDataFile(Session& s, Platform& platform, const std::vector<std::string>& start_lines,
                  std::string& rejected);

// START settings given beside a data file ("KEYWORD=VALUE"), each applied as
// the same line in the file would be.  Returns the first line that is not a
// START setting (not applied), or an empty text.
std::string ApplyGivenStartLines(Session& s, Platform& platform,
                                 const std::vector<std::string>& lines);

// The message for a file the operating system failed to read.
std::string ReadFailureMessage(const std::string& io_error, const std::string& file_name);

// The keyword of a line: its leading run of letters, upper-cased.
std::string KeywordOf(const std::string& line);

}  // namespace quorel
