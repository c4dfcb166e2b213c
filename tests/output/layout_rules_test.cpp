// Single layout rules of the solution files.
#include <gtest/gtest.h>

#include <algorithm>

#include "input/data_file_reader.h"
#include "output/name_column.h"
#include "output/output_test_support.h"
#include "output/solution_sections.h"
#include "output/solution_writer.h"
#include "prep/dissim_ranks.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

using testing::FakePlatform;

TEST(LayoutRules, CoordinateSigns) {
  EXPECT_EQ(output::CoordinateText(-0.00005f), " +0.0000");
  EXPECT_EQ(output::CoordinateText(-0.25f), " -0.2500");
  EXPECT_EQ(output::CoordinateText(0.25f), " +0.2500");
  EXPECT_EQ(output::CoordinateText(0.0001f), " +0.0000");
  EXPECT_EQ(output::CoordinateText(-0.00012f), " -0.0001");
  EXPECT_EQ(output::CoordinateText(1.0f), " +1.0000");
}

TEST(LayoutRules, DissimilarityPatternsAndMissingTextsByLevel) {
  struct Case {
    int level, data_level;
    float value;  // (3,1); (3,2) is missing
    std::string row3;
  };
  const Case cases[] = {{12, 12, 0.75f, " 0.75000     NA  0.00000"},
                        {11, 11, 0.123456f, " 0.12346     NA  0.00000"},
                        {10, 10, 0.123456f, " 0.12346     NA  0.00000"},
                        {9, 12, 0.75f, " 0.7500    NA  0.0000"},
                        {8, 12, 0.75f, " 0.750   NA  0.000"},
                        {7, 12, 0.75f, " 0.75  NA  0.00"},
                        {6, 6, 0.123456f, " 0.1 NA  0.0"},
                        {5, 12, 0.75f, " 0.8 NA  0.0"},
                        {4, 12, 0.75f, " 0.75  NA  0.00"},
                        {3, 3, 0.123456f, " 0.12  NA  0.00"},
                        {2, 12, 0.75f, " 0.8 NA  0.0"},
                        {1, 12, 0.75f, " 1  NA 0 "}};
  for (const Case& c : cases) {
    auto s = testing::TinyProblem(3, {0.5f, c.value, 0.0f});
    testing::SetMissing(*s, 3, 2);
    s->set.DegradeNum = c.level;
    s->prob.DataDegradeNum = c.data_level;
    auto rows = testing::LinesAfter(testing::WrittenLines(*s), "DISSIMILARITYLIST", 3);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2], c.row3) << "level " << c.level;
  }
}

TEST(LayoutRules, WeightListOnlyWhenSomeWeightDiffersFromOne) {
  auto s = testing::TinyProblem(3, {0.5f, 1.0f, 0.5f});
  s->prob.PairWeight(3, 1) = s->prob.PairWeight(1, 3) = 0.99995f;
  auto lines = testing::WrittenLines(*s);
  EXPECT_FALSE(testing::HasLine(lines, "WEIGHTLIST"));
  EXPECT_EQ(lines.back(), " ");
  s->prob.PairWeight(3, 1) = s->prob.PairWeight(1, 3) = 0.9998f;
  lines = testing::WrittenLines(*s);
  auto rows = testing::LinesAfter(lines, "WEIGHTLIST", 3);
  EXPECT_EQ(rows[2], " 1.000 1.000 1.000");  // 0.9998 shown to three decimals
  // A differing weight of a missing pair does not count.
  s->prob.PairWeight(3, 1) = s->prob.PairWeight(1, 3) = 0.5f;
  testing::SetMissing(*s, 3, 1);
  EXPECT_FALSE(testing::HasLine(testing::WrittenLines(*s), "WEIGHTLIST"));
}

