// The lower triangle of a DISSIMILARITYLIST or SIMILARITYLIST: stored,
// checked, scaled so that the largest value is 1, similarities turned into
// dissimilarities, mirrored, and its precision level taken from its digits.
#include <algorithm>
#include <cmath>

#include "input/line_tokenizer.h"
#include "input/list_readers.h"
#include "input/row_text.h"
#include "model/captions.h"
#include "model/numeric.h"
#include "model/text_format.h"

namespace quorel {
namespace {

constexpr const char* kStop = "  Processing will stop to let you check the data file.";

struct ProximityRead {
  Session& s;
  Platform& platform;
  ReaderState& r;
  bool similarities;
  int max_digits = -100;
  bool digit_warning_shown = false;

  void Fail(const std::string& text) {
    platform.ShowMessage(text);
    s.prob.NObjects = 0;
  }

  // Stores one value; false when it is too large to be scaled.
  bool Store(int i, int j, std::string_view token, bool first_of_unnamed_row) {
    double value = Val(token);
    if (!(std::fabs(value) <= kMaxProximityMagnitude)) {
      Fail("Proximity row" + Str(i) + " holds a value too large for single precision arithmetic." +
           kStop + "  ErrMsgR5C");
      return false;
    }
    s.prob.Dissim(i, j) = static_cast<float>(value);
    s.prob.DissimMissing(i, j) = 0;
    CountDigits(s.prob.Dissim(i, j), first_of_unnamed_row);
    return true;
  }

  // Too many digits: warned once per list, not once per value.
  void CountDigits(float value, bool first_of_unnamed_row) {
    int digits = ProximityDigits(value);
    if (digits > 7) {
      if (!digit_warning_shown)
        platform.ShowMessage(
            "Your data file has dissimilaritiy values with more than 7 significant figures. Only "
            "seven will be retained because single precision arithimetic is in use." +
            std::string(first_of_unnamed_row ? "  ErrMsgR5B2a" : "  ErrMsgR5B2"));
      digit_warning_shown = true;
      digits = 7;
    }
    max_digits = std::max(max_digits, digits);
  }

