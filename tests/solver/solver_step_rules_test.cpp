// The rules of one run and one sweep checked value by value: the random
// start, the object step and its repetitions, the warning for objects whose
// place is not determined, and the few-object cases.
#include <gtest/gtest.h>

#include <cmath>

#include "model/map_layout.h"
#include "solver/convergence.h"
#include "solver/objective.h"
#include "solver/run_control.h"
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

TEST(RandomStart, DrawsInScreenUnitsInsideTheBoundary) {
  auto sp = testing::TinyProblem(4, {0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f});
  Session& s = *sp;
  testing::FakePlatform platform;
  LayOutMap(s, DefaultWindowMetrics());
  s.prob.ObjMarked[2] = 1;
  testing::Place(s, 2, {0.25f, 0.5f, 0.75f});
  s.set.DimensionsNum = 2;  // coordinates 3..8 are drawn all the same
  s.run.NAWarned[3] = 1;
  s.run.RunState = kRunning;
  RandomSource replay;
  ASSERT_TRUE(StartRun(s, platform));
  for (int i : {1, 3, 4}) {
    double px = (0.8 - 1.6 * replay.Next()) * 3600;
    double py = (0.8 - 1.6 * replay.Next()) * std::sqrt(3600.0 * 3600 - px * px + 1e-5);
    EXPECT_NEAR(s.prob.LocDim[1][i], px / 3600, 2e-7) << i;
    EXPECT_NEAR(s.prob.LocDim[2][i], py / 3600, 2e-7) << i;
    for (int d = 3; d <= 8; ++d) EXPECT_EQ(s.prob.LocDim[d][i], 0.5f - replay.Next()) << i;
    EXPECT_EQ(s.map.CircleLeft[i], static_cast<int>(std::lround(px + 5800))) << i;
    EXPECT_EQ(s.map.CircleTop[i], static_cast<int>(std::lround(-py + 4300))) << i;
  }
  // The marked object kept its place and took no draw.
  EXPECT_EQ(s.prob.LocDim[1][2], 0.25f);
  EXPECT_EQ(s.prob.LocDim[3][2], 0.75f);
  EXPECT_EQ(s.rnd.Next(), replay.Next());
  // No object parked: the warnings may come again.
  EXPECT_FALSE(s.run.NAWarned[3]);
  EXPECT_EQ(s.run.IterationCount, 0);
  EXPECT_EQ(s.run.SmallChangeCount, 0);
  EXPECT_DOUBLE_EQ(s.run.NextDisplayTime, platform.clock + 0.4);
}

TEST(RandomStart, WarningsStayWhileAnObjectIsParked) {
  auto sp = testing::TinyProblem(4, {0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f});
  Session& s = *sp;
  testing::FakePlatform platform;
  LayOutMap(s, DefaultWindowMetrics());
  s.prob.ObjParked[4] = 1;
  testing::Place(s, 4, {0.125f});
  s.run.NAWarned[1] = 1;
  s.run.OrdinalIterationCount = 40;
  s.prob.IntervalConstant = 0.2f;
  s.run.RunState = kRunning;
  ASSERT_TRUE(StartRun(s, platform));
  EXPECT_TRUE(s.run.NAWarned[1]);
  EXPECT_EQ(s.prob.LocDim[1][4], 0.125f);  // parked objects are not drawn
  EXPECT_EQ(s.run.OrdinalIterationCount, 0);
  EXPECT_EQ(s.prob.IntervalConstant, 0.0f);
}

