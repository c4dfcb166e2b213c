// Ordinal pair terms on three objects: (3,2) 0.25 is the bottom group,
// (2,1) 0.5 the middle and (3,1) 0.8 the top.  Pair (2,1) has d = 0.625; its
// neighbours are (3,1) above and (3,2) below, so moving object 3 moves dU and
// dL.
#include <gtest/gtest.h>

#include <cmath>

#include "prep/dissim_ranks.h"
#include "solver/objective.h"
#include "support/fake_platform.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

std::unique_ptr<Session> Ordinal(int badness, float x3, float y3) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  testing::Place(*s, 1, {0.0f, 0.0f});
  testing::Place(*s, 2, {0.375f, 0.5f});
  testing::Place(*s, 3, {x3, y3});
  s->set.BadnessFunctionNum = badness;
  s->set.MDSAnalysisTypeNum = 4;
  s->set.StepSizeNum = 1;
  s->run.OrdinalIterationCount = 1000;  // past the warm-up
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  return s;
}

double Dist(double x1, double y1, double x2, double y2) {
  return std::hypot(x1 - x2, y1 - y2);
}

TEST(OrdinalTerms, RankTablesOfTheFixture) {
  auto s = Ordinal(0, 0.75f, 0.0f);
  EXPECT_EQ(s->derived.DissimRank, (std::vector<int>{0, 2, 3, 1}));
  EXPECT_EQ(s->derived.OrdUpperObjA[1], 3);
  EXPECT_EQ(s->derived.OrdUpperObjB[1], 1);
  EXPECT_EQ(s->derived.OrdLowerObjA[1], 3);
  EXPECT_EQ(s->derived.OrdLowerObjB[1], 2);
}

TEST(OrdinalTerms, InOrderAboveTheBandAimsAtTheUpperNeighbour) {
  // dU = 0.6, dL = 0.548: d = 0.625 >= dU.
  auto s = Ordinal(0, 0.6f, 0.0f);
  PairEvaluation p = EvaluatePair(*s, 2, 1);
  EXPECT_NEAR(p.e, 0.025, 1e-6);
  EXPECT_NEAR(p.gradient[0], 2 * 0.025 * 0.6, 1e-6);
  s->set.BadnessFunctionNum = 2;
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, 0.390625 - 0.36, 1e-6);
  s->set.BadnessFunctionNum = 3;
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, std::log(0.6251 / 0.6001), 1e-6);
  s->set.BadnessFunctionNum = 4;
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, 0.025 / 0.6001, 1e-6);
}

TEST(OrdinalTerms, InOrderInsideTheBand) {
  // dU = 0.7, dL = 0.596: inside, 0 or a tenth of the distance to the middle.
  auto s = Ordinal(0, 0.7f, 0.0f);
  EXPECT_EQ(EvaluatePair(*s, 2, 1).e, 0.0f);
  s->set.CentreInBounds = true;
  const double m = (0.7 + Dist(0.7, 0, 0.375, 0.5)) / 2;
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, 0.1 * (0.625 - m), 1e-7);
  s->set.BadnessFunctionNum = 4;
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, 0.1 * (0.625 - m) / (m + 0.0001), 1e-7);
}

TEST(OrdinalTerms, InOrderBelowTheBandAimsAtTheLowerNeighbour) {
  auto s = Ordinal(0, 1.0f, 0.0f);  // dU = 1, dL = 0.800
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, 0.625 - Dist(1, 0, 0.375, 0.5), 1e-6);
}

TEST(OrdinalTerms, CrossedNeighbours) {
  // dU = 0.375 < dL = 0.5 < d: toward dU.
  auto s = Ordinal(0, 0.375f, 0.0f);
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, 0.25, 1e-6);
  // dU = 0.583 <= d <= dL = 0.810: both distances.
  s = Ordinal(0, 0.5f, -0.3f);
  const double du = Dist(0.5, -0.3, 0, 0), dl = Dist(0.5, -0.3, 0.375, 0.5);
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, 2 * 0.625 - du - dl, 1e-6);
  s->set.BadnessFunctionNum = 2;
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, 2 * 0.390625 - du * du - dl * dl, 1e-6);
  // d < dU = 0.707 < dL = 1.231: toward dL.
  s = Ordinal(0, -0.7f, -0.1f);
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, 0.625 - Dist(-0.7, -0.1, 0.375, 0.5), 1e-6);
}

TEST(OrdinalTerms, TopGroupAimsAtTheLargestDissimilarity) {
  auto s = Ordinal(0, 0.75f, 0.0f);
  EXPECT_NEAR(EvaluatePair(*s, 3, 1).e, 0.75 - 0.8, 1e-6);  // dU = dL = 0.8
  EXPECT_NEAR(EvaluatePair(*s, 1, 3).e, 0.75 - 0.8, 1e-6);
}

