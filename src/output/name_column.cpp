#include "output/name_column.h"

#include <algorithm>
#include <cctype>

#include "model/data_keywords.h"

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

bool NeedsApostrophe(const std::string& encoded) {
  if (encoded.empty()) return true;
  unsigned char first = static_cast<unsigned char>(encoded[0]);
  if (first >= 43 && first <= 57) return true;  // + , - . / and digits
  if (first == 39 || first == 96) return true;  // a leading apostrophe is dropped
  if (Upper(encoded.substr(0, 2)) == "NA") return true;
  return ReadAsKeywordLine(encoded);
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
