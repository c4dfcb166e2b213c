// quorel-solve end to end: the binary is run on data files written here, in a
// temporary folder, and its JSON line, exit status and files are checked.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "eval/eval_links.h"
#include "input/data_file_reader.h"
#include "support/fake_platform.h"
#include "support/json_flat.h"
#include "support/planar_points.h"
#include "support/temp_path.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

class QuorelSolve : public ::testing::Test {
 protected:
  // Runs quorel-solve with `args` in the test folder.
  Outcome Run(const std::string& args) { return Finish(Start(args)); }

  // Starts quorel-solve in the test folder without waiting for it; its
  // output goes to files that Finish reads.  With `block_interrupts` the
  // child begins stopped, with SIGINT and SIGTERM blocked.
  pid_t Start(const std::string& args, bool block_interrupts = false) {
    std::string command =
        "exec '" + std::string(QUOREL_SOLVE_BINARY) + "' " + args + " >stdout.txt 2>stderr.txt";
    pid_t pid = ::fork();
    if (pid == 0) {
      if (block_interrupts) {
        sigset_t signals;
        sigfillset(&signals);
        sigdelset(&signals, SIGCONT);
        sigprocmask(SIG_BLOCK, &signals, nullptr);
        ::raise(SIGSTOP);
      }
      if (::chdir(folder_.path().c_str()) == 0)
        ::execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
      ::_exit(127);
    }
    if (block_interrupts) {
      int raw = 0;
      ::waitpid(pid, &raw, WUNTRACED);  // until it has stopped itself
    }
    return pid;
  }
  Outcome Finish(pid_t pid) {
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    Outcome o;
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    o.out = quorel::testing::FileText(folder_ / "stdout.txt");
    o.err = quorel::testing::FileText(folder_ / "stderr.txt");
    return o;
  }
  // Polls `condition` for up to two minutes.
  static bool WaitFor(const std::function<bool()>& condition) {
    auto limit = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (!condition()) {
      if (std::chrono::steady_clock::now() > limit) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
  }

  // n random points in the plane as a dissimilarity list with named rows.
  std::string WritePoints(const std::string& name, int n, unsigned seed) {
    quorel::WritePlanarPointsFile((folder_ / name).string(), n, seed);
    return name;
  }

  quorel::testing::ScratchFolder folder_{
      "quorel_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())};
};

// The fields of the one JSON line the solver printed, flattened ("ended_by.0"
// for the first element of an array); nothing when the line is not valid JSON.
std::map<std::string, std::string> ParseJson(const std::string& out) {
  auto fields = quorel::testing::FlattenJson(out.substr(0, out.find('\n')));
  EXPECT_TRUE(fields) << out;
  return fields.value_or(std::map<std::string, std::string>{});
}

TEST_F(QuorelSolve, SolvesADataFileAndReportsInJson) {
  std::string file = WritePoints("points.txt", 12, 4);
  Outcome o = Run(file +
                  " --set STARTBadnessFunctionNum=0 --stop-rule classic --json --quiet --out "
                  "solved.txt");
  ASSERT_EQ(o.status, 0) << o.err;
  ASSERT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 1) << o.out;
  auto j = ParseJson(o.out);
  EXPECT_EQ(j["objects"], "12");
  EXPECT_EQ(j["badness"], "Stress");
  EXPECT_LT(std::stod(j["objective"]), 1e-4);
  EXPECT_EQ(j["runs"], "1");
  EXPECT_GE(std::stoi(j["sweeps"]), 500);  // 500 sweeps of small change end a run
  EXPECT_EQ(j["best"], j["objective"]);
  EXPECT_GE(std::stod(j["seconds"]), 0.0);
  EXPECT_EQ(o.err, "");
  EXPECT_TRUE(fs::exists(folder_ / "solved.txt"));
}

TEST_F(QuorelSolve, ContinuesFromTheLocationsOfASavedSolution) {
  std::string file = WritePoints("points.txt", 10, 8);
  ASSERT_EQ(Run(file + " --set STARTBadnessFunctionNum=0 --quiet --out solved.txt").status, 0);
  Outcome o = Run("solved.txt --from-locations --json --quiet");
  ASSERT_EQ(o.status, 0) << o.err;
  auto j = ParseJson(o.out);
  EXPECT_EQ(j["objects"], "10");
  EXPECT_LT(std::stod(j["objective"]), 1e-4);
  // Without locations there is nothing to continue from.
  Outcome refused = Run(file + " --from-locations --quiet");
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("Oops! "), std::string::npos);
}

