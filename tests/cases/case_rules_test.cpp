// Generating rules of single cases, checked against values worked out by
// hand, and the rules of the common start.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "cases/special_case_build.h"
#include "cases/special_cases.h"
#include "model/random_source.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

using testing::FakePlatform;

constexpr double kPi = 3.14159265358979;

void GenerateInto(Session& s, int case_num) {
  FakePlatform platform;
  s.set.SpecialCaseNum = case_num;
  GenerateSpecialCase(s, platform);
  EXPECT_TRUE(platform.messages.empty()) << platform.messages[0];
}

// (not in use) and other codes outside 0..12 become Euclidean: the circle's
// values are then chords over the diameter, (1,7) = sin 45 degrees.
TEST(CaseRules, AttributeFunctionOutsideTheTableBecomesEuclidean) {
  for (int code : {13, -1, 14}) {
    Session s;
    s.set.AttributeFunctionNum = code;
    GenerateInto(s, 0);
    EXPECT_NEAR(s.prob.Dissim(7, 1), std::sqrt(0.5), 1e-6) << code;
    EXPECT_NEAR(s.prob.Dissim(13, 1), 1.0, 1e-6) << code;
    EXPECT_EQ(s.set.AttributeFunctionNum, 13);  // no attributes left after the reduction
  }
}

// A reduced case uses the attribute function in force.  City Block (raw) on
// the circle: (|sin a - sin b| + |cos a - cos b|) / 2, largest sqrt(2) for
// 135 and 315 degrees, so every value is divided by sqrt(2).
TEST(CaseRules, ReducedCaseUsesTheCurrentAttributeFunction) {
  Session s;
  s.set.AttributeFunctionNum = 2;
  GenerateInto(s, 0);
  EXPECT_NEAR(s.prob.Dissim(7, 1), 1.0 / std::sqrt(2.0), 1e-6);  // 0 and 90 degrees
  EXPECT_NEAR(s.prob.Dissim(22, 10), 1.0, 1e-6);                 // 315 and 135 degrees
  double d21 = (std::sin(15 * kPi / 180) + 1 - std::cos(15 * kPi / 180)) / 2 / std::sqrt(2.0);
  EXPECT_NEAR(s.prob.Dissim(2, 1), d21, 1e-6);
  EXPECT_FALSE(s.set.NormalizeAttribs);
  EXPECT_EQ(s.set.AttributeFunctionName[2], "City Block (raw)");
}

// Puckered ring, raw Euclidean over three attributes: neighbours 20 degrees
// apart differ by 0.5 in height, so D(2,1) = sqrt((2 - 2 cos 20 + 0.25) / 3);
// opposite objects (k and k + 9, one odd, one even) give the largest value
// sqrt(4.25 / 3), to which everything is scaled.
TEST(CaseRules, PuckeredRingScaledToOppositePoints) {
  Session s;
  GenerateInto(s, 1);
  const double c20 = std::cos(20 * kPi / 180), c40 = std::cos(40 * kPi / 180);
  EXPECT_NEAR(s.prob.Dissim(2, 1), std::sqrt((2.25 - 2 * c20) / 4.25), 2e-6);
  EXPECT_NEAR(s.prob.Dissim(3, 1), std::sqrt((2 - 2 * c40) / 4.25), 2e-6);  // same height
  EXPECT_NEAR(s.prob.Dissim(10, 1), 1.0, 1e-6);
  EXPECT_NEAR(s.prob.MaxDissim, 1.0, 1e-6);
  EXPECT_EQ(s.prob.AttribValue(3, 3), 0.5f);
  EXPECT_EQ(s.prob.AttribValue(4, 3), 0.0f);
}

// Helices, object 3 (t = 0.1): A1 = 0.628318, A2 = cos(c t) + 1, A3 = sin(c t) + 1.
TEST(CaseRules, HelixAttributesOfObjectThree) {
  Session short_period;
  GenerateInto(short_period, 8);
  EXPECT_NEAR(short_period.prob.AttribValue(3, 1), 0.628318, 1e-6);
  EXPECT_NEAR(short_period.prob.AttribValue(3, 2), 0.6909828, 2e-6);  // cos(0.6 pi) + 1
  EXPECT_NEAR(short_period.prob.AttribValue(3, 3), 1.9510565, 2e-6);
  EXPECT_TRUE(short_period.set.NormalizeAttribs);
  EXPECT_EQ(short_period.prob.NAttributes, 0);

  Session long_period;
  GenerateInto(long_period, 9);
  EXPECT_NEAR(long_period.prob.AttribValue(3, 2), 1.8607420, 2e-6);  // cos(0.17 pi) + 1
  EXPECT_NEAR(long_period.prob.AttribValue(3, 3), 1.5090415, 2e-6);
  EXPECT_NEAR(long_period.prob.AttribValue(15, 1), 6.28318 * 0.7, 2e-6);
}

