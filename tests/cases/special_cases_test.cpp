#include "cases/special_cases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>

#include "cases/special_case_texts.h"
#include "prep/dissim_ranks.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

using testing::FakePlatform;

std::unique_ptr<Session> Generate(int case_num, bool reuse = true) {
  auto s = std::make_unique<Session>();
  s->set.SpecialCaseNum = case_num;
  s->set.ReuseRandomNumbers = reuse;
  s->prob.SpecialCaseActive = true;
  FakePlatform platform;
  GenerateSpecialCase(*s, platform);
  EXPECT_TRUE(platform.messages.empty()) << "case " << case_num << ": " << platform.messages[0];
  return s;
}

struct Expected {
  int objects;
  int attributes;  // after generation: 0 for the cases reduced to dissimilarities
};

const Expected kCases[19] = {
    {24, 0}, {18, 0}, {15, 3}, {4, 0},  {15, 0},  {15, 0}, {8, 0},  {6, 0},   {15, 0},  {15, 0},
    {10, 0}, {24, 0}, {25, 2}, {27, 3}, {300, 0}, {15, 0}, {15, 0}, {15, 10}, {15, 12},
};

TEST(SpecialCases, CountsTitlesAndCommonEndOfAllNineteen) {
  for (int c = 0; c <= 18; ++c) {
    SCOPED_TRACE("case " + std::to_string(c));
    auto s = Generate(c);
    const Problem& p = s->prob;
    EXPECT_EQ(p.NObjects, kCases[c].objects);
    EXPECT_EQ(p.NAttributes, kCases[c].attributes);
    EXPECT_FALSE(p.Title.empty());
    bool kept = kCases[c].attributes > 0;
    EXPECT_EQ(p.AttributesGiven, kept);
    EXPECT_EQ(p.ProximitiesGiven, !kept);
    if (!kept) {
      EXPECT_EQ(s->set.AttributeFunctionNum, 13);
    }
    EXPECT_GT(p.MaxDissim, 0.0f);
    EXPECT_EQ(s->set.DegradeNum, p.DataDegradeNum);
    int n = p.NObjects;
    FakePlatform platform;
    EnsureRanks(*s, platform);
    EXPECT_EQ(s->derived.NRankedPairs, n * (n - 1) / 2);
    for (int i = 1; i <= n; ++i) {
      EXPECT_TRUE(p.ObjName[i].empty());
      EXPECT_EQ(p.Dissim(i, i), 0.0f);
      for (int j = 1; j < i; ++j) {
        ASSERT_EQ(p.Dissim(i, j), p.Dissim(j, i));
        ASSERT_EQ(p.DissimOriginal(i, j), p.Dissim(i, j));
        ASSERT_FALSE(p.DissimMissing(i, j));
        ASSERT_EQ(p.PairWeight(i, j), 1.0f);
        ASSERT_EQ(p.EffWeight(j, i), 1.0f);
      }
    }
  }
}

TEST(SpecialCases, CaseNumberOutsideTheTableIsAnInternalError) {
  Session s;
  FakePlatform platform;
  s.set.SpecialCaseNum = 19;
  EXPECT_THROW(GenerateSpecialCase(s, platform), std::logic_error);
  s.set.SpecialCaseNum = -1;
  EXPECT_THROW(GenerateSpecialCase(s, platform), std::logic_error);
}

TEST(SpecialCases, CircleDependsOnlyOnAngularSeparation) {
  auto s = Generate(0);
  const Problem& p = s->prob;
  float largest = 0.0f;
  for (int i = 2; i <= 24; ++i)
    for (int j = 1; j < i; ++j) {
      int sep = std::min(i - j, 24 - (i - j));
      // Chord of a separation of 15*sep degrees over the diameter.
      double expected = std::sin(7.5 * sep * 3.14159265358979 / 180.0);
      EXPECT_NEAR(p.Dissim(i, j), expected, 2e-6) << i << "," << j;
      largest = std::max(largest, p.Dissim(i, j));
    }
  EXPECT_FLOAT_EQ(largest, 1.0f);
  EXPECT_NEAR(p.Dissim(13, 1), 1.0f, 1e-6);
}

TEST(SpecialCases, SimplexesAreAllHalfAtLevelSix) {
  for (int c : {3, 10, 11}) {
    auto s = Generate(c);
    const Problem& p = s->prob;
    for (int i = 2; i <= p.NObjects; ++i)
      for (int j = 1; j < i; ++j) ASSERT_EQ(p.Dissim(i, j), 0.5f);
    EXPECT_EQ(p.MaxDissim, 0.5f);
    EXPECT_EQ(s->set.DegradeNum, 6);
    EXPECT_EQ(p.DataDegradeNum, 6);
    EXPECT_EQ(s->captions.cmdDegrade, "PR&ECISION:\r\n0.1 (Max)");
  }
}

TEST(SpecialCases, BoxKiteAndTrianglesValues) {
  auto kite = Generate(6);
  EXPECT_FLOAT_EQ(kite->prob.Dissim(2, 1), 0.1f);
  EXPECT_FLOAT_EQ(kite->prob.Dissim(8, 5), 0.1f * std::sqrt(2.0f));
  EXPECT_FLOAT_EQ(kite->prob.Dissim(7, 6), 0.1f * std::sqrt(2.0f));
  EXPECT_FLOAT_EQ(kite->prob.Dissim(5, 4), 1.0f);
  EXPECT_EQ(kite->set.DegradeNum, 10);  // 0.1414214 has seven decimals
  auto tri = Generate(7);
  EXPECT_FLOAT_EQ(tri->prob.Dissim(3, 2), 0.5f);
  EXPECT_FLOAT_EQ(tri->prob.Dissim(5, 2), 0.25f);
  EXPECT_FLOAT_EQ(tri->prob.Dissim(6, 1), std::sqrt(0.3125f));
  EXPECT_FLOAT_EQ(tri->prob.Dissim(6, 4), 0.5f);
}