TEST(FewObjects, AllParkedShowsZeroAndStops) {
  auto sp = testing::TinyProblem(2, {0.5f});
  Session& s = *sp;
  testing::FakePlatform platform;
  s.prob.ObjParked[1] = s.prob.ObjParked[2] = 1;
  s.captions.lblBestObjFnValue = "[old]";
  s.run.RunState = kRunning;
  RunSolver(s, platform);
  EXPECT_EQ(s.captions.lblObjFnValue, "0.000000");
  EXPECT_EQ(s.captions.lblBestObjFnValue, "");
  EXPECT_EQ(s.run.RunState, kStopped);
  EXPECT_EQ(platform.label_all, 1);
  EXPECT_EQ(s.run.IterationCount, 0);
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

TEST(ObjectStep, FirstStepMeasuredFrom64) {
  auto sp = Triangle();
  Session& s = *sp;
  testing::FakePlatform platform;
  s.run.ConvergeMoveLimit = 512.0f;  // 511.999775 < 512: latched at once
  SweepObjects(s, platform);
  EXPECT_EQ(s.run.PairEvaluations, 6);
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

TEST(StepFactor, ThresholdsOfTheObjectiveValue) {
  Session s;
  s.set.StepSizeNum = 1;
  s.run.ObjFnValue = 15.0f;  // 5 < v <= 15
  EXPECT_FLOAT_EQ(SweepStepFactor(s), 1.5f * 0.5f / 10);
  s.run.ObjFnValue = 15.001f;
  EXPECT_FLOAT_EQ(SweepStepFactor(s), 1.5f * 0.15f / 10);
  s.run.ObjFnValue = 5.0f;  // v <= 5
  EXPECT_FLOAT_EQ(SweepStepFactor(s), 1.5f * 1.2f / 10);
  // Ordinal: a = 0 for the normal and -0.3 for the small step.
  s.set.MDSAnalysisTypeNum = 4;
  EXPECT_FLOAT_EQ(SweepStepFactor(s), 1.5f * 1.2f / 10);
  s.set.StepSizeNum = 2;  // 9 * 1.7^4 + 1 = 76.1689
  EXPECT_NEAR(SweepStepFactor(s), 1.8f / 76.1689f, 1e-7f);
}

TEST(SolverEntry, SweepsPerYieldRoundsHalvesToEven) {
  for (auto [n, expected] : {std::pair{50, 2}, {60, 2}, {43, 3}, {100, 2}, {1000, 1}}) {
    auto sp = testing::TinyProblem(n, {});
    Session& s = *sp;
    testing::FakePlatform platform;
    LayOutMap(s, DefaultWindowMetrics());
    s.prob.ObjParked.assign(s.prob.ObjParked.size(), 1);  // nothing to solve
    s.run.RunState = kStopped;
    s.run.RestartRequested = true;
    s.run.BestObjFnValue = 0.5f;
    SolverBegin(s, platform);
    EXPECT_EQ(s.run.SweepsPerYield, expected) << n;
    EXPECT_FALSE(s.run.RestartRequested);
    EXPECT_EQ(s.run.BestObjFnValue, 0.5f);  // kept when entered stopped
  }
}

}  // namespace
}  // namespace quorel

#include "solver/dimensions_boundary.h"
#include "solver/solver_fixture.h"

namespace quorel {
namespace {

// A boundary of size 0: the random start is drawn with MapScale 1e20, and
// the first step of every object projects it onto the origin.  With every
// distance 0, Stress is sum W delta^2 / sum W delta^2 = 1.
TEST(ZeroBoundary, CircularCollapsesToTheOriginAndStressIsOne) {
  testing::EmbeddedProblem e;
  testing::BuildEmbedded(e, 10, 2, 4);
  Session& s = *e.session;
  s.set.ConstraintRadius = 0.0f;
  UpdateBoundaryGeometry(s);
  ASSERT_EQ(s.map.BoundaryRadiusPx, 0);
  cmdStart_Click(s, e.platform);
  EXPECT_EQ(s.run.RunState, kStopped);
  EXPECT_NEAR(s.run.ObjFnValue, 1.0f, 1e-5f);
  for (int i = 1; i <= 10; ++i)
    for (int d = 1; d <= 8; ++d) EXPECT_EQ(s.prob.LocDim[d][i], 0.0f) << i << " " << d;
}

// The path leaves coordinate 1 free, but with a size of 0 the random start
// puts every object at px = (0.8 - 1.6 rnd) * 0 = 0: no pair then differs in
// coordinate 1, no gradient has a component there, and the objects stay on
// the origin's cross-section with distances 0 (Stress 1).
TEST(ZeroBoundary, PathStartsEveryObjectOnCoordinateOneZero) {
  testing::EmbeddedProblem e;
  testing::BuildEmbedded(e, 10, 2, 4);
  Session& s = *e.session;
  s.set.ConstraintRadius = 0.0f;
  s.set.BoundaryTypeNum = 1;
  UpdateBoundaryGeometry(s);
  cmdStart_Click(s, e.platform);
  EXPECT_EQ(s.run.RunState, kStopped);
  EXPECT_NEAR(s.run.ObjFnValue, 1.0f, 1e-5f);
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(s.prob.LocDim[1][i], 0.0f) << i;
    // Coordinate 2 may keep the slack of the path test: x2^2 <= 0 + 1e-5.
    EXPECT_LE(std::fabs(s.prob.LocDim[2][i]), 0.0032f) << i;
  }
}

}  // namespace
}  // namespace quorel

#include <filesystem>

