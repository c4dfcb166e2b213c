// The bookkeeping after each sweep: the convergence count, the interval constant and its caption,
// the ordinal expansion, and the single-precision sums of the recentring and the expansion.
#include <gtest/gtest.h>

#include <cmath>

#include "model/captions.h"
#include "model/objective_labels.h"
#include "solver/solver_geometry.h"
#include "solver/solver_sweep_end.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

TEST(ConvergenceCount, CountsSmallChangesAndNeverResets) {
  Session s;
  s.set.AutoStop = true;
  s.run.ConvergeObjFnLimit = 1e-3f;
  s.run.SmallChangeCount = 0;
  s.run.PrevObjFnValue = 1.0f;
  for (float v : {0.9995f, 0.5f, 0.5005f, 0.5f}) {
    s.run.ObjFnValue = v;
    CountConvergence(s);
  }
  EXPECT_EQ(s.run.SmallChangeCount, 3);
  EXPECT_EQ(s.run.PrevObjFnValue, 0.5f);
  s.set.AutoStop = false;
  CountConvergence(s);
  EXPECT_EQ(s.run.SmallChangeCount, -1);
}

TEST(IntervalConstant, RatesByBadnessSizeAndIteration) {
  struct Case {
    int badness, objects, iteration;
    float d, expected;
  };
  for (Case c :
       {Case{2, 24, 1, -100.0f, 0.01f},     // SStress, fewer than 25: 1e-4
        Case{0, 25, 1, -100.0f, 0.001f},    // 25 or more: 1e-5
        Case{3, 10, 11, -1000.0f, 0.002f},  // Multiscale 11..50: 2e-6
        Case{4, 10, 50, -1000.0f, 0.002f},  // Fractional
        Case{3, 10, 51, -1000.0f, 0.01f},   // 51..200: 1e-5
        Case{4, 10, 200, -1000.0f, 0.01f}, Case{3, 10, 201, -100.0f, 0.005f},  // above 200: 5e-5
        Case{3, 10, 201, 1000.0f, -0.025f}}) {                                 // limited to 0.025
    Session s;
    s.prob.NObjects = c.objects;
    s.set.MDSAnalysisTypeNum = 3;  // Interval + Bounds adjusts too
    s.set.BadnessFunctionNum = c.badness;
    s.run.IterationCount = c.iteration;
    s.derived.MinPairDissim = 0.5f;
    s.derived.MaxPairDissim = 0.5f;
    AdjustIntervalConstant(s, c.d);
    EXPECT_FLOAT_EQ(s.prob.IntervalConstant, c.expected)
        << c.badness << " " << c.objects << " " << c.iteration;
  }
  // Ordinal: no change, but the clamp holds.
  Session s;
  s.set.MDSAnalysisTypeNum = 4;
  s.derived.MinPairDissim = 0.2f;
  s.derived.MaxPairDissim = 0.7f;
  s.prob.IntervalConstant = -0.3f;
  AdjustIntervalConstant(s, -1000.0f);
  EXPECT_FLOAT_EQ(s.prob.IntervalConstant, -0.2f);
}

TEST(IntervalConstant, CaptionEveryTenThenEveryThousandSweeps) {
  Session s;
  s.set.MDSAnalysisTypeNum = 2;
  s.prob.IntervalConstant = -0.03125f;  // rounds to -0.0312 (halves to even)
  for (auto [it, due] : {std::pair{10, true},
                         {15, false},
                         {990, true},
                         {1000, true},
                         {1010, false},
                         {2000, true},
                         {2500, false}}) {
    s.captions.cmdMDSType.clear();
    s.run.IterationCount = it;
    EXPECT_EQ(ShowIntervalConstant(s), due) << it;
    EXPECT_EQ(s.captions.cmdMDSType, due ? "MDS &TYPE:\r\nInterval  (-0.0312)" : "") << it;
  }
  s.set.MDSAnalysisTypeNum = 3;  // not for Interval + Bounds
  s.run.IterationCount = 10;
  EXPECT_FALSE(ShowIntervalConstant(s));
}

