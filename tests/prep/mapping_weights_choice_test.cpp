// The Mapping Weights dialog's rules: the adjustable m's arrows, the hidden
// complementary option, the weight table and what OK stores.
#include "prep/mapping_weights_choice.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/fake_platform.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

using testing::FakePlatform;
using testing::TinyProblem;

TEST(MappingWeightsChoiceTest, ArrowsStepTheAdjustableMUpToTheirLimits) {
  const struct {
    bool up;
    std::vector<std::string> first_labels;
    int steps;  // before the beep
    double last_low, last_high;
  } table[] = {{true, {"0.333", "0.556", "0.704", "0.802"}, 13, 0.994, 0.996},
               {false, {"-0.5", "-1.25", "-2.37", "-4.06"}, 13, -194.0, -190.0}};
  for (const auto& row : table) {
    auto s = TinyProblem(2, {0.5f});
    FakePlatform fake;
    MappingWeightsChoice c = LoadMappingWeightsChoice(*s);
    int steps = 0;
    while (fake.beeps == 0 && steps < 100) {
      StepAdjustableMappingWt(s->set, fake, c, row.up);
      if (fake.beeps > 0) break;
      if (steps < static_cast<int>(row.first_labels.size())) {
        EXPECT_EQ(c.adjustable_label, row.first_labels[steps]);
      }
      EXPECT_EQ(c.function, 4) << "a step selects Adjustable";
      EXPECT_EQ(c.m, static_cast<float>(c.adjustable_m));
      ++steps;
    }
    EXPECT_EQ(steps, row.steps) << row.up;
    EXPECT_GT(c.adjustable_m, row.last_low);
    EXPECT_LT(c.adjustable_m, row.last_high);
    // The other arrow retraces the steps back to 0.
    for (int k = 0; k < steps; ++k) StepAdjustableMappingWt(s->set, fake, c, !row.up);
    EXPECT_NEAR(c.adjustable_m, 0.0, 1e-9);
    EXPECT_EQ(fake.beeps, 1);
  }
}

TEST(MappingWeightsChoiceTest, LoadAndFunctionsSetTheFloorAtOnce) {
  auto s = TinyProblem(2, {0.5f});
  s->set.MappingWtFunctionNum = 1;
  s->set.MapWeightComplementary = true;
  s->ui.CtrlDown = s->ui.AltDown = true;
  MappingWeightsChoice c = LoadMappingWeightsChoice(*s);
  EXPECT_TRUE(c.complementary_shown) << "in force, so shown";
  EXPECT_FALSE(s->ui.CtrlDown || s->ui.AltDown);
  EXPECT_EQ(c.m, -20.0f) << "Weak inverse runs with the Strong m";
  EXPECT_EQ(s->set.MapWeightFloor, 0.1f);
  c.adjustable_m = 0.995;
  ChooseMappingWtFunction(s->set, c, 4);
  EXPECT_EQ(s->set.MapWeightFloor, 0.669f);
  ChooseMappingWtFunction(s->set, c, 0);
  EXPECT_EQ(c.m, 1.0f);
  EXPECT_EQ(s->set.MapWeightFloor, 1.0f);
  EXPECT_EQ(s->set.MappingWtFunctionNum, 1) << "the function itself waits for OK";
}

TEST(MappingWeightsChoiceTest, CtrlAltClickRevealsTheInverseOption) {
  auto s = TinyProblem(2, {0.5f});
  s->set.MappingWtFunctionNum = 3;
  MappingWeightsChoice c = LoadMappingWeightsChoice(*s);
  const struct {
    bool ctrl, alt, checked, shown, complementary;
    float m;
  } clicks[] = {{true, false, false, false, false, -20.0f},
                {false, true, false, false, false, -20.0f},
                {true, true, false, true, false, -20.0f},
                {false, false, true, true, true, 0.95f}};
  for (const auto& k : clicks) {
    MappingWeightsMouseDown(s->set, s->ui, c, k.ctrl, k.alt, k.checked);
    EXPECT_EQ(s->ui.CtrlDown, k.ctrl);
    EXPECT_EQ(s->ui.AltDown, k.alt);
    EXPECT_EQ(c.complementary_shown, k.shown);
    EXPECT_EQ(c.complementary, k.complementary);
    EXPECT_EQ(c.m, k.m);
  }
}

TEST(MappingWeightsChoiceTest, OkComputesTheWeightsAndStartsANewSeries) {
  auto s = TinyProblem(3, {0.2f, 0.6f, 1.0f});
  s->run.BestObjFnValue = 0.4f;
  s->run.RunCount = 2;
  FakePlatform fake;
  MappingWeightsChoice c = LoadMappingWeightsChoice(*s);
  StepAdjustableMappingWt(s->set, fake, c, false);  // m = -0.5, Adjustable
  ChooseComplementary(s->set, c, true);
  ApplyMappingWeightsChoice(*s, fake, c);
  EXPECT_EQ(s->set.MappingWtFunctionNum, 4);
  EXPECT_EQ(s->set.AdjustableMappingWt, -0.5);
  EXPECT_EQ(s->set.MappingWtParam, -0.5f);
  EXPECT_TRUE(s->set.MapWeightComplementary);
  // 1 - (1 - 0.6) / (1 + 0.3)
  EXPECT_FLOAT_EQ(s->prob.EffWeight(3, 1), 1.0f - 0.4f / 1.3f);
  EXPECT_EQ(s->run.BestObjFnValue, 1e20f);
  EXPECT_EQ(s->run.RunCount, 0);
  EXPECT_EQ(s->captions.cmdMappingWtFns, "&MAPPING  WTs:\r\nInverse Adjustable");
  EXPECT_EQ(fake.caption_refreshes, 1);
}

// The weight table: D = 0 ... 0.5 on the left, 0.6 ... 1 on the right.
TEST(MappingWeightsChoiceTest, TableShowsTheWorkingCurve) {
  auto s = TinyProblem(2, {0.5f});
  MappingWeightsChoice c = LoadMappingWeightsChoice(*s);
  ChooseMappingWtFunction(s->set, c, 2);
  std::istringstream text(MappingWtDescription(c, s->set.MapWeightFloor));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 10u);  // description, two blank lines, header, six rows
  EXPECT_EQ(lines[4], "         0.00   1.000         0.60   0.400\r");
  EXPECT_EQ(lines[8], "         0.40   0.600         0.95   0.050\r");
  EXPECT_EQ(lines[9], "         0.50   0.500         1.00   0.010");
  EXPECT_EQ(PlottedMappingWeight(c, s->set.MapWeightFloor, 0.99f), 0.025f);
  EXPECT_NE(MappingWtComment(c, s->set.MapWeightFloor).find("a floor of  0.01."),
            std::string::npos);
}

}  // namespace
}  // namespace quorel