namespace quorel {
namespace {

// A series whose run values are forced at the first yield of each run: the
// best value, the hit count and the best-found file follow the tolerance of
// the precision level (0.0005 at level 0) and its margin of 1e-5.
TEST(SeriesEnd, HitsAndTheBestFoundFileByTolerance) {
  namespace fs = std::filesystem;
  fs::path folder = fs::temp_directory_path() / "quorel_series_end_test";
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::path old = fs::current_path();
  fs::current_path(folder);
  testing::EmbeddedProblem e;
  testing::BuildEmbedded(e, 6, 2, 2);
  Session& s = *e.session;
  s.set.PrecisionLevelNum = 0;
  chkAutoRepeat_Click(s, e.platform, true);
  chkAutoStop_Click(s, e.platform, true);
  const std::vector<float> values = {0.5f, 0.5004f, 0.4996f, 0.499f, 0.4995f, 0.498495f, 0.3f};
  std::vector<int> hits;
  std::vector<float> best;
  std::vector<bool> written;
  std::vector<float> tolerance;
  e.platform.on_pump = [&] {
    if (s.run.LoopPhase == 2) {  // between two runs
      hits.push_back(s.run.BestHitCount);
      best.push_back(s.run.BestObjFnValue);
      tolerance.push_back(s.run.BestTolerance);
      written.push_back(fs::exists("QuorelSolnBestFound.txt"));
      fs::remove("QuorelSolnBestFound.txt");
      if (s.run.RunCount == static_cast<int>(values.size())) cmdStop_Click(s, e.platform);
      return;
    }
    int run = s.run.RunCount;  // runs finished so far
    if (run < static_cast<int>(values.size())) {
      s.run.ObjFnValue = values[run];
      s.run.SmallChangeCount = s.run.ConvergeCountLimit;
    }
  };
  cmdStart_Click(s, e.platform);
  fs::current_path(old);
  fs::remove_all(folder);
  // 0.5: first value, 1 hit.  0.5004: within 0.0005, |diff| < 0.00051: 2.
  // 0.4996: 3 and the new best.  0.499: better by 0.0006 >= 0.00051: 1.
  // 0.4995: not below 0.499 + 0.0005: no hit, no file.  0.498495: better by
  // 0.000505, within the margin: 2, new best.  0.3: 1.
  EXPECT_EQ(hits, (std::vector<int>{1, 2, 3, 1, 1, 2, 1}));
  ASSERT_EQ(best.size(), 7u);
  EXPECT_EQ(best[1], 0.5f);
  EXPECT_EQ(best[2], 0.4996f);
  EXPECT_EQ(best[4], 0.499f);
  EXPECT_EQ(best[5], 0.498495f);
  EXPECT_EQ(best[6], 0.3f);
  EXPECT_EQ(written, (std::vector<bool>{true, true, true, true, false, true, true}));
  EXPECT_EQ(tolerance[0], 0.0005f);
  EXPECT_EQ(s.run.RunCount, 7);
}

TEST(SeriesEnd, ToleranceByPrecisionLevel) {
  for (auto [level, expected] : {std::pair{0, 0.0005f}, {1, 5e-5f}, {2, 5e-6f}}) {
    testing::EmbeddedProblem e;
    testing::BuildEmbedded(e, 5, 2, 2);
    Session& s = *e.session;
    s.set.PrecisionLevelNum = level;
    chkAutoRepeat_Click(s, e.platform, true);
    chkAutoStop_Click(s, e.platform, true);
    s.run.BestTolerance = -1.0f;
    e.platform.on_pump = [&] {
      if (s.run.LoopPhase == 2) {
        cmdStop_Click(s, e.platform);
        return;
      }
      s.run.SmallChangeCount = s.run.ConvergeCountLimit;
    };
    std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    cmdStart_Click(s, e.platform);
    std::filesystem::remove("QuorelSolnBestFound.txt");
    std::filesystem::current_path(old);
    EXPECT_EQ(s.run.BestTolerance, expected) << level;
    EXPECT_EQ(s.run.RunCount, 1);
  }
}

}  // namespace
}  // namespace quorel

namespace quorel {
namespace {

// The margin of a clearly better value is BestTolerance + 1e-5 exactly.  At
// the normal level 5e-5f + 1e-5f rounds to 5.9999998e-5 as a float, below the
// exact 5.99999987e-5: a run better by exactly that float is still a hit.
TEST(SeriesEnd, MarginIsTheExactToleranceAndTenToTheMinusFive) {
  namespace fs = std::filesystem;
  fs::path old = fs::current_path();
  fs::current_path(fs::temp_directory_path());
  testing::EmbeddedProblem e;
  testing::BuildEmbedded(e, 6, 2, 2);
  Session& s = *e.session;
  s.set.PrecisionLevelNum = 1;
  chkAutoRepeat_Click(s, e.platform, true);
  chkAutoStop_Click(s, e.platform, true);
  const float margin = 5e-5f + 1e-5f;  // 5.99999985e-5
  ASSERT_LT(static_cast<double>(margin), static_cast<double>(5e-5f) + 1e-5);
  // 2 margin - margin = margin exactly.
  const std::vector<float> values = {2 * margin, margin};
  std::vector<int> hits;
  e.platform.on_pump = [&] {
    if (s.run.LoopPhase == 2) {
      hits.push_back(s.run.BestHitCount);
      if (s.run.RunCount == 2) cmdStop_Click(s, e.platform);
      return;
    }
    s.run.ObjFnValue = values[s.run.RunCount];
    s.run.SmallChangeCount = s.run.ConvergeCountLimit;
  };
  cmdStart_Click(s, e.platform);
  fs::remove("QuorelSolnBestFound.txt");
  fs::current_path(old);
  EXPECT_EQ(hits, (std::vector<int>{1, 2}));
  EXPECT_EQ(s.run.BestObjFnValue, margin);
}

}  // namespace
}  // namespace quorel
