#include "output/name_column.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quorel {
namespace {

constexpr int kMaxNameWidth = 10;

bool IsLetter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string Trim(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// Keywords a row beginning with this word would trigger (the leading run of
// letters, upper-cased, compared whole).
bool IsReaderKeyword(const std::string& word) {
  static const std::array<const char*, 15> kWords = {"TITLE",
                                                     "MESSAGE",
                                                     "SUBTITLE",
                                                     "SUBMESSAGE",
                                                     "OBJECTNAMESLIST",
                                                     "DISSIMILARITYLIST",
                                                     "SIMILARITYLIST",
                                                     "ATTRIBUTELIST",
                                                     "WEIGHTLIST",
                                                     "MAPWEIGHTLIST",
                                                     "LOCATIONLIST",
                                                     "NODATARANGECHECKS",
                                                     "STARTPARKEDOBJECTSLIST",
                                                     "NOBJECTS",
                                                     "NATTRIBUTES"};
  if (word.rfind("START", 0) == 0) return true;  // every START setting
  return std::find(kWords.begin(), kWords.end(), word) != kWords.end();
}

// Line beginnings that the keyword rewriting of foreign files acts on
// (compared case-sensitively, as the rewriting does).
bool HasForeignPrefix(const std::string& text) {
  static const std::array<const char*, 12> kPrefixes = {
      "RUN NAME",         "TASK NAME",   "NAMES",       "LABELS",
      "OBJECTLABELSLIST", "READ CONFIG", "READ MATRIX", "PARAMETERS",
      "DIMENSIONS",       "NO OF",       "N OF",        "# OF"};
  for (const char* prefix : kPrefixes)
    if (text.rfind(prefix, 0) == 0) return true;
  return false;
}

bool NeedsApostrophe(const std::string& encoded) {
  if (encoded.empty()) return true;
  unsigned char first = static_cast<unsigned char>(encoded[0]);
  if (first >= 43 && first <= 57) return true;  // + , - . / and digits
  if (first == 39 || first == 96) return true;  // a leading apostrophe is dropped
  if (Upper(encoded.substr(0, 2)) == "NA") return true;
  size_t letters = 0;
  while (letters < encoded.size() && IsLetter(encoded[letters])) ++letters;
  if (IsReaderKeyword(Upper(encoded.substr(0, letters)))) return true;
  return HasForeignPrefix(encoded);
}

bool RowStartsWithNA(const Session& s, int i) {
  if (i >= 2 && s.prob.DissimMissing(i, 1)) return true;
  return s.prob.NAttributes >= 1 && s.prob.AttribMissing(i, 1);
}

}  // namespace

std::string NameColumn::EncodeName(const std::string& name) {
  std::string text = Trim(name);
  std::string out = text;
  for (size_t p = 0; p < text.size(); ++p) {
    unsigned char c = static_cast<unsigned char>(text[p]);
    if (c == ' ') {
      bool glued = p >= 1 && p + 1 < text.size() && IsLetter(text[p - 1]) &&
                   IsLetter(text[p + 1]) && !(p >= 2 && Upper(text.substr(p - 2, 2)) == "NA");
      if (!glued) out[p] = '@';
    } else if (c == ',' || c == ';' || c < 32 || c > 126) {
      out[p] = '@';
    }
  }
  return NeedsApostrophe(out) ? "'" + out : out;
}

NameColumn::NameColumn(const Session& s) : cells_(s.prob.NObjects + 1) {
  const int n = s.prob.NObjects;
  for (int i = 1; i <= n; ++i)
    width_ = std::max(width_, static_cast<int>(s.prob.ObjName[i].size()));
  width_ = std::min(width_, kMaxNameWidth);
  if (width_ == 0)
    for (int i = 1; i <= n && !guarded_; ++i) guarded_ = RowStartsWithNA(s, i);
  if (!Active()) return;
  for (int i = 1; i <= n; ++i) {
    std::string cell = EncodeName(s.prob.ObjName[i].substr(0, width_));
    if (static_cast<int>(cell.size()) < width_) cell.append(width_ - cell.size(), ' ');
    cells_[i] = cell + ", ";
  }
}

}  // namespace quorel