TEST_F(QuorelSolve, RepeatedRunsWriteTheBestFoundFile) {
  std::string file = WritePoints("points.txt", 8, 2);
  Outcome o = Run(file + " --runs 3 --seed 5 --json --quiet");
  ASSERT_EQ(o.status, 0) << o.err;
  auto j = ParseJson(o.out);
  EXPECT_EQ(j["runs"], "3");
  EXPECT_GE(std::stoi(j["hits"]), 1);
  EXPECT_LE(std::stoi(j["hits"]), 3);
  EXPECT_LE(std::stod(j["best"]), std::stod(j["objective"]));
  EXPECT_TRUE(fs::exists(folder_ / "QuorelSolnBestFound.txt"));
}

TEST_F(QuorelSolve, SweepLimitEndsEachRun) {
  std::string file = WritePoints("points.txt", 20, 3);
  auto one = ParseJson(Run(file + " --max-sweeps 7 --json --quiet").out);
  EXPECT_EQ(one["sweeps"], "7");
  EXPECT_EQ(one["runs"], "1");
  auto two = ParseJson(Run(file + " --runs 2 --max-sweeps 5 --json --quiet").out);
  EXPECT_EQ(two["sweeps"], "10");
  EXPECT_EQ(two["runs"], "2");
}

TEST_F(QuorelSolve, SameSeedSameResult) {
  std::string file = WritePoints("points.txt", 15, 6);
  auto a = ParseJson(Run(file + " --seed 42 --max-sweeps 40 --json --quiet").out);
  auto b = ParseJson(Run(file + " --seed 42 --max-sweeps 40 --json --quiet").out);
  auto c = ParseJson(Run(file + " --seed 43 --max-sweeps 40 --json --quiet").out);
  EXPECT_EQ(a["objective"], b["objective"]);
  EXPECT_NE(a["objective"], c["objective"]);
}

TEST_F(QuorelSolve, BuiltInCase) {
  Outcome o = Run("--special 14 --max-sweeps 3 --json --quiet");
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(ParseJson(o.out)["objects"], "300");
}

// --evaluate under every MDS type: one valid JSON line per request, about
// the map the solver wrote.
TEST_F(QuorelSolve, EvaluatesTheSolvedMapUnderEveryMdsType) {
  for (int type = 0; type <= 4; ++type) {
    SCOPED_TRACE(type);
    Outcome o =
        Run("--special 12 --seed 1 --max-sweeps 60 --quiet --out solved.txt --set "
            "STARTMDSAnalysisTypeNum=" +
            std::to_string(type) +
            " --evaluate links --details --evaluate objects --evaluate attributes");
    ASSERT_EQ(o.status, 0) << o.err;
    std::istringstream lines(o.out);
    std::vector<std::map<std::string, std::string>> json;
    for (std::string line; std::getline(lines, line);) {
      auto fields = quorel::testing::FlattenJson(line);
      ASSERT_TRUE(fields) << line;
      json.push_back(*fields);
    }
    ASSERT_EQ(json.size(), 3u);
    auto solved = std::make_unique<quorel::Session>();
    quorel::testing::FakePlatform platform;
    solved->set.DataFileName = (folder_ / "solved.txt").string();
    quorel::ReadDataFile(*solved, platform);
    // The file names the interval constant in its notes only.
    solved->prob.IntervalConstant = std::stof(json[0]["interval_constant"]);
    const quorel::LinkEvaluation links = quorel::EvaluateLinks(*solved);
    EXPECT_EQ(json[0]["mds_type"], quorel::MDSAnalysisTypeName[type]);
    EXPECT_EQ(json[0]["n"], std::to_string(links.links.size()));
    EXPECT_EQ(json[0].count("links." + std::to_string(links.links.size() - 1) + ".stretch"), 1u);
    EXPECT_NEAR(std::stod(json[0]["shepard_rsq"]), links.fit.rsq, 1e-4);
    EXPECT_EQ(json[1]["objective_stats.count"], "25");
    EXPECT_EQ(json[2]["attributes.1.attribute"], "2");
  }
  EXPECT_EQ(Run("--special 3 --quiet --evaluate attributes").status, 2);  // no attributes
  EXPECT_EQ(Run("--special 3 --quiet --details").status, 2);
  EXPECT_EQ(Run("--special 3 --quiet --evaluate link").status, 2);
}

