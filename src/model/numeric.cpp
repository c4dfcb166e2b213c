#include "model/numeric.h"

#include <cfenv>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace quorel {

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  // nearbyint follows the current rounding mode, which is round-to-nearest-even
  // unless someone changed it; do not rely on that.
  double floor_v = std::floor(value);
  double diff = value - floor_v;
  if (diff > 0.5) return floor_v + 1.0;
  if (diff < 0.5) return floor_v;
  return std::fmod(floor_v, 2.0) == 0.0 ? floor_v : floor_v + 1.0;
}

double RoundHalfEven(double value, int decimals) {
  if (decimals <= 0) return RoundHalfEven(value);
  double scale = std::pow(10.0, decimals);
  double scaled = value * scale;
  if (!std::isfinite(scaled)) return value;
  return RoundHalfEven(scaled) / scale;
}

int RoundToInt(double value) {
  if (std::isnan(value)) return 0;
  double r = RoundHalfEven(value);
  if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(r);
}

int IntDiv(double a, double b) {
  int ia = RoundToInt(a);
  int ib = RoundToInt(b);
  if (ib == 0) return 0;
  if (ia == INT_MIN && ib == -1) return INT_MAX;
  return ia / ib;
}

namespace {

// Length of the leading number starting at `pos` (after blanks), or 0.
size_t ScanNumber(std::string_view t, size_t pos) {
  size_t p = pos;
  if (p < t.size() && (t[p] == '+' || t[p] == '-')) ++p;
  size_t digits = 0;
  while (p < t.size() && t[p] >= '0' && t[p] <= '9') ++p, ++digits;
  if (p < t.size() && t[p] == '.') {
    ++p;
    while (p < t.size() && t[p] >= '0' && t[p] <= '9') ++p, ++digits;
  }
  if (digits == 0) return 0;
  if (p < t.size() && (t[p] == 'E' || t[p] == 'e')) {
    size_t q = p + 1;
    if (q < t.size() && (t[q] == '+' || t[q] == '-')) ++q;
    size_t exp_digits = 0;
    while (q < t.size() && t[q] >= '0' && t[q] <= '9') ++q, ++exp_digits;
    if (exp_digits > 0) p = q;
  }
  return p - pos;
}

// A plain decimal number (optional sign, digits with one point, no
// exponent) of at most 15 digits, converted by one division: its digits as a
// whole number and the power of ten are both exact doubles, and the division
// rounds correctly, so the result is exactly the one strtod gives.  False for
// any other number.
bool PlainDecimal(const char* first, const char* last, double& value) {
  constexpr int kMaxDigits = 15;
  static constexpr double kPowers[kMaxDigits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const bool negative = *first == '-';
  if (*first == '-' || *first == '+') ++first;
  std::uint64_t whole = 0;
  int digits = 0, decimals = 0;
  bool point = false;
  for (const char* c = first; c != last; ++c) {
    if (*c == '.') {
      point = true;
      continue;
    }
    if (*c < '0' || *c > '9' || ++digits > kMaxDigits) return false;
    whole = whole * 10 + static_cast<std::uint64_t>(*c - '0');
    decimals += point ? 1 : 0;
  }
  const double magnitude = static_cast<double>(whole) / kPowers[decimals];
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace

double Val(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  size_t len = ScanNumber(text, pos);
  if (len == 0) return 0.0;
  // The scanned text is a plain decimal number, which from_chars converts
  // with the same correct rounding as strtod, without a copy.  It takes no
  // "+" sign, and it leaves a number beyond the double range to strtod,
  // which gives the infinity or the underflowed value.
  const char* first = text.data() + pos;
  const char* last = first + len;
  double v = 0.0;
  if (PlainDecimal(first, last, v)) return v;
  if (*first == '+') ++first;
  const auto [end, ec] = std::from_chars(first, last, v);
  if (ec != std::errc() || end != last) {
    std::string number(text.substr(pos, len));
    v = std::strtod(number.c_str(), nullptr);
  }
  if (std::isnan(v)) return 0.0;
  return v;
}

float ValF(std::string_view text) {
  double v = Val(text);
  if (v > FLT_MAX) return FLT_MAX;
  if (v < -FLT_MAX) return -FLT_MAX;
  return static_cast<float>(v);
}

bool ValFitsFloat(std::string_view text) {
  double v = Val(text);
  return std::isfinite(v) && std::fabs(v) <= FLT_MAX;
}

}  // namespace quorel
