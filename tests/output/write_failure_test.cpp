// A failed write is reported and leaves any earlier file untouched.
#include <gtest/gtest.h>

#include "output/output_test_support.h"
#include "output/solution_writer.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

using testing::FakePlatform;
namespace fs = std::filesystem;

TEST(WriteFailure, FolderThatDoesNotExist) {
  auto folder = testing::FreshFolder("missing_folder");
  std::string target = (folder / "no_such_folder" / "soln.txt").string();
  FakePlatform platform;
  auto s = testing::ProblemA();
  EXPECT_FALSE(WriteSolution(*s, platform, target, true));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.LastCode(), "ErrMsgW1");
  EXPECT_NE(platform.messages[0].find(target), std::string::npos);
  EXPECT_EQ(platform.clicks, 0);
  EXPECT_FALSE(fs::exists(target));
  fs::remove_all(folder);
}

TEST(WriteFailure, TargetThatIsAFolderIsNotReplaced) {
  auto folder = testing::FreshFolder("target_folder");
  fs::path target = folder / "soln.txt";
  fs::create_directories(target / "inside");
  FakePlatform platform;
  auto s = testing::ProblemA();
  EXPECT_FALSE(WriteSolution(*s, platform, target.string(), false));
  EXPECT_EQ(platform.LastCode(), "ErrMsgW1");
  EXPECT_TRUE(fs::is_directory(target / "inside"));
  fs::remove_all(folder);
}

TEST(WriteFailure, SuccessfulWriteReplacesOldFileCompletely) {
  auto folder = testing::FreshFolder("replace");
  fs::path target = folder / "soln.txt";
  {
    std::ofstream old(target, std::ios::binary);
    old << std::string(50000, 'x');
  }
  FakePlatform platform;
  auto s = testing::ProblemA();
  ASSERT_TRUE(WriteSolution(*s, platform, target.string(), false));
  std::string text = testing::ReadAll(target);
  EXPECT_EQ(text.find('x' + std::string(10, 'x')), std::string::npos);
  EXPECT_EQ(text.rfind("QUOREL 11.8a\r\n", 0), 0u);
  EXPECT_EQ(platform.clicks, 1);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace quorel
