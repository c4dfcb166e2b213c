#include "model/text_format.h"

#include <algorithm>
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
  // d.ddddde+XX, rounded as printf's "%.*e" rounds (to_chars promises the
  // same text, and is much faster).
  char buf[64];
  const char* end =
      std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::scientific, digits - 1).ptr;
  const char* epos = std::find(static_cast<const char*>(buf), end, 'e');
  int exponent = 0;
  std::from_chars(epos + (epos[1] == '+' ? 2 : 1), end, exponent);
  std::string mdigits;
  for (const char* c = buf; c != epos; ++c)
    if (*c != '.') mdigits += *c;
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

// The digits of |value| with exactly `decimals` decimals into buf, rounded
// halves to even on the exact binary value as printf's "%.*f" does (to_chars
// promises the same text); returns the end of the text.
char* FixedDigits(char* buf, size_t size, double mag, int decimals) {
  const auto [end, ec] = std::to_chars(buf, buf + size, mag, std::chars_format::fixed, decimals);
  if (ec == std::errc()) return end;
  const int written = std::snprintf(buf, size, "%.*f", decimals, mag);
  return buf + std::clamp(written, 0, static_cast<int>(size) - 1);
}

}  // namespace

FormatPattern::FormatPattern(const std::string& p) {
  size_t first = p.find_first_of("0#");
  if (first == std::string::npos) {
    prefix_ = p;
    literal_ = true;
    return;
  }
  for (size_t k = 0; k < first; ++k) {
    if (p[k] == ',')
      grouping_ = true;
    else
      prefix_ += p[k];
  }
  size_t k = first;
  bool in_decimals = false;
  for (; k < p.size(); ++k) {
    char c = p[k];
    if (c == '0' || c == '#') {
      if (in_decimals) {
        if (c == '0' && dec_hashes_ == 0)
          ++dec_zeros_;
        else
          ++dec_hashes_;
      } else if (c == '0') {
        ++int_zeros_;
      }
    } else if (c == ',' && !in_decimals) {
      grouping_ = true;
    } else if (c == '.' && !in_decimals) {
      in_decimals = true;
      has_point_ = true;
    } else if ((c == 'E' || c == 'e') && k + 1 < p.size() && (p[k + 1] == '+' || p[k + 1] == '-')) {
      exponent_ = true;
      exponent_plus_ = p[k + 1] == '+';
      k += 2;
      while (k < p.size() && p[k] == '0') ++exp_zeros_, ++k;
      break;
    } else {
      break;
    }
  }
  suffix_ = p.substr(k);
  literal_ = int_zeros_ == 0 && !has_point_ && !exponent_ && p.find('#') == std::string::npos;
  if (literal_) prefix_ = p;  // no digit positions at all: the pattern as it stands
}

// The number without sign, prefix and suffix; `is_zero` when every digit
// shown is 0.
void FormatPattern::AppendBody(std::string& out, double mag, int int_zeros, bool& is_zero) const {
  char fixed[512];
  const char* end = FixedDigits(fixed, sizeof fixed, mag, dec_zeros_ + dec_hashes_);
  const char* dot = std::find(static_cast<const char*>(fixed), end, '.');
  is_zero = std::all_of(static_cast<const char*>(fixed), end,
                        [](char c) { return c == '0' || c == '.'; });
  const char* dec_begin = dot < end ? dot + 1 : dot;
  const char* dec_end = end;
  while (dec_end - dec_begin > dec_zeros_ && dec_end[-1] == '0') --dec_end;
  // Integer digits: leading zeros dropped, then padded to the minimum.
  const char* int_begin = fixed;
  while (int_begin < dot && *int_begin == '0') ++int_begin;
  const int int_len = static_cast<int>(dot - int_begin);
  if (grouping_) {
    std::string digits(static_cast<size_t>(std::max(0, int_zeros - int_len)), '0');
    digits.append(int_begin, dot);
    out += GroupThousands(digits);
  } else {
    if (int_len < int_zeros) out.append(static_cast<size_t>(int_zeros - int_len), '0');
    out.append(int_begin, dot);
  }
  if (has_point_) {
    out += '.';
    out.append(dec_begin, dec_end);
  }
}

void FormatPattern::AppendTo(std::string& out, double value) const {
  if (literal_) {
    out += prefix_;
    return;
  }
  if (!std::isfinite(value)) {
    out += value > 0 ? "inf" : "-inf";
    return;
  }
  const bool negative = value < 0;
  double mag = std::fabs(value);
  const size_t start = out.size();
  out += prefix_;
  bool is_zero = false;
  if (exponent_) {
    int exponent = 0;
    if (mag > 0) {
      int decimals = dec_zeros_ + dec_hashes_;
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.*e", decimals, mag);
      std::string s(buf);
      size_t epos = s.find('e');
      exponent = std::atoi(s.c_str() + epos + 1);
      mag = std::strtod(s.substr(0, epos).c_str(), nullptr);
    }
    AppendBody(out, mag, std::max(1, int_zeros_), is_zero);
    std::string e = std::to_string(std::abs(exponent));
    while (static_cast<int>(e.size()) < exp_zeros_) e.insert(0, "0");
    out += "E";
    if (exponent < 0)
      out += "-";
    else if (exponent_plus_)
      out += "+";
    out += e;
    is_zero = mag == 0;
  } else {
    AppendBody(out, mag, int_zeros_, is_zero);
  }
  out += suffix_;
  if (negative && !is_zero) out.insert(start, "-");
}

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
  std::string out;
  FormatPattern(pattern).AppendTo(out, value);
  return out;
}

std::string FormatGeneralDate(const DateTime& w) {
  int hour12 = w.hour % 12 == 0 ? 12 : w.hour % 12;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d/%d/%d %d:%02d:%02d %s", w.month, w.day, w.year, hour12,
                w.minute, w.second, w.hour < 12 ? "AM" : "PM");
  return buf;
}

// Latin-1 is the first 256 code points: two bytes of UTF-8 each above ASCII.
std::string Latin1ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace quorel
