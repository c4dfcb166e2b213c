// Keyword lines of other scaling programs, rewritten into this program's
// vocabulary.  Prefixes are compared case-sensitively and the first match
// decides.
#include <array>
#include <string_view>

#include "input/line_tokenizer.h"

namespace quorel {
namespace {

struct Rewrite {
  std::string_view prefix;
  std::string_view replacement;
  bool keep_rest;
};

// Entries after PARAMETERS; the ones before it are handled in order below.
constexpr std::array<Rewrite, 18> kCountRewrites = {{
    {"DIMENSIONS", "DimensionsNum=", true},
    {"COMMENT", "", false},  // unchanged
    {"NO OF SUBJECTS", "NOBJECTS=", true},
    {"N OF SUBJECTS", "NOBJECTS=", true},
    {"# OF SUBJECTS", "NOBJECTS=", true},
    {"NO OF CASES", "NOBJECTS=", true},
    {"N OF CASES", "NOBJECTS=", true},
    {"# OF CASES", "NOBJECTS=", true},
    {"NO OF VARIABLES", "NATTRIBUTES=", true},
    {"N OF VARIABLES", "NATTRIBUTES=", true},
    {"# OF VARIABLES", "NATTRIBUTES=", true},
    {"NO OF VARS", "NATTRIBUTES=", true},
    {"N OF VARS", "NATTRIBUTES=", true},
    {"# OF VARS", "NATTRIBUTES=", true},
    {"NO OF STIMULI", "NATTRIBUTES=", true},
    {"N OF STIMULI", "NATTRIBUTES=", true},
    {"# OF STIMULI", "NATTRIBUTES=", true},
    {"", "", false},
}};

bool StartsWith(const std::string& line, std::string_view prefix) {
  return line.size() >= prefix.size() && std::string_view(line).substr(0, prefix.size()) == prefix;
}

std::string Rest(const std::string& line, std::string_view prefix) {
  return line.substr(prefix.size());
}

void RememberListKind(const std::string& line, std::string& memo) {
  std::string value = TrimBlanks(UpperAscii(Rest(line, "PARAMETERS")));
  if (!value.empty() && value.front() == '=') value = TrimBlanks(value.substr(1));
  if (value == "DATA(0)" || value == "DATA(2)") {
    memo = "SimilarityList";
  } else if (value == "DATA(1)" || value == "DATA(3)") {
    memo = "DissimilarityList";
  } else if (value == "ATTRIBUTES") {
    memo = "AttributeList";
  }
}

}  // namespace

void NormalizeKeywordLine(std::string& line, std::string& list_kind_memo) {
  if (StartsWith(line, "RUN NAME")) {
    line = "TITLE=" + Rest(line, "RUN NAME");
  } else if (StartsWith(line, "TASK NAME")) {
    line = "SUBTITLE=" + Rest(line, "TASK NAME");
  } else if (StartsWith(line, "NAMES") || StartsWith(line, "LABELS") ||
             StartsWith(line, "OBJECTLABELSLIST")) {
    line = "OBJECTNAMESLIST";
  } else if (StartsWith(line, "READ CONFIG")) {
    line = "LOCATIONLIST";
  } else if (StartsWith(line, "READ MATRIX")) {
    line = list_kind_memo;
  } else if (StartsWith(line, "PARAMETERS")) {
    RememberListKind(line, list_kind_memo);
  } else {
    for (const Rewrite& r : kCountRewrites) {
      if (r.prefix.empty()) break;
      if (!StartsWith(line, r.prefix)) continue;
      if (r.keep_rest) line = std::string(r.replacement) + Rest(line, r.prefix);
      return;
    }
  }
}

}  // namespace quorel
