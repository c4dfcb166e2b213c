// A failed write is reported with the place it was meant for; what the safe
// write leaves behind is the model tests' business.
#include <gtest/gtest.h>

#include "output/output_test_support.h"
#include "output/solution_writer.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

using testing::FakePlatform;
namespace fs = std::filesystem;

TEST(WriteFailure, FolderThatDoesNotExist) {
  testing::ScratchFolder folder("missing_folder");
  std::string target = (folder / "no_such_folder" / "soln.txt").string();
  FakePlatform platform;
  auto s = testing::ProblemA();
  EXPECT_FALSE(WriteSolution(*s, platform, target, true));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.LastCode(), "ErrMsgW1");
  EXPECT_NE(platform.messages[0].find(target), std::string::npos);
  EXPECT_EQ(platform.clicks, 0);
  EXPECT_FALSE(fs::exists(target));
}

}  // namespace
}  // namespace quorel
