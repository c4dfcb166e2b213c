// The rows of an ATTRIBUTELIST: one row per object, an optional name, then one
// value per attribute.  The table is checked and its statistics and ranks
// computed; its digits decide the data precision level.
#include <algorithm>
#include <cmath>

#include "input/line_tokenizer.h"
#include "input/list_readers.h"
#include "input/row_text.h"
#include "model/numeric.h"
#include "model/text_format.h"
#include "prep/attribute_functions.h"

namespace quorel {
namespace {

constexpr const char* kStop = "  Processing will stop to let you check the data file.";

struct AttributeRead {
  Session& s;
  Platform& platform;
  ReaderState& r;
  int max_digits = -100;
  bool digit_warning_shown = false;

  void Fail(const std::string& text) {
    platform.ShowMessage(text);
    s.prob.NObjects = 0;
  }

  bool Store(int i, int a, std::string_view token, bool first_of_unnamed_row) {
    double value = Val(token);
    if (!(std::fabs(value) <= kMaxAttributeMagnitude)) {
      Fail("Attribute" + Str(a) + " of line" + Str(i) +
           " is too large for single precision arithmetic (the largest magnitude allowed is "
           "1E+15)." +
           kStop + "  ErrMsgR13E");
      return false;
    }
    s.prob.AttribValue(i, a) = static_cast<float>(value);
    s.prob.AttribMissing(i, a) = 0;
    int digits = AttributeDigits(s.prob.AttribValue(i, a));
    if (digits > 7) {
      // Warned once per list, not once per value.
      if (!digit_warning_shown)
        platform.ShowMessage(
            first_of_unnamed_row
                ? "Your data file has attribute values with more than 7 significant figures Only "
                  "seven will be retained because single precision arithimetic is in use.  "
                  "ErrMsgR5B1a"
                : "Your data file has attribute values with more than 7 significant figures. Only "
                  "seven will be retained because single precision arithimetic is in use.  "
                  "ErrMsgR5B1");
      digit_warning_shown = true;
      digits = 7;
    }
    max_digits = std::max(max_digits, digits);
    return true;
  }

  // A missing value still takes part in the ranks with the value it holds:
  // 0, not whatever an earlier file left in the table.
  void MarkMissing(int i, int a) {
    s.prob.AttribMissing(i, a) = 1;
    s.prob.AttribValue(i, a) = 0.0f;
  }

  bool ReadRow(int i);
  bool CheckTable();
};

bool AttributeRead::ReadRow(int i) {
  Problem& p = s.prob;
  if (!r.ReadNonEmptyRow()) {
    Fail("This data file does not have" + Str(p.NObjects) +
         " lines of attribute values even though it has the ATTRIBUTELIST keyword and NObjects =" +
         Str(p.NObjects) + ".  Attribute line" + Str(i) + " was not found." + kStop +
         "  ErrMsgR12A");
    return false;
  }
  const std::string& row = r.CurLine;
  size_t pos = 0;
  int attribute = 1;
  if (StartsWithNumberChar(row)) {
    if (p.NAttributes >= 1 && !Store(i, 1, NextToken(row, pos), true)) return false;
    attribute = 2;
  } else if (UpperAscii(p.ObjName[i]) == "NA") {
    // The object is already named "NA": the leading token is a missing value.
    NextToken(row, pos);
    if (p.NAttributes >= 1) MarkMissing(i, 1);
    attribute = 2;
  } else {
    size_t comma = row.find(',');
    if (comma == std::string::npos) {
      Fail(
          "It appears that an attribute data row starts with a name or NA, but has no following "
          "numbers." +
          std::string(kStop) + "  ErrMsgR55A");
      return false;
    }
    p.ObjName[i] = NameFromToken(TrimBlanks(row.substr(0, comma)));
    pos = comma + 1;
  }
  for (int a = attribute; a <= p.NAttributes; ++a) {
    std::string_view token = NextToken(row, pos);
    if (StartsWithNA(token)) {
      MarkMissing(i, a);
      continue;
    }
    // "/" starts a row's number but not a value.
    if (!token.empty() && (!StartsWithNumberChar(token) || token[0] == '/')) {
      Fail("Attribute" + Str(a) + " of line" + Str(i) +
           " starts with a non-number.  This usually means you have a typo or have entered a "
           "nominal attribute.  All attribute entries must be numerical values or must be "
           "numerical values following a name (label)." +
           kStop + "  ErrMsgR13A");
      return false;
    }
    if (!Store(i, a, token, false)) return false;
  }
  return true;
}

bool AttributeRead::CheckTable() {
  Problem& p = s.prob;
  p.ObjNamesGiven = false;
  for (int i = 1; i <= p.NObjects; ++i)
    if (!p.ObjName[i].empty()) p.ObjNamesGiven = true;
  for (int i = 1; i <= p.NObjects; ++i) {
    if (UpperAscii(p.ObjName[i]) == "NA") {
      Fail(
          "It appears that you have an object name in the attribute matrix that is NA.  NA is a "
          "reserved word and cannot be used as a name." +
          std::string(kStop) + "  ErrMsgR6B");
      return false;
    }
  }
  ComputeAttributeStatistics(s);
  if (p.NAttributes == 0) {
    Fail(
        "NAttribs=0 after exiting the ReadAttributes subroutine.  Check to see if the keyword "
        "NATTRIBUTES=... line is missing in the data file." +
        std::string(kStop) + "  ErrMsgR13B1");
    return false;
  }
  // An attribute without a present value has no mean or range: refused before
  // the range checks look at them.
  for (int a = 1; a <= p.NAttributes; ++a) {
    if (p.AttribMax[a] <= -1e20f) {
      Fail("Attribute" + Str(a) + " has all missing entries.  This does not make sense." + kStop +
           "  ErrMsgR13D");
      return false;
    }
  }
  if (p.NoDataRangeChecks) return true;
  for (int a = 1; a <= p.NAttributes; ++a) {
    // Single values against the exact decimal limits (0.001 as a single is
    // slightly above 0.001), the relative limit formed in double.
    const double m = std::fabs(p.AttribMean[a]);
    const double range = std::fabs(p.AttribRange[a]);
    const char* which = nullptr;
    const char* code = nullptr;
    if (m <= 0.001 && range < 0.001) {
      which = " has almost the same value for ";
      code = "    ErrMsgR13CC";
    } else if (m > 0.001 && range <= 0.001 * m) {
      which = " has almost the same relative value for ";
      code = "  ErrMsgR13C";
    }
    if (which) {
      Fail("Attribute" + Str(a) + which +
           "all objects.  This probably indicates a data entry error.  If your data are correct, "
           "then enter a line with the single (undocumented) word NoDataRangeChecks somewhere "
           "before the line with the ATTRIBUTELIST keyword." +
           kStop + code);
      return false;
    }
  }
  return true;
}

}  // namespace

void ReadAttributes(Session& s, Platform& platform, ReaderState& r) {
  s.set.DegradeNum = -1;
  AttributeRead read{s, platform, r};
  for (int i = 1; i <= s.prob.NObjects; ++i)
    if (!read.ReadRow(i)) return;
  if (!read.CheckTable()) return;
  ComputeAttributeRanks(s);
  Problem& p = s.prob;
  p.AttribDegradeNum = DegradeLevelFromDigits(read.max_digits);
  s.set.DegradeNum = p.AttribDegradeNum;
}

}  // namespace quorel
