// Generated problems saved in the long format and read back.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cases/special_cases.h"
#include "input/data_file_reader.h"
#include "output/solution_writer.h"
#include "support/fake_platform.h"
#include "support/temp_path.h"

namespace quorel {
namespace {

using testing::FakePlatform;

void GenerateWriteRead(int case_num, Session& s, Session& back, FakePlatform& platform) {
  s.set.SpecialCaseNum = case_num;
  s.set.ReuseRandomNumbers = true;
  s.prob.SpecialCaseActive = true;
  GenerateSpecialCase(s, platform);
  for (int i = 1; i <= s.prob.NObjects; ++i) {
    s.prob.LocDim[1][i] = 0.01f * i - 0.5f;
    s.prob.LocDim[2][i] = 0.5f - 0.02f * i;
  }
  auto path = ::quorel::testing::TempPath("quorel_case_round_trip.txt");
  ASSERT_TRUE(WriteSolution(s, platform, path.string(), true));
  back.set.DataFileName = path.string();
  ReadDataFile(back, platform);
  std::filesystem::remove(path);
}

TEST(CaseRoundTrip, InterceptCaseDissimilaritiesToFiveDecimals) {
  Session s, back;
  FakePlatform platform;
  GenerateWriteRead(5, s, back, platform);
  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
  ASSERT_EQ(back.prob.NObjects, 15);
  EXPECT_EQ(back.prob.Title, s.prob.Title);
  EXPECT_EQ(back.prob.Subtitle, s.prob.Subtitle);
  EXPECT_EQ(back.set.DegradeNum, 10);
  for (int i = 2; i <= 15; ++i)
    for (int j = 1; j < i; ++j) EXPECT_NEAR(back.prob.Dissim(i, j), s.prob.Dissim(i, j), 5.1e-6);
  for (int i = 1; i <= 15; ++i) EXPECT_NEAR(back.prob.LocDim[2][i], s.prob.LocDim[2][i], 5.1e-5);
}

TEST(CaseRoundTrip, LatticeKeepsItsAttributesAndSettings) {
  Session s, back;
  FakePlatform platform;
  GenerateWriteRead(12, s, back, platform);
  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
  ASSERT_EQ(back.prob.NAttributes, 2);
  EXPECT_TRUE(back.prob.AttributesGiven);
  EXPECT_EQ(back.set.AttributeFunctionNum, 1);
  EXPECT_TRUE(back.set.NormalizeAttribs);
  for (int k = 1; k <= 25; ++k)
    for (int a = 1; a <= 2; ++a) EXPECT_EQ(back.prob.AttribValue(k, a), s.prob.AttribValue(k, a));
  for (int i = 2; i <= 25; ++i)
    for (int j = 1; j < i; ++j) EXPECT_NEAR(back.prob.Dissim(i, j), s.prob.Dissim(i, j), 1e-6);
}

// Every generated case, with object 2 parked and object 1 named, comes back
// from its long-format file with its counts, parking, name, precision level
// and dissimilarities (five decimals).
TEST(CaseRoundTrip, EveryCaseComesBack) {
  for (int c = 0; c <= 18; ++c) {
    SCOPED_TRACE("case " + std::to_string(c));
    Session s, back;
    FakePlatform platform;
    s.set.SpecialCaseNum = c;
    s.set.ReuseRandomNumbers = true;
    GenerateSpecialCase(s, platform);
    s.prob.ObjParked[2] = 1;
    s.prob.ObjName[1] = "First one";
    for (int i = 1; i <= s.prob.NObjects; ++i) {
      s.prob.LocDim[1][i] = 0.001f * i;
      s.prob.LocDim[2][i] = -0.002f * i;
    }
    auto path = ::quorel::testing::TempPath("quorel_every_case.txt");
    ASSERT_TRUE(WriteSolution(s, platform, path.string(), true));
    back.set.DataFileName = path.string();
    ReadDataFile(back, platform);
    std::filesystem::remove(path);
    ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
    ASSERT_EQ(back.prob.NObjects, s.prob.NObjects);
    EXPECT_EQ(back.prob.NAttributes, s.prob.NAttributes);
    // The reader trims titles: " 24 Point Simplex ..." comes back without its blank.
    std::string title = s.prob.Title;
    title.erase(0, title.find_first_not_of(' '));
    EXPECT_EQ(back.prob.Title, title);
    EXPECT_TRUE(back.prob.ObjParked[2]);
    EXPECT_FALSE(back.prob.ObjParked[3]);
    EXPECT_EQ(back.prob.ObjName[1], "First one");
    EXPECT_EQ(back.set.DegradeNum, s.set.DegradeNum);
    EXPECT_NEAR(back.prob.LocDim[2][s.prob.NObjects], -0.002f * s.prob.NObjects, 5e-5);
    // Kept attributes come back with five decimals and the dissimilarities are
    // computed again from them; pairs of the parked object keep their old
    // values then, so they are left out.
    const double tolerance = s.prob.NAttributes > 0 ? 2e-5 : 5.1e-6;
    for (int i = 1; i <= s.prob.NObjects; ++i)
      for (int a = 1; a <= s.prob.NAttributes; ++a)
        ASSERT_NEAR(back.prob.AttribValue(i, a), s.prob.AttribValue(i, a), 5.1e-6) << i << "," << a;
    for (int i = 3; i <= s.prob.NObjects; ++i)
      for (int j = 1; j < i; ++j)
        if (j != 2)
          ASSERT_NEAR(back.prob.Dissim(i, j), s.prob.Dissim(i, j), tolerance) << i << "," << j;
  }
}

}  // namespace
}  // namespace quorel
