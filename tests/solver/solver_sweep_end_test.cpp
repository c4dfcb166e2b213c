// What follows each sweep: recentring, the ordinal expansion and the
// interval constant.
#include "solver/solver_sweep_end.h"

#include <gtest/gtest.h>

#include "control/run_control.h"
#include "model/captions.h"
#include "solver/solver_fixture.h"

namespace quorel {
namespace {

TEST(SweepEnd, RecentringMovesTheFreeObjectsOnly) {
  Session s;
  s.prob.NObjects = 3;
  testing::Place(s, 1, {1.0f, 2.0f});
  testing::Place(s, 2, {3.0f, -2.0f});
  testing::Place(s, 3, {9.0f, 9.0f});
  s.prob.ObjParked[3] = 1;
  EXPECT_TRUE(Recentre(s));
  EXPECT_EQ(s.prob.LocDim[1][1], -1.0f);
  EXPECT_EQ(s.prob.LocDim[1][2], 1.0f);
  EXPECT_EQ(s.prob.LocDim[2][1], 2.0f);
  EXPECT_EQ(s.prob.LocDim[1][3], 9.0f);
  s.prob.AnyObjMarked = true;  // a fixed object holds the frame
  testing::Place(s, 1, {5.0f});
  EXPECT_TRUE(Recentre(s));
  EXPECT_EQ(s.prob.LocDim[1][1], 5.0f);
  s.prob.ObjParked[1] = s.prob.ObjParked[2] = 1;
  EXPECT_FALSE(Recentre(s));
}

TEST(SweepEnd, OrdinalExpansionSpreadsAShrunkenMap) {
  Session s;
  s.prob.NObjects = 3;
  SizePairTables(s, 3);
  s.set.MDSAnalysisTypeNum = 4;
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j < i; ++j) {
      s.derived.MapDist(i, j) = 0.2f;
      testing::SetPair(s, i, j, 0.8f);
    }
  testing::Place(s, 1, {0.1f, 0.2f});
  ExpandOrdinal(s);  // q = 2.4 / 0.6 = 4, less 0.5
  EXPECT_FLOAT_EQ(s.prob.LocDim[1][1], 0.35f);
  EXPECT_FLOAT_EQ(s.prob.LocDim[2][1], 0.7f);
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j < i; ++j) s.derived.MapDist(i, j) = 0.7f;  // q = 1.14: no change
  ExpandOrdinal(s);
  EXPECT_FLOAT_EQ(s.prob.LocDim[1][1], 0.35f);
}

TEST(SweepEnd, IntervalConstantStepIsLimitedAndClamped) {
  Session s;
  s.prob.NObjects = 10;
  s.set.MDSAnalysisTypeNum = 2;
  s.set.BadnessFunctionNum = 0;
  s.derived.MinPairDissim = 0.1f;
  s.derived.MaxPairDissim = 0.9f;
  AdjustIntervalConstant(s, -100.0f);  // 1e-4 * 100 = 0.01
  EXPECT_FLOAT_EQ(s.prob.IntervalConstant, 0.01f);
  AdjustIntervalConstant(s, -1000.0f);  // limited to 0.025
  EXPECT_FLOAT_EQ(s.prob.IntervalConstant, 0.035f);
  for (int k = 0; k < 10; ++k) AdjustIntervalConstant(s, -1000.0f);
  EXPECT_FLOAT_EQ(s.prob.IntervalConstant, 0.1f);  // c + MaxPairDissim <= 1
  for (int k = 0; k < 20; ++k) AdjustIntervalConstant(s, 1000.0f);
  EXPECT_FLOAT_EQ(s.prob.IntervalConstant, -0.1f);  // c + MinPairDissim >= 0
  s.set.BadnessFunctionNum = 3;                     // Multiscale waits ten sweeps
  s.run.IterationCount = 10;
  AdjustIntervalConstant(s, 1000.0f);
  EXPECT_FLOAT_EQ(s.prob.IntervalConstant, -0.1f);
  s.set.MDSAnalysisTypeNum = 0;  // ratio: only the clamp
  s.prob.IntervalConstant = 0.5f;
  AdjustIntervalConstant(s, 1000.0f);
  EXPECT_FLOAT_EQ(s.prob.IntervalConstant, 0.1f);
}

TEST(SweepEnd, IntervalRunFindsTheAdditiveConstant) {
  testing::EmbeddedProblem e;
  testing::BuildEmbedded(e, 12, 2, 13);
  Session& s = *e.session;
  // Every dissimilarity carries 0.1 too much: the constant takes it back.
  float low = 1, high = 0;
  for (int i = 1; i <= 12; ++i)
    for (int j = 1; j < i; ++j) {
      float d = s.prob.Dissim(i, j) * 0.8f + 0.1f;
      testing::SetPair(s, i, j, d);
      low = std::min(low, d), high = std::max(high, d);
    }
  s.derived.MinPairDissim = low;
  s.derived.MaxPairDissim = high;
  s.set.MDSAnalysisTypeNum = 2;
  ComputeObjFnNormaliser(s);
  cmdStart_Click(s, e.platform);
  EXPECT_NEAR(s.prob.IntervalConstant, -0.1f, 0.005f);
  EXPECT_LT(s.run.ObjFnValue, 1e-3f);
  EXPECT_EQ(s.captions.cmdMDSType.rfind("MDS &TYPE:\r\nInterval  (", 0), 0u)
      << s.captions.cmdMDSType;
}

}  // namespace
}  // namespace quorel
