// A long-format file read back through the data file reader.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "input/data_file_reader.h"
#include "output/output_test_support.h"
#include "output/solution_writer.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

using testing::FakePlatform;

// Writes `written` in the long format and reads the file into `read`.
void WriteAndRead(Session& written, Session& read, FakePlatform& platform,
                  const std::string& name) {
  testing::ScratchFolder folder("round_trip_" + name);
  std::string path = (folder / (name + ".txt")).string();
  ASSERT_TRUE(WriteSolution(written, platform, path, true));
  read.set.DataFileName = path;
  ReadDataFile(read, platform);
}

TEST(RoundTrip, ProblemAComesBackWithDataSettingsAndParking) {
  FakePlatform platform;
  auto a = testing::ProblemA();
  Session back;
  WriteAndRead(*a, back, platform, "problem_a");
  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
  const Problem& p = back.prob;
  ASSERT_EQ(p.NObjects, 4);
  // Locations come first, so the values are not rescaled.
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j < i; ++j) {
      EXPECT_EQ(p.DissimMissing(i, j), a->prob.DissimMissing(i, j)) << i << "," << j;
      if (!p.DissimMissing(i, j)) {
        EXPECT_NEAR(p.Dissim(i, j), a->prob.Dissim(i, j), 5e-6) << i << "," << j;
      }
      EXPECT_EQ(p.Dissim(i, j), p.Dissim(j, i));
    }
  EXPECT_TRUE(p.DissimMissing(4, 1));
  EXPECT_TRUE(p.LocationsGiven);
  for (int i = 1; i <= 4; ++i)
    for (int d = 1; d <= 2; ++d)
      EXPECT_NEAR(p.LocDim[d][i], a->prob.LocDim[d][i], 1.0001e-4) << i << " D" << d;
  EXPECT_EQ(p.ObjName[1], "Alpha");
  EXPECT_EQ(p.ObjName[2], "Beta Gamma");
  EXPECT_EQ(p.ObjName[3], "Charlie De");  // cut to 10
  EXPECT_EQ(p.ObjName[4], "");
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(p.ObjParked[i] != 0, i == 3) << i;
  EXPECT_FLOAT_EQ(p.PairWeight(3, 2), 0.5f);
  EXPECT_FLOAT_EQ(p.PairWeight(2, 3), 0.5f);
  EXPECT_FLOAT_EQ(p.PairWeight(2, 1), 1.0f);
  EXPECT_EQ(p.Title, "Test A");
  EXPECT_EQ(p.Subtitle, "Weights and parking");
  EXPECT_EQ(back.set.MDSAnalysisTypeNum, 1);
  EXPECT_EQ(back.set.BadnessFunctionNum, 1);
  EXPECT_EQ(back.set.ObjectIDMethodNum, 1);
  EXPECT_EQ(back.set.DimensionsNum, 2);
  EXPECT_EQ(back.set.DegradeNum, 10);
  EXPECT_EQ(p.DataDegradeNum, 10);
}

TEST(RoundTrip, AwkwardNamesComeBackWhole) {
  auto s = testing::TinyProblem(
      7, {0.1f,  0.2f,  0.3f,  0.4f,  0.5f,  0.6f,  0.7f,  0.8f,  0.9f,  1.0f, 0.15f,
          0.25f, 0.35f, 0.45f, 0.55f, 0.65f, 0.75f, 0.85f, 0.95f, 0.05f, 0.12f});
  Problem& p = s->prob;
  const char* names[8] = {"", "Item 1", "3M", "NAncy", "Title", "A, B", "Big  Apple", "DNA X"};
  for (int i = 1; i <= 7; ++i) p.ObjName[i] = names[i];
  for (int i = 1; i <= 7; ++i) testing::Place(*s, i, {0.1f * i, -0.05f * i});
  FakePlatform platform;
  Session back;
  WriteAndRead(*s, back, platform, "names");
  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
  ASSERT_EQ(back.prob.NObjects, 7);
  EXPECT_EQ(back.prob.ObjName[1], "Item 1");
  EXPECT_EQ(back.prob.ObjName[2], "3M");
  EXPECT_EQ(back.prob.ObjName[3], "NAncy");
  EXPECT_EQ(back.prob.ObjName[4], "Title");
  EXPECT_EQ(back.prob.ObjName[5], "A  B");  // a comma cannot be written in a row
  EXPECT_EQ(back.prob.ObjName[6], "Big  Apple");
  EXPECT_EQ(back.prob.ObjName[7], "DNA X");
  EXPECT_EQ(back.prob.Title, "");  // the row of "Title" was not taken for a keyword
  for (int i = 2; i <= 7; ++i)
    for (int j = 1; j < i; ++j)
      EXPECT_NEAR(back.prob.Dissim(i, j), p.Dissim(i, j), 5e-6) << i << "," << j;
  for (int i = 1; i <= 7; ++i) EXPECT_NEAR(back.prob.LocDim[1][i], 0.1f * i, 5e-5);
}

TEST(RoundTrip, UnnamedRowStartingWithMissingValueStaysMissing) {
  auto s = testing::TinyProblem(3, {0.0f, 0.5f, 1.0f});
  testing::SetMissing(*s, 2, 1);
  FakePlatform platform;
  Session back;
  WriteAndRead(*s, back, platform, "leading_na");
  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
  ASSERT_EQ(back.prob.NObjects, 3);
  EXPECT_TRUE(back.prob.DissimMissing(2, 1));
  EXPECT_FLOAT_EQ(back.prob.Dissim(3, 1), 0.5f);
  EXPECT_FLOAT_EQ(back.prob.Dissim(3, 2), 1.0f);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(back.prob.ObjName[i], "");
}

