// Handlers that arrive inside the solver's yield act on the running loop
// without ever nesting a second one.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "control/run_control.h"
#include "control/solver_host.h"
#include "solver/solver_fixture.h"
#include "support/temp_path.h"

namespace quorel {
namespace {

using testing::BuildEmbedded;
using testing::EmbeddedProblem;

// Counts how deep the event pumps nest: with a resumable loop they never do.
struct PumpDepth {
  int depth = 0;
  int deepest = 0;
  void Enter() { deepest = std::max(deepest, ++depth); }
  void Leave() { --depth; }
};

TEST(SolverYield, StopThenContinueInOneYieldDoesNotNestLoops) {
  EmbeddedProblem e;
  BuildEmbedded(e, 10, 2);
  Session& s = *e.session;
  s.set.AutoStop = false;
  SetConvergenceLimits(s);
  PumpDepth pumps;
  int pump = 0;
  int loops_seen_active_in_handler = 0;
  e.platform.on_pump = [&] {
    pumps.Enter();
    ++pump;
    if (pump == 2) {
      cmdStop_Click(s, e.platform);
      cmdContinue_Click(s, e.platform);  // must not run a loop from here
      loops_seen_active_in_handler += s.run.LoopActive ? 1 : 0;
      EXPECT_TRUE(s.run.SolverEntryPending);
      EXPECT_EQ(s.run.IterationCount, 12);
    }
    if (pump == 4) cmdStop_Click(s, e.platform);
    pumps.Leave();
  };
  cmdStart_Click(s, e.platform);
  EXPECT_EQ(pumps.deepest, 1);
  EXPECT_EQ(loops_seen_active_in_handler, 1);
  // The continued run kept its counters: 12 sweeps, then two more yields.
  EXPECT_EQ(s.run.IterationCount, 24);
  EXPECT_EQ(s.run.RunCount, 0);
  EXPECT_EQ(s.run.RunState, kStopped);
  EXPECT_FALSE(s.run.SolverEntryPending);
  EXPECT_FALSE(s.run.LoopActive);
}

TEST(SolverYield, ANewProblemEndsTheRunAtOnce) {
  EmbeddedProblem e;
  BuildEmbedded(e, 10, 2);
  Session& s = *e.session;
  s.set.AutoStop = false;
  SetConvergenceLimits(s);
  int pumps = 0;
  e.platform.on_pump = [&] {
    if (++pumps == 2) {
      ResetProblem(s);  // a data file read begins
      s.run.RunState = kNoProblem;
    }
  };
  cmdStart_Click(s, e.platform);
  EXPECT_EQ(pumps, 2);
  EXPECT_FALSE(s.run.LoopActive);
  EXPECT_EQ(s.run.IterationCount, 12);
  EXPECT_EQ(s.run.RunState, kNoProblem);
}

TEST(SolverYield, AdvanceInsideAdvanceReturnsAtOnce) {
  EmbeddedProblem e;
  BuildEmbedded(e, 8, 2);
  Session& s = *e.session;
  // Object 8 has no usable partner: the warning's message box is where a
  // nested event loop could call the loop again.
  for (int j = 1; j < 8; ++j) testing::SetMissing(s, 8, j);
  ComputeObjFnNormaliser(s);
  int nested_calls = 0;
  SolverLoop loop;
  struct NestingPlatform : testing::FakePlatform {
    std::function<void()> on_message;
    void ShowMessage(const std::string& text) override {
      FakePlatform::ShowMessage(text);
      if (on_message) on_message();
    }
  } platform;
  platform.on_message = [&] {
    ++nested_calls;
    int iterations = s.run.IterationCount;
    EXPECT_TRUE(loop.InAdvance());
    EXPECT_EQ(loop.Advance(s, platform), SolverProgress::kYielded);
    EXPECT_TRUE(SolverPoll(loop, s, platform));
    RunSolver(s, platform);  // a handler running the solver: only a request
    EXPECT_EQ(s.run.IterationCount, iterations);
  };
  s.run.RunState = kRunning;
  ASSERT_EQ(loop.Begin(s, platform), SolverProgress::kYielded);
  EXPECT_EQ(loop.Advance(s, platform), SolverProgress::kYielded);
  EXPECT_EQ(nested_calls, 1);
  // The request made from inside makes the loop give way at its next resume;
  // a driver then begins it again.
  EXPECT_TRUE(s.run.SolverEntryPending);
  EXPECT_EQ(loop.Advance(s, platform), SolverProgress::kFinished);
  EXPECT_FALSE(s.run.LoopActive);
}

TEST(SolverYield, AutomaticRepeatWritesTheBestFoundFileAndFindsTheMinimumAgain) {
  EmbeddedProblem e;
  BuildEmbedded(e, 7, 2, 21);
  Session& s = *e.session;
  const auto best_file = ::quorel::testing::TempPath("quorel_solver_repeat_best.txt");
  s.set.SolnBestFileName = best_file.string();
  chkAutoRepeat_Click(s, e.platform, true);
  chkAutoStop_Click(s, e.platform, true);
  e.platform.on_pump = [&] {
    if (s.run.RunCount >= 4) cmdStop_Click(s, e.platform);
  };
  cmdStart_Click(s, e.platform);
  const bool written =
      std::filesystem::exists(best_file) && std::filesystem::file_size(best_file) > 0;
  std::filesystem::remove(best_file);
  EXPECT_TRUE(written);
  ASSERT_EQ(s.run.RunCount, 4);
  EXPECT_LT(s.run.BestObjFnValue, 1e-4f);
  EXPECT_GE(s.run.BestHitCount, 2);  // this problem's minimum is reached more than once
  EXPECT_EQ(s.captions.lblBestObjFnValue, "[" + Format(s.run.BestObjFnValue, "##0.000000") + " : " +
                                              std::to_string(s.run.BestHitCount) + " of 4]");
}

TEST(SolverYield, AutomaticRepeatCutsEndlessRunsAt50000Sweeps) {
  testing::EmbeddedProblem e;
  testing::BuildEmbedded(e, 4, 2);
  Session& s = *e.session;
  chkAutoStop_Click(s, e.platform, false);
  chkAutoRepeat_Click(s, e.platform, true);
  int ended_at = 0;
  e.platform.on_pump = [&] {
    if (s.run.RunCount == 1 && ended_at == 0) {
      ended_at = s.run.IterationCount;  // the yield between the two runs
      cmdStop_Click(s, e.platform);
    }
  };
  cmdStart_Click(s, e.platform);
  EXPECT_EQ(ended_at, 50001);
  EXPECT_EQ(s.run.SmallChangeCount, s.run.ConvergeCountLimit);
}

TEST(SolverYield, StartBetweenTwoRunsOfASeriesBeginsOneNewRun) {
  testing::EmbeddedProblem e;
  testing::BuildEmbedded(e, 6, 2);
  Session& s = *e.session;
  chkAutoRepeat_Click(s, e.platform, true);
  int pressed_at_run = -1;
  std::vector<int> first_yields;  // IterationCount at the first yield of each run
  int last_runs = -1;
  e.platform.on_pump = [&] {
    if (s.run.RunCount == 1 && pressed_at_run < 0) {
      pressed_at_run = s.run.RunCount;
      cmdStart_Click(s, e.platform);  // between runs: RunState 2 -> 3
      return;
    }
    if (s.run.RunCount != last_runs && s.run.IterationCount > 0) {
      last_runs = s.run.RunCount;
      first_yields.push_back(s.run.IterationCount);
    }
    if (s.run.RunCount >= 2) cmdStop_Click(s, e.platform);
  };
  cmdStart_Click(s, e.platform);
  EXPECT_EQ(pressed_at_run, 1);
  EXPECT_FALSE(s.run.RestartRequested);
  // The run after the press was a new one (its counter began at 0) and only
  // one such run began: the series went on to its third run at most.
  ASSERT_GE(first_yields.size(), 2u);
  EXPECT_EQ(first_yields[1], 6);
  EXPECT_LE(s.run.RunCount, 2);
}

}  // namespace
}  // namespace quorel
