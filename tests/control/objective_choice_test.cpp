// The Minkowski exponent's arrows and the objective dialog's OK.
#include "control/objective_choice.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

TEST(MinkowskiArrows, StepsAndLimits) {
  struct Case {
    float from;
    bool up;
    float to;
    int beeps;
  };
  for (const Case& c : std::initializer_list<Case>{
           {2.0f, true, 2.1f, 0},
           {2.9f, true, 3.0f, 0},
           {2.96f, true, 2.96f, 1},
           {0.6f, false, 0.5f, 0},
           {0.55f, false, 0.55f, 1},
           {3.05f, false, 2.95f, 0},
           {3.1f, false, 2.6f, 0},  // above 3.05 a step is 0.5
           {5.0f, false, 4.5f, 0},
       }) {
    testing::FakePlatform platform;
    EXPECT_FLOAT_EQ(StepMinkowskiExponent(c.from, c.up, platform), c.to) << c.from;
    EXPECT_EQ(platform.beeps, c.beeps) << c.from;
  }
}

TEST(MinkowskiArrows, FromTwoTheArrowsRunUpToThreeAndDownToOneHalf) {
  testing::FakePlatform platform;
  float p = 2.0f;
  int presses = 0;
  while (platform.beeps == 0) p = StepMinkowskiExponent(p, true, platform), ++presses;
  EXPECT_EQ(presses, 11);  // ten steps and the beep
  EXPECT_NEAR(p, kHighestMinkowskiExponent, 1e-5);
  while (platform.beeps == 1) p = StepMinkowskiExponent(p, false, platform), ++presses;
  EXPECT_EQ(presses, 11 + 26);
  EXPECT_NEAR(p, kLowestMinkowskiExponent, 1e-5);
  EXPECT_TRUE(MinkowskiExponentAllowed(0.5) && MinkowskiExponentAllowed(3.0));
  EXPECT_FALSE(MinkowskiExponentAllowed(0.49) || MinkowskiExponentAllowed(3.01));
}

TEST(ObjectiveChoice, SuppressOptionsActAtOnce) {
  auto s = testing::TinyProblem(2, {0.5f});
  for (auto [option, code] : {std::pair{0, 0}, {1, 1}, {2, -1}}) {
    SetSuppressOption(*s, option);
    EXPECT_EQ(s->set.SuppressNum, code);
    EXPECT_EQ(SuppressOptionOf(code), option);
  }
}

TEST(ObjectiveChoice, OkStoresRecomputesTheNormaliserAndResetsTheSeries) {
  auto s = testing::TinyProblem(3, {0.5f, 0.25f, 0.5f});
  testing::FakePlatform platform;
  s->run.BestObjFnValue = 0.5f, s->run.RunCount = 3, s->run.IterationCount = 9;
  ApplyObjectiveChoice(*s, platform, {3, 2, 1.5f});  // Multiscale: 2 * sum of W
  EXPECT_EQ(s->set.BadnessFunctionNum, 3);
  EXPECT_EQ(s->set.DistanceFunctionNum, 2);
  EXPECT_EQ(s->set.MinkowskiExponent, 1.5f);
  EXPECT_FLOAT_EQ(s->set.MinkowskiInverse, 1 / 1.5f);
  EXPECT_FLOAT_EQ(s->derived.ObjFnNormaliser, 6.0f);
  EXPECT_EQ(s->run.BestObjFnValue, 1e20f);
  EXPECT_EQ(s->run.RunCount + s->run.IterationCount, 0);
  EXPECT_EQ(s->captions.cmdDistanceFns, "&DISTANCE:\r\nMinkowski 1.5");
  ApplyObjectiveChoice(*s, platform, {0, 0, 1.5f});  // Stress: 2 * sum of W * D^2
  EXPECT_FLOAT_EQ(s->derived.ObjFnNormaliser, 2 * (0.25f + 0.0625f + 0.25f));
  EXPECT_EQ(s->captions.cmdBadnessFns, "&BADNESS:\r\nStress");
}

}  // namespace
}  // namespace quorel
