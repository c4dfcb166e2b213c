#include "model/text_format.h"

#include <gtest/gtest.h>

namespace quorel {
namespace {

struct StrCase {
  float value;
  const char* text;
};

TEST(Str, LeadingBlankNoZeroSevenDigits) {
  const StrCase cases[] = {
      {0.25f, " .25"},
      {12.5f, " 12.5"},
      {1.5e-7f, " 1.5E-07"},
      {-0.5f, "-.5"},
      {0.0f, " 0"},
      {3.0f, " 3"},
      {1.0f / 3, " .3333333"},
      {0.1f, " .1"},
      {0.0001f, " .0001"},
      {0.00001f, " 1E-05"},
      {1234567.0f, " 1234567"},
      {12345678.0f, " 1.234568E+07"},
      {-12.0f, "-12"},
  };
  for (const auto& c : cases) EXPECT_EQ(Str(c.value), c.text) << c.value;
}

TEST(Str, DigitCountsOfTheReaders) {
  // The readers count digits as length - 2 with a point, - 1 without.
  EXPECT_EQ(Str(0.625f).size() - 2, 3u);
  EXPECT_EQ(Str(5.0f).size() - 1, 1u);
  EXPECT_EQ(Str(12.5f).size() - 2, 3u);
  EXPECT_EQ(Str(1.5e-7f).size() - 6, 2u);
}

TEST(Str, WholeNumbersAndDoubles) {
  EXPECT_EQ(Str(8), " 8");
  EXPECT_EQ(Str(-1), "-1");
  EXPECT_EQ(Str(0.1), " .1");
  EXPECT_EQ(Str(1.0 / 3), " .333333333333333");
}

TEST(PlainText, HasNoBlankAndKeepsTheZero) {
  EXPECT_EQ(PlainText(0.25f), "0.25");
  EXPECT_EQ(PlainText(-0.5f), "-0.5");
  EXPECT_EQ(PlainText(3.0f), "3");
}

struct FormatCase {
  double value;
  const char* pattern;
  const char* text;
};

TEST(Format, PatternsOfTheProgram) {
  const FormatCase cases[] = {
      {0.123456789, "##0.000000", "0.123457"},
      {123.5, "##0.000000", "123.500000"},
      {0.01234, "#0.0000", "0.0123"},
      {-0.25, "0.0000", "-0.2500"},
      {0.25, "0.0000", "0.2500"},
      {0.125, "0.00", "0.12"},  // halves to even
      {0.375, "0.00", "0.38"},
      {0.669, "0.###", "0.669"},
      {0.1, "0.###", "0.1"},
      {1.0, "0.###", "1."},
      {0.5, "####.0000", ".5000"},
      {12.25, "####.0000", "12.2500"},
      {3.0, "####0.0####", "3.0"},
      {3.14159, "####0.0####", "3.14159"},
      {0.000012, "####0.0####", "0.00001"},
      {1234.5, "0.0000E+00", "1.2345E+03"},
      {0.00012345, "0.0000E+00", "1.2345E-04"},
      {0.0, "0.0000E+00", "0.0000E+00"},
      {0.05, " 0.000", " 0.050"},
      {5.0, " ##0.0", " 5.0"},
      {12.0, " ##0", " 12"},
      {7.0, "###0  ", "7  "},
      {0.123456, " 0.00000", " 0.12346"},
      {0.5, " 0.0", " 0.5"},
      {1.0, " 0 ", " 1 "},
      {0.5, ", 0.000", " 0.500"},
      {1234567.0, "#,##0", "1,234,567"},
      {0.0, "##0.000000", "0.000000"},
      {-0.00001, "0.0000", "0.0000"},
      {9999.9999999, "###0.000000", "10000.000000"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Format(c.value, c.pattern), c.text) << c.pattern << " " << c.value;
}

TEST(FormatGeneralDate, MonthDayYearTwelveHourClock) {
  EXPECT_EQ(FormatGeneralDate({2026, 12, 6, 15, 4, 5}), "12/6/2026 3:04:05 PM");
  EXPECT_EQ(FormatGeneralDate({2026, 1, 2, 0, 0, 9}), "1/2/2026 12:00:09 AM");
  EXPECT_EQ(FormatGeneralDate({2026, 1, 2, 12, 30, 0}), "1/2/2026 12:30:00 PM");
}

}  // namespace
}  // namespace quorel
