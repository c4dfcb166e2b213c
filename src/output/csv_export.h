// The coordinates of the map as a CSV table for spreadsheets and scripts.
#pragma once

#include <string>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// A header row, then one row per object: its number, its name (UTF-8), its
// coordinate on every dimension in use, and whether it is parked or marked
// (TRUE or FALSE).  Cells are quoted as RFC 4180 says, numbers use "." and
// the shortest text that reads back as the same single-precision value;
// lines end with CR LF.
std::string CoordinatesCsv(const Session& s);

// File > Export Coordinates (CSV) and quorel-solve --csv: false, after a
// message, when no problem is loaded or the file could not be written.
bool ExportCoordinates(Session& s, Platform& platform, const std::string& path);

}  // namespace quorel