TEST(LayoutRules, RankTableMarksPairsOfParkedObjects) {
  auto s = testing::TinyProblem(3, {0.2f, 0.9f, 0.5f});
  s->prob.ObjParked[2] = 1;
  s->prob.NParkedObjects = 1;
  s->set.MDSAnalysisTypeNum = 4;
  FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  auto rows =
      testing::LinesAfter(testing::WrittenLines(*s), "The dissimilarity rank orders are:", 3);
  EXPECT_EQ(rows[0], " 0");
  EXPECT_EQ(rows[1], " -- 0 (parked)");
  EXPECT_EQ(rows[2], " 1 -- 0");
}

TEST(LayoutRules, IntervalConstantLineAndFixedBounds) {
  auto s = testing::TinyProblem(2, {1.0f});
  s->set.MDSAnalysisTypeNum = 3;
  s->set.BadnessFunctionNum = 0;
  s->set.ErrorBoundsTypeNum = 0;
  s->set.FixedErrorBound = 0.05f;
  s->prob.IntervalConstant = -0.125f;
  auto lines = testing::WrittenLines(*s);
  EXPECT_TRUE(testing::HasLine(
      lines, "Type of MDS Analysis = Interval + Bounds and 0.050 fixed error bounds are used."));
  auto after = testing::LinesAfter(lines, "The Objective Function is the sum over all objects ", 3);
  EXPECT_EQ(after[0],
            "of the weighted squares of the Badness terms, divided by a normalizing factor.  "
            "Interval MDS Constant = -0.125000");
  EXPECT_EQ(after[1], "");
  EXPECT_EQ(after[2], "Solution Coordinates = ");
  EXPECT_TRUE(
      testing::HasLine(lines, "The dissimilarity value's fixed error bounds are +- 0.050."));
  s->set.ErrorBoundsTypeNum = 2;
  EXPECT_TRUE(testing::HasLine(
      testing::WrittenLines(*s),
      "Type of MDS Analysis = Interval + Bounds and mid-rank error bounds are used."));
}

TEST(LayoutRules, AttributeRanksForSpearmanAndExponentForm) {
  auto s = testing::TinyProblem(2, {1.0f});
  Problem& p = s->prob;
  p.NAttributes = 2;
  p.AttribValue(1, 1) = 20000.0f;
  p.AttribValue(2, 1) = 1.5f;
  p.AttribValue(1, 2) = 3.0f;
  p.AttribMissing(2, 2) = 1;
  p.AttribRank(1, 1) = 2.0f;
  p.AttribRank(2, 1) = 1.0f;
  p.AttribRank(1, 2) = 1.0f;
  p.AttribMax[1] = 20000.0f;
  p.AttribMax[2] = 3.0f;
  p.AttribMin[1] = 1.5f;
  p.AttribMin[2] = 3.0f;
  s->set.AttributeFunctionNum = 1;
  auto rows = testing::LinesAfter(testing::WrittenLines(*s), "ATTRIBUTELIST", 2);
  EXPECT_EQ(rows[0], " 2.0000E+04 3.0000E+00");
  EXPECT_EQ(rows[1], " 1.5000E+00 NA ");
  s->set.AttributeFunctionNum = 4;
  rows = testing::LinesAfter(testing::WrittenLines(*s), "ATTRIBUTELIST", 2);
  EXPECT_EQ(rows[0], "2  1  ");
  EXPECT_EQ(rows[1], "1   NA ");
  // A tiny non-zero value would be written 0.0 by the plain pattern.
  s->set.AttributeFunctionNum = 1;
  p.AttribValue(1, 1) = 0.000002f;
  p.AttribMax[1] = 1.5f;
  p.AttribMin[1] = 0.000002f;
  rows = testing::LinesAfter(testing::WrittenLines(*s), "ATTRIBUTELIST", 1);
  EXPECT_EQ(rows[0], " 2.0000E-06 3.0000E+00");
  p.AttribValue(1, 1) = 0.0f;
  p.AttribMin[1] = 0.0f;
  rows = testing::LinesAfter(testing::WrittenLines(*s), "ATTRIBUTELIST", 1);
  EXPECT_EQ(rows[0], " 0.0 3.0");
}

