#include "cases/special_case_command.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "cases/special_case_texts.h"
#include "cases/special_cases.h"
#include "support/fake_platform.h"
#include "support/temp_path.h"

namespace quorel {
namespace {

using testing::FakePlatform;

TEST(SpecialCaseCommand, GeneratesAndMakesTheCaseTheStartupProblem) {
  Session s;
  FakePlatform platform;
  s.set.SpecialCaseNum = 3;
  s.run.BestObjFnValue = 0.5f;
  RunSpecialCaseCommand(s, platform);
  EXPECT_TRUE(s.prob.SpecialCaseActive);
  EXPECT_EQ(s.prob.NObjects, 4);
  EXPECT_EQ(s.run.RunState, kLoadedIdle);
  EXPECT_TRUE(s.run.StopRequested);
  EXPECT_EQ(s.run.BestObjFnValue, 1e20f);
  EXPECT_EQ(s.set.StartupProblem, "SpecialCase3");
  EXPECT_EQ(s.captions.cmdDegrade, "PR&ECISION:\r\n0.1 (Max)");
  EXPECT_EQ(s.captions.lblBestObjFnValue, "");
  EXPECT_GE(platform.caption_refreshes, 1);
}

TEST(SpecialCaseCommand, StartupLoadOfACaseOrOfNothing) {
  for (auto [startup, objects] : {std::pair{"SpecialCase10", 10}, {"SpecialCase99", 0}}) {
    Session s;
    FakePlatform platform;
    s.set.StartupProblem = startup;
    LoadStartupProblem(s, platform);
    EXPECT_EQ(s.prob.NObjects, objects) << startup;
    EXPECT_EQ(s.prob.SpecialCaseActive, objects > 0);
    EXPECT_EQ(s.run.RunState, objects > 0 ? kLoadedIdle : kNoProblem);
  }
}

TEST(SpecialCaseCommand, StartupLoadOfADataFileOrOfNothing) {
  auto folder = ::quorel::testing::TempPath("quorel_cases_startup");
  std::filesystem::create_directories(folder);
  auto path = folder / "three.txt";
  {
    std::ofstream out(path, std::ios::binary);
    out << "NOBJECTS=3\r\nDISSIMILARITYLIST\r\n0\r\n0.5\r\n1, 0.25\r\n";
  }
  Session s;
  FakePlatform platform;
  s.set.StartupProblem = path.string();
  s.prob.SpecialCaseActive = true;
  LoadStartupProblem(s, platform);
  EXPECT_EQ(s.prob.NObjects, 3);
  EXPECT_FALSE(s.prob.SpecialCaseActive);
  EXPECT_EQ(s.set.DataFileName, path.string());
  EXPECT_EQ(s.run.RunState, kLoadedIdle);

  Session none;
  none.set.StartupProblem = (folder / "absent.txt").string();
  LoadStartupProblem(none, platform);
  EXPECT_EQ(none.prob.NObjects, 0);
  EXPECT_EQ(none.run.RunState, kNoProblem);
  std::filesystem::remove_all(folder);
}

// Every case has its menu caption and its description; the two random
// cases are told apart.
TEST(SpecialCaseTexts, EveryCaseHasACaptionAndADescription) {
  EXPECT_NE(SpecialCaseDescription(15).find("OBEYING"), std::string::npos);
  EXPECT_NE(SpecialCaseDescription(16).find("VIOLATING"), std::string::npos);
  for (int c = 0; c <= 18; ++c) {
    EXPECT_FALSE(SpecialCaseDescription(c).empty()) << c;
    EXPECT_FALSE(SpecialCaseOptionCaption(c).empty()) << c;
  }
}

// Case 14: every object lies on the noisy ring (radius 1 to 1.1) or the noisy
// line (|x - y| < 0.2) of the plane; the plane coordinates are recovered from
// the six attributes by undoing the rotations.
TEST(HyperspaceCase, RingOfTwoHundredLineOfOneHundredShuffled) {
  Session s;
  FakePlatform platform;
  s.set.SpecialCaseNum = 14;
  s.set.ReuseRandomNumbers = true;
  GenerateSpecialCase(s, platform);
  ASSERT_EQ(s.prob.NObjects, 300);
  int not_ring = 0, not_line = 0, first_200_not_ring = 0;
  for (int k = 1; k <= 300; ++k) {
    const auto& v = s.prob.AttribValue;
    float x = std::sqrt(v(k, 1) * v(k, 1) + v(k, 3) * v(k, 3) + v(k, 5) * v(k, 5));
    float y = std::sqrt(v(k, 2) * v(k, 2) + v(k, 4) * v(k, 4) + v(k, 6) * v(k, 6));
    x = std::copysign(x, v(k, 1));
    y = std::copysign(y, v(k, 2));
    float r2 = x * x + y * y;
    bool ring = r2 >= 0.9999f && r2 < 1.2101f;
    bool line = std::fabs(x - y) < 0.2001f && std::fabs(x) < 1.1f && std::fabs(y) < 1.1f;
    ASSERT_TRUE(ring || line) << "object " << k;
    not_ring += !ring;
    not_line += !line;
    if (k <= 200 && !ring) ++first_200_not_ring;
  }
  EXPECT_LE(not_ring, 100);
  EXPECT_LE(not_line, 200);
  EXPECT_GT(first_200_not_ring, 0);  // shuffled: line objects among the first 200
  // Every value is 0.9 D + 0.1 with D the normalized Euclidean distance over
  // the six attributes: sqrt(sum((difference / range)^2) / 6).
  float low[7], high[7];
  for (int a = 1; a <= 6; ++a) {
    low[a] = 1e20f;
    high[a] = -1e20f;
    for (int k = 1; k <= 300; ++k) {
      low[a] = std::min(low[a], s.prob.AttribValue(k, a));
      high[a] = std::max(high[a], s.prob.AttribValue(k, a));
    }
  }
  for (int i = 2; i <= 300; ++i)
    for (int j = 1; j < i; ++j) {
      double sum = 0.0;
      for (int a = 1; a <= 6; ++a) {
        double diff = (s.prob.AttribValue(i, a) - s.prob.AttribValue(j, a)) / (high[a] - low[a]);
        sum += diff * diff;
      }
      ASSERT_NEAR(s.prob.Dissim(i, j), 0.9 * std::sqrt(sum / 6.0) + 0.1, 2e-6) << i << "," << j;
    }
}

}  // namespace
}  // namespace quorel
