#include "model/safe_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "support/temp_path.h"

namespace quorel {
namespace {
namespace fs = std::filesystem;

class SafeWrite : public ::testing::Test {
 protected:
  static void Put(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  // Every name in the folder: nothing but what the test made may be left.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_.path()))
      names.insert(entry.path().filename().string());
    return names;
  }

  testing::ScratchFolder folder_{::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(SafeWrite, ReplacesAWholeFileAndKeepsItsModeAndLeavesNoTemporary) {
  fs::path target = folder_ / "soln.txt";
  Put(target, "old contents that are longer than the new ones");
  ::chmod(target.c_str(), 0600);
  Put(folder_ / "soln.txt.tmp~", "a user's own file");

  ASSERT_EQ(WriteFileSafely(target.string(), "new\r\n"), WriteOutcome::kWritten);
  EXPECT_EQ(testing::FileText(target), "new\r\n");
  struct stat info {};
  ::stat(target.c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  EXPECT_EQ(testing::FileText(folder_ / "soln.txt.tmp~"), "a user's own file");
  EXPECT_EQ(Names(), (std::set<std::string>{"soln.txt", "soln.txt.tmp~"}));
}

TEST_F(SafeWrite, ANewFileGetsTheModeOfNewFiles) {
  mode_t mask = ::umask(022);
  fs::path target = folder_ / "new.txt";
  EXPECT_EQ(WriteFileSafely(target.string(), "x"), WriteOutcome::kWritten);
  ::umask(mask);
  struct stat info {};
  ::stat(target.c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST_F(SafeWrite, FollowsSymbolicLinksAndKeepsThem) {
  fs::create_directories(folder_ / "real");
  Put(folder_ / "real" / "data.txt", "old");
  fs::create_symlink("real/data.txt", folder_ / "link.txt");
  fs::create_symlink(folder_ / "real" / "absent.txt", folder_ / "dangling.txt");

  ASSERT_EQ(WriteFileSafely((folder_ / "link.txt").string(), "new"), WriteOutcome::kWritten);
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.txt"));
  EXPECT_EQ(testing::FileText(folder_ / "real" / "data.txt"), "new");

  ASSERT_EQ(WriteFileSafely((folder_ / "dangling.txt").string(), "made"), WriteOutcome::kWritten);
  EXPECT_TRUE(fs::is_symlink(folder_ / "dangling.txt"));
  EXPECT_EQ(testing::FileText(folder_ / "real" / "absent.txt"), "made");
}

TEST_F(SafeWrite, LeavesTargetsThatAreNotRegularFilesAlone) {
  fs::path fifo = folder_ / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::path dir = folder_ / "dir";
  fs::create_directories(dir);
  fs::create_symlink("pipe", folder_ / "link-to-pipe");

  for (const fs::path& target : {fifo, dir, folder_ / "link-to-pipe"}) {
    EXPECT_EQ(WriteFileSafely(target.string(), "x"), WriteOutcome::kNotARegularFile) << target;
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_directory(dir));
  EXPECT_EQ(Names(), (std::set<std::string>{"pipe", "dir", "link-to-pipe"}));
}

TEST_F(SafeWrite, FailsWithoutLeavingAnythingWhenTheFolderIsMissing) {
  EXPECT_EQ(WriteFileSafely((folder_ / "no" / "such.txt").string(), "x"), WriteOutcome::kFailed);
  EXPECT_EQ(WriteFileSafely("", "x"), WriteOutcome::kFailed);
  EXPECT_TRUE(Names().empty());
}

TEST_F(SafeWrite, ANameTooLongForTheSuffixStillWorks) {
  fs::path target = folder_ / std::string(250, 'n');
  ASSERT_EQ(WriteFileSafely(target.string(), "long"), WriteOutcome::kWritten);
  EXPECT_EQ(testing::FileText(target), "long");
  EXPECT_EQ(Names().size(), 1u);
}

// Two processes writing the same name at once: the file is always one of
// the two texts whole, and both report success.
TEST_F(SafeWrite, ConcurrentWritersNeverMixTheirBytes) {
  fs::path target = folder_ / "shared.txt";
  const std::string texts[2] = {std::string(1 << 20, 'a'), std::string(1 << 19, 'b')};
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = ::fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      bool all = true;
      for (int round = 0; round < 20; ++round)
        all &= WriteFileSafely(target.string(), texts[c]) == WriteOutcome::kWritten;
      ::_exit(all ? 0 : 1);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::string result = testing::FileText(target);
  EXPECT_TRUE(result == texts[0] || result == texts[1]) << result.size();
  EXPECT_EQ(Names(), std::set<std::string>{"shared.txt"});
}

}  // namespace
}  // namespace quorel
