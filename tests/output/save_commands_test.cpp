#include "output/save_commands.h"

#include <gtest/gtest.h>

#include "output/output_test_support.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

using testing::FakePlatform;
namespace fs = std::filesystem;

TEST(SaveCommands, RefusedWithoutAProblem) {
  Session s;
  FakePlatform platform;
  s.set.SolnLongFileName = "should_not_exist_quorel.txt";
  EXPECT_EQ(SaveSolutionCommand(s, platform, true), SaveOutcome::kRefused);
  EXPECT_EQ(SaveSolutionAsCommand(s, platform, "x.txt"), SaveOutcome::kRefused);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0],
            "You must load and solve a problem before you can save a solution.");
  EXPECT_FALSE(fs::exists("should_not_exist_quorel.txt"));
  EXPECT_EQ(s.set.SolnLongFileName, "should_not_exist_quorel.txt");
}

TEST(SaveCommands, SaveAndAbbreviatedUseTheirOwnNamesAndLayouts) {
  testing::ScratchFolder folder("save_commands");
  auto s = testing::ProblemA();
  s->set.SolnLongFileName = (folder / "long.txt").string();
  s->set.SolnShortFileName = (folder / "short.txt").string();
  FakePlatform platform;
  EXPECT_EQ(SaveSolutionCommand(*s, platform, true), SaveOutcome::kWritten);
  EXPECT_EQ(SaveSolutionCommand(*s, platform, false), SaveOutcome::kWritten);
  std::string long_text = testing::FileText(folder / "long.txt");
  std::string short_text = testing::FileText(folder / "short.txt");
  EXPECT_NE(long_text.find("\r\nDISSIMILARITYLIST\r\n"), std::string::npos);
  EXPECT_EQ(short_text.find("DISSIMILARITYLIST"), std::string::npos);
  EXPECT_NE(short_text.find("\r\nLOCATIONLIST\r\n"), std::string::npos);
  EXPECT_EQ(platform.clicks, 2);
}

TEST(SaveCommands, EmptyNameAsksForOneAndSaveAsStoresIt) {
  testing::ScratchFolder folder("save_as");
  auto s = testing::ProblemA();
  s->set.SolnLongFileName = "";
  FakePlatform platform;
  EXPECT_EQ(SaveSolutionCommand(*s, platform, true), SaveOutcome::kNeedsFileName);
  std::string chosen = (folder / "chosen.dat").string();
  EXPECT_EQ(SaveSolutionAsCommand(*s, platform, chosen), SaveOutcome::kWritten);
  EXPECT_EQ(s->set.SolnLongFileName, chosen);
  EXPECT_TRUE(fs::exists(chosen));
  EXPECT_EQ(SaveSolutionAsCommand(*s, platform, (folder / "none" / "x.dat").string()),
            SaveOutcome::kFailed);
  EXPECT_EQ(platform.LastCode(), "ErrMsgW1");
}

}  // namespace
}  // namespace quorel