TEST(CaseRules, StraightLineAttributes) {
  Session s;
  GenerateInto(s, 4);
  EXPECT_NEAR(s.prob.AttribValue(4, 1), 0.3, 1e-6);
  EXPECT_NEAR(s.prob.AttribValue(4, 2), 0.6, 1e-6);
  EXPECT_EQ(s.prob.AttribValue(4, 3), 11.0f);
  EXPECT_EQ(s.prob.AttribValue(4, 4), 4.0f);
  EXPECT_FALSE(s.set.NormalizeAttribs);
}

// The level of generated data: the most decimals m of any value's Str text
// (diagonal included); 1 when m < 1, m + 5 for 1..5, 10 above.
TEST(CaseRules, PrecisionLevelFromTheDecimalsOfTheValues) {
  struct Case {
    float value;
    int level;
  };
  const Case cases[] = {{1.0f, 1},   {0.0f, 1},        {0.5f, 6},      {0.25f, 7},
                        {0.125f, 8}, {0.0625f, 9},     {0.03125f, 10}, {0.015625f, 10},
                        {0.4f, 6},   {0.1414214f, 10}, {1.5e-05f, 10}};  // " 1.5E-05": 6
  for (const Case& c : cases) {
    Session s;
    s.prob.NObjects = 3;
    SizePairTables(s, 3);
    s.prob.Dissim(2, 1) = 0.5f;
    s.prob.Dissim(3, 2) = c.value;
    int expected = std::max(c.level, 6);  // the 0.5 alone gives level 6
    EXPECT_EQ(cases::DissimilarityPrecisionLevel(s), expected) << c.value;
    s.prob.Dissim(2, 1) = 1.0f;
    EXPECT_EQ(cases::DissimilarityPrecisionLevel(s), c.level) << c.value;
  }
  // The diagonal counts too.
  Session s;
  s.prob.NObjects = 2;
  SizePairTables(s, 2);
  s.prob.Dissim(2, 2) = 0.25f;
  EXPECT_EQ(cases::DissimilarityPrecisionLevel(s), 7);
}

// NormalizeAttribs as each attribute case sets it, and the names of functions
// 1 and 2 that go with it.
TEST(CaseRules, NormalizeFlagOfEveryAttributeCase) {
  const int normalized[] = {2, 5, 8, 9, 12, 13, 14, 17, 18};
  const int raw[] = {0, 1, 4};
  for (int c : normalized) {
    Session s;
    s.set.NormalizeAttribs = false;
    GenerateInto(s, c);
    EXPECT_TRUE(s.set.NormalizeAttribs) << c;
    EXPECT_EQ(s.set.AttributeFunctionName[1], "Euclidean (norm.)") << c;
  }
  for (int c : raw) {
    Session s;
    s.set.NormalizeAttribs = true;
    GenerateInto(s, c);
    EXPECT_FALSE(s.set.NormalizeAttribs) << c;
    EXPECT_EQ(s.set.AttributeFunctionName[2], "City Block (raw)") << c;
  }
}

// The random source is reset before the random cases 14..18 only; the other
// cases leave it where it stands.
TEST(CaseRules, ReuseResetsTheRandomSourceOnlyBeforeRandomCases) {
  RandomSource reference;
  std::vector<float> sequence;
  for (int k = 0; k < 200; ++k) sequence.push_back(reference.Next());

  Session s;
  s.set.ReuseRandomNumbers = true;
  s.Rnd();
  s.Rnd();
  for (int c : {0, 3, 13}) GenerateInto(s, c);
  EXPECT_EQ(s.Rnd(), sequence[2]);

  // Case 15 draws one number per pair (105), from the fixed starting state.
  GenerateInto(s, 15);
  EXPECT_EQ(s.Rnd(), sequence[105]);
  EXPECT_FLOAT_EQ(s.prob.Dissim(2, 1), sequence[0] / 2.02f + 0.501f);

  s.set.ReuseRandomNumbers = false;
  GenerateInto(s, 15);
  EXPECT_FLOAT_EQ(s.prob.Dissim(2, 1), sequence[106] / 2.02f + 0.501f);
}

}  // namespace
}  // namespace quorel
