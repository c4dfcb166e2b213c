// Generated problems saved in the long format and read back.
#include <gtest/gtest.h>

#include <filesystem>

#include "cases/special_cases.h"
#include "input/data_file_reader.h"
#include "output/solution_writer.h"
#include "support/fake_platform.h"

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
  auto path = std::filesystem::temp_directory_path() / "quorel_case_round_trip.txt";
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

}  // namespace
}  // namespace quorel
