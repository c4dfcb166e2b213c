// The end of a run under automatic repeat: run values forced at a yield give
// the hit count, the best value and the best-found file by the tolerance.
#include <gtest/gtest.h>

#include <filesystem>

#include "control/run_control.h"
#include "control/solver_host.h"
#include "solver/solver_fixture.h"
#include "support/temp_path.h"

namespace quorel {
namespace {

// A series whose run values are forced at the first yield of each run: the
// best value, the hit count and the best-found file follow the tolerance of
// the precision level (0.0005 at level 0) and its margin of 1e-5.
TEST(SeriesEnd, HitsAndTheBestFoundFileByTolerance) {
  testing::EmbeddedProblem e;
  testing::BuildEmbedded(e, 6, 2, 2);
  Session& s = *e.session;
  const auto best_file = testing::TempPath("quorel_series_best.txt");
  s.set.SolnBestFileName = best_file.string();
  s.set.PrecisionLevelNum = 0;
  chkAutoRepeat_Click(s, e.platform, true);
  chkAutoStop_Click(s, e.platform, true);
  const std::vector<float> values = {0.5f, 0.5004f, 0.4996f, 0.499f, 0.4995f, 0.498495f, 0.3f};
  std::vector<int> hits;
  std::vector<float> best;
  std::vector<bool> written;
  std::vector<float> tolerance;
  SolverLoop loop;
  e.platform.on_pump = [&] {
    if (loop.BetweenRuns()) {
      hits.push_back(s.run.BestHitCount);
      best.push_back(s.run.BestObjFnValue);
      tolerance.push_back(s.run.BestTolerance);
      written.push_back(std::filesystem::remove(best_file));
      if (s.run.RunCount == static_cast<int>(values.size())) cmdStop_Click(s, e.platform);
      return;
    }
    int run = s.run.RunCount;  // runs finished so far
    if (run < static_cast<int>(values.size())) {
      s.run.ObjFnValue = values[run];
      s.run.SmallChangeCount = s.run.ConvergeCountLimit;
    }
  };
  s.run.RunState = kRunning;
  RunSolver(loop, s, e.platform);
  // 0.5: first value, 1 hit.  0.5004: within 0.0005, |diff| < 0.00051: 2.
  // 0.4996: 3 and the new best.  0.499: better by 0.0006 >= 0.00051: 1.
  // 0.4995: not below 0.499 + 0.0005: no hit, no file.  0.498495: better by
  // 0.000505, within the margin: 2, new best.  0.3: 1.
  EXPECT_EQ(hits, (std::vector<int>{1, 2, 3, 1, 1, 2, 1}));
  ASSERT_EQ(best.size(), 7u);
  EXPECT_EQ(best[1], 0.5f);
  EXPECT_EQ(best[2], 0.4996f);
  EXPECT_EQ(best[4], 0.499f);
  EXPECT_EQ(best[5], 0.498495f);
  EXPECT_EQ(best[6], 0.3f);
  EXPECT_EQ(written, (std::vector<bool>{true, true, true, true, false, true, true}));
  EXPECT_EQ(tolerance[0], 0.0005f);
  EXPECT_EQ(s.run.RunCount, 7);
}

TEST(SeriesEnd, ToleranceByPrecisionLevel) {
  for (auto [level, expected] : {std::pair{0, 0.0005f}, {1, 5e-5f}, {2, 5e-6f}}) {
    testing::EmbeddedProblem e;
    testing::BuildEmbedded(e, 5, 2, 2);
    Session& s = *e.session;
    s.set.PrecisionLevelNum = level;
    chkAutoRepeat_Click(s, e.platform, true);
    chkAutoStop_Click(s, e.platform, true);
    s.run.BestTolerance = -1.0f;
    SolverLoop loop;
    e.platform.on_pump = [&] {
      if (loop.BetweenRuns()) {
        cmdStop_Click(s, e.platform);
        return;
      }
      s.run.SmallChangeCount = s.run.ConvergeCountLimit;
    };
    const auto best_file = testing::TempPath("quorel_series_tolerance.txt");
    s.set.SolnBestFileName = best_file.string();
    s.run.RunState = kRunning;
    RunSolver(loop, s, e.platform);
    std::filesystem::remove(best_file);
    EXPECT_EQ(s.run.BestTolerance, expected) << level;
    EXPECT_EQ(s.run.RunCount, 1);
  }
}

// The margin of a clearly better value is BestTolerance + 1e-5 exactly.  At
// the normal level 5e-5f + 1e-5f rounds to 5.9999998e-5 as a float, below the
// exact 5.99999987e-5: a run better by exactly that float is still a hit.
TEST(SeriesEnd, MarginIsTheExactToleranceAndTenToTheMinusFive) {
  testing::EmbeddedProblem e;
  testing::BuildEmbedded(e, 6, 2, 2);
  Session& s = *e.session;
  const auto best_file = testing::TempPath("quorel_series_margin.txt");
  s.set.SolnBestFileName = best_file.string();
  s.set.PrecisionLevelNum = 1;
  chkAutoRepeat_Click(s, e.platform, true);
  chkAutoStop_Click(s, e.platform, true);
  const float margin = 5e-5f + 1e-5f;  // 5.99999985e-5
  ASSERT_LT(static_cast<double>(margin), static_cast<double>(5e-5f) + 1e-5);
  // 2 margin - margin = margin exactly.
  const std::vector<float> values = {2 * margin, margin};
  std::vector<int> hits;
  SolverLoop loop;
  e.platform.on_pump = [&] {
    if (loop.BetweenRuns()) {
      hits.push_back(s.run.BestHitCount);
      if (s.run.RunCount == 2) cmdStop_Click(s, e.platform);
      return;
    }
    s.run.ObjFnValue = values[s.run.RunCount];
    s.run.SmallChangeCount = s.run.ConvergeCountLimit;
  };
  s.run.RunState = kRunning;
  RunSolver(loop, s, e.platform);
  std::filesystem::remove(best_file);
  EXPECT_EQ(hits, (std::vector<int>{1, 2}));
  EXPECT_EQ(s.run.BestObjFnValue, margin);
}

}  // namespace
}  // namespace quorel
