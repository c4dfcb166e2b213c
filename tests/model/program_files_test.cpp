// The program's own files are found beside it in a build folder and in
// <prefix>/share/quorel/ when it is installed in <prefix>/bin/.
#include "model/program_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "output/edit_commands.h"
#include "support/temp_path.h"

namespace quorel {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFiles, InstalledFilesAreFoundAndFilesBesideTheProgramComeFirst) {
  fs::path prefix = testing::TempPath("quorel_prefix");
  fs::remove_all(prefix);
  fs::create_directories(prefix / "bin");
  fs::create_directories(prefix / "share" / "quorel");
  std::ofstream(prefix / "share" / "quorel" / "QuorelHelp.txt") << "help";

  Session s;
  s.AppFolder = (prefix / "bin").string() + "/";
  s.DataFolder = InstalledDataFolder(s.AppFolder);
  EXPECT_EQ(s.DataFolder, (prefix / "share" / "quorel").string() + "/");
  EXPECT_EQ(ProgramFilePath(s, "QuorelHelp.txt"), s.DataFolder + "QuorelHelp.txt");
  s.set.HelpFileName = "QuorelHelp.txt";
  EXPECT_EQ(HelpFilePath(s), s.DataFolder + "QuorelHelp.txt") << "what F1 shows";
  // A missing file is named where it belongs, beside the program.
  EXPECT_EQ(ProgramFilePath(s, "ClickCmd.wav"), s.AppFolder + "ClickCmd.wav");
  EXPECT_EQ(ProgramFilePath(s, "/elsewhere/help.txt"), "/elsewhere/help.txt");

  std::ofstream(prefix / "bin" / "QuorelHelp.txt") << "help beside the program";
  EXPECT_EQ(ProgramFilePath(s, "QuorelHelp.txt"), s.AppFolder + "QuorelHelp.txt");

  // A program outside a bin folder, or without share/quorel, is not installed.
  EXPECT_EQ(InstalledDataFolder((prefix / "share").string() + "/"), "");
  fs::remove_all(prefix / "share");
  EXPECT_EQ(InstalledDataFolder(s.AppFolder), "");
  fs::remove_all(prefix);
}

}  // namespace
}  // namespace quorel
