// The field views: step counts, the mouse angle, the four tools and the
// write-back of the circles into coordinates.
#include "model/field_view.h"

#include <gtest/gtest.h>

#include "control/run_control.h"
#include "control/solver_host.h"
#include "model/map_layout.h"
#include "model/numeric.h"
#include "solver/solver_fixture.h"

namespace quorel {
namespace {

struct RecordingHost : FieldHost {
  std::vector<bool> shown;
  void ShowFieldMode(bool on) override { shown.push_back(on); }
  void ShowFieldTool(FieldTool) override {}
  void AnimateMirror() override {}
};

// Ten objects on the default map, object 3 parked.
class FieldViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::BuildEmbedded(e_, 10, 2);
    for (int i = 1; i <= 10; ++i) {
      S().prob.LocDim[1][i] = 0.08f * i - 0.4f;
      S().prob.LocDim[2][i] = (i % 2 ? 0.3f : -0.2f) + 0.01f * i;
    }
    S().prob.ObjParked[3] = 1;
    S().run.RunState = kLoadedIdle;
    CreateCircles(S());
    PlaceAllObjects(S(), e_.platform);
  }
  Session& S() { return *e_.session; }
  float X(int i) { return S().prob.LocDim[1][i]; }
  float Y(int i) { return S().prob.LocDim[2][i]; }
  // Enters with `tool` on: the coordinates are then those of the circles.
  void EnterWith(FieldTool tool) {
    ASSERT_TRUE(field_.Enter());
    field_.ToggleTool(tool);
    x0_ = S().prob.LocDim[1];
    y0_ = S().prob.LocDim[2];
  }
  // The screen point `dx` twips right of and `dy` twips above the centre.
  double Px(double dx) { return S().map.MapCentreX + dx; }
  double Py(double dy) { return S().map.MapCentreY - dy; }

  testing::EmbeddedProblem e_;
  RecordingHost host_;
  FieldView field_{*e_.session, e_.platform, host_};
  std::vector<float> x0_, y0_;
};

TEST(FieldSteps, FewObjectsGlideInManySteps) {
  const std::pair<int, int> cases[] = {{5, 1341}, {10, 237}, {15, 86}, {20, 56},
                                       {50, 14},  {100, 5},  {200, 5}};
  for (auto [n, steps] : cases) EXPECT_EQ(FieldStepsFor(n), steps) << n;
}

TEST(FieldSteps, MouseAngleAboutTheCentre) {
  MapGeometry g;
  const float cases[][3] = {{1000, 0, 6.283186f},   {0, 1000, 1.5707965f},
                            {-1000, 0, 3.141593f},  {0, -1000, -1.5707965f},
                            {500, 500, 0.7853982f}, {500, -500, 5.497787f}};
  for (auto [dx, dy, angle] : cases)
    EXPECT_NEAR(MouseAngle(g, g.MapCentreX + dx, g.MapCentreY - dy), angle, 1e-5) << dx << dy;
}

TEST_F(FieldViewTest, MirrorGlidesInItsStepsToTheMirrorImage) {
  // A press beside the centre flips y, above or below it flips x.
  const double cases[][3] = {{2000, 150, 0}, {-900, 0, 0}, {100, 1500, 1}, {-30, -700, 1}};
  for (auto [dx, dy, flips_x] : cases) {
    EnterWith(FieldTool::kMirror);
    int labels = e_.platform.label_active;
    field_.Press(Px(dx), Py(dy));
    field_.Release();  // mid-glide: the labels wait for its end
    int steps = 1;
    while (field_.AdvanceMirror(1)) ++steps;
    EXPECT_EQ(steps, 237);
    EXPECT_EQ(e_.platform.label_active, labels + 1);
    for (int i = 1; i <= 10; ++i) {
      bool free = i != 3;
      EXPECT_NEAR(X(i), free && flips_x ? -x0_[i] : x0_[i], 1e-5) << i;
      EXPECT_NEAR(Y(i), free && !flips_x ? -y0_[i] : y0_[i], 1e-5) << i;
    }
    EXPECT_EQ(S().map.CircleLeft[1],
              RoundToInt(static_cast<double>(X(1)) * S().map.UnitRadius + S().map.CentreLeft));
    field_.Leave(true);
  }
}

TEST_F(FieldViewTest, AGlideInFramesEndsExactlyWhereOneStepAtATimeEnds) {
  EnterWith(FieldTool::kMirror);
  field_.Press(Px(1000), Py(0));
  while (field_.AdvanceMirror(1)) {
  }
  std::vector<float> single = S().prob.LocDim[2];
  S().prob.LocDim[2] = y0_;
  field_.Press(Px(1000), Py(0));
  while (field_.AdvanceMirror(7)) {
  }
  EXPECT_EQ(S().prob.LocDim[2], single);
  // Any other action finishes a glide first.
  field_.Press(Px(1000), Py(0));
  field_.ToggleTool(FieldTool::kZoom);
  for (int i = 1; i <= 10; ++i) EXPECT_NEAR(Y(i), y0_[i], 1e-5) << i;
}