TEST(OrdinalExpansion, AppliesOnlyBeyondTheThresholds) {
  auto sp = testing::TinyProblem(3, {0.8f, 0.8f, 0.8f});
  Session& s = *sp;
  s.set.MDSAnalysisTypeNum = 4;
  s.prob.ObjParked[3] = 1;         // only the pair (2,1) counts
  s.derived.MapDist(2, 1) = 0.5f;  // q = 1.6 -> 1.1
  s.derived.MapDist(3, 1) = s.derived.MapDist(3, 2) = 100.0f;
  testing::Place(s, 1, {0.5f, 0, 0, 0, 0, 0, 0, 0.25f});
  testing::Place(s, 3, {0.5f});
  ExpandOrdinal(s);
  EXPECT_FLOAT_EQ(s.prob.LocDim[1][1], 0.55f);
  EXPECT_FLOAT_EQ(s.prob.LocDim[8][1], 0.275f);
  EXPECT_EQ(s.prob.LocDim[1][3], 0.5f);  // parked
  s.derived.MapDist(2, 1) = 0.64f;       // q = 1.25 -> 0.75: no change
  ExpandOrdinal(s);
  EXPECT_FLOAT_EQ(s.prob.LocDim[1][1], 0.55f);
  s.derived.MapDist(2, 1) = 0.0f;  // A <= 1e-5: q = 1
  ExpandOrdinal(s);
  EXPECT_FLOAT_EQ(s.prob.LocDim[1][1], 0.55f);
  s.derived.MapDist(2, 1) = 0.5f;
  s.prob.AnyObjMarked = true;  // a marked object holds the scale
  ExpandOrdinal(s);
  EXPECT_FLOAT_EQ(s.prob.LocDim[1][1], 0.55f);
}

// The sums of the recentring and of the ordinal expansion are single
// precision like all solver arithmetic: 2^24 + 1 + 1 adds up to 2^24.
TEST(SinglePrecision, RecentringSumsInFloat) {
  Session s;
  s.prob.NObjects = 3;
  testing::Place(s, 1, {16777216.0f});
  testing::Place(s, 2, {1.0f});
  testing::Place(s, 3, {1.0f});
  ASSERT_TRUE(Recentre(s));
  // Mean 16777216 / 3 = 5592405.33, as a float 5592405.5; in double the sum
  // would be 16777218 and the mean 5592406.
  EXPECT_EQ(s.prob.LocDim[1][2], 1.0f - 5592405.5f);
  EXPECT_EQ(s.prob.LocDim[1][1], 16777216.0f - 5592405.5f);
}

TEST(SinglePrecision, OrdinalExpansionSumsInFloat) {
  // 200 free objects: the first pair (2,1) has MapDist 2^24, the other 19899
  // pairs 1.  In float every + 1 rounds back to 2^24 (a tie, to even), so
  // A = 16777216; in double A would be 16797115.  B = 25199378 (pair (2,1)
  // only): q = 1.5020000 -> 1.0020000, applied; in double q = 1.5002 ->
  // 1.0002, not above 1.001.
  auto sp = testing::TinyProblem(200, {});
  Session& s = *sp;
  s.set.MDSAnalysisTypeNum = 4;
  for (int i = 2; i <= 200; ++i)
    for (int j = 1; j < i; ++j) s.derived.MapDist(i, j) = 1.0f;
  s.derived.MapDist(2, 1) = 16777216.0f;
  testing::SetPair(s, 2, 1, 25199378.0f);
  testing::Place(s, 1, {1.0f});
  ExpandOrdinal(s);
  EXPECT_FLOAT_EQ(s.prob.LocDim[1][1], 25199378.0f / 16777216.0f - 0.5f);
}

}  // namespace
}  // namespace quorel
