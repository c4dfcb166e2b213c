// Numbers read from text and their digit counts, against their definitions:
// Val gives what strtod gives for the leading number, and a proximity
// value's digit count is that of its Str text.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "input/row_text.h"
#include "model/numeric.h"
#include "model/text_format.h"

namespace quorel {
namespace {

int DigitsOfTheStrText(float value) {
  const std::string text = Str(value);
  const int length = static_cast<int>(text.size());
  return text.find('.') != std::string::npos ? length - 2 : length - 1;
}

// Decimal texts of every length the reader meets: 1 to 18 digits, a point
// anywhere or none, a sign, now and then an exponent.
std::string RandomDecimal(std::mt19937& gen) {
  std::uniform_int_distribution<int> digit(0, 9), length(1, 18), coin(0, 9);
  std::string text = coin(gen) == 0 ? "-" : (coin(gen) == 0 ? "+" : "");
  const int n = length(gen);
  const int point = std::uniform_int_distribution<int>(0, n)(gen);
  for (int k = 0; k < n; ++k) {
    if (k == point) text += '.';
    text += static_cast<char>('0' + digit(gen));
  }
  if (coin(gen) == 0)
    text += "e" + std::to_string(std::uniform_int_distribution<int>(-12, 12)(gen));
  return text;
}

TEST(NumberText, ValIsStrtodOnTheLeadingNumber) {
  std::mt19937 gen(11);
  for (int k = 0; k < 200000; ++k) {
    const std::string text = RandomDecimal(gen);
    ASSERT_EQ(Val(text + ","), std::strtod(text.c_str(), nullptr)) << text;
  }
}

TEST(NumberText, ProximityDigitsAreThoseOfTheStrText) {
  std::vector<float> values = {0.0f,        1.0f,        0.5f,       0.25f,      1e-4f,
                               9.99999e-5f, 1.5e-5f,     1234567.5f, 1234568.5f, 9999999.5f,
                               1e7f,        12345678.f,  0.1f,       0.864322f,  99.99999f,
                               9.9999996f,  9.99999e-4f, -0.0001f,   -2.5f,      3e38f};
  std::mt19937 gen(7);
  std::uniform_int_distribution<std::uint32_t> bits;
  for (int k = 0; k < 200000; ++k) {
    // Any finite float, and decimal texts as data files hold them.
    std::uint32_t b = bits(gen);
    float v;
    std::memcpy(&v, &b, sizeof v);
    if (std::isfinite(v)) values.push_back(v);
    values.push_back(ValF(RandomDecimal(gen)));
  }
  for (float v : values) ASSERT_EQ(ProximityDigits(v), DigitsOfTheStrText(v)) << v;
}

// Str and Format take their digits from to_chars, which promises printf's
// text for the same precision; the files written rely on it.
TEST(NumberText, DigitsAreThoseOfPrintf) {
  std::mt19937 gen(3);
  std::uniform_real_distribution<double> unit(0.0, 2.0);
  for (int k = 0; k < 100000; ++k) {
    const double v = k % 2 ? unit(gen) : static_cast<float>(unit(gen));
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.6e", v);
    char ours[40];
    *std::to_chars(ours, ours + sizeof ours - 1, v, std::chars_format::scientific, 6).ptr = '\0';
    ASSERT_STREQ(ours, scientific);
    char fixed[40];
    std::snprintf(fixed, sizeof fixed, "%.5f", v);
    ASSERT_EQ(Format(v, "0.00000"), fixed);
  }
}

}  // namespace
}  // namespace quorel