TEST_F(QuorelSolve, UsageErrorsAndRefusedProblems) {
  EXPECT_EQ(Run("").status, 2);
  EXPECT_EQ(Run("--special 19").status, 2);
  EXPECT_EQ(Run("a.txt --precision extreme").status, 2);
  EXPECT_EQ(Run("a.txt --frobnicate").status, 2);
  Outcome help = Run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("usage: quorel-solve"), std::string::npos);
  std::string file = WritePoints("points.txt", 5, 1);
  Outcome not_start = Run(file + " --set TITLE=x --quiet");
  EXPECT_EQ(not_start.status, 2);
  Outcome missing = Run("no_such_file.txt --quiet");
  EXPECT_EQ(missing.status, 3);
  EXPECT_EQ(missing.err.rfind("Oops! ", 0), 0u) << missing.err;
  // A value the data file reader would repair is a usage error here, with
  // the reader's message; so are an empty file name and a value that is no
  // number.
  const std::pair<const char*, const char*> refused[] = {
      {" --set STARTBadnessFunctionNum=9", "ErrMsgD2"},
      {" --set STARTDimensionsNum=x", "ErrMsgD1a"},
      {" --set STARTBadnessFunctionNum=x", "not a number"},
      {" --out ''", "--out needs a file name"},
      {" --short ''", "--short needs a file name"},
      {" --csv ''", "--csv needs a file name"},
      {" --csv-kind attributes", "--csv-kind needs a data file whose name ends in .csv"}};
  for (const auto& [args, text] : refused) {
    Outcome o = Run(file + args + " --max-sweeps 2 --quiet");
    EXPECT_EQ(o.status, 2) << args;
    EXPECT_NE(o.err.find(text), std::string::npos) << args << ": " << o.err;
  }
}

TEST_F(QuorelSolve, MinkowskiExponentWithinTheDialogsRange) {
  std::string file = WritePoints("points.txt", 12, 4);
  auto objective = [&](const std::string& p) {
    Outcome o = Run(file + " --minkowski " + p + " --seed 3 --json --quiet --out m.txt");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(quorel::testing::FileText(folder_ / "m.txt").find("Distance Function = Minkowski"),
              std::string::npos);
    return std::stod(ParseJson(o.out)["objective"]);
  };
  // Points of a plane: p = 2 reproduces them, p = 1 cannot.
  EXPECT_LT(objective("2"), 1e-4);
  EXPECT_GT(objective("1"), 1e-2);
  for (const char* bad : {"0.4", "3.01", "x", "1.5abc"})
    EXPECT_EQ(Run(file + " --minkowski " + bad + " --quiet").status, 2) << bad;
}

// A --set line acts exactly as the same START line at the end of the data
// file: the saved solutions of the two ways agree line for line (apart from
// the file name and date at the top), messages and objective included.
TEST_F(QuorelSolve, SetActsAsTheLineInTheDataFile) {
  const std::string attributes =
      "NOBJECTS=6\r\nNATTRIBUTES=2\r\nATTRIBUTELIST\r\n0 1\r\n2 0\r\n5 5\r\n1 4\r\n3 "
      "3\r\n4 0\r\nLOCATIONLIST\r\n0.1 0.2\r\n0.4 0.1\r\n-0.3 0.3\r\n0.2 -0.5\r\n-0.1 "
      "-0.2\r\n0.6 0.6\r\n";
  // Mapping weights named only; a dimension count the locations overrule; a
  // "(not in use)" without proximities, which the reader replaces.
  for (const char* line : {"STARTMappingWtFunctionNum=2", "STARTDimensionsNum=3",
                           "STARTAttributeFunctionNum=13", "STARTAttributeDataTypeNum=2"}) {
    std::ofstream(folder_ / "plain.txt", std::ios::binary) << attributes;
    std::ofstream(folder_ / "with.txt", std::ios::binary) << attributes << line << "\r\n";
    const std::string common = " --seed 3 --max-sweeps 25 --from-locations --json --quiet --out ";
    Outcome in_file = Run("with.txt" + common + "a.txt");
    Outcome given = Run("plain.txt --set " + std::string(line) + common + "b.txt");
    ASSERT_EQ(in_file.status, 0) << line << in_file.err;
    EXPECT_EQ(given.status, 0) << line;
    auto in_file_json = ParseJson(in_file.out), given_json = ParseJson(given.out);
    in_file_json.erase("seconds");
    given_json.erase("seconds");
    EXPECT_EQ(given_json, in_file_json) << line;
    EXPECT_EQ(given.err, in_file.err) << line;
    std::ifstream a(folder_ / "a.txt"), b(folder_ / "b.txt");
    std::string la, lb;
    for (int n = 1; std::getline(a, la); ++n) {
      ASSERT_TRUE(std::getline(b, lb)) << line;
      if (n > 3) {
        EXPECT_EQ(lb, la) << line << " at line " << n;
      }
    }
  }
}