TEST(SpecialCases, InterceptCaseNeverBelowTenthAndLineHasNoOffset) {
  auto with = Generate(5);
  auto without = Generate(4);
  float lowest_with = 2.0f, lowest_without = 2.0f;
  for (int i = 2; i <= 15; ++i)
    for (int j = 1; j < i; ++j) {
      lowest_with = std::min(lowest_with, with->prob.Dissim(i, j));
      lowest_without = std::min(lowest_without, without->prob.Dissim(i, j));
    }
  EXPECT_GE(lowest_with, 0.1f);
  // On a straight line the neighbours are 1/14 of the longest distance apart.
  EXPECT_NEAR(lowest_without, 1.0f / 14.0f, 1e-5);
  EXPECT_NEAR(lowest_with, (1.0f / 14.0f) / 1.2f + 0.1f, 1e-5);
  EXPECT_NEAR(with->prob.MaxDissim, 1.0f / 1.2f + 0.1f, 1e-5);
  EXPECT_TRUE(with->set.NormalizeAttribs);
}

TEST(SpecialCases, ObeyingCaseSatisfiesTriangleInequality) {
  for (bool reuse : {true, false}) {
    auto s = Generate(15, reuse);
    const Problem& p = s->prob;
    for (int i = 1; i <= 15; ++i)
      for (int j = 1; j <= 15; ++j) {
        if (i == j) continue;
        ASSERT_GE(p.Dissim(i, j), 0.501f);
        ASSERT_LT(p.Dissim(i, j), 0.996f);
        for (int k = 1; k <= 15; ++k) {
          if (k != i && k != j) {
            ASSERT_LE(p.Dissim(i, j), p.Dissim(i, k) + p.Dissim(k, j));
          }
        }
      }
  }
}

TEST(SpecialCases, ViolatingCaseReusesOrContinuesTheRandomSource) {
  auto first = Generate(16, true);
  auto second = Generate(16, true);
  // The first value comes from the fixed starting state: r / 1.02 + 0.001.
  RandomSource fresh;
  EXPECT_FLOAT_EQ(first->prob.Dissim(2, 1), fresh.Next() / 1.02f + 0.001f);
  bool violated = false;
  for (int i = 2; i <= 15; ++i)
    for (int j = 1; j < i; ++j) {
      ASSERT_EQ(first->prob.Dissim(i, j), second->prob.Dissim(i, j));
      for (int k = 1; k <= 15; ++k)
        if (k != i && k != j &&
            first->prob.Dissim(i, j) > first->prob.Dissim(i, k) + first->prob.Dissim(k, j))
          violated = true;
    }
  EXPECT_TRUE(violated);

  // Without reuse one session generating twice continues the sequence.
  Session s;
  FakePlatform platform;
  s.set.SpecialCaseNum = 16;
  GenerateSpecialCase(s, platform);
  float before = s.prob.Dissim(2, 1);
  float before_last = s.prob.Dissim(15, 14);
  GenerateSpecialCase(s, platform);
  EXPECT_TRUE(before != s.prob.Dissim(2, 1) || before_last != s.prob.Dissim(15, 14));
}

TEST(SpecialCases, RandomAttributeCaseReusesFixedState) {
  auto a = Generate(17, true);
  auto b = Generate(17, true);
  for (int k = 1; k <= 15; ++k)
    for (int at = 1; at <= 10; ++at)
      ASSERT_EQ(a->prob.AttribValue(k, at), b->prob.AttribValue(k, at));
  RandomSource fresh;
  EXPECT_EQ(a->prob.AttribValue(1, 1), fresh.Next());
  EXPECT_EQ(a->set.AttributeFunctionNum, 1);
  EXPECT_EQ(a->set.AttributeDataTypeNum, 0);
  EXPECT_TRUE(a->set.NormalizeAttribs);
  EXPECT_EQ(a->set.AttributeFunctionName[1], "Euclidean (norm.)");
}

TEST(SpecialCases, CorrelatedAttributesFollowTheirRule) {
  auto s = Generate(18);
  for (int k = 1; k <= 15; ++k) {
    float sum = 0.0f;
    for (int a = 3; a <= 12; ++a) sum += s->prob.AttribValue(k, a);
    EXPECT_FLOAT_EQ(s->prob.AttribValue(k, 2), sum / 12.0f);
    float extra = s->prob.AttribValue(k, 1) - s->prob.AttribValue(k, 2);
    EXPECT_GE(extra, 0.0f);
    EXPECT_LT(extra, 0.1f + 1e-6f);
  }
}

TEST(SpecialCases, LatticesAndVectorsKeepTheirAttributes) {
  auto m = Generate(13);
  EXPECT_EQ(m->prob.AttribValue(27, 1), 2.0f);
  EXPECT_EQ(m->prob.AttribValue(27, 2), 8.0f);  // (27 - 1) div 3, not reduced
  EXPECT_EQ(m->prob.AttribValue(27, 3), 2.0f);
  auto v = Generate(2);
  EXPECT_EQ(v->prob.AttribValue(7, 2), 2.0f);
  EXPECT_EQ(v->prob.AttribValue(7, 1), 0.0f);
  EXPECT_EQ(v->prob.AttribValue(15, 3), 5.0f);
}

}  // namespace
}  // namespace quorel
