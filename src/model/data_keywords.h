// The keywords of the data file, in one table: the reader dispatches its
// lines on them, and the solution writer leads an object name that would be
// taken for one with an apostrophe, so that a long solution file reads back
// as written.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorel {

enum class DataKeyword {
  kNone,  // not a keyword of the reader (a START setting or an ordinary line)
  kTitle,
  kMessage,
  kSubtitle,
  kSubmessage,
  kObjectNamesList,
  kDissimilarityList,
  kSimilarityList,
  kAttributeList,
  kWeightList,
  kMapWeightList,
  kLocationList,
  kNoDataRangeChecks,
  kStartParkedObjectsList,
  kStartParkedAttributesList,
  kNObjects,
  kNAttributes,
};

// The keyword of a line: its leading run of letters, upper-cased.
std::string KeywordOf(const std::string& line);

// The reader's keyword for a word as KeywordOf gives it.
DataKeyword DataKeywordOf(std::string_view keyword);

// Every START setting's keyword begins so.
inline constexpr std::string_view kStartPrefix = "START";

// The keyword lines of other scaling programs that the reader rewrites into
// its own, by their beginnings (compared case-sensitively; the first match
// decides).
enum class ForeignRewrite {
  kTitle,             // the rest of the line is the title
  kSubtitle,          // the rest of the line is the subtitle
  kObjectNames,       // an OBJECTNAMESLIST line
  kLocations,         // a LOCATIONLIST line
  kRememberedList,    // the list a PARAMETERS line named
  kRememberListKind,  // names the list of a later READ MATRIX line
  kDimensions,        // DimensionsNum= and the rest of the line
  kNObjects,          // NOBJECTS= and the rest of the line
  kNAttributes,       // NATTRIBUTES= and the rest of the line
  kUnchanged,         // the line stays as it is
};

struct ForeignKeyword {
  std::string_view prefix;
  ForeignRewrite rewrite;
};

inline constexpr std::array<ForeignKeyword, 25> kForeignKeywords = {{
    {"RUN NAME", ForeignRewrite::kTitle},
    {"TASK NAME", ForeignRewrite::kSubtitle},
    {"NAMES", ForeignRewrite::kObjectNames},
    {"LABELS", ForeignRewrite::kObjectNames},
    {"OBJECTLABELSLIST", ForeignRewrite::kObjectNames},
    {"READ CONFIG", ForeignRewrite::kLocations},
    {"READ MATRIX", ForeignRewrite::kRememberedList},
    {"PARAMETERS", ForeignRewrite::kRememberListKind},
    {"DIMENSIONS", ForeignRewrite::kDimensions},
    {"COMMENT", ForeignRewrite::kUnchanged},
    {"NO OF SUBJECTS", ForeignRewrite::kNObjects},
    {"N OF SUBJECTS", ForeignRewrite::kNObjects},
    {"# OF SUBJECTS", ForeignRewrite::kNObjects},
    {"NO OF CASES", ForeignRewrite::kNObjects},
    {"N OF CASES", ForeignRewrite::kNObjects},
    {"# OF CASES", ForeignRewrite::kNObjects},
    {"NO OF VARIABLES", ForeignRewrite::kNAttributes},
    {"N OF VARIABLES", ForeignRewrite::kNAttributes},
    {"# OF VARIABLES", ForeignRewrite::kNAttributes},
    {"NO OF VARS", ForeignRewrite::kNAttributes},
    {"N OF VARS", ForeignRewrite::kNAttributes},
    {"# OF VARS", ForeignRewrite::kNAttributes},
    {"NO OF STIMULI", ForeignRewrite::kNAttributes},
    {"N OF STIMULI", ForeignRewrite::kNAttributes},
    {"# OF STIMULI", ForeignRewrite::kNAttributes},
}};

// The first entry whose prefix begins `line`, or none.
const ForeignKeyword* ForeignKeywordOf(std::string_view line);

// True when a line beginning with `text` would be read as a keyword line:
// its keyword is one of the reader's or a START setting, or the rewriting of
// foreign keywords changes it.
bool ReadAsKeywordLine(const std::string& text);

}  // namespace quorel