  bool ReadRow(int i);
  bool CheckTable();
  void ScaleConvertMirror();
};

bool ProximityRead::ReadRow(int i) {
  Problem& p = s.prob;
  if (!r.ReadNonEmptyRow()) {
    Fail("This data file does not have" + Str(p.NObjects) + " rows of proximity data." + kStop +
         "  ErrMsgR5");
    return false;
  }
  const std::string& row = r.CurLine;
  size_t pos = 0;
  int column = 1;
  if (StartsWithNumberChar(row)) {
    std::string_view first = NextToken(row, pos);
    if (!Store(i, 1, first, true)) return false;
    column = 2;
  } else if (UpperAscii(p.ObjName[i]) == "NA") {
    // The object is already named "NA": the leading token is a missing value.
    NextToken(row, pos);
    p.DissimMissing(i, 1) = 1;
    column = 2;
  } else {
    size_t comma = row.find(',');
    if (comma == std::string::npos) {
      if (similarities) {
        Fail("It appears that similarity row" + Str(i) +
             "starts with a name or NA, but has no following numbers." + kStop + "  ErrMsgR5A");
        return false;
      }
      p.DissimMissing(i, 1) = 0;
      p.Dissim(i, 1) = 0.0f;
      p.ObjName[i] = NameFromToken(TrimBlanks(row));
      pos = row.size();
    } else {
      p.ObjName[i] = NameFromToken(TrimBlanks(row.substr(0, comma)));
      pos = comma + 1;
    }
  }
  for (int j = column; j <= i; ++j) {
    if (!similarities && j == i) {
      p.Dissim(i, i) = 0.0f;
      p.DissimMissing(i, i) = 0;
      CountDigits(0.0f, false);
      continue;
    }
    std::string_view token = NextToken(row, pos);
    if (token.empty() || token == ",") {
      Fail("There appears to be a proximity value missing from row" + Str(i) + "." + kStop +
           "  ErrMsgR5A1");
      return false;
    }
    if (StartsWithNA(token)) {
      p.DissimMissing(i, j) = 1;
    } else if (!Store(i, j, token, false)) {
      return false;
    }
  }
  return true;
}

bool ProximityRead::CheckTable() {
  Problem& p = s.prob;
  const int n = p.NObjects;
  for (int i = 1; i <= n; ++i) {
    if (p.DissimMissing(i, i)) {
      Fail("The dissimilaritiy value for the diagonal entry  (" + Str(i) + "," + Str(i) +
           ")  is missing.  You must enter the diagonal values." + kStop + "  ErrMsgR6B0");
      return false;
    }
  }
  p.ObjNamesGiven = false;
  for (int i = 1; i <= n; ++i)
    if (!p.ObjName[i].empty()) p.ObjNamesGiven = true;
  for (int i = 1; i <= n; ++i) {
    if (UpperAscii(p.ObjName[i]) == "NA") {
      Fail(
          "It appears that you have an object name in the proximity matrix that is NA.  NA is a "
          "reserved word and cannot be used as a name." +
          std::string(kStop) + "  ErrMsgR5B2");
      return false;
    }
  }
  for (int i = 2; i <= n; ++i) {
    if (std::fabs(p.Dissim(i, i) - p.Dissim(1, 1)) > 1e-6f) {
      Fail("Proximity entry (" + Str(i) + "," + Str(i) +
           ") does not have the same value as previous diagonal entries." + kStop + "  ErrMsgR6D");
      return false;
    }
  }
  p.MaxDissim = -1.0f;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= i; ++j) {
      if (p.DissimMissing(i, j)) continue;
      if (p.Dissim(i, j) < -0.0001f) {
        Fail(std::string("You have a proximity value that is less than zero.") + kStop +
             "  ErrMsgR7A");
        return false;
      }
      p.MaxDissim = std::max(p.MaxDissim, p.Dissim(i, j));
    }
  }
  if (p.MaxDissim <= 1e-6f) {
    Fail(
        "Your maximum proximity value is less than zero.  This means your input data is messed "
        "up." +
        std::string(kStop) + "   ErrMsgR7B");
    return false;
  }
  // The limits are exact decimals: 0.001 as a single lies just above 0.001,
  // so a largest value written as 0.001 is not below the limit.
  if (!p.NoDataRangeChecks && p.MaxDissim <= 0.001) {
    Fail(
        "Your maximum proximity value is less than 0.001.  This probably means your input data "
        "is messed up." +
        std::string(kStop) + "   ErrMsgR7BB");
    return false;
  }
  if (!similarities) {
    for (int i = 1; i <= n; ++i) {
      if (std::fabs(p.Dissim(i, i)) > 0.0001f) {
        Fail("You have a diagonal similarity value that is not zero.  This is impossible." +
             std::string(kStop) + "  ErrMsgR8A1");
        return false;
      }
    }
    return true;
  }
  // MaxDissim is the largest of all values, so a diagonal equal to it is
  // also at least every interior value: this one check covers both.
  for (int i = 1; i <= n; ++i) {
    if (std::fabs(p.Dissim(i, i) - p.MaxDissim) > 0.0001f) {
      Fail(
          "You have a diagonal similarity value that is not equal to the other diagonal values, "
          "or it is not equal to or greater than all interior values.  This cannot be valid." +
          std::string(kStop) + "  ErrMsgR8A2");
      return false;
    }
  }
  return true;
}

// Largest value to 1 (unless locations came first), similarities to
// 1 - s, then the upper triangle as a mirror of the lower one.
void ProximityRead::ScaleConvertMirror() {
  Problem& p = s.prob;
  const int n = p.NObjects;
  const bool off_one = std::fabs(p.MaxDissim - 1.0f) > 1e-5f;
  if (off_one && !p.LocationsGiven) {
    const float factor = 1.0f / p.MaxDissim;
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= i; ++j)
        if (!p.DissimMissing(i, j)) p.Dissim(i, j) *= factor;
  }
  if (similarities) {
    // Unscaled similarities (locations came first) are taken from their own
    // maximum, so that they stay in the units given and never turn negative.
    const float top = (off_one && p.LocationsGiven) ? p.MaxDissim : 1.0f;
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= i; ++j)
        if (!p.DissimMissing(i, j)) p.Dissim(i, j) = top - p.Dissim(i, j);
  }
  for (int i = 2; i <= n; ++i) {
    for (int j = 1; j < i; ++j) {
      p.Dissim(j, i) = p.Dissim(i, j);
      p.DissimMissing(j, i) = p.DissimMissing(i, j);
    }
  }
}

}  // namespace

void ReadProximities(Session& s, Platform& platform, ReaderState& r) {
  s.set.DegradeNum = -1;
  ProximityRead read{s, platform, r, s.prob.ProximitiesAreSimilarities};
  for (int i = 1; i <= s.prob.NObjects; ++i)
    if (!read.ReadRow(i)) return;
  if (!read.CheckTable()) return;
  read.ScaleConvertMirror();
  Problem& p = s.prob;
  p.ProxDegradeNum = std::max(p.ProxDegradeNum, DegradeLevelFromDigits(read.max_digits));
  s.set.DegradeNum = p.ProxDegradeNum;
  s.captions.cmdDegrade =
      std::string("DATA PR&ECISION:") + kLineBreak + DataPrecisionName[s.set.DegradeNum] + " (Max)";
}

}  // namespace quorel
