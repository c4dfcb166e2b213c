// The solver loop: what it keeps, what it resets, what it never moves, and
// how handlers that arrive inside its yield act on it.
#include "solver/solver_loop.h"

#include <gtest/gtest.h>

#include <cstring>

#include "control/run_control.h"
#include "solver/solver_fixture.h"

namespace quorel {
namespace {

using testing::BuildEmbedded;
using testing::EmbeddedProblem;

// Stops the run once it has done `sweeps` sweeps (checked at every yield).
void StopAfter(EmbeddedProblem& e, int sweeps) {
  Session& s = *e.session;
  e.platform.on_pump = [&e, &s, sweeps] {
    if (s.run.IterationCount >= sweeps) cmdStop_Click(s, e.platform);
  };
}

TEST(SolverLoop, StressAndStress1MoveObjectsIdentically) {
  EmbeddedProblem a, b;
  BuildEmbedded(a, 9, 2, 5);
  BuildEmbedded(b, 9, 2, 5);
  ASSERT_EQ(a.session->set.BadnessFunctionNum, 0);
  b.session->set.BadnessFunctionNum = 1;
  ComputeObjFnNormaliser(*b.session);
  for (EmbeddedProblem* e : {&a, &b}) {
    e->session->set.AutoStop = false;
    SetConvergenceLimits(*e->session);
    StopAfter(*e, 60);
    cmdStart_Click(*e->session, e->platform);
    EXPECT_EQ(e->session->run.IterationCount, 60);
  }
  for (int d = 1; d <= 8; ++d)
    for (int i = 1; i <= 9; ++i)
      EXPECT_EQ(a.session->prob.LocDim[d][i], b.session->prob.LocDim[d][i]) << d << " " << i;
  // Only the value shown differs: Stress1 is the square root of a sum over the
  // map distances, Stress a sum over the dissimilarities.
  EXPECT_NE(a.session->run.ObjFnValue, b.session->run.ObjFnValue);
}

TEST(SolverLoop, MarkedObjectsNeverMove) {
  EmbeddedProblem e;
  BuildEmbedded(e, 10, 2);
  Session& s = *e.session;
  s.prob.ObjMarked[3] = s.prob.ObjMarked[7] = 1;
  s.prob.AnyObjMarked = true;
  testing::Place(s, 3, {0.25f, -0.125f});
  testing::Place(s, 7, {-0.5f, 0.375f});
  cmdStart_Click(s, e.platform);
  EXPECT_EQ(s.run.RunState, kStopped);
  EXPECT_EQ(s.prob.LocDim[1][3], 0.25f);
  EXPECT_EQ(s.prob.LocDim[2][3], -0.125f);
  EXPECT_EQ(s.prob.LocDim[1][7], -0.5f);
  EXPECT_EQ(s.prob.LocDim[2][7], 0.375f);
  // The others found their places relative to the two fixed ones.
  EXPECT_LT(s.run.ObjFnValue, 0.05f);
}

TEST(SolverLoop, ParkedObjectsAreIgnored) {
  EmbeddedProblem e;
  BuildEmbedded(e, 11, 2, 9);
  Session& s = *e.session;
  // Object 11's dissimilarities contradict the others; parked, it must not
  // matter.
  for (int j = 1; j <= 10; ++j) testing::SetPair(s, 11, j, j % 2 ? 0.0f : 1.0f);
  s.prob.ObjParked[11] = 1;
  s.prob.NParkedObjects = 1;
  ComputeObjFnNormaliser(s);
  testing::Place(s, 11, {0.75f, 0.5f, 0.25f});
  s.run.RunState = kLoadedIdle;
  cmdStart_Click(s, e.platform);
  EXPECT_LT(s.run.ObjFnValue, 1e-4f);
  EXPECT_LT(testing::WorstDistanceError(s, 2), 0.01f);
  EXPECT_EQ(s.prob.LocDim[1][11], 0.75f);
  EXPECT_EQ(s.prob.LocDim[2][11], 0.5f);
  EXPECT_EQ(s.prob.LocDim[3][11], 0.25f);
}

TEST(SolverLoop, OneFreeObjectGoesToTheCentre) {
  EmbeddedProblem e;
  BuildEmbedded(e, 3, 2);
  Session& s = *e.session;
  s.prob.ObjParked[1] = s.prob.ObjParked[3] = 1;
  testing::Place(s, 2, {0.5f, 0.5f});
  cmdStart_Click(s, e.platform);
  EXPECT_EQ(s.map.CircleLeft[2], s.map.CentreLeft);
  EXPECT_EQ(s.map.CircleTop[2], s.map.CentreTop);
  EXPECT_EQ(s.prob.LocDim[1][2], 0.0f);
  EXPECT_EQ(s.prob.LocDim[2][2], 0.0f);
  EXPECT_EQ(s.captions.lblObjFnValue, "0.000000");
  EXPECT_EQ(s.run.ObjFnValue, 0.0f);
  EXPECT_EQ(s.run.RunState, kStopped);
  EXPECT_FALSE(s.run.LoopActive);
  EXPECT_EQ(e.platform.label_all, 1);
}

TEST(SolverLoop, ContinueKeepsCountersAndPositionsStartResetsThem) {
  EmbeddedProblem e;
  BuildEmbedded(e, 10, 2);
  Session& s = *e.session;
  s.set.AutoStop = false;
  SetConvergenceLimits(s);
  StopAfter(e, 30);
  cmdStart_Click(s, e.platform);
  ASSERT_EQ(s.run.RunState, kStopped);
  ASSERT_EQ(s.run.IterationCount, 30);
  int runs = s.run.RunCount;
  float x = s.prob.LocDim[1][4];

  // Continue: one more stretch of sweeps from the same positions.
  int first_moves = 0;
  e.platform.on_pump = [&] {
    if (first_moves++ == 0) {
      EXPECT_NE(s.prob.LocDim[1][4], 0.0f);
    }
    if (s.run.IterationCount >= 42) cmdStop_Click(s, e.platform);
  };
  s.run.BestObjFnValue = 0.5f;  // a series value that Continue must keep
  cmdContinue_Click(s, e.platform);
  EXPECT_EQ(s.run.IterationCount, 42);
  EXPECT_EQ(s.run.RunCount, runs);
  EXPECT_EQ(s.run.BestObjFnValue, 0.5f);
  EXPECT_NEAR(s.prob.LocDim[1][4], x, 0.05f);

  // Start: the counters begin again and the configuration is a new one.
  StopAfter(e, 6);
  cmdStart_Click(s, e.platform);
  EXPECT_EQ(s.run.IterationCount, 6);
  EXPECT_EQ(s.run.RunCount, 0);
  EXPECT_EQ(s.run.BestObjFnValue, 1e20f);
}

TEST(SolverLoop, StartWithoutAProblemShowsTheMessage) {
  EmbeddedProblem e;
  Session& s = *e.session;
  cmdStart_Click(s, e.platform);
  EXPECT_EQ(e.platform.messages.size(), 1u);
  EXPECT_EQ(s.run.RunState, kNoProblem);
}

TEST(SolverLoop, NAWarningAppearsOncePerObject) {
  EmbeddedProblem e;
  BuildEmbedded(e, 8, 2);
  Session& s = *e.session;
  // Object 5 keeps one usable partner, object 6 none.
  for (int j = 1; j <= 8; ++j) {
    if (j != 5 && j != 1) testing::SetMissing(s, 5, j);
    if (j != 6) testing::SetMissing(s, 6, j);
  }
  ComputeObjFnNormaliser(s);
  s.set.AutoStop = false;
  SetConvergenceLimits(s);
  StopAfter(e, 120);
  cmdStart_Click(s, e.platform);
  ASSERT_EQ(e.platform.messages.size(), 2u);
  EXPECT_EQ(e.platform.messages[0],
            "Due to 'NA' entries, object 5's location is no longer determinate.  It should be "
            "parked.");
  EXPECT_EQ(e.platform.messages[1],
            "Due to 'NA' entries, object 6's location is no longer determinate.  It should be "
            "parked.");
  EXPECT_TRUE(s.run.NAWarned[5]);
  EXPECT_TRUE(s.run.NAWarned[6]);
  EXPECT_FALSE(s.run.NAWarned[4]);
}

}  // namespace
}  // namespace quorel
