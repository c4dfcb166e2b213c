// The gradient contribution against a numerical derivative of W e^2, and the
// object sums against the pair evaluations they are made of.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "prep/dissim_ranks.h"
#include "prep/error_bounds.h"
#include "solver/objective.h"
#include "support/fake_platform.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

// W e^2 of one pair in double, as a function of object i's coordinates.
double Badness(int badness, const double* xi, const double* xj, double delta, double c, double w) {
  double sum = 0;
  for (int k = 0; k < 3; ++k) sum += (xi[k] - xj[k]) * (xi[k] - xj[k]);
  const double d = std::sqrt(sum);
  double e = 0;
  switch (badness) {
    case 0:
      e = d - c - delta;
      break;
    case 2:
      e = d * d - (c + delta) * (c + delta);
      break;
    case 3:
      e = std::log((d + 0.0001) / (c + 0.0001 + delta));
      break;
    case 4:
      e = (d - c - delta) / (c + 0.0001 + delta);
      break;
  }
  return w * e * e;
}

TEST(GradientContribution, IsTheDerivativeOfWeightedSquaredBadness) {
  const double xi[3] = {0.31, -0.42, 0.12}, xj[3] = {-0.25, 0.17, -0.05};
  const double delta = 0.6, c = 0.03, w = 0.7;
  for (int badness : {0, 2, 3, 4}) {
    auto s = testing::TinyProblem(2, {static_cast<float>(delta)});
    for (int k = 0; k < 3; ++k) {
      s->prob.LocDim[k + 1][2] = static_cast<float>(xi[k]);
      s->prob.LocDim[k + 1][1] = static_cast<float>(xj[k]);
    }
    testing::SetWeight(*s, 2, 1, static_cast<float>(w));
    s->set.BadnessFunctionNum = badness;
    s->prob.IntervalConstant = static_cast<float>(c);
    PairEvaluation p = EvaluatePair(*s, 2, 1);
    for (int k = 0; k < 3; ++k) {
      const double h = 1e-6;
      double plus[3] = {xi[0], xi[1], xi[2]}, minus[3] = {xi[0], xi[1], xi[2]};
      plus[k] += h;
      minus[k] -= h;
      double numeric =
          (Badness(badness, plus, xj, delta, c, w) - Badness(badness, minus, xj, delta, c, w)) /
          (2 * h);
      double analytic = p.gradient[k];
      // Multiscale divides by d where the exact derivative divides by d + 0.0001.
      if (badness == 3) analytic *= p.d / (p.d + 0.0001);
      EXPECT_NEAR(analytic, numeric, 1e-5 * (1 + std::fabs(numeric)))
          << "badness " << badness << " dimension " << k + 1;
    }
  }
}

// Seven objects, object 5 parked, pair (6,2) missing, uneven weights,
// coordinates in three dimensions (or all eight), ranks and bounds in place.
std::unique_ptr<Session> SmallRandomProblem(bool all_dimensions) {
  const int n = 7;
  auto s = testing::TinyProblem(n, {});
  RandomSource rnd;
  rnd.Reset(12345);
  for (int i = 2; i <= n; ++i) {
    for (int j = 1; j < i; ++j) {
      testing::SetPair(*s, i, j, 0.05f + 0.9f * rnd.Next());
      testing::SetWeight(*s, i, j, 0.2f + 0.8f * rnd.Next());
    }
  }
  testing::SetPair(*s, 4, 3, s->prob.Dissim(2, 1));  // a tie in the ranks
  for (int i = 1; i <= n; ++i)
    for (int d = 1; d <= (all_dimensions ? 8 : 3); ++d) s->prob.LocDim[d][i] = rnd.Next() - 0.5f;
  testing::SetMissing(*s, 6, 2);
  testing::SetWeight(*s, 6, 2, 1.0f);
  s->prob.ObjParked[5] = 1;
  s->set.ErrorBoundsTypeNum = 0;
  s->set.FixedErrorBound = 0.1f;
  ComputeErrorBounds(*s);
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  return s;
}

