// Jiggle, the check boxes, the timer, the convergence options, the two
// on-line buttons for dimensions and boundary and the dialog's OK.
#include "control/run_control.h"

#include <gtest/gtest.h>

#include <cmath>

#include "control/dimensions_boundary.h"
#include "control/solver_host.h"
#include "model/objective_labels.h"
#include "solver/convergence.h"
#include "solver/solver_fixture.h"
#include "solver/solver_sweep_end.h"

namespace quorel {
namespace {

using testing::BuildEmbedded;
using testing::EmbeddedProblem;

// Centres every circle on the map centre.
void Centre(Session& s) {
  for (int i = 1; i <= s.prob.NObjects; ++i) {
    s.map.CircleLeft[i] = s.map.CentreLeft;
    s.map.CircleTop[i] = s.map.CentreTop;
  }
}

int LargestShift(const Session& s) {
  int largest = 0;
  for (int i = 1; i <= s.prob.NObjects; ++i)
    largest = std::max({largest, std::abs(s.map.CircleLeft[i] - s.map.CentreLeft),
                        std::abs(s.map.CircleTop[i] - s.map.CentreTop)});
  return largest;
}

TEST(Jiggle, MagnitudeFollowsTheKeys) {
  EmbeddedProblem e;
  BuildEmbedded(e, 200, 2);
  Session& s = *e.session;
  struct Keys {
    bool shift, ctrl, alt;
    int magnitude;  // share of the boundary radius 3600
  };
  for (Keys k : {Keys{false, false, false, 180}, Keys{true, false, false, 270},
                 Keys{false, true, false, 360}, Keys{false, false, true, 720}}) {
    Centre(s);
    s.ui.RotateBackward = k.shift, s.ui.CtrlDown = k.ctrl, s.ui.AltDown = k.alt;
    cmdJiggle_Click(s, e.platform);
    int largest = LargestShift(s);
    EXPECT_LE(largest, k.magnitude);
    EXPECT_GT(largest, k.magnitude * 9 / 10);  // 400 draws come near the limit
  }
}

// With a boundary smaller than the unit circle, positions taken from the
// screen must still convert with the drawing's scale (UnitRadius twips per
// map unit): a jiggled object's coordinates put it back where its circle is,
// and a random start afterwards lies inside the boundary.
TEST(Jiggle, LeavesMarkedAndParkedObjectsAndSetsCoordinatesByTheDrawingScale) {
  EmbeddedProblem e;
  BuildEmbedded(e, 5, 3);
  Session& s = *e.session;
  s.set.ConstraintRadius = 0.5f;
  UpdateBoundaryGeometry(s);
  ASSERT_EQ(s.map.BoundaryRadiusPx, 1800);
  Centre(s);
  s.prob.ObjMarked[2] = 1;
  s.prob.ObjParked[4] = 1;
  s.map.CircleLeft[4] = 11000;
  float x3 = s.prob.LocDim[3][1];
  cmdJiggle_Click(s, e.platform);
  EXPECT_EQ(s.map.CircleLeft[2], s.map.CentreLeft);
  EXPECT_EQ(s.map.CircleLeft[4], 11000);
  for (int i : {1, 3, 5}) {
    int x = s.map.CircleLeft[i] + 200, y = s.map.CircleTop[i] + 200;
    EXPECT_FLOAT_EQ(s.prob.LocDim[1][i], (x - 6000) / 3600.0f);
    EXPECT_FLOAT_EQ(s.prob.LocDim[2][i], (4500 - y) / 3600.0f);
  }
  // Coordinate 3 is nudged upward by at most 0.2 M / R.
  EXPECT_GE(s.prob.LocDim[3][1], x3);
  EXPECT_LE(s.prob.LocDim[3][1], x3 + 0.2f * 180 / 3600 + 1e-6f);
  EXPECT_EQ(e.platform.label_all, 1);  // relabelled when not running

  s.prob.ObjMarked[2] = 0;
  s.set.AutoStop = true;
  SetConvergenceLimits(s);
  s.run.RunState = kRunning;
  SolverLoop loop;
  ASSERT_EQ(loop.Begin(s, e.platform), SolverProgress::kYielded);
  for (int i : {1, 2, 3, 5})
    EXPECT_LE(std::hypot(s.prob.LocDim[1][i], s.prob.LocDim[2][i]), 0.5 + 1e-6) << i;
}

TEST(Jiggle, ObjectsNearTheEdgeAreReflectedInside) {
  EmbeddedProblem e;
  BuildEmbedded(e, 50, 2);
  Session& s = *e.session;
  for (int i = 1; i <= 50; ++i) {
    s.map.CircleLeft[i] = s.map.CentreLeft + 3590;  // 10 twips inside the right edge
    s.map.CircleTop[i] = s.map.CentreTop;
  }
  s.ui.AltDown = true;
  cmdJiggle_Click(s, e.platform);
  for (int i = 1; i <= 50; ++i) {
    double dx = s.map.CircleLeft[i] - s.map.CentreLeft, dy = s.map.CircleTop[i] - s.map.CentreTop;
    // Pulled onto the circle to within the rounding of a whole twip.
    EXPECT_LE(std::sqrt(dx * dx + dy * dy), 3601.0) << i;
    EXPECT_LT(dx, 3600) << i;
  }
}

TEST(RunControl, StopWhileNotRunningOnlyRelabels) {
  EmbeddedProblem e;
  BuildEmbedded(e, 5, 2);
  Session& s = *e.session;
  cmdStop_Click(s, e.platform);
  EXPECT_EQ(s.run.RunState, kLoadedIdle);
  EXPECT_FALSE(s.run.StopRequested);
  EXPECT_EQ(e.platform.label_all, 1);
  Timer1_Timer(s, e.platform);
  EXPECT_EQ(e.platform.label_all, 2);
  s.run.RunState = kRunning;
  Timer1_Timer(s, e.platform);
  EXPECT_EQ(e.platform.label_all, 2);
}

// A front end drives the loop slice by slice; Auto Stop off, so a run never
// ends by itself.  Start while the loop runs ends the run at the next yield
// and begins a new one, also when the release of the same double click asks
// to continue the stopped run before that yield comes; the series is kept.
TEST(RunControl, StartWhileALoopRunsBeginsANewRunWhateverFollowsIt) {
  EmbeddedProblem e;
  BuildEmbedded(e, 8, 2);
  Session& s = *e.session;
  s.set.AutoStop = false;
  SetConvergenceLimits(s);
  e.platform.hosts_solver_loop = true;
  SolverLoop loop;
  auto poll = [&](int slices) {
    for (int k = 0; k < slices; ++k) SolverPoll(loop, s, e.platform);
  };
  cmdStart_Click(s, e.platform);
  poll(10);
  ASSERT_EQ(s.run.RunState, kRunning);
  const long long before = s.run.TotalSweeps;
  cmdStart_Click(s, e.platform);
  EmptyMapMouseUp(s, e.platform);
  poll(10);
  EXPECT_EQ(s.run.RunState, kRunning);
  EXPECT_TRUE(s.run.LoopActive);
  EXPECT_EQ(s.run.RunCount, 1);
  // Counted from a random start made after the request.
  EXPECT_LE(s.run.OrdinalIterationCount, s.run.TotalSweeps - before);
}

TEST(RunControl, CheckBoxesAndConvergenceOptions) {
  EmbeddedProblem e;
  BuildEmbedded(e, 5, 2);
  Session& s = *e.session;
  s.captions.lblBestObjFnValue = "[old]";
  chkAutoRepeat_Click(s, e.platform, true);
  EXPECT_TRUE(s.set.AutoRepeat);
  EXPECT_EQ(s.captions.lblBestObjFnValue, "");
  chkAutoStop_Click(s, e.platform, false);
  EXPECT_EQ(s.run.ConvergeCountLimit, 999999);
  chkAutoStop_Click(s, e.platform, true);
  EXPECT_EQ(s.run.ConvergeCountLimit, 500);
  s.run.BestObjFnValue = 0.25f, s.run.RunCount = 4, s.run.IterationCount = 9;
  ApplyConvergenceOptions(s, 1, 2);  // the step size alone keeps the series
  EXPECT_EQ(s.set.StepSizeNum, 2);
  EXPECT_EQ(s.run.RunCount, 4);
  ApplyConvergenceOptions(s, 2, 2);
  EXPECT_EQ(s.run.ConvergeCountLimit, 7000);
  EXPECT_EQ(s.run.RunCount, 0);
  EXPECT_EQ(s.run.BestObjFnValue, 1e20f);
  EXPECT_EQ(s.run.IterationCount, 0);
}

TEST(Labels, ValueAlternatesEveryFourTenthsOfASecond) {
  Session s;
  s.run.ObjFnValue = 0.1234567f;
  s.run.NextDisplayTime = 100.4;
  ShowSweepLabels(s, 100.0);
  EXPECT_EQ(s.captions.lblObjFnValue, "0.123457");
  ShowSweepLabels(s, 100.5);
  EXPECT_EQ(s.captions.lblObjFnValue, "0.123457 ...");
  ShowSweepLabels(s, 100.9);
  EXPECT_EQ(s.captions.lblObjFnValue, "0.123457");
  EXPECT_DOUBLE_EQ(s.run.NextDisplayTime, 101.3);
  s.run.ObjFnValue = 9000.5f;
  ShowSweepLabels(s, 101.0);
  EXPECT_EQ(s.captions.lblObjFnValue, "> 9000             ");
  // The series text while automatic repeat is on.
  s.set.AutoRepeat = true;
  s.run.ObjFnValue = 12.5f;
  s.run.BestObjFnValue = 0.0625f, s.run.BestHitCount = 3, s.run.RunCount = 7;
  ShowSweepLabels(s, 101.0);
  EXPECT_EQ(s.captions.lblObjFnValue, "12.500000");
  EXPECT_EQ(s.captions.lblBestObjFnValue, "[0.062500 : 3 of 7]");
}

TEST(Dimensions, ButtonWrapsAndOffsetsNewDimensions) {
  EmbeddedProblem e;
  BuildEmbedded(e, 6, 2);
  Session& s = *e.session;
  s.run.BestObjFnValue = 0.5f, s.run.RunCount = 3;
  cmdDimensions_Click(s, e.platform);
  EXPECT_EQ(s.set.DimensionsNum, 3);
  EXPECT_EQ(s.captions.cmdDimensions, "DIME&NSIONS:\r\nThree");
  EXPECT_EQ(s.run.BestObjFnValue, 1e20f);
  EXPECT_EQ(s.run.RunCount, 0);
  EXPECT_EQ(e.platform.clicks, 1);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_LE(std::fabs(s.prob.LocDim[3][i]), 0.0005f);
  }
  s.set.DimensionsNum = 8;
  cmdDimensions_Click(s, e.platform);
  EXPECT_EQ(s.set.DimensionsNum, 1);
  s.ui.RotateBackward = true;
  cmdDimensions_Click(s, e.platform);
  EXPECT_EQ(s.set.DimensionsNum, 8);
  cmdDimensions_Click(s, e.platform);
  EXPECT_EQ(s.set.DimensionsNum, 7);
}

TEST(Boundary, ButtonStepsAndWraps) {
  EmbeddedProblem e;
  BuildEmbedded(e, 4, 2);
  Session& s = *e.session;
  cmdBoundary_Click(s, e.platform);
  EXPECT_FLOAT_EQ(s.set.ConstraintRadius, 0.9f);
  EXPECT_EQ(s.captions.cmdBoundary, "BOUNDAR&Y:\r\n0.90");
  EXPECT_EQ(s.map.BoundaryRadiusPx, 3240);
  EXPECT_FLOAT_EQ(s.map.MapScale, 1.0f / 3600);  // one map unit stays UnitRadius twips
  s.ui.CtrlDown = true;
  cmdBoundary_Click(s, e.platform);
  EXPECT_FLOAT_EQ(s.set.ConstraintRadius, 0.89f);
  s.ui.CtrlDown = false;
  s.set.ConstraintRadius = 0.0f;
  cmdBoundary_Click(s, e.platform);  // below 0 wraps to 1: no boundary
  EXPECT_FLOAT_EQ(s.set.ConstraintRadius, 1.0f);
  EXPECT_EQ(s.captions.cmdBoundary, "BOUNDAR&Y:\r\nNone");
  s.ui.RotateBackward = true;
  cmdBoundary_Click(s, e.platform);  // above 1 wraps to 0
  EXPECT_FLOAT_EQ(s.set.ConstraintRadius, 0.0f);
  EXPECT_EQ(s.map.BoundaryRadiusPx, 0);
  EXPECT_FLOAT_EQ(s.map.MapScale, 1.0f / 3600);
}

TEST(Boundary, DialogPreparesCoordinatesAndStoresSettings) {
  EmbeddedProblem e;
  BuildEmbedded(e, 6, 2);
  Session& s = *e.session;
  for (int i = 1; i <= 6; ++i) s.prob.LocDim[7][i] = 0.3f;  // a leftover
  ApplyDimensionsAndBoundary(s, e.platform, 5, 0.75f, 2, false);
  EXPECT_EQ(s.set.DimensionsNum, 5);
  EXPECT_FLOAT_EQ(s.set.ConstraintRadius, 0.75f);
  EXPECT_EQ(s.set.BoundaryTypeNum, 2);
  EXPECT_FALSE(s.set.XYSectionEmphasis);
  EXPECT_EQ(s.map.BoundaryRadiusPx, 2700);
  for (int i = 1; i <= 6; ++i) {
    for (int d = 3; d <= 5; ++d) EXPECT_LE(std::fabs(s.prob.LocDim[d][i]), 0.05f);
    for (int d = 6; d <= 8; ++d) EXPECT_EQ(s.prob.LocDim[d][i], 0.0f);
  }
  EXPECT_EQ(s.captions.cmdDimensions, "DIME&NSIONS:\r\nFive");
  EXPECT_EQ(s.captions.cmdBoundary, "BOUNDAR&Y:\r\n0.75");
  ApplyDimensionsAndBoundary(s, e.platform, 2, 1.0f, 0, true);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(s.prob.LocDim[3][i], 0.0f);
  std::string shown;
  EXPECT_FLOAT_EQ(DialogRadiusFromText("1.5", shown, e.platform), 1.0f);
  EXPECT_EQ(shown, "1.00");
  EXPECT_FLOAT_EQ(DialogRadiusFromText("-0.2", shown, e.platform), 0.0f);
  EXPECT_EQ(shown, "0.00");
  EXPECT_FLOAT_EQ(DialogRadiusFromText("0.35", shown, e.platform), 0.35f);
  EXPECT_EQ(shown, "");
  EXPECT_EQ(e.platform.beeps, 2);
  EXPECT_FLOAT_EQ(StepDialogRadius(0.95f, true, false, false, e.platform), 1.0f);
  EXPECT_EQ(e.platform.beeps, 3);
  EXPECT_FLOAT_EQ(StepDialogRadius(0.5f, true, true, true, e.platform), 0.49f);
}

}  // namespace
}  // namespace quorel