TEST(LayoutRules, DegradedLevelIsNotMarkedUnchangedAndHasNoComments) {
  auto s = testing::TinyProblem(3, {0.5f, 1.0f, 0.25f});
  s->set.DegradeNum = 8;
  s->prob.DataDegradeNum = 10;
  auto lines = testing::WrittenLines(*s);
  EXPECT_TRUE(testing::HasLine(lines, "STARTDegradeNum= 8"));
  EXPECT_TRUE(testing::HasLine(lines, "Precision Level = 0.001"));
  EXPECT_FALSE(
      testing::HasLine(lines, "While your actual dissimilarity data have many decimal places,"));
}

TEST(LayoutRules, ShortFormatIsRefusedAsDataFile) {
  auto s = testing::TinyProblem(3, {0.5f, 1.0f, 0.25f});
  testing::ScratchFolder folder("short_read");
  std::string path = (folder / "short.txt").string();
  FakePlatform platform;
  ASSERT_TRUE(WriteSolution(*s, platform, path, false));
  Session back;
  back.set.DataFileName = path;
  ReadDataFile(back, platform);
  EXPECT_EQ(back.prob.NObjects, 0);
  EXPECT_EQ(platform.LastCode(), "ErrMsgR1");
}

TEST(LayoutRules, AttributeCountsWithoutParking) {
  auto s = testing::TinyProblem(2, {1.0f});
  s->prob.NAttributes = 3;
  s->prob.AttribValue(1, 1) = 1.0f;
  s->set.AttributeFunctionNum = 3;
  auto lines = testing::WrittenLines(*s, false);
  auto after = testing::LinesAfter(lines, "Solution Dimensions =  2", 2);
  EXPECT_EQ(after[0], "Number of attributes = 3, none parked");
  EXPECT_EQ(after[1], "The dissimilarities were obtained from attributes using Pearson.");
  EXPECT_FALSE(testing::HasLine(lines, "NATTRIBUTES=3"));  // short format
  lines = testing::WrittenLines(*s, true);
  EXPECT_TRUE(testing::HasLine(lines, "NATTRIBUTES=3"));
  EXPECT_TRUE(testing::HasLine(lines, "STARTAttributeFunctionNum= 3"));
  EXPECT_EQ(lines.back(), "");  // no parked attribute: an empty line ends the file
}

TEST(NameColumnEncoding, NamesThatNeedCare) {
  EXPECT_EQ(NameColumn::EncodeName("Alpha"), "Alpha");
  EXPECT_EQ(NameColumn::EncodeName("New York"), "New York");  // glued by the reader
  EXPECT_EQ(NameColumn::EncodeName("Item 1"), "Item@1");
  EXPECT_EQ(NameColumn::EncodeName("DNA X"), "DNA@X");
  EXPECT_EQ(NameColumn::EncodeName("a;b,c"), "a@b@c");
  EXPECT_EQ(NameColumn::EncodeName(""), "'");
  EXPECT_EQ(NameColumn::EncodeName("3M"), "'3M");
  EXPECT_EQ(NameColumn::EncodeName("-x"), "'-x");
  EXPECT_EQ(NameColumn::EncodeName("'quoted"), "''quoted");
  EXPECT_EQ(NameColumn::EncodeName("nancy"), "'nancy");
  EXPECT_EQ(NameColumn::EncodeName("Nobjects"), "'Nobjects");
  EXPECT_EQ(NameColumn::EncodeName("StartHere"), "'StartHere");
  EXPECT_EQ(NameColumn::EncodeName("NAMES X"), "'NAMES X");
  EXPECT_EQ(NameColumn::EncodeName("Titles"), "Titles");
}

}  // namespace
}  // namespace quorel
