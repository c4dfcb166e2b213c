// Number helpers shared by every subsystem: the rounding rule, integer
// division and the leading-number parser used for all numbers read from text.
#pragma once

#include <string_view>

namespace quorel {

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Nearest value with `decimals` decimals, halves to even.  The scaling is done
// in double precision, as a float argument is first widened exactly.
double RoundHalfEven(double value, int decimals);

// RoundHalfEven to a 32-bit whole number, saturating at the int limits.
int RoundToInt(double value);

// a \ b: both operands rounded to whole numbers first, the quotient truncated
// toward zero.  A zero divisor gives 0 rather than a trap.
int IntDiv(double a, double b);

// The leading number of a text: leading blanks skipped, optional sign, digits,
// one decimal point, an optional exponent (E or e, optional sign, digits).
// Anything after it is ignored; empty or non-numeric text gives 0.
double Val(std::string_view text);

// Val narrowed to single precision.  Magnitudes beyond the float range give
// +-FLT_MAX instead of an infinity, so that no later arithmetic turns into NaN.
float ValF(std::string_view text);

// True when the leading number of the text is finite and fits a float.
bool ValFitsFloat(std::string_view text);

// -1, 0 or +1.
inline int Sgn(double v) {
  return (v > 0) - (v < 0);
}

}  // namespace quorel
