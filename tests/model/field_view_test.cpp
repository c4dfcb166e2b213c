// The field views: step counts, the mouse angle, the four tools and the
// write-back of the circles into coordinates.
#include "model/field_view.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/map_layout.h"
#include "model/numeric.h"
#include "solver/run_control.h"
#include "solver/solver_fixture.h"
#include "solver/solver_loop.h"

namespace quorel {
namespace {

struct RecordingHost : FieldHost {
  std::vector<bool> shown;
  FieldTool tool = FieldTool::kNone;
  int animations = 0;
  void ShowFieldMode(bool on) override { shown.push_back(on); }
  void ShowFieldTool(FieldTool t) override { tool = t; }
  void AnimateMirror() override { ++animations; }
};

// Ten objects on the default map, object 3 parked.
class FieldViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::BuildEmbedded(e_, 10, 2);
    Session& s = S();
    for (int i = 1; i <= 10; ++i) {
      s.prob.LocDim[1][i] = 0.08f * i - 0.4f;
      s.prob.LocDim[2][i] = (i % 2 ? 0.3f : -0.2f) + 0.01f * i;
    }
    s.prob.ObjParked[3] = 1;
    s.run.RunState = kLoadedIdle;
    CreateCircles(s);
    PlaceAllObjects(s, e_.platform);
  }
  Session& S() { return *e_.session; }
  float X(int i) { return S().prob.LocDim[1][i]; }
  float Y(int i) { return S().prob.LocDim[2][i]; }
  // Enters the mode with `tool` on; the coordinates are then those of the
  // circles (the tool button wrote them back).
  void EnterWith(FieldTool tool) {
    ASSERT_TRUE(field_.Enter());
    field_.ToggleTool(tool);
  }
  // A point `dx` twips right of and `dy` twips above the map centre.
  double Px(double dx) { return S().map.MapCentreX + dx; }
  double Py(double dy) { return S().map.MapCentreY - dy; }

  testing::EmbeddedProblem e_;
  RecordingHost host_;
  FieldView field_{*e_.session, e_.platform, host_};
};

TEST(FieldSteps, FewObjectsGlideInManySteps) {
  const std::pair<int, int> cases[] = {{5, 1341}, {10, 237}, {15, 86}, {20, 56},
                                       {50, 14},  {100, 5},  {200, 5}, {1000, 5}};
  for (auto [n, steps] : cases) EXPECT_EQ(FieldStepsFor(n), steps) << n;
}

TEST(FieldSteps, MouseAngleAboutTheCentre) {
  MapGeometry g;  // centre (6000, 4000)
  struct Case {
    double dx, dy;  // right of and above the centre
    float angle;
  };
  const Case cases[] = {{1000, 0, 6.283186f},    {0, 1000, 1.5707965f},  {-1000, 0, 3.141593f},
                        {0, -1000, -1.5707965f}, {500, 500, 0.7853982f}, {-500, -500, 3.9269912f},
                        {500, -500, 5.497787f}};
  for (const Case& c : cases)
    EXPECT_NEAR(MouseAngle(g, g.MapCentreX + c.dx, g.MapCentreY - c.dy), c.angle, 1e-5)
        << c.dx << "," << c.dy;
}

TEST_F(FieldViewTest, MirrorGlidesInItsStepsToTheMirrorImage) {
  struct Case {
    double dx, dy;  // press beside the centre, or above or below it
    bool flips_x;
  };
  for (const Case& c : {Case{2000, 150, false}, Case{-900, 0, false}, Case{100, 1500, true},
                        Case{-30, -700, true}}) {
    EnterWith(FieldTool::kMirror);
    std::vector<float> x0(11), y0(11);
    for (int i = 1; i <= 10; ++i) x0[i] = X(i), y0[i] = Y(i);
    int labels = e_.platform.label_active;
    field_.Press(Px(c.dx), Py(c.dy));
    ASSERT_TRUE(field_.MirrorInProgress());
    field_.Release();  // mid-glide: the labels wait for its end
    int steps = 0;
    while (field_.AdvanceMirror(1)) ++steps;
    EXPECT_EQ(steps + 1, 237);
    EXPECT_EQ(e_.platform.label_active, labels + 1);
    for (int i = 1; i <= 10; ++i) {
      float x = c.flips_x && i != 3 ? -x0[i] : x0[i];
      float y = !c.flips_x && i != 3 ? -y0[i] : y0[i];
      EXPECT_NEAR(X(i), x, 1e-5) << i;
      EXPECT_NEAR(Y(i), y, 1e-5) << i;
      if (i == 3) continue;
      EXPECT_EQ(S().map.CircleLeft[i],
                RoundToInt(static_cast<double>(X(i)) * S().map.UnitRadius + S().map.CentreLeft));
    }
    field_.Leave(true);
  }
}