TEST(RoundTrip, AttributesWithMissingValuesAndParkedAttribute) {
  auto s = testing::TinyProblem(3, {0.5f, 1.0f, 0.5f});
  Problem& p = s->prob;
  p.NAttributes = 3;
  p.AttributesGiven = true;
  const float values[4][4] = {
      {}, {0, 1.5f, 20.0f, 0.25f}, {0, 2.5f, 0, 0.75f}, {0, 0.5f, 10.0f, 0.5f}};
  for (int i = 1; i <= 3; ++i)
    for (int a = 1; a <= 3; ++a) p.AttribValue(i, a) = values[i][a];
  p.AttribMissing(2, 2) = 1;
  p.AttribParked[3] = 1;
  s->set.AttributeFunctionNum = 1;
  s->set.AttributeDataTypeNum = 0;
  s->set.NormalizeAttribs = true;
  FakePlatform platform;
  Session back;
  WriteAndRead(*s, back, platform, "attributes");
  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
  ASSERT_EQ(back.prob.NAttributes, 3);
  for (int i = 1; i <= 3; ++i)
    for (int a = 1; a <= 3; ++a) {
      EXPECT_EQ(back.prob.AttribMissing(i, a) != 0, i == 2 && a == 2) << i << "," << a;
      if (!back.prob.AttribMissing(i, a)) {
        EXPECT_FLOAT_EQ(back.prob.AttribValue(i, a), values[i][a]);
      }
    }
  EXPECT_TRUE(back.prob.AttribParked[3]);
  EXPECT_FALSE(back.prob.AttribParked[1]);
  EXPECT_EQ(back.set.AttributeFunctionNum, 1);
  EXPECT_TRUE(back.set.NormalizeAttribs);
}

TEST(RoundTrip, FirstObjectParkedKeepsTwoDimensions) {
  auto s = testing::TinyProblem(3, {0.5f, 1.0f, 0.25f});
  s->prob.ObjParked[1] = 1;
  s->prob.ObjParked[3] = 1;
  s->prob.NParkedObjects = 2;
  for (int i = 1; i <= 3; ++i) testing::Place(*s, i, {0.25f * i, -0.125f * i});
  FakePlatform platform;
  Session back;
  WriteAndRead(*s, back, platform, "parked_first");
  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
  EXPECT_EQ(back.set.DimensionsNum, 2);
  EXPECT_TRUE(back.prob.ObjParked[1]);
  EXPECT_FALSE(back.prob.ObjParked[2]);
  EXPECT_TRUE(back.prob.ObjParked[3]);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_FLOAT_EQ(back.prob.LocDim[1][i], 0.25f * i);
    EXPECT_FLOAT_EQ(back.prob.LocDim[2][i], -0.125f * i);
  }
}

// The reader accepts dissimilarities down to -0.0001; such a value must be
// written as one token ("-0.00005"), not with a blank after its sign.
TEST(RoundTrip, SlightlyNegativeDissimilarityKeepsItsColumn) {
  auto s = testing::TinyProblem(3, {1.0f, -0.00005f, 0.5f});
  FakePlatform platform;
  Session back;
  WriteAndRead(*s, back, platform, "negative");
  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
  ASSERT_EQ(back.prob.NObjects, 3);
  EXPECT_NEAR(back.prob.Dissim(3, 1), -0.00005f, 1e-9);
  EXPECT_FLOAT_EQ(back.prob.Dissim(3, 2), 0.5f);
  EXPECT_FLOAT_EQ(back.prob.Dissim(2, 1), 1.0f);
}

// Values above 10000 or a tiny non-zero value switch the attribute table to
// the exponent form "0.0000E+00", which reads back to five significant digits.
TEST(RoundTrip, AttributesInExponentFormComeBack) {
  auto s = testing::TinyProblem(3, {0.5f, 1.0f, 0.5f});
  Problem& p = s->prob;
  p.NAttributes = 2;
  p.AttributesGiven = true;
  const float values[4][3] = {{}, {0, 20000.0f, 2e-6f}, {0, 1.5f, 0.75f}, {0, -3.25f, 0.5f}};
  for (int i = 1; i <= 3; ++i)
    for (int a = 1; a <= 2; ++a) p.AttribValue(i, a) = values[i][a];
  p.AttribMax[1] = 20000.0f;
  p.AttribMax[2] = 0.75f;
  p.AttribMin[1] = -3.25f;
  p.AttribMin[2] = 2e-6f;
  s->set.AttributeFunctionNum = 1;
  s->set.AttributeDataTypeNum = 0;
  FakePlatform platform;
  Session back;
  WriteAndRead(*s, back, platform, "exponent");
  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
  ASSERT_EQ(back.prob.NAttributes, 2);
  for (int i = 1; i <= 3; ++i)
    for (int a = 1; a <= 2; ++a)
      EXPECT_FLOAT_EQ(back.prob.AttribValue(i, a), values[i][a]) << i << "," << a;
}

TEST(RoundTrip, OneDimensionalSolutionComesBackTwoDimensional) {
  auto s = testing::TinyProblem(3, {0.5f, 1.0f, 0.5f});
  s->set.DimensionsNum = 1;
  for (int i = 1; i <= 3; ++i) testing::Place(*s, i, {0.3f * (i - 2), 0.0f});
  FakePlatform platform;
  Session back;
  WriteAndRead(*s, back, platform, "one_dim");
  EXPECT_EQ(back.set.DimensionsNum, 2);
  EXPECT_EQ(platform.LastCode(), "ErrMsgR45");
  EXPECT_EQ(back.prob.NObjects, 3);
}

}  // namespace
}  // namespace quorel
