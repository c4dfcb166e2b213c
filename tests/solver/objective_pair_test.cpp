// Hand-computed pair terms: objects 1 (0, 0), 2 (0.375, 0.5), 3 (0.75, 0),
// so that d(2,1) = 0.625 exactly with direction (0.6, 0.8).
#include <gtest/gtest.h>

#include <cmath>

#include "solver/objective.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

std::unique_ptr<Session> ThreeObjects(int badness, int type = 0) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  testing::Place(*s, 1, {0.0f, 0.0f});
  testing::Place(*s, 2, {0.375f, 0.5f});
  testing::Place(*s, 3, {0.75f, 0.0f});
  s->set.BadnessFunctionNum = badness;
  s->set.MDSAnalysisTypeNum = type;
  return s;
}

void ExpectPair(const PairEvaluation& p, double e, double g1, double g2, double id) {
  EXPECT_NEAR(p.e, e, 1e-6 * (1 + std::fabs(e)));
  EXPECT_NEAR(p.gradient[0], g1, 1e-6 * (1 + std::fabs(g1)));
  EXPECT_NEAR(p.gradient[1], g2, 1e-6 * (1 + std::fabs(g2)));
  EXPECT_NEAR(p.interval_derivative, id, 1e-6 * (1 + std::fabs(id)));
  for (int k = 2; k < 8; ++k) EXPECT_EQ(p.gradient[k], 0.0f);
}

TEST(PairTerms, EuclideanDistanceDirectionAndMapDist) {
  auto s = ThreeObjects(0);
  PairEvaluation p = EvaluatePair(*s, 2, 1);
  EXPECT_EQ(p.d, 0.625f);
  EXPECT_FLOAT_EQ(p.u[0], 0.6f);
  EXPECT_FLOAT_EQ(p.u[1], 0.8f);
  EXPECT_EQ(s->derived.MapDist(2, 1), 0.625f);
  EXPECT_EQ(s->derived.MapDist(1, 2), 0.0f);  // only the moved object's row
}

TEST(PairTerms, RatioStress) {
  auto s = ThreeObjects(0);
  ExpectPair(EvaluatePair(*s, 2, 1), 0.125, 0.15, 0.2, -0.25);
  s->set.BadnessFunctionNum = 1;  // Stress1 moves exactly as Stress
  ExpectPair(EvaluatePair(*s, 2, 1), 0.125, 0.15, 0.2, -0.25);
  testing::SetWeight(*s, 2, 1, 0.5f);
  ExpectPair(EvaluatePair(*s, 2, 1), 0.125, 0.075, 0.1, -0.125);
}

TEST(PairTerms, RatioSStress) {
  auto s = ThreeObjects(2);
  // e = 0.625^2 - 0.5^2; gradient 4 e d u; derivative -4 e (c + delta).
  ExpectPair(EvaluatePair(*s, 2, 1), 0.140625, 0.2109375, 0.28125, -0.28125);
}

TEST(PairTerms, RatioMultiscale) {
  auto s = ThreeObjects(3);
  // e = ln(0.6251 / 0.5001); gradient 2 e u / d; derivative -2e / (0.6251 * 0.5001).
  ExpectPair(EvaluatePair(*s, 2, 1), 0.2231035585, 0.4283588323, 0.5711451098, -1.4273488832);
}

TEST(PairTerms, RatioFractional) {
  auto s = ThreeObjects(4);
  // e = 0.125 / 0.5001; gradient 2 e u r; derivative -2e / 0.5001.
  ExpectPair(EvaluatePair(*s, 2, 1), 0.2499500100, 0.5997600720, 0.7996800960, -0.9996001200);
}

TEST(PairTerms, IntervalConstantShiftsTheTarget) {
  auto s = ThreeObjects(0, 2);
  s->prob.IntervalConstant = 0.05f;
  ExpectPair(EvaluatePair(*s, 2, 1), 0.075, 0.09, 0.12, -0.15);
  s->set.BadnessFunctionNum = 2;
  // e = 0.390625 - 0.55^2 = 0.088125; derivative -4 e 0.55.
  ExpectPair(EvaluatePair(*s, 2, 1), 0.088125, 4 * 0.088125 * 0.625 * 0.6,
             4 * 0.088125 * 0.625 * 0.8, -0.193875);
}

