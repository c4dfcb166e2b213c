// Jiggle, the dimensions and boundary buttons and the dialog's OK, value by
// value against the random draws they take.
#include "solver/dimensions_boundary.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/map_layout.h"
#include "solver/run_control.h"
#include "support/fake_platform.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

// Three objects in the default window (centre 6000, 4500; boundary radius
// 3600; half diameter 200), every circle centred on the map centre.
std::unique_ptr<Session> ThreeAtTheCentre() {
  auto s = testing::TinyProblem(3, {0.5f, 0.5f, 0.5f});
  LayOutMap(*s, DefaultWindowMetrics());
  for (int i = 1; i <= 3; ++i) {
    s->map.CircleLeft[i] = s->map.CentreLeft;
    s->map.CircleTop[i] = s->map.CentreTop;
  }
  return s;
}

int Round(double v) {
  return static_cast<int>(std::nearbyint(v));  // halves to even
}

TEST(JiggleRule, OffsetsAndHigherCoordinatesFromTheDraws) {
  auto sp = ThreeAtTheCentre();
  Session& s = *sp;
  testing::FakePlatform platform;
  s.set.DimensionsNum = 3;
  s.prob.ObjMarked[2] = 1;
  for (int i = 1; i <= 3; ++i) testing::Place(s, i, {0, 0, 0.1f, 0.2f, 0.3f});
  RandomSource replay;
  cmdJiggle_Click(s, platform);  // no key: M = round(3600 * 0.05) = 180
  for (int i : {1, 3}) {
    int x = 6000 + Round((1 - 2 * static_cast<double>(replay.Next())) * 180);
    int y = 4500 + Round((1 - 2 * static_cast<double>(replay.Next())) * 180);
    EXPECT_EQ(s.map.CircleLeft[i], x - 200) << i;
    EXPECT_EQ(s.map.CircleTop[i], y - 200) << i;
    EXPECT_FLOAT_EQ(s.prob.LocDim[1][i], (x - 6000) / 3600.0f);
    EXPECT_FLOAT_EQ(s.prob.LocDim[2][i], (4500 - y) / 3600.0f);
    EXPECT_FLOAT_EQ(s.prob.LocDim[3][i], 0.1f + 180 * 0.2f * replay.Next() / 3600);
    EXPECT_FLOAT_EQ(s.prob.LocDim[4][i], 0.2f + 180 * 0.2f * replay.Next() / 3600);
    EXPECT_EQ(s.prob.LocDim[5][i], 0.3f);
  }
  EXPECT_EQ(s.map.CircleLeft[2], 5800);  // marked
  EXPECT_EQ(s.prob.LocDim[3][2], 0.1f);
  EXPECT_EQ(s.rnd.Next(), replay.Next());
}

TEST(JiggleRule, ShiftWinsOverCtrlAndCtrlOverAlt) {
  for (auto [shift, ctrl, magnitude] : {std::tuple{true, true, 270}, {false, true, 360}}) {
    auto sp = ThreeAtTheCentre();
    Session& s = *sp;
    testing::FakePlatform platform;
    s.ui.RotateBackward = shift, s.ui.CtrlDown = ctrl, s.ui.AltDown = true;
    RandomSource replay;
    cmdJiggle_Click(s, platform);
    int dx = Round((1 - 2 * static_cast<double>(replay.Next())) * magnitude);
    int dy = Round((1 - 2 * static_cast<double>(replay.Next())) * magnitude);
    EXPECT_EQ(s.map.CircleLeft[1], 5800 + dx) << magnitude;
    EXPECT_EQ(s.map.CircleTop[1], 4300 + dy) << magnitude;
  }
}

