#include "input/row_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "input/line_tokenizer.h"
#include "model/text_format.h"

namespace quorel {

bool StartsWithNumberChar(std::string_view row) {
  if (row.empty()) return false;
  unsigned char c = static_cast<unsigned char>(row[0]);
  return c >= 43 && c <= 57;
}

bool StartsWithNA(std::string_view text) {
  return text.size() >= 2 && (text[0] == 'N' || text[0] == 'n') &&
         (text[1] == 'A' || text[1] == 'a');
}

std::string NameFromToken(const std::string& token) {
  std::string name = token;
  if (!name.empty()) {
    unsigned char c = static_cast<unsigned char>(name[0]);
    if (c == 39 || c == 96 || c == 146) name.erase(0, 1);
  }
  int turned = 0;
  for (char& c : name) {
    if (turned == 10) break;
    if (c == '@') {
      c = ' ';
      ++turned;
    }
  }
  return name;
}

std::string_view NextToken(std::string_view row, size_t& pos) {
  if (pos >= row.size()) return {};
  size_t end = pos;
  while (end < row.size() && row[end] != ',') ++end;
  if (end < row.size()) ++end;  // the comma belongs to the token
  std::string_view token = row.substr(pos, end - pos);
  pos = end;
  return token;
}

int ProximityDigits(float value) {
  const double mag = std::fabs(static_cast<double>(value));
  if (!std::isfinite(mag)) {
    std::string text = Str(value);
    int length = static_cast<int>(text.size());
    return text.find('.') != std::string::npos ? length - 2 : length - 1;
  }
  if (mag == 0) return 1;  // " 0"
  // The seven significant digits Str prints, d.dddddde+XX, without building
  // its text: m digits after the trailing zeros go, exponent e.
  char buf[32];
  const char* end = std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::scientific, 6).ptr;
  const char* epos = std::find(static_cast<const char*>(buf), end, 'e');
  int e = 0;
  std::from_chars(epos + (epos[1] == '+' ? 2 : 1), end, e);
  int m = 7;
  while (m > 1 && buf[m] == '0') --m;              // buf[1] is the point: digit k sits at buf[k]
  if (e < -4 || e >= 7) return m > 1 ? m + 4 : 5;  // " d.ddE-05" or " dE-05"
  if (e < 0) return -e - 1 + m;                    // " .00ddd"
  return m <= e + 1 ? e + 1 : m;                   // " ddd00" or " dd.ddd"
}

int AttributeDigits(float value) {
  std::string text = Str(value);
  int length = static_cast<int>(text.size());
  if (text.find('E') != std::string::npos) return length - 6;
  return text.find('.') != std::string::npos ? length - 2 : length - 1;
}

int DegradeLevelFromDigits(int digits) {
  if (digits < 1) return 1;
  if (digits > 7) return 12;
  return digits + 5;
}

}  // namespace quorel
