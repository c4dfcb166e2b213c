// Reads that need more than one file, a generated file, or a look at the
// state around the read.
#include <gtest/gtest.h>
#include <unistd.h>

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
  EXPECT_EQ(fake.messages[0], TempPath("no_such_file.txt") +
                                  " does not exist or else the file is empty.  Go to the File menu "
                                  "and select a new data file.  ErrMsgRE");
}

TEST_F(ReaderTest, EmptyNameIsRefused) {
  Read("");
  EXPECT_EQ(s->prob.NObjects, 0);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].rfind("Your specified file does not exist or else", 0), 0u);
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

TEST_F(ReaderTest, ThousandAndOneObjectsAreRefused) {
  Read(WriteFile("n1001.txt", Triangle(1001)));
  EXPECT_EQ(s->prob.NObjects, 0);
  EXPECT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.LastCode(), "ErrMsgRG");
}

TEST_F(ReaderTest, HundredAndOneAttributesAreCutToHundred) {
  std::string text = "NOBJECTS=3\nNATTRIBUTES=101\nATTRIBUTELIST\n";
  for (int i = 1; i <= 3; ++i) {
    for (int k = 1; k <= 101; ++k) text += std::to_string(i * k + (k % 3) * i * i) + " ";
    text += "\n";
  }
  Read(WriteFile("a101.txt", text));
  EXPECT_EQ(s->prob.NObjects, 3);
  EXPECT_EQ(s->prob.NAttributes, 100);
  EXPECT_EQ(fake.LastCode(), "ErrMsgR1A");
  EXPECT_FLOAT_EQ(s->prob.AttribValue(2, 100), 2.0f * 100 + 1 * 4);
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
  Read(Data("prox_dissim_named.txt"));
  ASSERT_EQ(s->prob.NObjects, 3);
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

TEST_F(ReaderTest, EverySuccessfulReadIsANewProblemGeneration) {
  const long before = s->prob.ProblemGeneration;
  Read(Data("prox_dissim_scaled.txt"));
  const long after_success = s->prob.ProblemGeneration;
  EXPECT_EQ(after_success, before + 2) << "the reset and the completed read";
  Read(Data("prox_negative.txt"));
  EXPECT_EQ(s->prob.ProblemGeneration, after_success + 1) << "a refusal counts only the reset";
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
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  std::string path = WriteFile("unreadable.txt", "NOBJECTS=2\n");
  fs::permissions(path, fs::perms::none);
  s->set.DataFileName = path;
  LoadDataFileCommand(*s, fake);
  fs::permissions(path, fs::perms::owner_all);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_NE(fake.messages[0].find(" -- the operating system reported this error when you attempted "
                                  "to read the file: " +
                                  path),
            std::string::npos);
  EXPECT_EQ(s->prob.NObjects, 0);
}

}  // namespace
}  // namespace quorel

