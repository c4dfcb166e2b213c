// Keyword lines of other scaling programs, rewritten into this program's
// vocabulary by the table of foreign keywords.
#include <string_view>

#include "input/line_tokenizer.h"
#include "model/data_keywords.h"

namespace quorel {
namespace {

void RememberListKind(const std::string& rest, std::string& memo) {
  std::string value = TrimBlanks(UpperAscii(rest));
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
  const ForeignKeyword* foreign = ForeignKeywordOf(line);
  if (foreign == nullptr) return;
  const std::string rest = line.substr(foreign->prefix.size());
  switch (foreign->rewrite) {
    case ForeignRewrite::kTitle:
      line = "TITLE=" + rest;
      return;
    case ForeignRewrite::kSubtitle:
      line = "SUBTITLE=" + rest;
      return;
    case ForeignRewrite::kObjectNames:
      line = "OBJECTNAMESLIST";
      return;
    case ForeignRewrite::kLocations:
      line = "LOCATIONLIST";
      return;
    case ForeignRewrite::kRememberedList:
      line = list_kind_memo;
      return;
    case ForeignRewrite::kRememberListKind:
      RememberListKind(rest, list_kind_memo);
      return;
    case ForeignRewrite::kDimensions:
      line = "DimensionsNum=" + rest;
      return;
    case ForeignRewrite::kNObjects:
      line = "NOBJECTS=" + rest;
      return;
    case ForeignRewrite::kNAttributes:
      line = "NATTRIBUTES=" + rest;
      return;
    case ForeignRewrite::kUnchanged:
      return;
  }
}

}  // namespace quorel