// --mapping-weights computes the weights (the run changes); the START line
// alone leaves them at one (the same run as without it).
TEST_F(QuorelSolve, MappingWeightsAreComputedOnlyWhenAsked) {
  std::string file = WritePoints("points.txt", 9, 7);
  // Distances of points perturbed, so that no map fits them exactly.
  std::ofstream(folder_ / "rough.txt", std::ios::binary)
      << "NOBJECTS=5\r\nDISSIMILARITYLIST\r\n0\r\n0.9\r\n0.2 0.8\r\n0.7 0.1 "
         "0.6\r\n0.3 0.5 0.9 0.4\r\n";
  auto objective = [&](const std::string& extra) {
    Outcome o = Run("rough.txt --seed 2 --max-sweeps 40 --json --quiet " + extra);
    EXPECT_EQ(o.status, 0) << extra << o.err;
    return ParseJson(o.out)["objective"];
  };
  const std::string plain = objective("");
  EXPECT_EQ(objective("--set STARTMappingWtFunctionNum=2"), plain);
  const std::string linear = objective("--mapping-weights linear");
  EXPECT_NE(linear, plain);
  EXPECT_EQ(objective("--mapping-weights none,inverse"), plain) << "None has no inverse";
  EXPECT_EQ(objective("--mapping-weights adjustable:0"), linear) << "m = 0 is the Linear curve";
  EXPECT_NE(objective("--mapping-weights Strong,inverse"), objective("--mapping-weights strong"));
  for (const char* bad : {"weak:0.5", "adjustable:2", "adjustable:-200", "linear,inv", "heavy",
                          "adjustable:", "adjustable:0.5x"})
    EXPECT_EQ(Run(file + " --quiet --mapping-weights " + bad).status, 2) << bad;
}

TEST_F(QuorelSolve, ReportsWhatEndedEachRun) {
  std::string file = WritePoints("points.txt", 15, 3);
  auto relative = ParseJson(Run(file + " --seed 2 --json --quiet").out);
  auto classic = ParseJson(Run(file + " --seed 2 --stop-rule classic --json --quiet").out);
  EXPECT_EQ(relative["ended_by.0"], "relative");
  EXPECT_EQ(classic["ended_by.0"], "classic");
  EXPECT_LT(std::stoi(relative["sweeps"]), std::stoi(classic["sweeps"]));
  auto cut = ParseJson(Run(file + " --runs 3 --max-sweeps 20 --json --quiet").out);
  for (const char* run : {"ended_by.0", "ended_by.1", "ended_by.2"})
    EXPECT_EQ(cut[run], "max-sweeps");
  EXPECT_EQ(cut.count("ended_by.3"), 0u);
  EXPECT_EQ(Run(file + " --stop-rule sometimes").status, 2);
}

// START lines given for a built-in problem compute again what depends on
// them: a new badness function its normaliser, whether or not a precision
// line (here one that leaves the values as they are) recomputes everything.
TEST_F(QuorelSolve, StartLinesRefreshWhatDependsOnThem) {
  const std::string run =
      "--special 16 --set STARTBadnessFunctionNum=2 --set STARTMDSAnalysisTypeNum=4 --seed 4 "
      "--max-sweeps 5 --json --quiet";
  auto badness_only = ParseJson(Run(run).out);
  auto everything = ParseJson(Run(run + " --set STARTDegradeNum=12").out);
  EXPECT_EQ(badness_only["badness"], "SStress");
  EXPECT_EQ(badness_only["objective"], everything["objective"]);
}

