#include "model/numeric.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace quorel {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(1.5), 2.0);
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(RoundHalfEven(-3.5), -4.0);
  EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
  EXPECT_EQ(RoundHalfEven(2.5001), 3.0);
}

TEST(RoundHalfEven, ToDecimals) {
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.125, 2), 0.12);
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.375, 2), 0.38);
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.25, 1), 0.2);
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.75, 1), 0.8);
  EXPECT_DOUBLE_EQ(RoundHalfEven(1.23456, 3), 1.235);
}

TEST(RoundToInt, SaturatesAndHandlesNaN) {
  EXPECT_EQ(RoundToInt(1e30), INT_MAX);
  EXPECT_EQ(RoundToInt(-1e30), INT_MIN);
  EXPECT_EQ(RoundToInt(0.0 / 0.0), 0);
  EXPECT_EQ(RoundToInt(6.5), 6);
}

TEST(IntDiv, RoundsOperandsThenTruncates) {
  EXPECT_EQ(IntDiv(7, 2), 3);
  EXPECT_EQ(IntDiv(-7, 2), -3);
  EXPECT_EQ(IntDiv(3310, 400), 8);  // (4410 - 1100) \ 400 parking rows
  EXPECT_EQ(IntDiv(7.5, 2), 4);     // 7.5 rounds to 8 first
  EXPECT_EQ(IntDiv(5, 0), 0);
}

TEST(Val, TakesTheLeadingNumber) {
  EXPECT_DOUBLE_EQ(Val("12"), 12.0);
  EXPECT_DOUBLE_EQ(Val("   -3.25abc"), -3.25);
  EXPECT_DOUBLE_EQ(Val("+.5"), 0.5);
  EXPECT_DOUBLE_EQ(Val("1.5E-07"), 1.5e-7);
  EXPECT_DOUBLE_EQ(Val("2e3x"), 2000.0);
  EXPECT_DOUBLE_EQ(Val("2E"), 2.0);     // an exponent without digits is not part of it
  EXPECT_DOUBLE_EQ(Val("3.2.1"), 3.2);  // one decimal point only
  EXPECT_DOUBLE_EQ(Val("=5"), 0.0);
  EXPECT_DOUBLE_EQ(Val(""), 0.0);
  EXPECT_DOUBLE_EQ(Val("NA"), 0.0);
  EXPECT_DOUBLE_EQ(Val("-"), 0.0);
  EXPECT_DOUBLE_EQ(Val("."), 0.0);
  EXPECT_DOUBLE_EQ(Val("12,5"), 12.0);
}

TEST(Val, HugeNumbersStayFiniteInSinglePrecision) {
  EXPECT_EQ(ValF("1e39"), FLT_MAX);
  EXPECT_EQ(ValF("-1e300"), -FLT_MAX);
  EXPECT_FALSE(ValFitsFloat("1e39"));
  EXPECT_FALSE(ValFitsFloat("1e999"));
  EXPECT_TRUE(ValFitsFloat("3e38"));
}

}  // namespace
}  // namespace quorel