TEST(PairTerms, IntervalTypesCapTheReciprocalTargetAtTen) {
  auto s = ThreeObjects(3, 2);
  testing::SetPair(*s, 2, 1, 0.02f);
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, std::log(0.6251 * 10), 1e-6);
  s->set.MDSAnalysisTypeNum = 0;  // no cap for Ratio: ln(0.6251 / 0.0201)
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, std::log(0.6251 / 0.0201), 1e-5);
  s->set.MDSAnalysisTypeNum = 3;
  s->derived.ErrBoundLower(2, 1) = 0.0f;
  s->derived.ErrBoundUpper(2, 1) = 0.03f;
  s->set.BadnessFunctionNum = 4;
  // Above U: e = (0.625 - 0.03) / 0.0301; the gradient uses the capped r.
  PairEvaluation p = EvaluatePair(*s, 2, 1);
  double e = 0.595 / 0.0301;
  EXPECT_NEAR(p.e, e, 1e-4);
  EXPECT_NEAR(p.gradient[0], 2 * e * 0.6 * 10, 1e-3);
  s->set.MDSAnalysisTypeNum = 2;
  p = EvaluatePair(*s, 2, 1);
  EXPECT_NEAR(p.e, 0.605 * 10, 1e-5);
  EXPECT_NEAR(p.gradient[1], 2 * 6.05 * 0.8 * 10, 1e-4);
}

// Ratio + Bounds with bounds L and U on pair (2,1), d - c = 0.625.
PairEvaluation Bounded(int badness, float lower, float upper, bool centre = false, float c = 0.0f,
                       int type = 1) {
  auto s = ThreeObjects(badness, type);
  s->derived.ErrBoundLower(2, 1) = lower;
  s->derived.ErrBoundUpper(2, 1) = upper;
  s->set.CentreInBounds = centre;
  s->prob.IntervalConstant = c;
  return EvaluatePair(*s, 2, 1);
}

TEST(BoundedTerms, OnTheBoundsCountsAsInside) {
  for (int badness = 0; badness <= 4; ++badness) {
    EXPECT_EQ(Bounded(badness, 0.45f, 0.625f).e, 0.0f) << badness;
    EXPECT_EQ(Bounded(badness, 0.625f, 0.7f).e, 0.0f) << badness;
    EXPECT_EQ(Bounded(badness, 0.45f, 0.625f).gradient[0], 0.0f) << badness;
  }
  // With centring the inside keeps a tenth of the unbounded term, while a
  // bound itself would give 0: d - c = 0.625 = U and = L are both inside.
  EXPECT_NEAR(Bounded(0, 0.45f, 0.625f, true).e, 0.0125, 1e-7);
  EXPECT_NEAR(Bounded(0, 0.625f, 0.7f, true).e, 0.0125, 1e-7);
  EXPECT_NEAR(Bounded(4, 0.45f, 0.625f, true).e, 0.02499500100, 1e-7);
  EXPECT_NEAR(Bounded(4, 0.625f, 0.7f, true).e, 0.02499500100, 1e-7);
}

TEST(BoundedTerms, InsideKeepsATenthWithCentring) {
  EXPECT_NEAR(Bounded(0, 0.45f, 0.7f, true).e, 0.0125, 1e-7);
  EXPECT_NEAR(Bounded(2, 0.45f, 0.7f, true).e, 0.0140625, 1e-7);
  EXPECT_NEAR(Bounded(3, 0.45f, 0.7f, true).e, 0.02231035585, 1e-7);
  EXPECT_NEAR(Bounded(4, 0.45f, 0.7f, true).e, 0.02499500100, 1e-7);
}