// A file asked for that cannot be written ends with status 1 and its
// message; a FIFO (like a device) is left as it is.
TEST_F(QuorelSolve, AFileThatCannotBeWrittenGivesStatusOne) {
  std::string file = WritePoints("points.txt", 6, 1);
  ASSERT_EQ(::mkfifo((folder_ / "pipe").c_str(), 0600), 0);
  fs::create_symlink(folder_ / "no_such_folder" / "best.txt", folder_ / "QuorelSolnBestFound.txt");
  const char* const cases[] = {" --out pipe", " --short pipe", " --runs 2"};
  for (const char* args : cases) {
    Outcome o = Run(file + args + " --max-sweeps 3 --quiet");
    EXPECT_EQ(o.status, 1) << args << ": " << o.err;
    EXPECT_NE(o.err.find("ErrMsgW1"), std::string::npos) << args << ": " << o.err;
  }
  EXPECT_TRUE(fs::is_fifo(folder_ / "pipe"));
}

// The series is interrupted once it is seen under way (its best-found file
// exists), so the outcome does not depend on how fast the machine is.
TEST_F(QuorelSolve, InterruptStopsTheSeriesAndStillWritesTheFiles) {
  std::string file = WritePoints("points.txt", 30, 9);
  for (int signal : {SIGINT, SIGTERM}) {
    fs::remove(folder_ / "QuorelSolnBestFound.txt");
    fs::remove(folder_ / "last.txt");
    pid_t pid = Start(file + " --runs 1000000 --json --quiet --out last.txt");
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(WaitFor([&] { return fs::exists(folder_ / "QuorelSolnBestFound.txt"); }));
    ::kill(pid, signal);
    Outcome o = Finish(pid);
    EXPECT_EQ(o.status, 130) << o.err;
    auto j = ParseJson(o.out);
    EXPECT_EQ(j["objects"], "30");
    EXPECT_GE(std::stoi(j["runs"]), 1);
    EXPECT_TRUE(fs::exists(folder_ / "last.txt"));
    int last = 0;
    while (j.count("ended_by." + std::to_string(last + 1))) ++last;
    EXPECT_EQ(j["ended_by." + std::to_string(last)], "interrupted");
  }
}

// A Ctrl+C that is already waiting when the program starts (here held back
// by a blocked signal mask, which the program inherits) is answered: the
// handlers come before the data file is read.
TEST_F(QuorelSolve, AnInterruptBeforeTheSolverBeginsEndsWithItsOwnStatus) {
  std::string file = WritePoints("points.txt", 30, 9);
  pid_t pid = Start(file + " --json --quiet --out last.txt", /*block_interrupts=*/true);
  ASSERT_GT(pid, 0);
  ::kill(pid, SIGINT);
  ::kill(pid, SIGCONT);
  Outcome o = Finish(pid);
  EXPECT_EQ(o.status, 5) << o.err;
  EXPECT_NE(o.err.find("interrupted"), std::string::npos) << o.err;
  EXPECT_FALSE(fs::exists(folder_ / "last.txt"));
}

TEST_F(QuorelSolve, CsvTableInCoordinatesOut) {
  std::ofstream(folder_ / "d.csv") << ",A,B,C,D\nA,0,3,4,5\nB,3,0,5,4\nC,4,5,0,3\nD,5,4,3,0\n";
  Outcome o = Run("d.csv --csv-kind dissimilarities --csv map.csv --json --quiet");
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(ParseJson(o.out)["objects"], "4");
  std::ifstream map(folder_ / "map.csv");
  std::string header, first;
  std::getline(map, header);
  std::getline(map, first);
  EXPECT_EQ(header, "Number,Name,Dimension1,Dimension2,Parked,Marked\r");
  EXPECT_EQ(first.rfind("1,A,", 0), 0u) << first;

  std::ofstream(folder_ / "bad.csv") << "0\n1,0\n2,3\n";
  Outcome refused = Run("bad.csv --quiet");
  EXPECT_EQ(refused.status, 3);
  EXPECT_NE(refused.err.find("bad.csv: Row 3, column 3: "), std::string::npos) << refused.err;
  EXPECT_EQ(Run("d.txt --csv-kind similarities").status, 2);
}

}  // namespace