TEST(OrdinalTerms, BottomGroupBandIsSmallestPlusOneHundredth) {
  auto s = Ordinal(0, 0.75f, 0.0f);  // d(3,2) = 0.625 >= 0.26
  EXPECT_NEAR(EvaluatePair(*s, 3, 2).e, 0.625 - 0.26, 1e-6);
  s = Ordinal(0, 0.375f, 0.248f);  // d(3,2) = 0.252, inside [0.25, 0.26]
  EXPECT_EQ(EvaluatePair(*s, 3, 2).e, 0.0f);
  s->set.CentreInBounds = true;
  EXPECT_NEAR(EvaluatePair(*s, 3, 2).e, 0.1 * (0.252 - 0.255), 1e-7);
  s = Ordinal(0, 0.375f, 0.26f);  // d = 0.24 below the band
  EXPECT_NEAR(EvaluatePair(*s, 3, 2).e, 0.24 - 0.25, 1e-6);
  // d = 0.25 = dL exactly is not inside (the band is open): the distance to
  // dL, 0, even with centring (inside would give 0.1 (0.25 - 0.255)).
  s = Ordinal(0, 0.375f, 0.25f);
  s->set.CentreInBounds = true;
  EXPECT_EQ(EvaluatePair(*s, 3, 2).d, 0.25f);
  EXPECT_EQ(EvaluatePair(*s, 3, 2).e, 0.0f);
}

TEST(OrdinalTerms, ASinglePairIsJudgedAsTheTopGroup) {
  // One ranked pair is both the top and the bottom group; the top rule comes
  // first: dU = dL = 0.5, so d = 0.505 is above (the bottom band
  // [0.5, 0.51] would call it inside and give 0).
  auto s = testing::TinyProblem(2, {0.5f});
  testing::Place(*s, 1, {0.0f, 0.0f});
  testing::Place(*s, 2, {0.505f, 0.0f});
  s->set.BadnessFunctionNum = 0;
  s->set.MDSAnalysisTypeNum = 4;
  s->run.OrdinalIterationCount = 1000;
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, 0.005, 1e-6);
}

TEST(OrdinalTerms, WarmUpBlendsTheOrdinalAndTheRatioTerm) {
  auto s = Ordinal(0, 0.75f, 0.0f);   // dU = 0.75, dL = 0.625, m = 0.6875
  s->run.OrdinalIterationCount = 25;  // limit 100 (1 + 1) = 200: t = sqrt(0.125)
  const double t = std::sqrt(0.125);
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, t * (0.625 - 0.6875) + (1 - t) * 0.125, 1e-6);
  s->set.BadnessFunctionNum = 2;
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e,
              t * (0.390625 - 0.6875 * 0.6875) + (1 - t) * (0.390625 - 0.25), 1e-6);
  s->set.BadnessFunctionNum = 3;
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e,
              t * (std::log(0.6251 / 0.7501) + std::log(0.6251 / 0.6251)) +
                  (1 - t) * std::log(0.6251 / 0.5001),
              1e-6);
  s->set.BadnessFunctionNum = 4;
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, t * (0.625 - 0.6875) / 0.6876 + (1 - t) * 0.125 / 0.5001,
              1e-6);
  // Small steps lengthen the warm-up: limit 100 (StepSizeNum 0) gives t = 0.5.
  s->set.BadnessFunctionNum = 0;
  s->set.StepSizeNum = 0;
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, 0.5 * -0.0625 + 0.5 * 0.125, 1e-6);
  // At the limit the warm-up is over: d = dL, so e = d - dL = 0.
  s->run.OrdinalIterationCount = 100;
  EXPECT_EQ(EvaluatePair(*s, 2, 1).e, 0.0f);
}

TEST(OrdinalTerms, WarmUpRatioTermKeepsTheUncappedReciprocal) {
  // delta = 0.02: r = 1 / 0.0201 (the cap of 10 belongs to the Interval
  // types only).  A lone pair: dU = dL = 0.02; d = 0.625.
  auto s = testing::TinyProblem(2, {0.02f});
  testing::Place(*s, 2, {0.625f, 0.0f});
  s->set.BadnessFunctionNum = 3;
  s->set.MDSAnalysisTypeNum = 4;
  s->set.StepSizeNum = 1;
  s->run.OrdinalIterationCount = 25;  // t = sqrt(25 / 200)
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  const double t = std::sqrt(0.125), ln = std::log(0.6251 / 0.0201);
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, t * 2 * ln + (1 - t) * ln, 1e-5);
}

TEST(OrdinalTerms, UnrankedPairFallsBackToItsRatioTerm) {
  auto s = Ordinal(0, 0.75f, 0.0f);
  s->derived.FreePairIndex(2, 1) = 0;
  EXPECT_NEAR(EvaluatePair(*s, 2, 1).e, 0.125, 1e-6);
}

}  // namespace
}  // namespace quorel