TEST(BoundedTerms, AboveTheUpperBound) {
  ExpectPair(Bounded(0, 0.45f, 0.62f), 0.005, 0.006, 0.008, -0.01);
  EXPECT_NEAR(Bounded(2, 0.45f, 0.62f).e, 0.390625 - 0.62 * 0.62, 1e-7);
  EXPECT_NEAR(Bounded(3, 0.45f, 0.62f).e, std::log(0.6251 / 0.6201), 1e-6);
  // Fractional: the gradient keeps r of the target, 1 / 0.5001.
  PairEvaluation p = Bounded(4, 0.45f, 0.62f);
  EXPECT_NEAR(p.e, 0.005 / 0.6201, 1e-6);
  EXPECT_NEAR(p.gradient[0], 2 * (0.005 / 0.6201) * 0.6 / 0.5001, 1e-6);
  // Just outside: one float step below d.
  EXPECT_GT(Bounded(0, 0.45f, std::nextafter(0.625f, 0.0f)).e, 0.0f);
}

TEST(BoundedTerms, BelowTheLowerBound) {
  ExpectPair(Bounded(0, 0.63f, 0.7f), -0.005, -0.006, -0.008, 0.01);
  EXPECT_NEAR(Bounded(2, 0.63f, 0.7f).e, 0.390625 - 0.63 * 0.63, 1e-7);
  EXPECT_NEAR(Bounded(3, 0.63f, 0.7f).e, std::log(0.6251 / 0.6301), 1e-6);
  EXPECT_NEAR(Bounded(4, 0.63f, 0.7f).e, -0.005 / 0.6301, 1e-6);
  EXPECT_LT(Bounded(0, std::nextafter(0.625f, 1.0f), 0.7f).e, 0.0f);
}

TEST(BoundedTerms, IntervalBoundsCompareDistanceMinusConstant) {
  // c = 0.125: d - c = 0.5, above U = 0.45.
  EXPECT_NEAR(Bounded(0, 0.4f, 0.45f, false, 0.125f, 3).e, 0.05, 1e-7);
  EXPECT_NEAR(Bounded(2, 0.4f, 0.45f, false, 0.125f, 3).e, 0.06, 1e-7);
  EXPECT_NEAR(Bounded(3, 0.4f, 0.45f, false, 0.125f, 3).e, 0.0833676982, 1e-6);
  EXPECT_NEAR(Bounded(4, 0.4f, 0.45f, false, 0.125f, 3).e, 0.0869414015, 1e-6);
  // Inside [0.4, 0.5] with c = 0.125 although d itself is above U.
  EXPECT_EQ(Bounded(0, 0.4f, 0.5f, false, 0.125f, 3).e, 0.0f);
}

TEST(DistanceFunctions, CityBlockSumsAndSmoothsTheSign) {
  auto s = ThreeObjects(0);
  s->set.DistanceFunctionNum = 1;
  PairEvaluation p = EvaluatePair(*s, 2, 1);
  EXPECT_EQ(p.d, 0.875f);
  EXPECT_EQ(p.u[0], 1.0f);
  EXPECT_EQ(p.u[1], 1.0f);
  EXPECT_NEAR(p.gradient[0], 2 * 0.375, 1e-6);
  testing::Place(*s, 2, {0.05f, -0.5f});
  p = EvaluatePair(*s, 2, 1);
  EXPECT_FLOAT_EQ(p.d, 0.55f);
  EXPECT_FLOAT_EQ(p.u[0], 0.5f);  // 10 * 0.05
  EXPECT_EQ(p.u[1], -1.0f);
}

TEST(DistanceFunctions, MinkowskiWithExponentThree) {
  auto s = ThreeObjects(0);
  s->set.DistanceFunctionNum = 2;
  s->set.MinkowskiExponent = 3.0f;
  s->set.MinkowskiInverse = 1.0f / 3.0f;
  PairEvaluation p = EvaluatePair(*s, 2, 1);
  EXPECT_NEAR(p.d, 0.5622426807, 1e-6);
  EXPECT_NEAR(p.u[0], 1.1862702713, 1e-5);  // d * delta / S
  EXPECT_NEAR(p.u[1], 1.5816936950, 1e-5);
  EXPECT_EQ(s->derived.MapDist(2, 1), p.d);
}

