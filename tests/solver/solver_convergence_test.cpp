// The solver finds the configuration of problems that embed perfectly.
#include <gtest/gtest.h>

#include <cstdio>

#include "control/run_control.h"
#include "solver/solver_fixture.h"
#include "solver/solver_loop.h"

namespace quorel {
namespace {

using testing::BuildEmbedded;
using testing::EmbeddedProblem;
using testing::WorstDistanceError;

TEST(SolverConvergence, PlanarPointsAreFoundInTwoDimensions) {
  EmbeddedProblem e;
  BuildEmbedded(e, 12, 2);
  Session& s = *e.session;
  cmdStart_Click(s, e.platform);
  EXPECT_EQ(s.run.RunState, kStopped);
  EXPECT_FALSE(s.run.LoopActive);
  EXPECT_LT(s.run.ObjFnValue, 1e-4f);
  EXPECT_LT(WorstDistanceError(s, 2), 0.01f);
  EXPECT_EQ(s.run.SmallChangeCount, s.run.ConvergeCountLimit);
  EXPECT_EQ(s.run.RunCount, 1);
  EXPECT_EQ(s.captions.lblObjFnValue, Format(s.run.ObjFnValue, "##0.000000"));
}

TEST(SolverConvergence, SpacePointsAreFoundInThreeDimensions) {
  EmbeddedProblem e;
  BuildEmbedded(e, 15, 3, 11);
  Session& s = *e.session;
  cmdStart_Click(s, e.platform);
  EXPECT_EQ(s.run.RunState, kStopped);
  EXPECT_LT(s.run.ObjFnValue, 1e-4f);
  EXPECT_LT(WorstDistanceError(s, 3), 0.01f);
  // Coordinates above the dimensions in use stay 0.
  for (int i = 1; i <= 15; ++i) EXPECT_EQ(s.prob.LocDim[4][i], 0.0f);
}

}  // namespace
}  // namespace quorel

namespace quorel {
namespace {

// Large problems: the per-object step is scaled down by the weight its
// partners carry, so that 1000 objects settle with the normal step size.
TEST(SolverConvergence, ThousandPlanarPointsConvergeWithDefaultSettings) {
  testing::EmbeddedProblem e;
  testing::BuildEmbedded(e, 1000, 2, 3);
  Session& s = *e.session;
  long sweeps = 0;
  e.platform.on_pump = [&] {
    // A safety net only: a run that has not converged after 20000 sweeps
    // fails the test below.
    if (s.run.IterationCount >= 20000) cmdStop_Click(s, e.platform);
  };
  cmdStart_Click(s, e.platform);
  sweeps = s.run.IterationCount;
  std::printf("1000 objects: %ld sweeps, objective %.3g\n", sweeps, s.run.ObjFnValue);
  EXPECT_EQ(s.run.SmallChangeCount, s.run.ConvergeCountLimit);
  EXPECT_LT(s.run.ObjFnValue, 1e-4f);
  EXPECT_LT(testing::WorstDistanceError(s, 2), 0.01f);
}

}  // namespace
}  // namespace quorel
