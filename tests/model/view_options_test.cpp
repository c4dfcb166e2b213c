// The view options: step and wrap rules, the geometry that OK derives from
// the circle diameter, and the settings' way through the defaults file.
#include "model/view_options.h"

#include <gtest/gtest.h>

#include "model/map_layout.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

constexpr StepDirection kUp = StepDirection::kUp;
constexpr StepDirection kDown = StepDirection::kDown;

struct StepCase {
  int (*step)(int, StepDirection);
  int from;
  StepDirection direction;
  int to;
};

TEST(ViewOptions, StepsWrapAtBothEnds) {
  const StepCase cases[] = {{StepRimColor, 6, kUp, 8},
                            {StepRimColor, 13, kUp, 0},
                            {StepRimColor, 0, kDown, 13},
                            {StepRimColor, 8, kDown, 6},
                            {StepRimColor, 3, kUp, 4},
                            {StepRimColor, 15, kDown, 13},
                            {StepRimWidth, 4, kUp, 1},
                            {StepRimWidth, 1, kDown, 4},
                            {StepRimWidth, 2, kUp, 3},
                            {StepCircleDiameter, 50, kDown, 600},
                            {StepCircleDiameter, 600, kUp, 50},
                            {StepCircleDiameter, 400, kUp, 450},
                            {StepCircleDiameter, 400, kDown, 350}};
  for (const StepCase& c : cases) EXPECT_EQ(c.step(c.from, c.direction), c.to) << c.from;
}

TEST(ViewOptions, OkDerivesThePickGeometryFromTheDiameter) {
  struct Case {
    int diameter, pick, pick_sq, pick_diameter, inset;
  };
  for (const Case& c : {Case{400, 198, 39204, 396, 2}, Case{50, 25, 625, 50, 0},
                        Case{600, 297, 88209, 594, 3}, Case{150, 74, 5476, 148, 1}}) {
    Session s;
    LayOutMap(s, DefaultWindowMetrics());
    ViewChoices choices = LoadViewChoices(s);
    choices.CircleDiameter = c.diameter;
    ApplyViewChoices(s, choices);
    EXPECT_EQ(s.set.CircleDiameter, c.diameter);
    EXPECT_EQ(s.set.CircleHalfDiameter, c.diameter / 2);
    EXPECT_EQ(s.map.CentreLeft, s.map.MapCentreX - c.diameter / 2);
    EXPECT_EQ(s.map.CentreTop, s.map.MapCentreY - c.diameter / 2);
    EXPECT_EQ(s.set.PickRadius, c.pick) << c.diameter;
    EXPECT_EQ(s.set.PickRadiusSq, c.pick_sq) << c.diameter;
    EXPECT_EQ(s.set.PickDiameter, c.pick_diameter) << c.diameter;
    EXPECT_EQ(s.set.PickInset, c.inset) << c.diameter;
  }
}

TEST(ViewOptions, NamesFallBackToNoneWithoutNames) {
  Session s;
  s.set.ObjectIDMethodNum = kIdByName;
  EXPECT_EQ(LoadViewChoices(s).ObjectIDMethodNum, kIdNone);
  s.prob.ObjNamesGiven = true;
  EXPECT_EQ(LoadViewChoices(s).ObjectIDMethodNum, kIdByName);
  s.set.ObjectIDMethodNum = 7;
  EXPECT_EQ(LoadViewChoices(s).ObjectIDMethodNum, kIdByNumber);
}

}  // namespace
}  // namespace quorel
