// The relative stop rule of the batch solver: when it ends a run, and that
// the window's small-change count stays the rule where it is not chosen.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "control/run_control.h"
#include "control/run_status.h"
#include "solver/convergence.h"
#include "solver/solver_fixture.h"

namespace quorel {
namespace {

struct Feed {
  const char* what;
  std::function<float(int)> objective;  // of sweep 1, 2, ...
  std::function<void(Session&)> setup;
  int stops_at;  // the first sweep after which the rule is met, 0: never in 300
};

// Names the case in the test's name rather than its bytes.
void PrintTo(const Feed& feed, std::ostream* os) {
  *os << feed.what;
}

class StopRuleFeed : public ::testing::TestWithParam<Feed> {};

TEST_P(StopRuleFeed, EndsTheRunOnlyOnAFlatWindow) {
  Session s;
  s.set.AutoStop = true;
  s.set.DimensionsNum = 2;
  SetConvergenceLimits(s);
  s.run.StopRuleInForce = StopRule::kRelativeChange;
  if (GetParam().setup) GetParam().setup(s);
  int met = 0;
  for (int sweep = 1; sweep <= 300 && met == 0; ++sweep) {
    s.run.IterationCount = s.run.OrdinalIterationCount = sweep;
    s.run.ObjFnValue = GetParam().objective(sweep);
    RecordObjectiveForStopRule(s);
    if (s.run.RelativeChangeMet) met = sweep;
  }
  EXPECT_EQ(met, GetParam().stops_at) << GetParam().what;
}

// 1e-5 of 0.5 is 5e-6 over the 50 sweeps of the window, so 1e-7 a sweep.
INSTANTIATE_TEST_SUITE_P(
    Table, StopRuleFeed,
    ::testing::Values(
        Feed{"flat from the start: met once the window is full", [](int) { return 0.5f; }, nullptr,
             51},
        Feed{"a fall of 5e-8 a sweep is within the limit", [](int k) { return 0.5f - 5e-8f * k; },
             nullptr, 51},
        Feed{"a fall of 1e-6 a sweep is not", [](int k) { return 0.5f - 1e-6f * k; }, nullptr, 0},
        Feed{"a fast fall that levels off at sweep 100",
             [](int k) { return k < 100 ? 1.0f - 0.005f * k : 0.5f; }, nullptr, 150},
        Feed{"a wandering value that passes the same point every 50 sweeps is not flat",
             [](int k) { return 0.25f + (k % 50 < 25 ? 1e-4f : 0.0f); }, nullptr, 0},
        Feed{"near 0 the floor of ConvergeObjFnLimit applies",
             [](int k) { return 1e-6f - 1e-9f * k; }, nullptr, 51},
        Feed{"the classic rule in force: never", [](int) { return 0.5f; },
             [](Session& s) { s.run.StopRuleInForce = StopRule::kSmallChanges; }, 0},
        Feed{"automatic stop off: never", [](int) { return 0.5f; },
             [](Session& s) { s.set.AutoStop = false; }, 0},
        Feed{"the ordinal warm-up (200 sweeps at the normal step) is not compared",
             [](int) { return 0.5f; }, [](Session& s) { s.set.MDSAnalysisTypeNum = 4; }, 250},
        Feed{"nor the X-Y emphasis of the first 200 sweeps in 3 dimensions",
             [](int) { return 0.5f; },
             [](Session& s) {
               s.prob.NObjects = 20;
               s.set.DimensionsNum = 3;
               s.set.XYSectionEmphasis = true;
             },
             250}));

// From one seed both rules follow the same path; the relative rule ends the
// run sooner, at the same minimum, and says so.
TEST(StopRule, RelativeRuleReachesTheClassicMinimumSooner) {
  float objective[2];
  int sweeps[2];
  for (int k = 0; k < 2; ++k) {
    testing::EmbeddedProblem e;
    testing::BuildEmbedded(e, 40, 2, 5);
    Session& s = *e.session;
    s.run.StopRuleInForce = k == 0 ? StopRule::kSmallChanges : StopRule::kRelativeChange;
    cmdStart_Click(s, e.platform);
    objective[k] = s.run.ObjFnValue;
    sweeps[k] = s.run.IterationCount;
    EXPECT_EQ(s.run.LastRunEnd, k == 0 ? RunEnd::kConverged : RunEnd::kRelativeChange);
    EXPECT_TRUE(DescribeRun(s).state.starts_with("Converged")) << DescribeRun(s).state;
    if (k == 0) {
      EXPECT_EQ(s.run.SmallChangeCount, s.run.ConvergeCountLimit);
    }
  }
  EXPECT_LT(sweeps[1], sweeps[0] - 300);
  EXPECT_NEAR(objective[1], objective[0], 1e-6f);
}

}  // namespace
}  // namespace quorel
