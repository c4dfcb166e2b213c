#include "model/text_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quorel {
namespace {

// Shortest form of `value` with at most `digits` significant digits.
std::string StrWithDigits(double value, int digits, bool leading_blank, bool leading_zero) {
  if (!std::isfinite(value)) return value > 0 ? (leading_blank ? " inf" : "inf") : "-inf";
  std::string sign = value < 0 ? "-" : (leading_blank ? " " : "");
  double mag = std::fabs(value);
  if (mag == 0.0) return sign + "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", digits - 1, mag);
  // buf: d.ddddde+XX
  std::string s(buf);
  size_t epos = s.find('e');
  std::string mantissa = s.substr(0, epos);
  int exponent = std::atoi(s.c_str() + epos + 1);
  std::string mdigits;
  for (char c : mantissa)
    if (c != '.') mdigits += c;
  while (mdigits.size() > 1 && mdigits.back() == '0') mdigits.pop_back();

  if (exponent < -4 || exponent >= digits) {
    std::string out = mdigits.substr(0, 1);
    if (mdigits.size() > 1) out += "." + mdigits.substr(1);
    char ebuf[16];
    std::snprintf(ebuf, sizeof ebuf, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return sign + out + ebuf;
  }
  std::string out;
  if (exponent < 0) {
    out = (leading_zero ? "0." : ".") + std::string(-exponent - 1, '0') + mdigits;
  } else {
    size_t int_len = static_cast<size_t>(exponent) + 1;
    if (mdigits.size() <= int_len) {
      out = mdigits + std::string(int_len - mdigits.size(), '0');
    } else {
      out = mdigits.substr(0, int_len) + "." + mdigits.substr(int_len);
    }
  }
  return sign + out;
}

std::string GroupThousands(const std::string& digits) {
  std::string out;
  int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    out += digits[i];
    int left = n - 1 - i;
    if (left > 0 && left % 3 == 0) out += ',';
  }
  return out;
}

struct Pattern {
  std::string prefix, suffix;
  int int_zeros = 0;  // minimum integer digits
  bool has_point = false;
  int dec_zeros = 0;   // minimum decimals
  int dec_hashes = 0;  // further optional decimals
  bool grouping = false;
  bool exponent = false;
  bool exponent_plus = false;
  int exp_zeros = 0;
};

Pattern ParsePattern(const std::string& p) {
  Pattern pat;
  size_t first = p.find_first_of("0#");
  if (first == std::string::npos) {
    pat.prefix = p;
    return pat;
  }
  for (size_t k = 0; k < first; ++k) {
    if (p[k] == ',')
      pat.grouping = true;
    else
      pat.prefix += p[k];
  }
  size_t k = first;
  bool in_decimals = false;
  for (; k < p.size(); ++k) {
    char c = p[k];
    if (c == '0' || c == '#') {
      if (in_decimals) {
        if (c == '0' && pat.dec_hashes == 0)
          ++pat.dec_zeros;
        else
          ++pat.dec_hashes;
      } else if (c == '0') {
        ++pat.int_zeros;
      }
    } else if (c == ',' && !in_decimals) {
      pat.grouping = true;
    } else if (c == '.' && !in_decimals) {
      in_decimals = true;
      pat.has_point = true;
    } else if ((c == 'E' || c == 'e') && k + 1 < p.size() && (p[k + 1] == '+' || p[k + 1] == '-')) {
      pat.exponent = true;
      pat.exponent_plus = p[k + 1] == '+';
      k += 2;
      while (k < p.size() && p[k] == '0') ++pat.exp_zeros, ++k;
      break;
    } else {
      break;
    }
  }
  pat.suffix = p.substr(k);
  return pat;
}

// Digits of |value| with exactly `decimals` decimals, rounded halves to even
// on the exact binary value (as printf does).
std::string FixedDigits(double mag, int decimals) {
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, mag);
  return buf;
}

std::string Body(double mag, const Pattern& pat, bool& is_zero) {
  int max_dec = pat.dec_zeros + pat.dec_hashes;
  std::string fixed = FixedDigits(mag, max_dec);
  std::string int_part = fixed, dec_part;
  size_t dot = fixed.find('.');
  if (dot != std::string::npos) {
    int_part = fixed.substr(0, dot);
    dec_part = fixed.substr(dot + 1);
  }
  is_zero = int_part.find_first_not_of('0') == std::string::npos &&
            dec_part.find_first_not_of('0') == std::string::npos;
  while (static_cast<int>(dec_part.size()) > pat.dec_zeros && dec_part.back() == '0')
    dec_part.pop_back();
  // Integer digits: strip leading zeros, then pad to the minimum.
  size_t nz = int_part.find_first_not_of('0');
  int_part = nz == std::string::npos ? "" : int_part.substr(nz);
  while (static_cast<int>(int_part.size()) < pat.int_zeros) int_part.insert(0, "0");
  if (pat.grouping) int_part = GroupThousands(int_part);
  std::string out = int_part;
  if (pat.has_point) out += "." + dec_part;
  return out;
}

}  // namespace

std::string Str(float value) {
  return StrWithDigits(value, 7, true, false);
}
std::string Str(double value) {
  return StrWithDigits(value, 15, true, false);
}
std::string Str(int value) {
  return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}
std::string PlainText(float value) {
  return StrWithDigits(value, 7, false, true);
}
std::string PlainText(double value) {
  return StrWithDigits(value, 15, false, true);
}

namespace {
template <class T>
std::string Shortest(T value) {
  char buf[64];
  auto result = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, result.ptr);
}
}  // namespace

std::string ShortestText(float value) {
  return Shortest(value);
}

std::string ShortestText(double value) {
  return Shortest(value);
}

std::string Format(double value, const std::string& pattern) {
  Pattern pat = ParsePattern(pattern);
  if (pat.int_zeros == 0 && !pat.has_point && !pat.exponent &&
      pattern.find('#') == std::string::npos)
    return pattern;  // no digit positions at all
  if (!std::isfinite(value)) return value > 0 ? "inf" : "-inf";
  bool negative = value < 0;
  double mag = std::fabs(value);
  std::string body;
  bool is_zero = false;
  if (pat.exponent) {
    int exponent = 0;
    if (mag > 0) {
      int decimals = pat.dec_zeros + pat.dec_hashes;
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.*e", decimals, mag);
      std::string s(buf);
      size_t epos = s.find('e');
      exponent = std::atoi(s.c_str() + epos + 1);
      mag = std::strtod(s.substr(0, epos).c_str(), nullptr);
    }
    Pattern mant = pat;
    mant.int_zeros = std::max(1, pat.int_zeros);
    body = Body(mag, mant, is_zero);
    std::string e = std::to_string(std::abs(exponent));
    while (static_cast<int>(e.size()) < pat.exp_zeros) e.insert(0, "0");
    body += "E";
    if (exponent < 0)
      body += "-";
    else if (pat.exponent_plus)
      body += "+";
    body += e;
    is_zero = mag == 0;
  } else {
    body = Body(mag, pat, is_zero);
  }
  std::string out = pat.prefix + body + pat.suffix;
  if (negative && !is_zero) out.insert(0, "-");
  return out;
}

std::string FormatGeneralDate(const DateTime& w) {
  int hour12 = w.hour % 12 == 0 ? 12 : w.hour % 12;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d/%d/%d %d:%02d:%02d %s", w.month, w.day, w.year, hour12,
                w.minute, w.second, w.hour < 12 ? "AM" : "PM");
  return buf;
}

}  // namespace quorel