namespace quorel {
namespace {

struct MessageCase {
  const char* file;
  const char* text;
};

class MessageTextTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageTextTest, ShowsTheFullText) {
  auto s = std::make_unique<Session>();
  testing::FakePlatform fake;
  s->set.DataFileName = std::string(QUOREL_TEST_DATA) + "/" + GetParam().file;
  ReadDataFile(*s, fake);
  ASSERT_FALSE(fake.messages.empty());
  EXPECT_EQ(fake.messages.back(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MessageTextTest,
    ::testing::Values(
        MessageCase{
            "prox_too_few_rows.txt",
            "This data file does not have 4 rows of proximity data.  Processing will stop to "
            "let you check the data file.  ErrMsgR5"},
        MessageCase{
            "prox_similarity_name_only.txt",
            "It appears that similarity row 1starts with a name or NA, but has no following "
            "numbers.  Processing will stop to let you check the data file.  ErrMsgR5A"},
        MessageCase{
            "prox_short_row.txt",
            "There appears to be a proximity value missing from row 3.  Processing will stop "
            "to let you check the data file.  ErrMsgR5A1"},
        MessageCase{"prox_row1_five_diagonal_differs.txt",
                    "Proximity entry ( 2, 2) does not have the same value as previous diagonal "
                    "entries.  Processing will stop to let you check the data file.  ErrMsgR6D"},
        MessageCase{
            "prox_diagonal_missing.txt",
            "The dissimilaritiy value for the diagonal entry  ( 2, 2)  is missing.  You must "
            "enter the diagonal values.  Processing will stop to let you check the data "
            "file.  ErrMsgR6B0"},
        MessageCase{"rd_too_many_objects.txt",
                    "This data file calls for NObjects = 1001, which is greater than 1000, the "
                    "maximum value currently allowed.  Processing will stop to avoid a system "
                    "crash.  ErrMsgRG"},
        MessageCase{
            "attr_150_columns.txt",
            "The data file has too many attributes specified.  Currently, the maximum allowed "
            "is 100.  Only the first 100 will be used.    ErrMsgR1A"},
        MessageCase{
            "attr_too_few_rows.txt",
            "This data file does not have 3 lines of attribute values even though it has the "
            "ATTRIBUTELIST keyword and NObjects = 3.  Attribute line 3 was not found.  "
            "Processing will stop to let you check the data file.  ErrMsgR12A"},
        MessageCase{
            "attr_nonnumber.txt",
            "Attribute 2 of line 2 starts with a non-number.  This usually means you have a "
            "typo or have entered a nominal attribute.  All attribute entries must be "
            "numerical values or must be numerical values following a name (label).  "
            "Processing will stop to let you check the data file.  ErrMsgR13A"},
        MessageCase{
            "attr_constant_seven.txt",
            "Attribute 2 has almost the same relative value for all objects.  This probably "
            "indicates a data entry error.  If your data are correct, then enter a line with "
            "the single (undocumented) word NoDataRangeChecks somewhere before the line with "
            "the ATTRIBUTELIST keyword.  Processing will stop to let you check the data "
            "file.  ErrMsgR13C"},
        MessageCase{
            "attr_all_missing.txt",
            "Attribute 2 has all missing entries.  This does not make sense.  Processing will "
            "stop to let you check the data file.  ErrMsgR13D"},
        MessageCase{
            "rd_dims_conflict.txt",
            "The DimensionsNum you entered via a Start command is 3.\r\nThe DimensionsNum you "
            "implied via the Locations data is 2.\r\nThe latter will be used.    ErrMsgR45"},
        MessageCase{"loc_short_row.txt",
                    "This data file does not have 2 initial locations on line 2.  Processing will "
                    "stop to let you check the data file.  ErrMsgR10A"},
        MessageCase{
            "wt_over.txt",
            "This data file contains an invalid regular weight in row 2.  All weights must be "
            "[0,1].  Processing will stop to let you check the data file.  ErrMsgR11C"},
        MessageCase{
            "mapwt_over.txt",
            "This data file contains an invalid mapping weight in row 2.  All weights must be "
            "[0,1].  Processing will stop to let you check the data file.  ErrMsgR11C"},
        MessageCase{"wt_too_few_rows.txt",
                    "This data file does not have 3 rows of regular weight data.  Processing will "
                    "stop to let you check the data file.  ErrMsgR11A"},
        MessageCase{
            "loc_nine_dims.txt",
            "Your initial-locations data implies a starting value of 9that exceeds 8, the max "
            "allowed number of dimensions in QUOREL.  The number of dimensions will be reset "
            "to 2 to avoid a crash.  ErrMsgD1b"},
        MessageCase{
            "rd_start_dims_nine.txt",
            "Your data file is specifying a starting value for the number of dimensions that "
            "is greater than the maximum allowed which currently is 8. It will be reset to 2 "
            "to avoid a crash.    ErrMsgD1b"}));

}  // namespace
}  // namespace quorel

namespace quorel {
namespace {

constexpr const char* kCheck = "  Processing will stop to let you check the data file.";
constexpr const char* kFix = "  Fix your data file as soon as convienient.  ";

std::string Join(std::initializer_list<const char*> pieces) {
  std::string text;
  for (const char* piece : pieces) text += piece;
  return text;
}

struct FullTextCase {
  const char* file;
  std::string text;
};

class MoreMessageTextTest : public ::testing::TestWithParam<FullTextCase> {};

TEST_P(MoreMessageTextTest, ShowsTheFullText) {
  auto s = std::make_unique<Session>();
  testing::FakePlatform fake;
  s->set.DataFileName = std::string(QUOREL_TEST_DATA) + "/" + GetParam().file;
  ReadDataFile(*s, fake);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0], GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MoreMessageTextTest,
    ::testing::Values(
        FullTextCase{"rd_empty_file.txt",
                     Join({"This data file has no valid Nobjects = ... entry.  Are you sure you "
                           "selected a valid data file to open?  For instance, Short Form solution "
                           "files and Word-format data files will not work.",
                           kCheck, "  ErrMsgR1"})},
        FullTextCase{"rd_list_space.txt",
                     Join({"Your data file has no proximity values and no attribute values.  This "
                           "might be due to an erroneous space between 'LIST' and its precursor.  "
                           "That is, DISSIMILARITYLIST, SIMILARITYLIST, and ATTRIBUTELIST are all "
                           "single words.",
                           kCheck, "  ErrMsgR2A"})},
        FullTextCase{"rd_comments_only.txt",
                     Join({"Your data file has no proximity values and no attribute values.  You "
                           "have to specify one or the other.",
                           kCheck, "  ErrMsgR2B"})},
        FullTextCase{"rd_nattributes_without_list.txt",
                     Join({"The data file has an NAttribs= entry yet there is no ATTRIBUTESLIST "
                           "keyword and thus there are no attribute values given.",
                           kCheck, "  ErrMsgR3a"})},
        FullTextCase{"prox_name_na.txt",
                     Join({"It appears that you have an object name in the proximity matrix that "
                           "is NA.  NA is a reserved word and cannot be used as a name.",
                           kCheck, "  ErrMsgR5B2"})},
        FullTextCase{"prox_digits_first_number.txt",
                     "Your data file has dissimilaritiy values with more than 7 significant "
                     "figures. Only seven will be retained because single precision arithimetic "
                     "is in use.  ErrMsgR5B2a"},
        FullTextCase{
            "prox_negative.txt",
            Join({"You have a proximity value that is less than zero.", kCheck, "  ErrMsgR7A"})},
        FullTextCase{"prox_max_zero.txt",
                     Join({"Your maximum proximity value is less than zero.  This means your input "
                           "data is messed up.",
                           kCheck, "   ErrMsgR7B"})},
        FullTextCase{"prox_max_tiny.txt",
                     Join({"Your maximum proximity value is less than 0.001.  This probably means "
                           "your input data is messed up.",
                           kCheck, "   ErrMsgR7BB"})},
        FullTextCase{"prox_row1_five_single.txt",
                     Join({"You have a diagonal similarity value that is not zero.  This is "
                           "impossible.",
                           kCheck, "  ErrMsgR8A1"})},
        FullTextCase{"prox_similarity_diagonal_low.txt",
                     Join({"You have a diagonal similarity value that is not equal to the other "
                           "diagonal values, or it is not equal to or greater than all interior "
                           "values.  This cannot be valid.",
                           kCheck, "  ErrMsgR8A2"})},
        FullTextCase{"loc_too_few_rows.txt",
                     "Your data file does not have 3 initial object locations even though it has "
                     "an LOCATIONLIST keyword.  This error can be caused by putting the first "
                     "(optional) name on the same line as the LOCATIONLIST keyword, or by trying "
                     "to enter a 'blank' name by just leaving leading blanks on a line in the "
                     "LOCATIONLIST.  To leave an objected unnamed start a location line with an "
                     "apostrophe followed by a space in the appropriate place in your locations "
                     "list.  Better yet, don't use names in the LOCATIONLIST and instead just use "
                     "the OBJECTNAMESLIST explicit entry.  Processing will continue but all "
                     "initial locations information will lost.  ErrMsgR9"},
        FullTextCase{"loc_too_high.txt",
                     "The location data set on line 2 has a value greater than 1.  Processing "
                     "will stop to avoid a crash.  ErrMsgR10B"},
        FullTextCase{"loc_name_only.txt",
                     "Your initial-locations data specifies a starting value of 0 for the number "
                     "of dimensions to be used.  That doesn't make sense.  The number of "
                     "dimensions will be reset to 2 to avoid a crash.    ErrMsgD1a"},
        FullTextCase{"attr_constant_zero.txt",
                     Join({"Attribute 2 has almost the same value for all objects.  This probably "
                           "indicates a data entry error.  If your data are correct, then enter a "
                           "line with the single (undocumented) word NoDataRangeChecks somewhere "
                           "before the line with the ATTRIBUTELIST keyword.",
                           kCheck, "    ErrMsgR13CC"})},
        FullTextCase{"attr_no_nattributes.txt",
                     Join({"NAttribs=0 after exiting the ReadAttributes subroutine.  Check to see "
                           "if the keyword NATTRIBUTES=... line is missing in the data file.",
                           kCheck, "  ErrMsgR13B1"})},
        FullTextCase{"attr_name_only.txt",
                     Join({"It appears that an attribute data row starts with a name or NA, but "
                           "has no following numbers.",
                           kCheck, "  ErrMsgR55A"})},
        FullTextCase{"attr_name_na.txt",
                     Join({"It appears that you have an object name in the attribute matrix that "
                           "is NA.  NA is a reserved word and cannot be used as a name.",
                           kCheck, "  ErrMsgR6B"})},
        FullTextCase{"attr_digits_first_number.txt",
                     "Your data file has attribute values with more than 7 significant figures "
                     "Only seven will be retained because single precision arithimetic is in "
                     "use.  ErrMsgR5B1a"},
        FullTextCase{"attr_digits_later.txt",
                     "Your data file has attribute values with more than 7 significant figures. "
                     "Only seven will be retained because single precision arithimetic is in "
                     "use.  ErrMsgR5B1"},
        FullTextCase{"park_objects_missing.txt",
                     "This data file does not have a row of object numbers following the keyword "
                     "STARTPARKEDOBJECTSLIST used to identify the objects that are initially "
                     "parked.  Processing will continue and no objects will be parked.   "
                     "ErrMsgR14A"},
        FullTextCase{"park_attributes_missing.txt",
                     "This data file does not have a row of attribute numbers following the "
                     "keyword STARTPARKEDATTRIBUTESLIST used to identify the attributes that are "
                     "initially parked.  Processing will continue and no attributes will be "
                     "parked.   ErrMsgR15A"},
        FullTextCase{"park_objects_invalid_first.txt",
                     "This data file has an invalid object number in the row of object numbers "
                     "following the keyword STARTPARKEDOBJECTSLIST used to identify the objects "
                     "that are initially parked.  Processing will continue and no objects will "
                     "be parked.   ErrMsgR14B"},
        FullTextCase{"park_attributes_invalid_first.txt",
                     "This data file has an invalid attribute number in the row of attribute "
                     "numbers following the keyword STARTPARKEDATTRIBUTESLIST used to identify "
                     "the attributes that are initially parked.  Processing will continue and no "
                     "attributes will be parked.   ErrMsgR15B"},
        FullTextCase{"names_too_few.txt",
                     "Your data file does not have 3 object names (labels) even though it has an "
                     "OBJECTNAMESLIST keyword.  This error can be caused by putting the first "
                     "name on the same line as the names keyword, or by trying to to enter a "
                     "'blank' name by putting a blank line in the names list.  All blank lines "
                     "are ignored.  To leave an objected unnamed enter a line with an apostrophe "
                     "followed by a space in the appropriate place in your names list.  "
                     "Processing will continue but all object name information will lost "
                     "including any names entered with the (dis)similarity or attribute data.  "
                     "ErrMsg16C"},
        FullTextCase{"rd_start_radius.txt",
                     Join({"Your data file is specifying a starting value for the constraint "
                           "boundary that is not valid.  It will be reset to 1 to avoid a crash.",
                           kFix, "ErrMsgD1"})},
        FullTextCase{"rd_start_constant.txt",
                     Join({"Your data file is specifying a starting value for the Interval MDS "
                           "constraint that is not valid.  It will be reset to 0 to avoid a crash.",
                           kFix, "ErrMsgD21"})},
        FullTextCase{"rd_start_dims_blank.txt",
                     "Your data file is specifying a -1 value for the number of dimensions.  It "
                     "will be reset to 2 to avoid a crash.   ErrMsgD1a"},
        FullTextCase{"rd_start_degrade_13.txt",
                     Join({"Your data file is specifying a starting Precision level that is not "
                           "valid.  It will be reset to 5 decimals.",
                           kFix, "ErrMsgD1B"})},
        FullTextCase{"rd_start_attribute_fn.txt",
                     Join({"Your data file is specifying a starting Attribute Function type that "
                           "is not recognized.  It will be reset to Euclidean to avoid a crash.",
                           kFix, "ErrMsgD1"})},
        FullTextCase{"rd_start_objid.txt",
                     Join({"Your data file is specifying using an object ID method that is not "
                           "recognized.  It will be reset to 'numbers' to avoid a crash.  You can "
                           "override this setting by using the View menu.",
                           kFix, "ErrMsgD1"})},
        FullTextCase{"rd_start_mdstype.txt",
                     Join({"Your data file is specifying using a type of MDS analysis that is not "
                           "recognized.  It will be reset to 'ratio' to avoid a crash.  You can "
                           "override this setting by using the MDS Type menu.",
                           kFix, "ErrMsgD1A"})},
        FullTextCase{"rd_start_badness.txt",
                     Join({"Your data file is specifying a starting objective function type that "
                           "is not recognized.  It will be reset to Badness Measure = Stress to "
                           "avoid a crash.",
                           kFix, "ErrMsgD2"})},
        FullTextCase{"rd_start_distance.txt",
                     Join({"Your data file is specifying a starting Distance Function type that "
                           "is not recognized.  It will be reset to Euclidean to avoid a crash.",
                           kFix, "ErrMsgD3"})},
        FullTextCase{"rd_start_mapping.txt",
                     Join({"Your data file is specifying a starting Mapping Weight Function type "
                           "that is not recognized.  It will be reset to None to avoid a crash.",
                           kFix, "ErrMsgD4"})},
        FullTextCase{"rd_start_datatype.txt",
                     Join({"Your data file is specifying a starting Attribute Data Type is not "
                           "recognized.  It will be reset to Unknown to avoid a crash.",
                           kFix, "ErrMsgD5"})},
        FullTextCase{"rd_start_constant_incompatible.txt",
                     "Your data file is specifying an MDS Interval Constant that is incompatible "
                     "with your specified MDS analysis type.  The Interval Constant will be "
                     "reset to zero.  ErrMsgD5"}));

}  // namespace
}  // namespace quorel
