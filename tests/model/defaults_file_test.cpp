#include "model/defaults_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "model/view_options.h"
#include "support/fake_platform.h"
#include "support/temp_path.h"

namespace quorel {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;

class DefaultsFileTest : public ::testing::Test {
 protected:
  std::string Folder() const { return folder_.path().string() + "/"; }
  // A program start on the test folder.
  void Start(Session& s, FakePlatform& p) const {
    s.SettingsFolder = Folder();
    InitSettings(s, p);
  }
  void WriteFile(const std::string& text) const {
    std::ofstream(folder_ / "QuorelDefaults.dft", std::ios::binary) << text;
  }
  std::string FileText() const { return testing::FileText(folder_ / "QuorelDefaults.dft"); }

  testing::ScratchFolder folder_{std::string("quorel-defaults-") +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

// The built-in values, line by line, as the defaults file holds them.
const std::string kBuiltInFile =
    testing::FileText(std::string(QUOREL_TEST_DATA) + "/builtin_defaults.dft");

TEST_F(DefaultsFileTest, FirstStartWritesTheBuiltInValues) {
  Session s;
  FakePlatform p;
  Start(s, p);
  EXPECT_EQ(FileText(), kBuiltInFile);
  EXPECT_EQ(s.run.RunState, kNoProblem);
  // AutoStop is off by default: the solver runs until stopped.
  EXPECT_EQ(s.run.ConvergeCountLimit, 999999);
  EXPECT_TRUE(p.messages.empty());
}

TEST_F(DefaultsFileTest, SavedFieldsComeBackAfterARestart) {
  {
    Session s;
    FakePlatform p;
    Start(s, p);
    s.set.StartupProblem = "SpecialCase5";
    s.set.DataFileName = "my data, with comma.txt";
    s.set.BadnessFunctionNum = 3;
    s.set.MDSAnalysisTypeNum = 4;
    s.set.IsOrdinalMDS = true;
    s.set.DimensionsNum = 5;
    s.set.DegradeNum = 7;
    s.set.FixedErrorBound = 0.15f;
    s.set.RelErrorBound = 0.33f;
    s.set.PrecisionLevelNum = 2;
    s.set.AutoStop = true;
    s.set.AutoRepeat = true;
    s.set.SuppressNum = 0;
    s.set.ConstraintRadius = 0.73f;
    s.set.MinkowskiExponent = 2.9f;
    s.set.MinkowskiInverse = 1.0f / 2.9f;
    s.set.AdjustableMappingWt = 0.9953745 / 3.0;
    s.set.MappingWtParam = static_cast<float>(s.set.AdjustableMappingWt);
    s.set.RimWidth = 3;
    s.set.ShowDistanceButton = true;
    s.set.NormalizeAttribs = false;
    ApplyViewChoices(s, {150, 3, 9, kIdNone, false, true, true});
    s.set.ShowMapWtsButton = true;
    ASSERT_TRUE(SaveDefaults(s, p));
    EXPECT_EQ(p.clicks, 2);  // first start and this save
  }
  Session s;
  FakePlatform p;
  Start(s, p);
  EXPECT_EQ(s.set.StartupProblem, "SpecialCase5");
  EXPECT_EQ(s.set.DataFileName, "my data, with comma.txt");
  EXPECT_EQ(s.set.BadnessFunctionNum, 3);
  EXPECT_EQ(s.set.MDSAnalysisTypeNum, 4);
  EXPECT_TRUE(s.set.IsOrdinalMDS);
  EXPECT_EQ(s.set.DimensionsNum, 5);
  EXPECT_EQ(s.set.DegradeNum, 7);
  EXPECT_EQ(s.set.FixedErrorBound, 0.15f);
  EXPECT_EQ(s.set.RelErrorBound, 0.33f);
  EXPECT_EQ(s.set.PrecisionLevelNum, 2);
  EXPECT_TRUE(s.set.AutoStop);
  EXPECT_TRUE(s.set.AutoRepeat);
  EXPECT_EQ(s.set.SuppressNum, 0);
  EXPECT_EQ(s.set.ConstraintRadius, 0.73f);
  EXPECT_EQ(s.set.MinkowskiExponent, 2.9f);
  EXPECT_EQ(s.set.AdjustableMappingWt, 0.9953745 / 3.0);  // exactly, as a double
  EXPECT_EQ(s.set.MappingWtParam, static_cast<float>(0.9953745 / 3.0));
  EXPECT_EQ(s.set.RimWidth, 3);
  EXPECT_EQ(s.set.MarkedRimWidth, 6);
  EXPECT_TRUE(s.set.ShowDistanceButton);
  EXPECT_FALSE(s.set.NormalizeAttribs);
  EXPECT_EQ(s.set.AttributeFunctionName[1], "Euclidean (raw)");
  const ViewChoices view = LoadViewChoices(s);
  EXPECT_EQ(std::tie(view.CircleDiameter, view.RimWidth, view.RimColorNum, view.ObjectIDMethodNum,
                     view.ShowUnitCircle, view.ShowAxes, view.CentreInBounds),
            std::make_tuple(150, 3, 9, kIdNone, false, true, true));
  EXPECT_EQ(s.set.PickRadius, 74);
  EXPECT_TRUE(s.set.ShowMapWtsButton);
  // High precision with AutoStop on.
  EXPECT_EQ(s.run.ConvergeCountLimit, 7000);
  EXPECT_TRUE(p.messages.empty());
}

TEST_F(DefaultsFileTest, TheFileIsFoundWhateverTheCurrentFolder) {
  fs::path old_cwd = fs::current_path();
  fs::path elsewhere = folder_ / "elsewhere";
  fs::create_directories(elsewhere);
  {
    Session s;
    FakePlatform p;
    Start(s, p);
    s.set.DimensionsNum = 6;
    fs::current_path(elsewhere);
    ASSERT_TRUE(SaveDefaults(s, p));
  }
  fs::current_path(folder_.path());
  Session s;
  FakePlatform p;
  Start(s, p);
  fs::current_path(old_cwd);
  EXPECT_EQ(s.set.DimensionsNum, 6);
  EXPECT_FALSE(fs::exists(elsewhere / "QuorelDefaults.dft"));
}

TEST_F(DefaultsFileTest, AFileCutAfterLineTenIsReplacedByTheBuiltInValues) {
  std::string full = kBuiltInFile;
  // A saved file with changed values, cut after its tenth line.
  std::string changed = full;
  changed.replace(changed.find("0,1,2,10"), 8, "0,1,7,10");
  size_t pos = 0;
  for (int line = 0; line < 10; ++line) pos = changed.find("\r\n", pos) + 2;
  WriteFile(changed.substr(0, pos));
  Session s;
  FakePlatform p;
  Start(s, p);
  EXPECT_EQ(s.set.DimensionsNum, 2);
  EXPECT_EQ(FileText(), kBuiltInFile);
}

// A value its setting does not allow makes the file unusable like a
// malformed one: it is set aside as QuorelDefaults.dft.bad (replacing an
// older one) with one message, and the built-in values are used and saved.
struct UnusableCase {
  const char* line;     // a line of the built-in file
  const char* changed;  // the same line in the damaged file
};

class UnusableDefaultsFile : public DefaultsFileTest,
                             public ::testing::WithParamInterface<UnusableCase> {};

TEST_P(UnusableDefaultsFile, IsSetAsideAndTheBuiltInValuesAreUsed) {
  std::string damaged = kBuiltInFile;
  damaged.replace(damaged.find(GetParam().line), std::string(GetParam().line).size(),
                  GetParam().changed);
  WriteFile(damaged);
  std::ofstream(folder_ / "QuorelDefaults.dft.bad", std::ios::binary) << "older";
  Session s;
  FakePlatform p;
  Start(s, p);
  EXPECT_EQ(s.set.BadnessFunctionNum, 1);
  EXPECT_EQ(s.set.DimensionsNum, 2);
  EXPECT_EQ(s.set.CircleDiameter, 400);
  EXPECT_EQ(FileText(), kBuiltInFile);
  EXPECT_EQ(testing::FileText(folder_ / "QuorelDefaults.dft.bad"), damaged);
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_NE(p.messages[0].find("QuorelDefaults.dft.bad"), std::string::npos) << p.messages[0];
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnusableDefaultsFile,
    ::testing::Values(UnusableCase{"1,0,0\r\n", "9,0,0\r\n"},  // BadnessFunctionNum
                      UnusableCase{"1,0,0\r\n", "5,0,0\r\n"},
                      UnusableCase{"1,0,0\r\n", "-1,0,0\r\n"},
                      UnusableCase{"1,0,0\r\n", "1,5,0\r\n"},                // MDSAnalysisTypeNum
                      UnusableCase{"0,1,2,10", "0,99,2,10"},                 // ErrorBoundsTypeNum
                      UnusableCase{"0,1,2,10", "0,1,99,10"},                 // DimensionsNum
                      UnusableCase{"0,1,2,10", "0,1,2,13"},                  // DegradeNum
                      UnusableCase{"0,0\r\n0,1,0", "3,0\r\n0,1,0"},          // DistanceFunctionNum
                      UnusableCase{"1,1,#TRUE#", "14,1,#TRUE#"},             // AttributeFunctionNum
                      UnusableCase{"400,200", "0,0"},                        // CircleDiameter
                      UnusableCase{"0,#FALSE#,1\r\n", "0,#FALSE#,1.5\r\n"},  // ConstraintRadius
                      UnusableCase{"0,1,2,10", "0,1,two,10"}));              // not a number

// The program saves a problem without attributes with its attribute function
// and data type unset; such a file stays usable.
TEST_F(DefaultsFileTest, UnsetAttributeCodesAreKept) {
  std::string saved = kBuiltInFile;
  saved.replace(saved.find("1,1,#TRUE#"), 10, "-1,-1,#TRUE#");
  WriteFile(saved);
  Session s;
  FakePlatform p;
  Start(s, p);
  EXPECT_EQ(s.set.AttributeFunctionNum, -1);
  EXPECT_TRUE(p.messages.empty());
  EXPECT_FALSE(fs::exists(folder_ / "QuorelDefaults.dft.bad"));
}

TEST_F(DefaultsFileTest, ClearThenRestartGivesTheBuiltInValues) {
  Session s;
  FakePlatform p;
  Start(s, p);
  s.set.BadnessFunctionNum = 4;
  s.set.StartupProblem = "SpecialCase3";
  ASSERT_TRUE(SaveDefaults(s, p));
  s.prob.NObjects = 12;
  s.prob.NAttributes = 3;
  s.run.RunState = kStopped;
  ClearToBuiltInDefaults(s, p);
  EXPECT_EQ(s.prob.NObjects, 0);
  EXPECT_EQ(s.prob.NAttributes, 0);
  EXPECT_EQ(s.run.RunState, kNoProblem);
  EXPECT_EQ(s.set.BadnessFunctionNum, 1);
  EXPECT_EQ(s.set.StartupProblem, "");
  ASSERT_FALSE(p.focus.empty());
  EXPECT_EQ(p.focus.back(), FocusTarget::cmdExit);

  Session restarted;
  restarted.SettingsFolder = Folder();
  InitSettings(restarted, p);
  EXPECT_EQ(restarted.set.BadnessFunctionNum, 1);
  EXPECT_EQ(FileText(), kBuiltInFile);
}

TEST_F(DefaultsFileTest, LongFileNamesKeepTheirLastCharacters) {
  Session s;
  FakePlatform p;
  Start(s, p);
  s.set.HelpFileName = "/home/user/docs/QuorelHelp.txt";
  s.set.SolnLongFileName = "/a/very/long/folder/name/QuorelSolnLongFmt.txt";
  s.set.SolnShortFileName = "/another/long/folder/name/QuorelSolnShortFmt.txt";
  s.set.SolnBestFileName = "/yet/another/long/folder/QuorelSolnBestFound.txt";
  ASSERT_TRUE(SaveDefaults(s, p));
  EXPECT_EQ(s.set.HelpFileName, "QuorelHelp.txt");
  EXPECT_EQ(s.set.SolnLongFileName, "er/name/QuorelSolnLongFmt.txt");    // last 29
  EXPECT_EQ(s.set.SolnShortFileName, "er/name/QuorelSolnShortFmt.txt");  // last 30
  EXPECT_EQ(s.set.SolnBestFileName, "lder/QuorelSolnBestFound.txt");     // last 28
}

TEST_F(DefaultsFileTest, AShortFormatFileIsNeverTheStartupProblem) {
  Session s;
  FakePlatform p;
  Start(s, p);
  s.set.DataFileName = "results/QuorelSolnShortFmt.txt";
  s.set.StartupProblem = s.set.DataFileName;
  ASSERT_TRUE(SaveDefaults(s, p));
  EXPECT_EQ(s.set.DataFileName, "");
  EXPECT_EQ(s.set.StartupProblem, "");
}

TEST_F(DefaultsFileTest, AnUnwritableFolderIsReportedNotIgnored) {
  Session s;
  FakePlatform p;
  s.SettingsFolder = Folder() + "missing/";
  AssignBuiltInDefaults(s);
  EXPECT_FALSE(SaveDefaults(s, p));
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_NE(p.messages[0].find("could not be saved"), std::string::npos);
  EXPECT_EQ(p.clicks, 0);
}

TEST_F(DefaultsFileTest, TheSettingsFolderFallsBackToTheUserFolder) {
  EXPECT_EQ(ChooseSettingsFolder(folder_.path().string()), Folder());
  std::string fallback = ChooseSettingsFolder((folder_ / "does-not-exist").string());
  EXPECT_NE(fallback, (folder_ / "does-not-exist/").string());
  EXPECT_EQ(fallback.back(), '/');
  EXPECT_TRUE(fs::is_directory(fallback));
}

}  // namespace
}  // namespace quorel
