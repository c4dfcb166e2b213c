// One sweep value by value: the object step worked out by hand, its
// repetitions and the short-step latch, marked objects, the warning for
// objects whose place is not determined, and the step factor.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "control/dimensions_boundary.h"
#include "control/run_control.h"
#include "model/map_layout.h"
#include "solver/convergence.h"
#include "solver/objective.h"
#include "solver/solver_fixture.h"
#include "solver/solver_loop.h"
#include "solver/solver_run_start.h"
#include "solver/solver_sweep.h"
#include "support/fake_platform.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

// Default window: BoundaryRadiusPx 3600, centre (6000, 4500), circle corner
// at the centre (5800, 4300).
std::unique_ptr<Session> Triangle() {
  // (2,1) = 0.3, (3,1) = 0.5, (3,2) = 0.6.
  auto s = testing::TinyProblem(3, {0.3f, 0.5f, 0.6f});
  LayOutMap(*s, DefaultWindowMetrics());
  s->set.BadnessFunctionNum = 0;
  s->set.MDSAnalysisTypeNum = 0;
  s->set.DistanceFunctionNum = 0;
  s->set.DimensionsNum = 2;
  s->set.StepSizeNum = 1;
  s->set.XYSectionEmphasis = false;
  ComputeObjFnNormaliser(*s);
  testing::Place(*s, 1, {0.0f, 0.0f});
  testing::Place(*s, 2, {0.5f, 0.0f});
  testing::Place(*s, 3, {0.0f, 0.5f});
  s->run.RunState = kRunning;
  s->run.ObjFnValue = 1e20f;
  return s;
}

// One step of each object worked out by hand: Stress, weights 1, ratio MDS,
// StepFactor = 1.5 * 0.15 / (9 * 1 + 1) = 0.0225, divisors 40 in
// dimensions 1 and 2.
TEST(ObjectStep, OneSweepByHand) {
  auto sp = Triangle();
  Session& s = *sp;
  testing::FakePlatform platform;
  s.run.QuickStepsDone = true;  // one step per object
  SweepSums sums = SweepObjects(s, platform);
  EXPECT_FLOAT_EQ(s.run.StepFactor, 0.0225f);
  EXPECT_EQ(s.run.IterationCount, 1);
  // Object 1: pair (1,2) d = 0.5, e = 0.2, u = (-1, 0): g = (-0.4, 0); pair
  // (1,3) e = 0.  x1 = 0 + 0.4 * 0.0225 / 40.
  EXPECT_NEAR(s.prob.LocDim[1][1], 0.000225f, 1e-9f);
  EXPECT_EQ(s.prob.LocDim[2][1], 0.0f);
  EXPECT_EQ(s.map.CircleLeft[1], 5801);  // round(0.81 + 5800)
  EXPECT_EQ(s.map.CircleTop[1], 4300);
  // Object 2 sees object 1 moved: pair (2,1) d = 0.499775, e = 0.199775,
  // g = (0.39955, 0); pair (2,3) d = sqrt(0.5), e = 0.1071068,
  // g = 2 e (0.7071068, -0.7071068) = (0.1514719, -0.1514719).
  EXPECT_NEAR(s.prob.LocDim[1][2], 0.5f - 0.5510219f * 0.0225f / 40, 2e-8f);
  EXPECT_NEAR(s.prob.LocDim[2][2], 0.1514719f * 0.0225f / 40, 2e-9f);
  // R = S_1 + S_2 + S_3: 0.2^2, 0.199775^2 + 0.1071068^2 = 0.0513819, and
  // object 3 at (0, 0.5) against the moved 1 and 2: 0.0114121.
  EXPECT_NEAR(sums.raw_sum, 0.1027940f, 1e-6f);
  EXPECT_EQ(s.run.PairEvaluations, 6);
}

TEST(ObjectStep, RepetitionsStopAfterTwentyPerSweep) {
  auto sp = Triangle();
  Session& s = *sp;
  testing::FakePlatform platform;
  s.run.QuickStepsDone = false;
  s.run.ConvergeMoveLimit = 0.0f;  // no step is short enough
  SweepObjects(s, platform);
  // Object 1 is evaluated 21 times (the counter then exceeds 20), objects 2
  // and 3 once each: 21 * 2 + 2 + 2 pair evaluations.
  EXPECT_EQ(s.run.PairEvaluations, 46);
  EXPECT_FALSE(s.run.QuickStepsDone);
}

TEST(ObjectStep, AShortStepLatchesForGood) {
  auto sp = Triangle();
  Session& s = *sp;
  testing::FakePlatform platform;
  s.run.QuickStepsDone = false;
  // The first step is measured from 64.0 in all eight dimensions: object 1
  // moves from (0, 0, 0...) to (0.000225, 0, ...), m = 511.999775.  The
  // second step of object 1 is far below 1.
  s.run.ConvergeMoveLimit = 1.0f;
  SweepObjects(s, platform);
  EXPECT_EQ(s.run.PairEvaluations, 2 * 2 + 2 + 2);  // object 1 twice, then once each
  EXPECT_TRUE(s.run.QuickStepsDone);
  s.run.ConvergeMoveLimit = 0.0f;
  SweepObjects(s, platform);
  EXPECT_EQ(s.run.PairEvaluations, 8 + 6);
  EXPECT_TRUE(s.run.QuickStepsDone);
}