TEST_F(FieldViewTest, AGlideInFramesEndsExactlyWhereOneStepAtATimeEnds) {
  EnterWith(FieldTool::kMirror);
  std::vector<float> start = S().prob.LocDim[2];
  field_.Press(Px(1000), Py(0));
  while (field_.AdvanceMirror(1)) {
  }
  std::vector<float> single = S().prob.LocDim[2];
  S().prob.LocDim[2] = start;
  field_.Press(Px(1000), Py(0));
  while (field_.AdvanceMirror(7)) {
  }
  EXPECT_EQ(S().prob.LocDim[2], single);
  // Any other action finishes a glide first.
  field_.Press(Px(1000), Py(0));
  field_.ToggleTool(FieldTool::kZoom);
  EXPECT_FALSE(field_.MirrorInProgress());
  for (int i = 1; i <= 10; ++i) EXPECT_NEAR(Y(i), start[i], 1e-5) << i;
}

TEST_F(FieldViewTest, ZoomScalesAboutTheCentreFromAtLeastOneHundredTwips) {
  struct Case {
    double press, drag;  // distances from the centre
    double factor;
  };
  for (const Case& c :
       {Case{30, 200, 2.0}, Case{0, 50, 0.5}, Case{1000, 500, 0.5}, Case{800, 2000, 2.5}}) {
    EnterWith(FieldTool::kZoom);
    std::vector<float> x0(11), y0(11);
    for (int i = 1; i <= 10; ++i) x0[i] = X(i), y0[i] = Y(i);
    int parked_left = S().map.CircleLeft[3];
    field_.Press(Px(c.press * 0.6), Py(c.press * 0.8));
    field_.Drag(Px(-c.drag), Py(0));
    EXPECT_EQ(S().map.CircleLeft[3], parked_left);
    // Only a tool button or leaving makes the zoom coordinates.
    EXPECT_EQ(X(1), x0[1]);
    field_.Leave(true);
    double tolerance = 1.0 / S().map.UnitRadius;
    for (int i = 1; i <= 10; ++i) {
      double f = i == 3 ? 1.0 : c.factor;
      EXPECT_NEAR(X(i), x0[i] * f, tolerance) << i;
      EXPECT_NEAR(Y(i), y0[i] * f, tolerance) << i;
    }
  }
}

TEST_F(FieldViewTest, MoveShiftsEveryFreeCircleWithTheMouse) {
  EnterWith(FieldTool::kMove);
  float x1 = X(1), y1 = Y(1), x3 = X(3);
  field_.Press(Px(100), Py(100));
  field_.Drag(Px(400), Py(-200));
  field_.ToggleTool(FieldTool::kMove);
  EXPECT_EQ(field_.Tool(), FieldTool::kNone);
  float u = static_cast<float>(S().map.UnitRadius);
  EXPECT_NEAR(X(1), x1 + 300 / u, 1e-6);
  EXPECT_NEAR(Y(1), y1 - 300 / u, 1e-6);
  EXPECT_EQ(X(3), x3);
  // No tool: a press and a drag change nothing.
  int left = S().map.CircleLeft[1];
  field_.Press(Px(0), Py(0));
  field_.Drag(Px(900), Py(900));
  EXPECT_EQ(S().map.CircleLeft[1], left);
}

