// LOCATIONLIST: the starting coordinates, one row per object; the first row
// fixes the number of dimensions.
#include <algorithm>
#include <cmath>

#include "input/line_tokenizer.h"
#include "input/list_readers.h"
#include "input/row_text.h"
#include "model/numeric.h"
#include "model/settings.h"
#include "model/text_format.h"

namespace quorel {
namespace {

bool RowStartsWithName(const std::string& row) {
  return !StartsWithNumberChar(row) && !StartsWithNA(row);
}

bool EndsWithParked(const std::string& row) {
  std::string upper = UpperAscii(row);
  auto ends = [&](const std::string& tail) {
    return upper.size() >= tail.size() &&
           upper.compare(upper.size() - tail.size(), tail.size(), tail) == 0;
  };
  return ends("(PARKED)") || ends("PARKED");
}

// Dimensions implied by the first row; false (after its message) when they
// make no sense.
bool TakeDimensions(Session& s, Platform& platform, const std::string& row) {
  int n = 1 + static_cast<int>(std::count(row.begin(), row.end(), ','));
  if (RowStartsWithName(row)) --n;
  if (EndsWithParked(row)) --n;
  s.prob.LocDimensionsNum = n;
  s.set.DimensionsNum = n;
  if (n >= 1 && n <= MaxDimensionsNum) return true;
  if (n < 1)
    platform.ShowMessage("Your initial-locations data specifies a starting value of" + Str(n) +
                         " for the number of dimensions to be used.  That doesn't make sense.  The "
                         "number of dimensions will be reset to 2 to avoid a crash.    ErrMsgD1a");
  else
    platform.ShowMessage("Your initial-locations data implies a starting value of" + Str(n) +
                         "that exceeds" + Str(MaxDimensionsNum) +
                         ", the max allowed number of dimensions in QUOREL.  The number of "
                         "dimensions will be reset to 2 to avoid a crash.  ErrMsgD1b");
  // No dimensions are implied: a count kept here would later override the
  // repair (and could exceed the tables).
  s.prob.LocDimensionsNum = 0;
  s.prob.LocationsGiven = false;
  s.set.DimensionsNum = 2;
  s.prob.StartDimensionsNum = 2;
  return false;
}

}  // namespace

void ReadLocations(Session& s, Platform& platform, ReaderState& r) {
  Problem& p = s.prob;
  if (p.KeepObjSetup) {
    p.LocationsGiven = false;
    return;
  }
  for (int i = 1; i <= p.NObjects; ++i) {
    if (!r.ReadNonEmptyRow()) {
      platform.ShowMessage(
          "Your data file does not have" + Str(p.NObjects) +
          " initial object locations even though it has an LOCATIONLIST keyword.  This error can "
          "be caused by putting the first (optional) name on the same line as the LOCATIONLIST "
          "keyword, or by trying to enter a 'blank' name by just leaving leading blanks on a line "
          "in the LOCATIONLIST.  To leave an objected unnamed start a location line with an "
          "apostrophe followed by a space in the appropriate place in your locations list.  Better "
          "yet, don't use names in the LOCATIONLIST and instead just use the OBJECTNAMESLIST "
          "explicit entry.  Processing will continue but all initial locations information will "
          "lost.  ErrMsgR9");
      p.LocationsGiven = false;
      return;
    }
    std::string rest = r.CurLine;
    if (i == 1 && !TakeDimensions(s, platform, rest)) return;
    if (RowStartsWithName(rest)) {
      size_t comma = rest.find(',');
      rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
    }
    const int dims = s.set.DimensionsNum;
    p.LocDim[1][i] = ValF(rest);
    for (int d = 2; d <= dims; ++d) {
      size_t comma = rest.find(',');
      rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
      if (rest.empty()) {
        platform.ShowMessage("This data file does not have" + Str(dims) +
                             " initial locations on line" + Str(i) +
                             ".  Processing will stop to let you check the data file.  "
                             "ErrMsgR10A");
        p.NObjects = 0;
        return;
      }
      p.LocDim[d][i] = ValF(rest);
    }
    // Only the coordinates read are checked: the other dimensions hold
    // whatever an earlier problem left there.  The stored single is compared
    // with the exact limit, so 1.01 (1.00999999 as a single) is below it.
    for (int d = 1; d <= dims; ++d) {
      const double v = p.LocDim[d][i];
      if (v < 1.01 && v >= -1.01) continue;
      platform.ShowMessage("The location data set on line" + Str(i) +
                           " has a value greater than 1.  Processing will stop to avoid a crash." +
                           std::string(v >= 1.01 ? "  ErrMsgR10B" : "  ErrMsgR10BB"));
      p.NObjects = 0;
      return;
    }
  }
}

}  // namespace quorel