void ExpectStepIsSumOfPairs(Session& s, const std::string& what) {
  for (int i = 1; i <= s.prob.NObjects; ++i) {
    if (s.prob.ObjParked[i]) continue;
    ObjectStep step;
    EvaluateObject(s, i, step);
    std::vector<float> dist_from_object(s.prob.NObjects + 1);
    for (int j = 1; j <= s.prob.NObjects; ++j) dist_from_object[j] = s.derived.MapDist(i, j);

    float gradient[8] = {}, badness_sum = 0, interval_derivative = 0;
    int partners = 0;
    for (int j = 1; j <= s.prob.NObjects; ++j) {
      if (j == i || s.prob.ObjParked[j] || s.prob.DissimMissing(i, j)) continue;
      PairEvaluation p = EvaluatePair(s, i, j);
      ASSERT_EQ(dist_from_object[j], p.d) << what << " pair " << i << "," << j;
      badness_sum += s.prob.EffWeight(i, j) * (p.e * p.e);
      for (int k = 0; k < 8; ++k) gradient[k] += p.gradient[k];
      interval_derivative += p.interval_derivative;
      ++partners;
    }
    const std::string where = what + " object " + std::to_string(i);
    ASSERT_EQ(step.partners, partners) << where;
    EXPECT_NEAR(step.badness_sum, badness_sum, 1e-5f * (1 + std::fabs(badness_sum))) << where;
    EXPECT_NEAR(step.interval_derivative, interval_derivative,
                1e-5f * (1 + std::fabs(interval_derivative)))
        << where;
    for (int k = 0; k < 8; ++k)
      EXPECT_NEAR(step.gradient[k], gradient[k], 1e-5f * (1 + std::fabs(gradient[k])))
          << where << " dimension " << k + 1;
  }
}

TEST(EvaluateObject, EqualsTheSumOfItsPairsForEveryCombination) {
  for (bool all_dimensions : {false, true}) {
    auto s = SmallRandomProblem(all_dimensions);
    s->set.MinkowskiExponent = 1.5f;
    s->set.MinkowskiInverse = 1 / 1.5f;
    for (int badness = 0; badness <= 4; ++badness)
      for (int distance = 0; distance <= 2; ++distance)
        for (int type = 0; type <= 4; ++type)
          for (int variant = 0; variant < 2; ++variant) {
            s->set.BadnessFunctionNum = badness;
            s->set.DistanceFunctionNum = distance;
            s->set.MDSAnalysisTypeNum = type;
            s->set.CentreInBounds = variant == 1;
            s->prob.IntervalConstant = (type == 2 || type == 3) ? 0.02f : 0.0f;
            s->run.OrdinalIterationCount = variant == 1 ? 30 : 500;
            ExpectStepIsSumOfPairs(*s, "b" + std::to_string(badness) + " d" +
                                           std::to_string(distance) + " t" + std::to_string(type) +
                                           " v" + std::to_string(variant) +
                                           (all_dimensions ? " 8D" : " 3D"));
          }
  }
}

TEST(EvaluateObject, ParkedObjectHasAnEmptyStep) {
  auto s = SmallRandomProblem(false);
  ObjectStep step;
  step.partners = 9;
  EvaluateObject(*s, 5, step);
  EXPECT_EQ(step.partners, 0);
  EXPECT_EQ(step.badness_sum, 0.0f);
}

TEST(EvaluateObject, ActiveDimensionsFindsTheHighestNonZeroCoordinate) {
  auto s = SmallRandomProblem(false);
  EXPECT_EQ(ActiveDimensions(*s), 3);
  s->prob.LocDim[7][6] = -0.0f;  // a negative zero is still zero
  EXPECT_EQ(ActiveDimensions(*s), 3);
  s->prob.LocDim[7][6] = 1e-30f;
  EXPECT_EQ(ActiveDimensions(*s), 7);
  // With the hint the sums are the same as with the scan.
  ObjectStep scanned, hinted;
  EvaluateObject(*s, 2, scanned);
  EvaluateObject(*s, 2, hinted, 7);
  EXPECT_EQ(scanned.badness_sum, hinted.badness_sum);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(scanned.gradient[k], hinted.gradient[k]);
}

TEST(EvaluateObject, MinkowskiPushOnCoincidentObjectsReachesEveryDimension) {
  auto s = SmallRandomProblem(false);
  for (int d = 1; d <= 3; ++d) s->prob.LocDim[d][3] = s->prob.LocDim[d][1];
  s->set.DistanceFunctionNum = 2;  // p = 2: coincident pairs push with u = 10
  ObjectStep step;
  EvaluateObject(*s, 1, step);
  EXPECT_NE(step.gradient[7], 0.0f);
  ExpectStepIsSumOfPairs(*s, "coincident");
}

}  // namespace
}  // namespace quorel