TEST(JiggleRule, AtTheEdgeReflectsThenProjectsOntoTheCircle) {
  auto sp = ThreeAtTheCentre();
  Session& s = *sp;
  testing::FakePlatform platform;
  for (int i = 1; i <= 3; ++i) s.map.CircleLeft[i] = 5800 + 3600;  // centre on the edge
  s.ui.AltDown = true;                                             // M = 720
  RandomSource replay;
  cmdJiggle_Click(s, platform);
  for (int i = 1; i <= 3; ++i) {
    int x = 9600 + Round((1 - 2 * static_cast<double>(replay.Next())) * 720);
    int y = 4500 + Round((1 - 2 * static_cast<double>(replay.Next())) * 720);
    if (x >= 9600) x = 2 * 9600 - x;
    long long dx = x - 6000, dy = y - 4500;
    if (dx * dx + dy * dy > 3600LL * 3600) {
      long long t = 3600LL * 3600 - dx * dx + 1;
      y = t > 0 ? Round((dy > 0 ? 1 : -1) * std::sqrt(static_cast<double>(t)) + 4500) : 4500;
    }
    EXPECT_EQ(s.map.CircleLeft[i], x - 200) << i;
    EXPECT_EQ(s.map.CircleTop[i], y - 200) << i;
  }
}

TEST(DimensionsRule, OffsetsByTheNewNumberForEveryObject) {
  auto sp = ThreeAtTheCentre();
  Session& s = *sp;
  testing::FakePlatform platform;
  s.prob.ObjParked[3] = 1;  // parked and marked objects are offset too
  s.prob.ObjMarked[2] = 1;
  s.set.DimensionsNum = 2;
  RandomSource replay;
  cmdDimensions_Click(s, platform);  // 3
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(s.prob.LocDim[1][i], 0.05f - 0.01f * replay.Next()) << i;
    EXPECT_EQ(s.prob.LocDim[3][i], 0.0005f - 0.001f * replay.Next()) << i;
  }
  float x1 = s.prob.LocDim[1][1], x3 = s.prob.LocDim[3][1];
  cmdDimensions_Click(s, platform);  // 4
  EXPECT_EQ(s.prob.LocDim[1][1], x1 + (0.05f - 0.01f * replay.Next()));
  EXPECT_EQ(s.prob.LocDim[3][1], x3 + (0.005f - 0.01f * replay.Next()));
  EXPECT_EQ(s.prob.LocDim[4][1], 0.005f - 0.01f * replay.Next());
  for (int i = 2; i <= 3; ++i)
    for (int k = 0; k < 3; ++k) replay.Next();
  s.set.DimensionsNum = 6;
  for (int i = 1; i <= 3; ++i)
    for (int d = 1; d <= 8; ++d) s.prob.LocDim[d][i] = 0.0f;
  cmdDimensions_Click(s, platform);  // 7: coordinate 3 takes the wider draw
  EXPECT_EQ(s.set.DimensionsNum, 7);
  EXPECT_EQ(s.prob.LocDim[1][1], 0.05f - 0.01f * replay.Next());
  EXPECT_EQ(s.prob.LocDim[3][1], 0.005f - 0.1f * replay.Next());
  for (int d = 4; d <= 7; ++d) EXPECT_EQ(s.prob.LocDim[d][1], 0.005f - 0.01f * replay.Next());
  EXPECT_EQ(s.prob.LocDim[8][1], 0.0f);
  EXPECT_EQ(s.captions.cmdDimensions, "DIME&NSIONS:\r\nSeven");
}

TEST(DimensionsRule, FromOneWhileRunningJigglesFirst) {
  for (int state : {kRunning, kLoadedIdle}) {
    auto sp = ThreeAtTheCentre();
    Session& s = *sp;
    testing::FakePlatform platform;
    s.set.DimensionsNum = 1;
    s.run.RunState = state;
    RandomSource replay;
    cmdDimensions_Click(s, platform);  // 2: no offsets
    EXPECT_EQ(s.set.DimensionsNum, 2);
    if (state == kRunning) {
      int dx = Round((1 - 2 * static_cast<double>(replay.Next())) * 180);
      EXPECT_EQ(s.map.CircleLeft[1], 5800 + dx);
      for (int k = 0; k < 5; ++k) replay.Next();
    } else {
      EXPECT_EQ(s.map.CircleLeft[1], 5800);
      EXPECT_EQ(s.prob.LocDim[1][1], 0.0f);
    }
    EXPECT_EQ(s.rnd.Next(), replay.Next()) << state;
  }
}

