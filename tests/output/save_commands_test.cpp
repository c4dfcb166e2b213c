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
  auto folder = testing::FreshFolder("save_commands");
  auto s = testing::ProblemA();
  s->set.SolnLongFileName = (folder / "long.txt").string();
  s->set.SolnShortFileName = (folder / "short.txt").string();
  FakePlatform platform;
  EXPECT_EQ(SaveSolutionCommand(*s, platform, true), SaveOutcome::kWritten);
  EXPECT_EQ(SaveSolutionCommand(*s, platform, false), SaveOutcome::kWritten);
  std::string long_text = testing::ReadAll(folder / "long.txt");
  std::string short_text = testing::ReadAll(folder / "short.txt");
  EXPECT_NE(long_text.find("\r\nDISSIMILARITYLIST\r\n"), std::string::npos);
  EXPECT_EQ(short_text.find("DISSIMILARITYLIST"), std::string::npos);
  EXPECT_NE(short_text.find("\r\nLOCATIONLIST\r\n"), std::string::npos);
  EXPECT_EQ(platform.clicks, 2);
  fs::remove_all(folder);
}

TEST(SaveCommands, EmptyNameAsksForOneAndSaveAsStoresIt) {
  auto folder = testing::FreshFolder("save_as");
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
  fs::remove_all(folder);
}

TEST(ViewerMessages, TextsOfTheThreeViewers) {
  EXPECT_EQ(ViewerMissingFileMessage(SolutionViewer::kShortFormat, "s.txt"),
            "s.txt does not exist or else the file is empty.  You must save a solution in the "
            "short form before you can edit it here.  \r\n\r\nIt might be that you actually have "
            "saved a short format solution and QUOREL is confused about the active directory.  "
            "Fix this by saving a file (any solution file) using File/Save Solution As ... (Long "
            "Format) to explicitly choose your active directory.    ErrMsgRD3");
  EXPECT_EQ(ViewerMissingFileMessage(SolutionViewer::kBestFound, ""),
            "Your specified file does not exist or else the file is empty.  Perhaps QUOREL has "
            "not yet saved a best-found-solution file.  Use AutoRepeat and AutoStop to generate a "
            "best-found-solution file.  \r\n\r\nIt might be that you have saved a best-found "
            "solution and QUOREL is confused about the active directory.  Fix this by saving a "
            "file (any solution file) using File/Save Solution As ... (Long Format) to explicitly "
            "choose your active directory.    ErrMsgRD1");
  EXPECT_EQ(ViewerMissingFileMessage(SolutionViewer::kLongFormat, "l.txt"),
            "l.txt does not exist or else the file is empty.  You must save a solution in the "
            "long form before you can edit it here.  \r\n\r\nIt might be that you have saved a "
            "long-format solution and QUOREL is confused about the active directory.  Fix this "
            "by saving a file (any solution file) using File/Save Solution As ... (Long Format) "
            "to explicitly choose your active directory.    ErrMsgRD4");
}

TEST(ViewerMessages, CheckShowsTheMessageOnlyForAMissingFile) {
  auto folder = testing::FreshFolder("viewer");
  Session s;
  s.set.SolnBestFileName = (folder / "best.txt").string();
  FakePlatform platform;
  EXPECT_FALSE(CheckViewerFile(s, platform, SolutionViewer::kBestFound));
  EXPECT_EQ(platform.LastCode(), "ErrMsgRD1");
  std::ofstream(folder / "best.txt") << "x";
  EXPECT_TRUE(CheckViewerFile(s, platform, SolutionViewer::kBestFound));
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(ViewerFileName(s, SolutionViewer::kShortFormat), "QuorelSolnShortFmt.txt");
  fs::remove_all(folder);
}

}  // namespace
}  // namespace quorel
