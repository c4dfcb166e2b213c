// What happens to the coordinates of an object after its step, value by
// value: the boundary projections and their exact limits, the X-Y emphasis
// rows and the runaway resets.
#include <gtest/gtest.h>

#include <cmath>

#include "model/captions.h"
#include "solver/solver_geometry.h"
#include "solver/solver_sweep_end.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

TEST(BoundaryRule, CircularProjectionKeepsTheRatiosToCoordinateOne) {
  // s = 1 + 4 = 5 > 1: x3 *= 1/5 -> 0.4; r2 = 0, r3 = 0.4;
  // x1 = 1 / sqrt(1.16) = 0.9284767, x3 = 0.4 x1 = 0.3713907.
  float x[8] = {1.0f, 0.0f, 2.0f, 0, 0, 0, 0, 0};
  ApplyBoundary(0, 1.0f, x);
  EXPECT_NEAR(x[0], 0.9284767f, 1e-7f);
  EXPECT_EQ(x[1], 0.0f);
  EXPECT_NEAR(x[2], 0.3713907f, 1e-7f);
  // Negative signs are kept: (-0.6, 0.8) scaled by R = 0.5 from s = 1 x 4.
  float y[8] = {-1.2f, 1.6f, 0, 0, 0, 0, 0, 0};
  ApplyBoundary(0, 0.5f, y);
  EXPECT_NEAR(y[0], -0.3f, 1e-7f);
  EXPECT_NEAR(y[1], 0.4f, 1e-7f);
}

TEST(BoundaryRule, CircularWithCoordinateOneNearZeroUsesTheLargeRatio) {
  // |x1| <= 1e-6: r2 = |x2| 1e7 = 2e7, x1 = 1e-6 sign... = 1 / sqrt(1 + 4e14),
  // x2 = r2 x1 = 1 (to float precision).
  float x[8] = {1e-6f, 2.0f, 0, 0, 0, 0, 0, 0};
  ApplyBoundary(0, 1.0f, x);
  EXPECT_NEAR(x[0], 5e-8f, 1e-10f);
  EXPECT_NEAR(x[1], 1.0f, 1e-6f);
}

TEST(BoundaryRule, PathAllowsASmallExcessAndLeavesCoordinateOne) {
  float inside[8] = {7.0f, 1.000004f, 0, 0, 0, 0, 0, 0};  // s = 1.000008 <= 1 + 1e-5
  ApplyBoundary(1, 1.0f, inside);
  EXPECT_EQ(inside[0], 7.0f);
  EXPECT_EQ(inside[1], 1.000004f);
  float outside[8] = {7.0f, -3.0f, 4.0f, 0, 0, 0, 0, 0};  // s = 25
  ApplyBoundary(1, 1.0f, outside);
  // x3 = 4/25 = 0.16, r3 = 0.16/3, x2 = -1/sqrt(1 + 0.0028444) = -0.9985808,
  // x3 = r3 |x2| = 0.0532578.
  EXPECT_EQ(outside[0], 7.0f);
  EXPECT_NEAR(outside[1], -0.9985808f, 1e-6f);
  EXPECT_NEAR(outside[2], 0.0532578f, 1e-6f);
}

TEST(EmphasisRule, TheMiddleRowOfSmallProblemsDrawsForCoordinateThree) {
  Session s;
  s.prob.NObjects = 10;
  s.set.XYSectionEmphasis = true;
  s.set.DimensionsNum = 3;
  RandomSource replay;
  for (int it : {35, 74}) {
    s.run.IterationCount = it;
    float x[8] = {1, 1, 0.5f, 1, 1, 1, 1, 1};
    ApplyXYEmphasis(s, x);
    EXPECT_EQ(x[0], 1.0f);
    EXPECT_EQ(x[1], 1.0f);
    EXPECT_FLOAT_EQ(x[2], 0.7f * 0.5f + 0.1f * replay.Next()) << it;
    EXPECT_FLOAT_EQ(x[3], 0.5f);
    for (int k = 4; k < 8; ++k) EXPECT_FLOAT_EQ(x[k], 0.3f);
  }
  s.run.IterationCount = 75;
  float late[8] = {1, 1, 1, 1, 1, 1, 1, 1};
  ApplyXYEmphasis(s, late);
  EXPECT_FLOAT_EQ(late[2], 0.9f);
  EXPECT_FLOAT_EQ(late[3], 0.8f);
  EXPECT_FLOAT_EQ(late[7], 0.7f);
  s.run.IterationCount = 100;  // nothing from iteration 100 on
  float none[8] = {1, 1, 1, 1, 1, 1, 1, 1};
  ApplyXYEmphasis(s, none);
  for (float v : none) EXPECT_EQ(v, 1.0f);
  EXPECT_EQ(s.rnd.Next(), replay.Next());  // two draws, both in the middle row
}

