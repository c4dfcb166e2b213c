// The entry of the solver and the start of a run: the random start, the
// few-object cases and a boundary of size 0.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "control/dimensions_boundary.h"
#include "control/run_control.h"
#include "control/solver_host.h"
#include "model/map_layout.h"
#include "solver/convergence.h"
#include "solver/objective.h"
#include "solver/solver_fixture.h"
#include "solver/solver_run_start.h"
#include "solver/solver_sweep.h"
#include "support/fake_platform.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

TEST(RandomStart, ScattersFreeObjectsAndKeepsMarkedOnes) {
  auto sp = testing::TinyProblem(4, {0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f});
  Session& s = *sp;
  testing::FakePlatform platform;
  LayOutMap(s, DefaultWindowMetrics());
  s.prob.ObjMarked[2] = 1;
  testing::Place(s, 2, {0.25f, 0.5f, 0.75f});
  s.set.DimensionsNum = 2;  // coordinates 3..8 are drawn all the same
  s.run.NAWarned[3] = 1;
  s.run.RunState = kRunning;
  ASSERT_TRUE(StartRun(s, platform));
  // Free objects start at scattered places well inside the unit circle, in
  // step with their circles; coordinates 3..8 take one small draw each.
  for (int i : {1, 3, 4}) {
    const float x = s.prob.LocDim[1][i], y = s.prob.LocDim[2][i];
    EXPECT_LE(std::hypot(x, y), 0.8f * std::sqrt(2.0f)) << i;
    EXPECT_LE(std::fabs(x), 0.8f) << i;
    EXPECT_NE(x, s.prob.LocDim[1][i == 1 ? 3 : 1]) << i;
    for (int d = 3; d <= 8; ++d) EXPECT_LE(std::fabs(s.prob.LocDim[d][i]), 0.5f) << i;
    EXPECT_NEAR(s.map.CircleLeft[i], x * s.map.UnitRadius + s.map.CentreLeft, 1.0) << i;
    EXPECT_NEAR(s.map.CircleTop[i], -y * s.map.UnitRadius + s.map.CentreTop, 1.0) << i;
  }
  // The marked object kept its place and took no draw.
  EXPECT_EQ(s.prob.LocDim[1][2], 0.25f);
  EXPECT_EQ(s.prob.LocDim[3][2], 0.75f);
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

// A boundary of size 0: the random start puts every object within a twip
// of the centre, and the first step of every object projects it onto the origin.  With every
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