TEST(ObjectStep, LeavesTheRepetitionWhenTheRunStops) {
  auto sp = Triangle();
  Session& s = *sp;
  testing::FakePlatform platform;
  s.run.QuickStepsDone = false;
  s.run.ConvergeMoveLimit = 0.0f;
  s.run.RunState = kStopped;
  SweepObjects(s, platform);
  EXPECT_EQ(s.run.PairEvaluations, 6);
}

TEST(ObjectStep, MarkedObjectKeepsEvenItsHigherCoordinates) {
  auto sp = Triangle();
  Session& s = *sp;
  testing::FakePlatform platform;
  s.run.QuickStepsDone = true;
  s.prob.ObjMarked[1] = 1;
  s.prob.AnyObjMarked = true;
  s.prob.LocDim[3][1] = 0.375f;
  s.prob.LocDim[3][2] = 0.25f;
  SweepObjects(s, platform);
  EXPECT_EQ(s.prob.LocDim[1][1], 0.0f);
  EXPECT_EQ(s.prob.LocDim[3][1], 0.375f);
  // An unmarked object loses the coordinates above DimensionsNum.
  EXPECT_EQ(s.prob.LocDim[3][2], 0.0f);
  EXPECT_NE(s.prob.LocDim[1][2], 0.5f);
}

TEST(ObjectStep, TwoFreeObjectsNeedNoWarning) {
  auto sp = testing::TinyProblem(2, {0.5f});
  Session& s = *sp;
  testing::FakePlatform platform;
  LayOutMap(s, DefaultWindowMetrics());
  testing::Place(s, 2, {0.25f});
  s.run.RunState = kRunning;
  s.run.QuickStepsDone = true;
  s.run.ObjFnValue = 1e20f;
  SweepObjects(s, platform);
  EXPECT_TRUE(platform.messages.empty());
  // Each has one partner and moves: e = 0.25 - 0.5 pulls them apart.
  EXPECT_LT(s.prob.LocDim[1][1], 0.0f);
}

// Object 4 keeps one usable partner (object 1) while four are free.
std::unique_ptr<Session> TriangleWithLooseObject() {
  auto s = testing::TinyProblem(4, {0.3f, 0.5f, 0.6f, 0.4f, 0.4f, 0.4f});
  LayOutMap(*s, DefaultWindowMetrics());
  s->set.BadnessFunctionNum = 0;
  s->set.DimensionsNum = 2;
  s->set.XYSectionEmphasis = false;
  testing::SetMissing(*s, 4, 2);
  testing::SetMissing(*s, 4, 3);
  ComputeObjFnNormaliser(*s);
  testing::Place(*s, 1, {0.0f, 0.0f});
  testing::Place(*s, 2, {0.5f, 0.0f});
  testing::Place(*s, 3, {0.0f, 0.5f});
  testing::Place(*s, 4, {0.0f, -0.8f});
  s->run.RunState = kRunning;
  s->run.ObjFnValue = 1e20f;
  s->run.QuickStepsDone = true;
  return s;
}

TEST(ObjectStep, UndeterminedObjectIsWarnedOnceAndNotMoved) {
  auto warned_sp = TriangleWithLooseObject();
  auto quiet_sp = TriangleWithLooseObject();
  Session& s = *warned_sp;
  testing::FakePlatform platform, quiet_platform;
  quiet_sp->run.NAWarned[4] = 1;  // already warned: it moves with its partner
  SweepSums warned = SweepObjects(s, platform);
  SweepSums quiet = SweepObjects(*quiet_sp, quiet_platform);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0],
            "Due to 'NA' entries, object 4's location is no longer determinate.  It should be "
            "parked.");
  EXPECT_TRUE(s.run.NAWarned[4]);
  EXPECT_TRUE(quiet_platform.messages.empty());
  EXPECT_EQ(s.prob.LocDim[2][4], -0.8f);
  EXPECT_NE(quiet_sp->prob.LocDim[2][4], -0.8f);
  // Object 1 moved to (0.000225, -0.00045) before object 4 was evaluated:
  // d(4,1) = 0.7995500, e = 0.3995500, S_4 = 0.1596402 is left out of R.
  EXPECT_NEAR(quiet.raw_sum - warned.raw_sum, 0.1596402f, 2e-6f);
  // Later sweeps move it with the partner it has, without a new message.
  SweepObjects(s, platform);
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(s.prob.LocDim[2][4], -0.8f);
}

}  // namespace
}  // namespace quorel
