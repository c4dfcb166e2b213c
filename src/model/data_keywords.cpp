#include "model/data_keywords.h"

#include <algorithm>

namespace quorel {
namespace {

bool IsLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

struct KeywordName {
  std::string_view name;
  DataKeyword keyword;
};

constexpr std::array<KeywordName, 16> kKeywords = {{
    {"TITLE", DataKeyword::kTitle},
    {"MESSAGE", DataKeyword::kMessage},
    {"SUBTITLE", DataKeyword::kSubtitle},
    {"SUBMESSAGE", DataKeyword::kSubmessage},
    {"OBJECTNAMESLIST", DataKeyword::kObjectNamesList},
    {"DISSIMILARITYLIST", DataKeyword::kDissimilarityList},
    {"SIMILARITYLIST", DataKeyword::kSimilarityList},
    {"ATTRIBUTELIST", DataKeyword::kAttributeList},
    {"WEIGHTLIST", DataKeyword::kWeightList},
    {"MAPWEIGHTLIST", DataKeyword::kMapWeightList},
    {"LOCATIONLIST", DataKeyword::kLocationList},
    {"NODATARANGECHECKS", DataKeyword::kNoDataRangeChecks},
    {"STARTPARKEDOBJECTSLIST", DataKeyword::kStartParkedObjectsList},
    {"STARTPARKEDATTRIBUTESLIST", DataKeyword::kStartParkedAttributesList},
    {"NOBJECTS", DataKeyword::kNObjects},
    {"NATTRIBUTES", DataKeyword::kNAttributes},
}};

}  // namespace

std::string KeywordOf(const std::string& line) {
  size_t n = 0;
  while (n < line.size() && IsLetter(static_cast<unsigned char>(line[n]))) ++n;
  std::string keyword = line.substr(0, n);
  for (char& c : keyword)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return keyword;
}

DataKeyword DataKeywordOf(std::string_view keyword) {
  auto found = std::find_if(kKeywords.begin(), kKeywords.end(),
                            [keyword](const KeywordName& k) { return k.name == keyword; });
  return found == kKeywords.end() ? DataKeyword::kNone : found->keyword;
}

const ForeignKeyword* ForeignKeywordOf(std::string_view line) {
  for (const ForeignKeyword& k : kForeignKeywords)
    if (line.substr(0, k.prefix.size()) == k.prefix) return &k;
  return nullptr;
}

bool ReadAsKeywordLine(const std::string& text) {
  const std::string keyword = KeywordOf(text);
  if (DataKeywordOf(keyword) != DataKeyword::kNone) return true;
  if (keyword.rfind(kStartPrefix, 0) == 0) return true;
  const ForeignKeyword* foreign = ForeignKeywordOf(text);
  return foreign != nullptr && foreign->rewrite != ForeignRewrite::kUnchanged;
}

}  // namespace quorel