TEST(EmphasisRule, LargeProblemsByIteration) {
  Session s;
  s.prob.NObjects = 11;
  s.set.XYSectionEmphasis = true;
  s.set.DimensionsNum = 8;
  struct Row {
    int it;
    float f[6];
  };
  for (Row r : {Row{99, {0.8f, 0.7f, 0.7f, 0.7f, 0.6f, 0.6f}},
                Row{100, {0.9f, 0.8f, 0.8f, 0.8f, 0.7f, 0.7f}},
                Row{149, {0.9f, 0.8f, 0.8f, 0.8f, 0.7f, 0.7f}},
                Row{150, {0.95f, 0.9f, 0.85f, 0.8f, 0.75f, 0.7f}},
                Row{199, {0.95f, 0.9f, 0.85f, 0.8f, 0.75f, 0.7f}}, Row{200, {1, 1, 1, 1, 1, 1}}}) {
    s.run.IterationCount = r.it;
    float x[8] = {2, 2, 2, 2, 2, 2, 2, 2};
    ApplyXYEmphasis(s, x);
    EXPECT_EQ(x[0], 2.0f);
    for (int k = 2; k < 8; ++k) EXPECT_FLOAT_EQ(x[k], 2 * r.f[k - 2]) << r.it << " " << k;
  }
  // Only with more than two dimensions and no given locations, and only when
  // asked for.
  s.run.IterationCount = 1;
  for (int variant = 0; variant < 3; ++variant) {
    Session t;
    t.prob.NObjects = 11;
    t.set.XYSectionEmphasis = variant != 0;
    t.set.DimensionsNum = variant == 1 ? 2 : 3;
    t.prob.LocationsGiven = variant == 2;
    t.run.IterationCount = 1;
    float x[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    ApplyXYEmphasis(t, x);
    for (float v : x) EXPECT_EQ(v, 1.0f) << variant;
  }
}

TEST(RunawayRule, ResetsByTheRandomSourceAndSign) {
  Session s;
  RandomSource replay;
  float x[8] = {-1000.5f, 2000.0f, 50.0f, 10.0f, -10.5f, 10.5f, -10.0f, 0.0f};
  ResetRunaway(s, x);
  float x1 = replay.Next() * -1.0f;
  EXPECT_EQ(x[0], x1);
  EXPECT_EQ(x[1], 21.0f * x1 + 0.5f - replay.Next());
  EXPECT_EQ(x[2], 50.0f);
  EXPECT_EQ(x[3], 10.0f);  // not beyond 10
  EXPECT_EQ(x[4], -0.2f);
  EXPECT_EQ(x[5], 0.2f);
  EXPECT_EQ(x[6], -10.0f);
  // Within range: no draw at all.
  float calm[8] = {1000.0f, -1000.0f, 0, 0, 0, 0, 0, 0};
  ResetRunaway(s, calm);
  EXPECT_EQ(calm[0], 1000.0f);
  EXPECT_EQ(s.rnd.Next(), replay.Next());
}

// The limits of the projections are the exact values R^2 and R^2 + 1e-5, not
// their nearest floats.
TEST(ExactLimits, PathProjectsJustAboveOnePlusTenToTheMinusFive) {
  // x2 = 1.000005f: s = x2^2 = 1.0000100135803223 as a float, which is the
  // float nearest to 1.00001 but above the exact 1.00001.
  float x[8] = {0.5f, 1.000005f, 0, 0, 0, 0, 0, 0};
  ApplyBoundary(1, 1.0f, x);
  EXPECT_EQ(x[0], 0.5f);
  EXPECT_EQ(x[1], 1.0f);  // sign(x2) R / sqrt(1 + 0)
}

TEST(ExactLimits, CircularComparesWithTheExactSquare) {
  // R = 0.02f: R^2 = 0.000400000012 exactly, its nearest float lies just
  // above.  This point's float s equals that float, so it is outside the
  // exact circle and is projected (its coordinates change in the last bit).
  float x[8] = {0.014787389896810055f, 0.013465997762978077f, 0, 0, 0, 0, 0, 0};
  float s = x[0] * x[0] + x[1] * x[1];
  ASSERT_EQ(s, 0.02f * 0.02f);
  ASSERT_GT(static_cast<double>(s), static_cast<double>(0.02f) * static_cast<double>(0.02f));
  ApplyBoundary(0, 0.02f, x);
  EXPECT_EQ(x[0], 0.01478738896548748f);
  EXPECT_EQ(x[1], 0.013465996831655502f);
}

}  // namespace
}  // namespace quorel
