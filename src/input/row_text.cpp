#include "input/row_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "input/line_tokenizer.h"
#include "model/numeric.h"
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

namespace {

// The digit count of the Str text of a value, from its seven significant
// digits (m of them left after the trailing zeros go) and its decimal
// exponent e: " d.ddE-05" or " dE-05" below 1E-04 and from 1E+07 up,
// " .00ddd" below 1, " ddd00" or " dd.ddd" from 1 up.
int DigitsOfStrText(int m, int e) {
  if (e < -4 || e >= 7) return m > 1 ? m + 4 : 5;
  if (e < 0) return -e - 1 + m;
  return m <= e + 1 ? e + 1 : m;
}

// The seven significant digits of a value from 1E-04 up to 1E+07 as Str
// rounds them: for such a float, value * 10^(6 - e) is an exact double (at
// most 24 + 24 bits), so rounding it to a whole number, halves to even,
// gives the digits exactly.  False outside that range.
bool SevenDigits(double mag, int& m, int& e) {
  static constexpr double kPowers[] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3,
                                       1e4,  1e5,  1e6,  1e7,  1e8, 1e9, 1e10};  // 10^(k - 4)
  if (!(mag >= 1e-4f && mag < 1e7)) return false;
  e = -4;
  while (e < 6 && mag >= kPowers[e + 5]) ++e;
  if (mag < kPowers[e + 4]) return false;  // below the float nearest 1E-04
  double whole = RoundHalfEven(mag * kPowers[6 - e + 4]);
  if (whole >= 1e7) {  // 9.9999996 and the like round up to the next decade
    ++e;
    whole /= 10;
  }
  auto n = static_cast<long>(whole);
  m = 7;
  while (m > 1 && n % 10 == 0) n /= 10, --m;
  return true;
}

}  // namespace

int ProximityDigits(float value) {
  const double mag = std::fabs(static_cast<double>(value));
  if (mag == 0) return 1;  // " 0"
  int m = 0, e = 0;
  if (SevenDigits(mag, m, e)) return DigitsOfStrText(m, e);
  if (!std::isfinite(mag)) {
    std::string text = Str(value);
    int length = static_cast<int>(text.size());
    return text.find('.') != std::string::npos ? length - 2 : length - 1;
  }
  // d.ddddde+XX as Str has it, without building its text.
  char buf[32];
  const char* end = std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::scientific, 6).ptr;
  const char* epos = std::find(static_cast<const char*>(buf), end, 'e');
  std::from_chars(epos + (epos[1] == '+' ? 2 : 1), end, e);
  m = 7;
  while (m > 1 && buf[m] == '0') --m;  // buf[1] is the point: digit k sits at buf[k]
  return DigitsOfStrText(m, e);
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
