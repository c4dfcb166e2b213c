#include "prep/mapping_weights.h"

#include <gtest/gtest.h>

#include "support/tiny_problem.h"

namespace quorel {
namespace {

using testing::TinyProblem;

Settings WithFunction(int code, float m, float floor, bool complementary = false) {
  Settings t;
  t.MappingWtFunctionNum = code;
  t.MappingWtParam = m;
  t.MapWeightFloor = floor;
  t.MapWeightComplementary = complementary;
  return t;
}

TEST(MappingWeightOfPair, NoneIsOneEverywhereAlsoInverse) {
  // A floor below 1, so that neither a complement (1 - 1 = 0) nor the 0/0 at
  // D = 1 could hide behind it.
  for (bool complementary : {false, true}) {
    Settings t = WithFunction(0, 1.0f, 0.5f, complementary);
    EXPECT_EQ(MappingWeightOfPair(t, 0.0f), 1.0f);
    EXPECT_EQ(MappingWeightOfPair(t, 0.5f), 1.0f);
    EXPECT_EQ(MappingWeightOfPair(t, 1.0f), 1.0f);  // m D = 1 with m = 1 gives 1
  }
}

TEST(MappingWeightOfPair, ProductOneWithMOneIsFullWeight) {
  // m = 1, D = 1: (1 - D) / (1 - m D) would be 0/0; the rule gives 1.
  EXPECT_EQ(MappingWeightOfPair(WithFunction(4, 1.0f, 0.001f), 1.0f), 1.0f);
  // Its complement is 0, so the floor.
  EXPECT_EQ(MappingWeightOfPair(WithFunction(4, 1.0f, 0.001f, true), 1.0f), 0.001f);
}

TEST(MappingWeightOfPair, LinearIsOneMinusDWithItsFloor) {
  Settings t = WithFunction(2, 0.0f, 0.01f);
  EXPECT_FLOAT_EQ(MappingWeightOfPair(t, 0.3f), 0.7f);
  EXPECT_EQ(MappingWeightOfPair(t, 0.995f), 0.01f);
  EXPECT_EQ(MappingWeightOfPair(t, 1.0f), 0.01f);
}

TEST(MappingWeightOfPair, WeakAndStrongCurves) {
  Settings weak = WithFunction(1, 0.95f, 0.1f);
  EXPECT_NEAR(MappingWeightOfPair(weak, 0.5f), 0.5 / (1 - 0.475), 1e-6);
  EXPECT_EQ(MappingWeightOfPair(weak, 1.0f), 0.1f);
  Settings strong = WithFunction(3, -20.0f, 0.001f);
  EXPECT_NEAR(MappingWeightOfPair(strong, 0.5f), 0.5 / 11.0, 1e-7);
  EXPECT_NEAR(MappingWeightOfPair(strong, 0.9f), 0.1 / 19.0, 1e-7);
  EXPECT_EQ(MappingWeightOfPair(strong, 0.999f), 0.001f);
}

TEST(MappingWeightOfPair, InverseFormIsOneMinusTheExchangedCurve) {
  // "Weak inverse" runs with the Strong m and subtracts from 1.
  Settings weak_inverse = WithFunction(1, -20.0f, 0.1f, true);
  EXPECT_NEAR(MappingWeightOfPair(weak_inverse, 0.5f), 1 - 0.5 / 11.0, 1e-6);
  EXPECT_EQ(MappingWeightOfPair(weak_inverse, 0.0f), 0.1f);  // 1 - 1 = 0, floored
}

TEST(MappingWeightOfPair, ProductNearOneWithMNotOneGivesTheFloor) {
  Settings t = WithFunction(4, 0.8f, 0.25f);
  EXPECT_EQ(MappingWeightOfPair(t, 1.25f), 0.25f);
  EXPECT_EQ(MappingWeightOfPair(t, 1.250001f), 0.25f);
}

TEST(ComputeMappingWeights, FixedFunctionsSetTheirConstants) {
  struct Case {
    int code;
    bool complementary;
    float m, floor;
  } cases[] = {{0, false, 1.0f, 1.0f}, {1, false, 0.95f, 0.1f},    {1, true, -20.0f, 0.1f},
               {2, true, 0.0f, 0.01f}, {3, false, -20.0f, 0.001f}, {3, true, 0.95f, 0.001f}};
  for (const Case& c : cases) {
    auto s = TinyProblem(2, {0.5f});
    s->set.MappingWtFunctionNum = c.code;
    s->set.MapWeightComplementary = c.complementary;
    s->set.MappingWtParam = 123.0f;
    ComputeMappingWeights(*s);
    EXPECT_EQ(s->set.MappingWtParam, c.m) << c.code << c.complementary;
    EXPECT_EQ(s->set.MapWeightFloor, c.floor) << c.code << c.complementary;
  }
}

TEST(ComputeMappingWeights, AdjustableKeepsItsMAndRoundsItsFloor) {
  struct Case {
    float m, floor;
  } cases[] = {{0.0f, 0.01f},
               {0.995f, 0.669f},
               {-193.0f, 0.001f},
               {0.5f, 0.02f},
               // 0.00999999 / (1 + 0.5439 * 0.99) = 0.0064999960 -> 0.006; with 0.01 in
               // its place 0.0065000022 -> 0.007.
               {-0.5439f, 0.006f},
               // 0.00999999 / (1 - 0.99155f * 0.99f) = 0.54450035 -> 0.545 in single
               // precision; a double 0.99 gives 0.54449948 -> 0.544.
               {0.99155f, 0.545f}};
  for (const Case& c : cases) {
    auto s = TinyProblem(2, {0.5f});
    s->set.MappingWtFunctionNum = 4;
    s->set.MappingWtParam = c.m;
    ComputeMappingWeights(*s);
    EXPECT_EQ(s->set.MappingWtParam, c.m);
    EXPECT_FLOAT_EQ(s->set.MapWeightFloor, c.floor) << c.m;
  }
}

TEST(ComputeMappingWeights, FillsBothHalvesAndTheEffectiveWeights) {
  auto s = TinyProblem(3, {0.2f, 0.6f, 1.0f});
  testing::SetMissing(*s, 3, 1);
  s->prob.PairWeight(2, 1) = s->prob.PairWeight(1, 2) = 0.5f;
  s->prob.EffWeight(2, 2) = 7.0f;  // the diagonal of EffWeight is left alone
  s->prob.ObjParked[2] = 1;        // parked objects are weighted too
  s->set.MappingWtFunctionNum = 2;
  ComputeMappingWeights(*s);
  const Problem& p = s->prob;
  EXPECT_FLOAT_EQ(p.MapWeight(2, 1), 0.8f);
  EXPECT_FLOAT_EQ(p.MapWeight(1, 2), 0.8f);
  EXPECT_EQ(p.MapWeight(3, 1), 1.0f);  // missing
  EXPECT_EQ(p.MapWeight(3, 2), 0.01f);
  EXPECT_EQ(p.MapWeight(2, 2), 1.0f);  // diagonal: D = 0
  EXPECT_FLOAT_EQ(p.EffWeight(2, 1), 0.4f);
  EXPECT_FLOAT_EQ(p.EffWeight(1, 2), 0.4f);
  EXPECT_EQ(p.EffWeight(1, 3), 1.0f);
  EXPECT_EQ(p.EffWeight(2, 3), 0.01f);
  EXPECT_EQ(p.EffWeight(2, 2), 7.0f);
}

TEST(ComputeMappingWeights, WithoutAProblemOnlyMapWeightsChange) {
  auto s = TinyProblem(2, {0.5f});
  s->run.RunState = kNoProblem;
  s->set.MappingWtFunctionNum = 2;
  ComputeMappingWeights(*s);
  EXPECT_FLOAT_EQ(s->prob.MapWeight(2, 1), 0.5f);
  EXPECT_EQ(s->prob.EffWeight(2, 1), 1.0f);
}

}  // namespace
}  // namespace quorel