TEST_F(FieldViewTest, ZoomScalesAboutTheCentreFromAtLeastOneHundredTwips) {
  // Press and drag distances from the centre, and the factor they give.
  const double cases[][3] = {{30, 200, 2.0}, {0, 50, 0.5}, {1000, 500, 0.5}, {800, 2000, 2.5}};
  for (auto [press, drag, factor] : cases) {
    EnterWith(FieldTool::kZoom);
    field_.Press(Px(press * 0.6), Py(press * 0.8));
    field_.Drag(Px(-drag), Py(0));
    EXPECT_EQ(X(1), x0_[1]);  // coordinates only at a tool button or on leaving
    field_.Leave(true);
    for (int i = 1; i <= 10; ++i) {
      double f = i == 3 ? 1.0 : factor;
      EXPECT_NEAR(X(i), x0_[i] * f, 1.0 / S().map.UnitRadius) << i;
      EXPECT_NEAR(Y(i), y0_[i] * f, 1.0 / S().map.UnitRadius) << i;
    }
  }
}

TEST_F(FieldViewTest, MoveShiftsEveryFreeCircleWithTheMouse) {
  EnterWith(FieldTool::kMove);
  field_.Press(Px(100), Py(100));
  field_.Drag(Px(400), Py(-200));
  field_.ToggleTool(FieldTool::kMove);
  EXPECT_EQ(field_.Tool(), FieldTool::kNone);
  float u = static_cast<float>(S().map.UnitRadius);
  EXPECT_NEAR(X(1), x0_[1] + 300 / u, 1e-6);
  EXPECT_NEAR(Y(1), y0_[1] - 300 / u, 1e-6);
  EXPECT_EQ(X(3), x0_[3]);
}

TEST_F(FieldViewTest, AQuarterTurnOfTheMouseTurnsTheMapAQuarterTurn) {
  EnterWith(FieldTool::kRotate);
  field_.Press(Px(1000), Py(0));
  field_.Drag(Px(0), Py(1000));    // counter-clockwise
  for (int i = 1; i <= 10; ++i) {  // coordinates at once
    EXPECT_NEAR(X(i), i == 3 ? x0_[i] : -y0_[i], 1e-5) << i;
    EXPECT_NEAR(Y(i), i == 3 ? y0_[i] : x0_[i], 1e-5) << i;
  }
  field_.Drag(Px(-1000), Py(0));  // half a turn from the press
  EXPECT_NEAR(X(1), -x0_[1], 1e-5);
  EXPECT_NEAR(Y(1), -y0_[1], 1e-5);
}

TEST_F(FieldViewTest, WriteBackUsesTheDrawingScaleWhateverTheBoundary) {
  S().set.ConstraintRadius = 0.5f;
  UpdateBoundaryGeometry(S());
  float x = X(6), y = Y(6);
  ASSERT_TRUE(field_.Enter());
  field_.Leave(true);
  EXPECT_NEAR(X(6), x, 1.0 / S().map.UnitRadius);
  EXPECT_NEAR(Y(6), y, 1.0 / S().map.UnitRadius);
}

TEST_F(FieldViewTest, EnteringStopsAndHidesLeavingRestoresAutoRepeatOnlyWhenAsked) {
  for (bool restore : {true, false}) {
    S().set.AutoRepeat = true;
    S().run.RunState = kRunning;
    ASSERT_TRUE(field_.Enter());
    EXPECT_FALSE(field_.Enter());  // on already
    EXPECT_EQ(S().run.RunState, kStopped);
    EXPECT_FALSE(S().set.AutoRepeat);
    EXPECT_EQ(host_.shown.back(), true);
    field_.ToggleTool(FieldTool::kRotate);
    field_.Leave(restore);
    EXPECT_FALSE(S().map.FieldMode);
    EXPECT_EQ(host_.shown.back(), false);
    EXPECT_EQ(S().set.AutoRepeat, restore);
    EXPECT_EQ(field_.Tool(), FieldTool::kNone);  // the next visit starts without a tool
  }
  S().prob.NObjects = 0;
  EXPECT_FALSE(field_.Enter());
}

// Entered between two runs of an automatic-repeat series, the mode ends the
// series: no new random run scrambles the map being viewed.
TEST_F(FieldViewTest, EnteringBetweenRunsOfASeriesEndsTheSeries) {
  Session& s = S();
  chkAutoRepeat_Click(s, e_.platform, true);
  std::vector<float> seen;
  SolverLoop loop;
  e_.platform.on_pump = [&] {
    if (loop.BetweenRuns() && seen.empty() && field_.Enter())
      seen = s.prob.LocDim[1];
    else if (seen.empty())
      s.run.SmallChangeCount = s.run.ConvergeCountLimit;  // ends each run at once
  };
  s.run.RunState = kRunning;
  RunSolver(loop, s, e_.platform);
  ASSERT_FALSE(seen.empty());
  EXPECT_FALSE(s.run.LoopActive);
  EXPECT_EQ(s.run.RunCount, 1);
  EXPECT_EQ(s.prob.LocDim[1], seen);
}

}  // namespace
}  // namespace quorel
