// Reads that need more than one file, a generated file, or a look at the
// state around the read.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "input/data_file_reader.h"
#include "input/load_command.h"
#include "support/fake_platform.h"
#include "support/temp_path.h"

namespace quorel {
namespace {

namespace fs = std::filesystem;

std::string TempPath(const std::string& name) {
  return (::quorel::testing::TempPath("quorel_input_" + name)).string();
}

std::string WriteFile(const std::string& name, const std::string& text) {
  std::string path = TempPath(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

std::string Data(const std::string& name) {
  return std::string(QUOREL_TEST_DATA) + "/" + name;
}

// A dissimilarity list of n objects: d(i, j) = (i + j) / (2n).
std::string Triangle(int n) {
  std::string text = "NOBJECTS=" + std::to_string(n) + "\nDISSIMILARITYLIST\n";
  text += "0\n";
  for (int i = 2; i <= n; ++i) {
    for (int j = 1; j < i; ++j) text += std::to_string(i + j) + " ";
    text += "\n";
  }
  return text;
}

class ReaderTest : public ::testing::Test {
 protected:
  std::unique_ptr<Session> s = std::make_unique<Session>();
  testing::FakePlatform fake;

  void Read(const std::string& path) {
    s->set.DataFileName = path;
    ReadDataFile(*s, fake);
  }
};

TEST_F(ReaderTest, MissingFileIsRefusedWithItsName) {
  Read(TempPath("no_such_file.txt"));
  EXPECT_EQ(s->prob.NObjects, 0);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].rfind(TempPath("no_such_file.txt") + " does not exist", 0), 0u);
  EXPECT_EQ(fake.LastCode(), "ErrMsgRE");
}

TEST_F(ReaderTest, ThousandObjectsAreAcceptedAndSymmetric) {
  Read(WriteFile("n1000.txt", Triangle(1000)));
  ASSERT_EQ(s->prob.NObjects, 1000);
  EXPECT_TRUE(fake.messages.empty());
  const Problem& p = s->prob;
  // The largest value, 1000 + 999, is scaled to 1.
  EXPECT_FLOAT_EQ(p.Dissim(1000, 999), 1.0f);
  EXPECT_FLOAT_EQ(p.Dissim(3, 1), 4.0f * (1.0f / 1999.0f));
  for (int i = 1; i <= 1000; i += 37) {
    EXPECT_EQ(p.Dissim(i, i), 0.0f);
    for (int j = 1; j < i; j += 41) EXPECT_EQ(p.Dissim(i, j), p.Dissim(j, i));
  }
}

// Missing values take part in the dense ranks with the value they hold; that
// value is 0, not whatever an earlier file left in the table.
TEST_F(ReaderTest, MissingAttributeValuesRankAsZeroWhateverCameBefore) {
  Read(WriteFile("attr_first.txt", "NOBJECTS=3\nNATTRIBUTES=2\nATTRIBUTELIST\n5 1\n6 9\n7 3\n"));
  ASSERT_EQ(s->prob.NObjects, 3);
  EXPECT_EQ(s->prob.AttribRank(2, 2), 3.0f);
  Read(WriteFile("attr_second.txt", "NOBJECTS=3\nNATTRIBUTES=2\nATTRIBUTELIST\n5 1\n6 NA\n7 3\n"));
  ASSERT_EQ(s->prob.NObjects, 3) << (fake.messages.empty() ? "" : fake.messages.back());
  EXPECT_EQ(s->prob.AttribMissing(2, 2), 1);
  EXPECT_EQ(s->prob.AttribValue(2, 2), 0.0f);
  // Sorted column 0 (missing), 1, 3: ranks 1, 2, 3.
  EXPECT_EQ(s->prob.AttribRank(2, 2), 1.0f);
  EXPECT_EQ(s->prob.AttribRank(1, 2), 2.0f);
  EXPECT_EQ(s->prob.AttribRank(3, 2), 3.0f);
  EXPECT_FLOAT_EQ(s->prob.AttribMean[2], 2.0f) << "the statistics skip the missing value";
}

TEST_F(ReaderTest, SecondReadForgetsNamesAndParkedFlagsOfTheFirst) {
  Read(Data("park_objects.txt"));
  const long first = s->prob.ProblemGeneration;
  Read(Data("prox_dissim_named.txt"));
  ASSERT_EQ(s->prob.NObjects, 3);
  EXPECT_NE(s->prob.ProblemGeneration, first) << "a new problem for whoever holds the old one";
  EXPECT_EQ(s->prob.ObjParked[1], 0);
  EXPECT_EQ(s->prob.ObjParked[3], 0);
  Read(Data("prox_dissim_scaled.txt"));
  EXPECT_EQ(s->prob.ObjName[1], "");
  EXPECT_FALSE(s->prob.ObjNamesGiven);
}

TEST_F(ReaderTest, NoDataRangeChecksStaysForLaterFiles) {
  Read(Data("prox_max_tiny_nocheck.txt"));
  ASSERT_TRUE(s->prob.NoDataRangeChecks);
  Read(WriteFile("tiny.txt", "NOBJECTS=2\nDISSIMILARITYLIST\n0\n0.0005\n"));
  EXPECT_EQ(s->prob.NObjects, 2);
  EXPECT_TRUE(fake.messages.empty());
}

TEST_F(ReaderTest, KeepObjSetupKeepsNamesAndParkedFlags) {
  Read(Data("park_objects.txt"));
  s->prob.ObjName[2] = "kept";
  s->prob.KeepObjSetup = true;
  Read(Data("park_objects.txt"));
  s->prob.KeepObjSetup = false;
  EXPECT_EQ(s->prob.ObjParked[1], 1);
  EXPECT_EQ(s->prob.ObjName[2], "kept");
}

TEST_F(ReaderTest, LineEndsLfAndCrLfReadAlike) {
  Read(Data("prox_dissim_scaled.txt"));
  const float lf = s->prob.Dissim(3, 2);
  Read(Data("prox_dissim_crlf.txt"));
  EXPECT_EQ(s->prob.Dissim(3, 2), lf);
  Read(WriteFile("cr_only.txt", "NOBJECTS=3\rDISSIMILARITYLIST\r0\r0.5\r0.8 0.3\r"));
  EXPECT_EQ(s->prob.Dissim(3, 2), lf);
}

TEST_F(ReaderTest, VeryLongLinesAreRead) {
  std::string text =
      "TITLE=" + std::string(100000, 'T') + "\nNOBJECTS=2\nDISSIMILARITYLIST\n0\n0.5 ";
  for (int k = 0; k < 20000; ++k) text += "1 ";
  Read(WriteFile("long.txt", text + "\n"));
  EXPECT_EQ(s->prob.NObjects, 2);
  EXPECT_EQ(s->prob.Title, std::string(124, 'T'));
  EXPECT_FLOAT_EQ(s->prob.Dissim(2, 1), 1.0f);
}

// What is not a plain file of a sensible size is refused at once with a
// message that says what it is: no hang on a FIFO or /dev/zero, no "does
// not exist" for a folder, nothing read whole that is too large.
TEST_F(ReaderTest, WhatIsNotAPlainFileIsRefusedWithoutReadingIt) {
  std::string folder = TempPath("folder");
  fs::create_directories(folder);
  std::string fifo = TempPath("fifo");
  fs::remove(fifo);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Sparse: as large as it says without filling the disk.
  std::string huge = TempPath("huge.txt");
  std::ofstream(huge) << "NOBJECTS=3\n";
  fs::resize_file(huge, kMaxDataFileBytes + 1);
  const std::pair<std::string, std::string> cases[] = {{folder, "ErrMsgRF"},
                                                       {fifo, "ErrMsgRF"},
                                                       {"/dev/zero", "ErrMsgRF"},
                                                       {"/dev/stdin", "ErrMsgRF"},
                                                       {huge, "ErrMsgRL"}};
  for (const auto& [path, code] : cases) {
    fake.messages.clear();
    if (path == "/dev/stdin" && fs::is_regular_file("/dev/stdin")) continue;  // redirected
    Read(path);
    EXPECT_EQ(s->prob.NObjects, 0) << path;
    ASSERT_EQ(fake.messages.size(), 1u) << path;
    EXPECT_EQ(fake.LastCode(), code) << path << ": " << fake.messages[0];
    EXPECT_EQ(fake.messages[0].find("does not exist"), std::string::npos) << fake.messages[0];
  }
  fs::remove_all(folder);
  fs::remove(fifo);
  fs::remove(huge);
}

TEST_F(ReaderTest, AByteOrderMarkAtTheStartIsSkipped) {
  Read(WriteFile("bom.txt", "\xEF\xBB\xBF" + Triangle(4)));
  EXPECT_EQ(s->prob.NObjects, 4);
  EXPECT_TRUE(fake.messages.empty());
}

TEST_F(ReaderTest, ExampleAIsARealProblem) {
  Read(std::string(QUOREL_REPO_DATA) + "/Example_A.txt");
  const Problem& p = s->prob;
  ASSERT_EQ(p.NObjects, 13);
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_EQ(p.Title, "European capitals");
  EXPECT_EQ(p.ObjName[1], "Amsterdam");
  EXPECT_EQ(p.ObjName[13], "Vienna");
  EXPECT_TRUE(p.ObjNamesGiven);
  // Lisbon - Stockholm, 2989 km, is the longest distance.
  EXPECT_FLOAT_EQ(p.Dissim(12, 6), 1.0f);
  EXPECT_FLOAT_EQ(p.Dissim(2, 1), 576.0f * (1.0f / 2989.0f));
  EXPECT_EQ(s->set.DimensionsNum, 2);
  EXPECT_EQ(s->set.DegradeNum, 9) << "four-digit values";
}

class LoadCommandTest : public ReaderTest {};

TEST_F(LoadCommandTest, SuccessLoadsAndSetsTheStartupProblem) {
  s->set.DataFileName = Data("prox_dissim_named.txt");
  s->run.RunState = kRunning;
  LoadDataFileCommand(*s, fake);
  EXPECT_EQ(s->prob.NObjects, 3);
  EXPECT_EQ(s->run.RunState, kLoadedIdle);
  EXPECT_TRUE(s->run.StopRequested);
  EXPECT_EQ(fake.clicks, 1);
  ASSERT_EQ(fake.focus.size(), 1u);
  EXPECT_EQ(fake.focus[0], FocusTarget::cmdStart);
  EXPECT_EQ(s->set.StartupProblem, Data("prox_dissim_named.txt"));
  EXPECT_FALSE(s->prob.SpecialCaseActive);
  EXPECT_EQ(s->captions.cmdAttributeFns, "&ATTRIBUTE  FNs:\r\n(not in use)");
  EXPECT_GE(fake.caption_refreshes, 1);
}

TEST_F(LoadCommandTest, RefusalLeavesNoProblem) {
  s->set.DataFileName = Data("attr_nonnumber.txt");
  s->set.StartupProblem = "before";
  LoadDataFileCommand(*s, fake);
  EXPECT_EQ(s->prob.NObjects, 0);
  EXPECT_EQ(s->prob.NAttributes, 0);
  EXPECT_EQ(s->run.RunState, kNoProblem);
  ASSERT_EQ(fake.focus.size(), 1u);
  EXPECT_EQ(fake.focus[0], FocusTarget::cmdStop);
  EXPECT_EQ(s->set.StartupProblem, "before");
  EXPECT_EQ(fake.clicks, 0);
}

TEST_F(LoadCommandTest, MissingFileFromTheDialogGivesTheFileOpeningError) {
  s->set.DataFileName = TempPath("absent.txt");
  LoadDataFileCommand(*s, fake);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(
      fake.messages[0].rfind("File Opening error.  You requested opening a non-existent file.", 0),
      0u);
}

TEST_F(LoadCommandTest, MissingFileWithoutDialogIsRefusedByTheReader) {
  s->set.DataFileName = TempPath("absent.txt");
  s->ui.ReadWithoutDialog = true;
  LoadDataFileCommand(*s, fake);
  EXPECT_EQ(fake.LastCode(), "ErrMsgRE");
  EXPECT_EQ(s->run.RunState, kNoProblem);
}

TEST_F(LoadCommandTest, UnreadableFileReportsTheSystemError) {
  // A plain file whose first read fails for every user, root too.
  const std::string path = "/proc/self/mem";
  s->set.DataFileName = path;
  std::string io_error;
  EXPECT_EQ(ReadDataFile(*s, fake, io_error), ReadOutcome::kIoError);
  EXPECT_FALSE(io_error.empty());
  EXPECT_TRUE(fake.messages.empty());
  LoadDataFileCommand(*s, fake);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_NE(fake.messages[0].find(" -- the operating system reported this error when you attempted "
                                  "to read the file: " +
                                  path),
            std::string::npos);
  EXPECT_EQ(s->prob.NObjects, 0);
}

// The data-file table checks every refusal by its code; these check that
// the numbers put into a message read as the user expects.
TEST_F(ReaderTest, MessagesPutTheirNumbersInPlace) {
  const std::pair<const char*, const char*> cases[] = {
      {"prox_too_few_rows.txt",
       "This data file does not have 4 rows of proximity data.  Processing will stop to "
       "let you check the data file.  ErrMsgR5"},
      {"prox_row1_five_diagonal_differs.txt",
       "Proximity entry ( 2, 2) does not have the same value as previous diagonal "
       "entries.  Processing will stop to let you check the data file.  ErrMsgR6D"},
      {"loc_short_row.txt",
       "This data file does not have 2 initial locations on line 2.  Processing will "
       "stop to let you check the data file.  ErrMsgR10A"}};
  for (const auto& [file, text] : cases) {
    fake.messages.clear();
    Read(Data(file));
    ASSERT_FALSE(fake.messages.empty()) << file;
    EXPECT_EQ(fake.messages.back(), text);
  }
}

}  // namespace
}  // namespace quorel