TEST(DistanceFunctions, CoincidentObjects) {
  auto s = ThreeObjects(0);
  testing::Place(*s, 2, {0.0f, 0.0f});
  PairEvaluation p = EvaluatePair(*s, 2, 1);  // Euclidean: no direction
  EXPECT_EQ(p.d, 0.0f);
  for (float g : p.gradient) EXPECT_EQ(g, 0.0f);
  // Minkowski with p near 2 pushes along every dimension.
  s->set.DistanceFunctionNum = 2;
  p = EvaluatePair(*s, 2, 1);
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(p.u[k], 10.0f);
    EXPECT_NEAR(p.gradient[k], 2 * -0.5 * 10, 1e-6);
  }
  s->set.MinkowskiExponent = 1.5f;
  s->set.MinkowskiInverse = 1 / 1.5f;
  EXPECT_EQ(EvaluatePair(*s, 2, 1).u[0], 0.0f);
  // Multiscale adds no gradient at d = 0.
  s->set.MinkowskiExponent = 2.0f;
  s->set.MinkowskiInverse = 0.5f;
  s->set.BadnessFunctionNum = 3;
  p = EvaluatePair(*s, 2, 1);
  for (float g : p.gradient) EXPECT_EQ(g, 0.0f);
}

TEST(DistanceFunctions, MinkowskiPushDependsOnTheSumOfPowersNotOnTheDistance) {
  auto s = ThreeObjects(0);
  s->set.DistanceFunctionNum = 2;
  s->set.MinkowskiExponent = 3.0f;
  s->set.MinkowskiInverse = 1.0f / 3.0f;
  // Delta (0.02, 0): S = 8e-6 <= 1e-5 although d = 0.02.
  testing::Place(*s, 2, {0.02f, 0.0f});
  PairEvaluation p = EvaluatePair(*s, 2, 1);
  EXPECT_NEAR(p.d, 0.02, 1e-7);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(p.u[k], 10.0f) << k;
  // Delta (0.03, 0): S = 2.7e-5, u = d * delta / S = 0.03 * 0.03 / 2.7e-5.
  testing::Place(*s, 2, {0.03f, 0.0f});
  p = EvaluatePair(*s, 2, 1);
  EXPECT_NEAR(p.u[0], 33.333333, 1e-3);
  EXPECT_EQ(p.u[1], 0.0f);
  EXPECT_EQ(p.u[7], 0.0f);
}

TEST(DistanceFunctions, MultiscaleGradientOnlyAboveTheTinyDistance) {
  // City Block keeps a direction (10 delta) at any distance, so only the
  // d > 1e-5 rule keeps the gradient out at d = 5e-6.
  auto s = ThreeObjects(3);
  s->set.DistanceFunctionNum = 1;
  testing::Place(*s, 2, {5e-6f, 0.0f});
  PairEvaluation p = EvaluatePair(*s, 2, 1);
  EXPECT_NEAR(p.u[0], 5e-5, 1e-9);
  EXPECT_NEAR(p.e, -8.4686030, 1e-5);  // ln(0.000105 / 0.5001)
  EXPECT_EQ(p.gradient[0], 0.0f);
  // d = 2e-5: 2 e u / d = 2 e (10 delta) / delta = 20 e.
  testing::Place(*s, 2, {2e-5f, 0.0f});
  p = EvaluatePair(*s, 2, 1);
  EXPECT_NEAR(p.e, -8.3350716, 1e-5);  // ln(0.00012 / 0.5001)
  EXPECT_NEAR(p.gradient[0], -166.70143, 1e-3);
}

TEST(PairTerms, CodesOutsideTheirTablesAreInternalErrors) {
  auto s = ThreeObjects(5);
  EXPECT_THROW(EvaluatePair(*s, 2, 1), std::logic_error);
  s->set.BadnessFunctionNum = 0;
  s->set.DistanceFunctionNum = 3;
  EXPECT_THROW(EvaluatePair(*s, 2, 1), std::logic_error);
  s->set.DistanceFunctionNum = 0;
  s->set.MDSAnalysisTypeNum = 5;
  ObjectStep step;
  EXPECT_THROW(EvaluateObject(*s, 2, step), std::logic_error);
}

}  // namespace
}  // namespace quorel
