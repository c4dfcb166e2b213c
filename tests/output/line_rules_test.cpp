// Single lines of the solution files at the edges of their rules.
#include <gtest/gtest.h>

#include <algorithm>

#include "output/output_test_support.h"
#include "output/solution_writer.h"
#include "prep/dissim_ranks.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

using testing::FakePlatform;

TEST(LineRules, ConstraintRadiusBelowAndAtTheLimit) {
  auto s = testing::TinyProblem(2, {1.0f});
  s->set.ConstraintRadius = 0.9f;
  auto lines = testing::WrittenLines(*s);
  EXPECT_TRUE(testing::HasLine(lines, "Constraint Radius =  0.900"));
  EXPECT_TRUE(testing::HasLine(lines, "STARTConstraintRadius= .9"));
  s->set.ConstraintRadius = 1.18f;
  lines = testing::WrittenLines(*s);
  EXPECT_TRUE(testing::HasLine(lines, "Constraint Radius =  1.180"));
  EXPECT_TRUE(testing::HasLine(lines, "STARTConstraintRadius= 1.18"));
  s->set.ConstraintRadius = 1.19f;
  lines = testing::WrittenLines(*s);
  EXPECT_TRUE(testing::HasLine(lines, "Constraint Radius = 1.0, unconstrained"));
  EXPECT_TRUE(testing::HasLine(lines, "STARTConstraintRadius= 1.0 Unconstrained"));
}

TEST(LineRules, DegradeLineAndCommentLines) {
  auto s = testing::TinyProblem(2, {1.0f});
  s->set.DegradeNum = 12;
  s->prob.DataDegradeNum = 10;  // above the data level still counts as unchanged
  auto lines = testing::WrittenLines(*s);
  EXPECT_TRUE(testing::HasLine(lines, "STARTDegradeNum= 12 Unchanged"));
  EXPECT_TRUE(testing::HasLine(lines, "Precision Level = 0.0000001"));
  s->set.DegradeNum = 11;
  s->prob.DataDegradeNum = 11;
  lines = testing::WrittenLines(*s);
  EXPECT_TRUE(testing::HasLine(lines, "Precision Level = 0.000001, unchanged from input."));
  auto comments = testing::LinesAfter(lines, "STARTDegradeNum= 11 Unchanged", 3);
  EXPECT_EQ(comments[0], "While your actual dissimilarity data have many decimal places,");
  EXPECT_EQ(comments[1], "  only 5 are shown here to save output.  If this file ");
  EXPECT_EQ(comments[2], "  is used for input, the input precision level will be reset to 10. ");
  s->set.DegradeNum = 10;
  s->prob.DataDegradeNum = 10;
  lines = testing::WrittenLines(*s);
  auto next = testing::LinesAfter(lines, "STARTDegradeNum= 10 Unchanged", 1);
  EXPECT_EQ(next[0], "");  // no comment lines at level 10
}

TEST(LineRules, RankTableWritesNAForAMissingPair) {
  auto s = testing::TinyProblem(4, {0.2f, 0.9f, 0.5f, 0.1f, 0.7f, 0.3f});
  testing::SetMissing(*s, 4, 2);
  s->set.MDSAnalysisTypeNum = 4;
  FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  auto rows =
      testing::LinesAfter(testing::WrittenLines(*s), "The dissimilarity rank orders are:", 5);
  // Ranked values 0.2 0.9 0.5 0.1 0.3 in ascending order: 0.1 (1), 0.2 (2),
  // 0.3 (3), 0.5 (4), 0.9 (5).
  EXPECT_EQ(rows[0], " 0");
  EXPECT_EQ(rows[1], " 2 0");
  EXPECT_EQ(rows[2], " 5 4 0");
  EXPECT_EQ(rows[3], " 1 NA 3 0");
  EXPECT_EQ(rows[4], "");
}

TEST(LineRules, OneDimensionalDistancesUseTheFirstCoordinateOnly) {
  auto s = testing::TinyProblem(2, {1.0f});
  s->set.DimensionsNum = 1;
  testing::Place(*s, 1, {0.25f, 0.9f});
  testing::Place(*s, 2, {-0.5f, -0.9f});
  auto lines = testing::WrittenLines(*s);
  EXPECT_EQ(testing::LinesAfter(lines, "LOCATIONLIST", 1)[0], " +0.2500 +0.9000");
  auto rows = testing::LinesAfter(lines, "The 1 dimensional distances are:", 2);
  EXPECT_EQ(rows[1], " 0.7500 0.0000");
  EXPECT_TRUE(testing::HasLine(lines, "Solution Dimensions =  1"));
}

TEST(LineRules, ObjectiveValueAndRelativeBoundsPatterns) {
  auto s = testing::TinyProblem(2, {1.0f});
  s->run.ObjFnValue = 1234.5f;
  s->set.MDSAnalysisTypeNum = 3;
  s->set.ErrorBoundsTypeNum = 1;
  s->set.RelErrorBound = 0.125f;
  auto lines = testing::WrittenLines(*s);
  EXPECT_TRUE(testing::HasLine(lines, "Objective Function Value = 1234.500000"));
  EXPECT_TRUE(testing::HasLine(
      lines, "Type of MDS Analysis = Interval + Bounds and 12.5 pct error bounds are used."));
  EXPECT_TRUE(testing::HasLine(
      lines, "The dissimilarity value's relative error bounds are +- 12.5 percent."));
}

TEST(LineRules, AttributeExponentLimitAndGuttmanRanks) {
  auto s = testing::TinyProblem(2, {1.0f});
  Problem& p = s->prob;
  p.NAttributes = 1;
  p.AttribValue(1, 1) = 10000.0f;
  p.AttribValue(2, 1) = 0.25f;
  p.AttribMax[1] = 10000.0f;
  p.AttribMin[1] = 0.25f;
  p.AttribRank(1, 1) = 12.0f;
  p.AttribRank(2, 1) = 1.0f;
  s->set.AttributeFunctionNum = 1;
  auto rows = testing::LinesAfter(testing::WrittenLines(*s), "ATTRIBUTELIST", 2);
  EXPECT_EQ(rows[0], " 10000.0");  // at most 10000: the plain pattern
  EXPECT_EQ(rows[1], " 0.25");
  p.AttribValue(1, 1) = p.AttribMax[1] = 10001.0f;
  rows = testing::LinesAfter(testing::WrittenLines(*s), "ATTRIBUTELIST", 2);
  EXPECT_EQ(rows[0], " 1.0001E+04");
  EXPECT_EQ(rows[1], " 2.5000E-01");
  s->set.AttributeFunctionNum = 5;
  rows = testing::LinesAfter(testing::WrittenLines(*s), "ATTRIBUTELIST", 2);
  EXPECT_EQ(rows[0], "12  ");
  EXPECT_EQ(rows[1], "1  ");
}

}  // namespace
}  // namespace quorel
