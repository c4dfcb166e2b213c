// Number-to-text conversions used in messages, captions and files.
#pragma once

#include <string>
#include <string_view>

namespace quorel {

// The Str form: one leading blank for a non-negative value (a "-" otherwise),
// no zero before the decimal point, 7 significant digits for a float (15 for a
// double), exponent form "1.5E-07" below 1E-04 and from 1E+07 (1E+15) up.
//   Str(0.25f) == " .25", Str(12.5f) == " 12.5", Str(-3) == "-3".
std::string Str(float value);
std::string Str(double value);
std::string Str(int value);

// The plain text of a number: as Str, but without the leading blank for
// non-negative values and with a zero before a leading decimal point
// (0.25 -> "0.25", -0.5 -> "-0.5").
std::string PlainText(float value);
std::string PlainText(double value);

// The shortest text that reads back as exactly the same value ("0.1", "1e+20",
// "-3.5"), for files that scripts read.
std::string ShortestText(float value);
std::string ShortestText(double value);

// A format pattern: "0" a digit always shown, "#" a digit shown only when
// significant, "." the decimal point, "E+00"/"E-00" an exponent with at least
// as many digits as zeros, a comma before the digit positions switches on
// thousands grouping and is not printed; other characters are printed as they
// stand.  Rounding is to the nearest value, halves to even.  With a "." and
// no significant decimals left the point is still printed (1 in "0.###" is
// "1.").  Examples: Format(0.5, "####.0000") == ".5000",
// Format(1234.5, "0.0000E+00") == "1.2345E+03", Format(0.5, ", 0.000") == " 0.500".
std::string Format(double value, const std::string& pattern);

// A format pattern read once, for the tables that format many values alike:
// AppendTo(out, v) appends exactly Format(v, pattern) to out.
class FormatPattern {
 public:
  explicit FormatPattern(const std::string& pattern);
  void AppendTo(std::string& out, double value) const;

 private:
  void AppendBody(std::string& out, double mag, int int_zeros, bool& is_zero) const;

  std::string prefix_, suffix_;
  bool literal_ = false;  // no digit positions: the pattern is printed as it stands
  int int_zeros_ = 0;     // minimum integer digits
  bool has_point_ = false;
  int dec_zeros_ = 0;   // minimum decimals
  int dec_hashes_ = 0;  // further optional decimals
  bool grouping_ = false;
  bool exponent_ = false;
  bool exponent_plus_ = false;
  int exp_zeros_ = 0;
};

// The general date: "12/6/2026 3:04:05 PM" (month/day/year, 12-hour clock).
struct DateTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};
std::string FormatGeneralDate(const DateTime& when);

// Single-byte (Latin-1) text, as the program keeps names, as UTF-8.
std::string Latin1ToUtf8(std::string_view text);

}  // namespace quorel