TEST_F(FieldViewTest, AQuarterTurnOfTheMouseTurnsTheMapAQuarterTurn) {
  EnterWith(FieldTool::kRotate);
  std::vector<float> x0(11), y0(11);
  for (int i = 1; i <= 10; ++i) x0[i] = X(i), y0[i] = Y(i);
  field_.Press(Px(1000), Py(0));
  field_.Drag(Px(0), Py(1000));  // a quarter turn counter-clockwise
  for (int i = 1; i <= 10; ++i) {
    // Coordinates at once, without a write-back.
    EXPECT_NEAR(X(i), i == 3 ? x0[i] : -y0[i], 1e-5) << i;
    EXPECT_NEAR(Y(i), i == 3 ? y0[i] : x0[i], 1e-5) << i;
  }
  field_.Drag(Px(-1000), Py(0));  // half a turn from the press
  EXPECT_NEAR(X(1), -x0[1], 1e-5);
  EXPECT_NEAR(Y(1), -y0[1], 1e-5);
}

TEST_F(FieldViewTest, WriteBackUsesTheDrawingScaleWhateverTheBoundary) {
  S().set.ConstraintRadius = 0.5f;
  UpdateBoundaryGeometry(S());
  PlaceAllObjects(S(), e_.platform);
  float x = X(5), y = Y(5);
  ASSERT_TRUE(field_.Enter());
  field_.Leave(true);
  EXPECT_NEAR(X(5), x, 1.0 / S().map.UnitRadius);
  EXPECT_NEAR(Y(5), y, 1.0 / S().map.UnitRadius);
}

TEST_F(FieldViewTest, EnteringHidesAndStopsLeavingRestoresAutoRepeatOnlyWhenAsked) {
  for (bool restore : {true, false}) {
    S().set.AutoRepeat = true;
    S().run.RunState = kRunning;
    S().run.StopRequested = false;
    ASSERT_TRUE(field_.Enter());
    EXPECT_FALSE(field_.Enter());  // on already
    EXPECT_TRUE(S().map.FieldMode);
    EXPECT_EQ(S().run.RunState, kStopped);
    EXPECT_TRUE(S().run.StopRequested);
    EXPECT_FALSE(S().set.AutoRepeat);
    EXPECT_EQ(host_.shown.back(), true);
    field_.ToggleTool(FieldTool::kRotate);
    field_.Leave(restore);
    EXPECT_FALSE(S().map.FieldMode);
    EXPECT_EQ(host_.shown.back(), false);
    EXPECT_EQ(S().set.AutoRepeat, restore);
    // The next visit starts without a tool.
    EXPECT_EQ(field_.Tool(), FieldTool::kNone);
  }
  S().prob.NObjects = 0;
  size_t calls = host_.shown.size();
  EXPECT_FALSE(field_.Enter());
  EXPECT_EQ(host_.shown.size(), calls);
}

// Entered between two runs of an automatic-repeat series, the mode ends the
// series: no new random run scrambles the map being viewed.
TEST_F(FieldViewTest, EnteringBetweenRunsOfASeriesEndsTheSeries) {
  Session& s = S();
  chkAutoRepeat_Click(s, e_.platform, true);
  std::vector<float> seen(11);
  bool entered = false;
  e_.platform.on_pump = [&] {
    if (s.run.LoopPhase == 2 && !entered) {  // between two runs
      s.run.SmallChangeCount = 0;
      entered = field_.Enter();
      for (int i = 1; i <= 10; ++i) seen[i] = s.prob.LocDim[1][i];
    } else if (!entered) {
      s.run.SmallChangeCount = s.run.ConvergeCountLimit;  // end each run at once
    }
  };
  cmdStart_Click(s, e_.platform);
  ASSERT_TRUE(entered);
  EXPECT_FALSE(s.run.LoopActive);
  EXPECT_EQ(s.run.RunCount, 1);
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(s.prob.LocDim[1][i], seen[i]) << i;
}

}  // namespace
}  // namespace quorel