TEST(BoundaryButton, CtrlWithShiftAddsAHundredth) {
  auto sp = ThreeAtTheCentre();
  Session& s = *sp;
  testing::FakePlatform platform;
  s.set.ConstraintRadius = 0.89f;
  s.ui.CtrlDown = true, s.ui.RotateBackward = true;
  cmdBoundary_Click(s, platform);
  EXPECT_FLOAT_EQ(s.set.ConstraintRadius, 0.9f);
  EXPECT_EQ(s.map.BoundaryRadiusPx, 3240);
  EXPECT_EQ(s.map.BoundaryRadiusPxSq, 3240 * 3240);
  s.set.ConstraintRadius = 1.0f;  // 1.01 wraps to 0
  cmdBoundary_Click(s, platform);
  EXPECT_EQ(s.set.ConstraintRadius, 0.0f);
  EXPECT_EQ(s.captions.cmdBoundary, "BOUNDAR&Y:\r\n0.00");
  s.ui.RotateBackward = false;
  s.set.ConstraintRadius = 0.5f;
  cmdBoundary_Click(s, platform);
  EXPECT_FLOAT_EQ(s.set.ConstraintRadius, 0.49f);
  EXPECT_EQ(s.map.BoundaryRadiusPx, 1764);  // round(3600 * 0.49)
  EXPECT_EQ(platform.clicks, 3);
  s.run.BestObjFnValue = 0.5f, s.run.RunCount = 2, s.run.IterationCount = 7;
  cmdBoundary_Click(s, platform);
  EXPECT_EQ(s.run.BestObjFnValue, 1e20f);
  EXPECT_EQ(s.run.RunCount, 0);
  EXPECT_EQ(s.run.IterationCount, 0);
}

TEST(DimensionsDialog, PreparesCoordinatesOnlyWhenTheNumberChanges) {
  auto sp = ThreeAtTheCentre();
  Session& s = *sp;
  testing::FakePlatform platform;
  s.prob.ObjParked[2] = 1;
  s.set.DimensionsNum = 2;
  for (int i = 1; i <= 3; ++i) testing::Place(s, i, {0.5f, 0.25f, 0, 0, 0.75f});
  RandomSource replay;
  ApplyDimensionsAndBoundary(s, platform, 4, 0.5f, 1, true);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(s.prob.LocDim[1][i], 0.5f);
    EXPECT_EQ(s.prob.LocDim[3][i], 0.05f - 0.1f * replay.Next()) << i;
    EXPECT_EQ(s.prob.LocDim[4][i], 0.05f - 0.1f * replay.Next()) << i;
    EXPECT_EQ(s.prob.LocDim[5][i], 0.0f) << i;
  }
  EXPECT_EQ(s.map.BoundaryRadiusPx, 1800);
  EXPECT_FLOAT_EQ(s.map.MapScale, 1.0f / 3600);
  EXPECT_EQ(s.set.BoundaryTypeNum, 1);
  EXPECT_TRUE(s.set.XYSectionEmphasis);
  // The same number again: nothing drawn, nothing cleared.
  s.prob.LocDim[6][1] = 0.125f;
  ApplyDimensionsAndBoundary(s, platform, 4, 1.0f, 0, false);
  EXPECT_EQ(s.prob.LocDim[6][1], 0.125f);
  EXPECT_EQ(s.rnd.Next(), replay.Next());
  EXPECT_EQ(s.captions.cmdBoundary, "BOUNDAR&Y:\r\nNone");
  // Down to two: coordinates 3..8 are cleared.
  ApplyDimensionsAndBoundary(s, platform, 2, 1.0f, 0, false);
  for (int d = 3; d <= 8; ++d) EXPECT_EQ(s.prob.LocDim[d][1], 0.0f);
}

}  // namespace
}  // namespace quorel
