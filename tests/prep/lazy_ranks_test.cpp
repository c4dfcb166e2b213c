// Ranks built when first needed: the same ranks as built at once, rebuilt
// after every change of what they follow, and built by every reader.
#include <gtest/gtest.h>

#include <vector>

#include "control/online_buttons.h"
#include "control/run_control.h"
#include "output/solution_writer.h"
#include "prep/derived_data.h"
#include "prep/dissim_ranks.h"
#include "support/fake_platform.h"
#include "support/temp_path.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

// Eight objects with ties, so that the representatives matter.
std::unique_ptr<Session> Problem8() {
  std::vector<float> lower;
  for (int k = 0; k < 28; ++k) lower.push_back(0.1f + 0.05f * static_cast<float>((k * 7) % 11));
  auto s = testing::TinyProblem(8, lower);
  s->set.DimensionsNum = 2;
  s->set.AutoStop = true;
  return s;
}

std::vector<std::vector<int>> RankTables(const Session& s) {
  const DerivedData& r = s.derived;
  return {r.DissimRank, r.OrdUpperObjA, r.OrdUpperObjB, r.OrdLowerObjA, r.OrdLowerObjB};
}

TEST(LazyRanks, BuiltLateTheyEqualTheRanksBuiltAtOnce) {
  auto s = Problem8();
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  const auto at_once = RankTables(*s);
  InvalidateRanks(*s);
  EXPECT_EQ(s->derived.NRankedPairs, 0);  // a forgotten EnsureRanks finds none
  EnsureRanks(*s, platform);
  EXPECT_EQ(RankTables(*s), at_once);
  EXPECT_EQ(s->derived.NRankedPairs, 28);
}

TEST(LazyRanks, ParkingRebuildsThemAtOnceOnlyUnderOrdinal) {
  for (int type : {0, 4}) {
    auto s = Problem8();
    s->set.MDSAnalysisTypeNum = type;
    testing::FakePlatform platform;
    EnsureRanks(*s, platform);
    s->prob.ObjParked[3] = 1;
    RefreshDerivedData(*s, platform, DataChange::kParkedObjects);
    EXPECT_EQ(s->derived.RanksUpToDate, type == 4);
    EnsureRanks(*s, platform);
    EXPECT_EQ(s->derived.NRankedPairs, 21);  // the pairs of the seven free objects
  }
}

TEST(LazyRanks, TheRotationToOrdinalBuildsThem) {
  auto s = Problem8();
  s->set.MDSAnalysisTypeNum = 3;
  s->set.RelErrorBound = 0.05f;
  testing::FakePlatform platform;
  cmdMDSType_Click(*s, platform);
  ASSERT_EQ(s->set.MDSAnalysisTypeNum, 4);
  EXPECT_TRUE(s->derived.RanksUpToDate);
}

// An ordinal run from the same seed moves the objects identically whether
// the ranks were built at the load or left to the solver.
TEST(LazyRanks, AnOrdinalRunIsTheSameEitherWay) {
  std::vector<float> end[2];
  for (int k = 0; k < 2; ++k) {
    auto s = Problem8();
    s->set.MDSAnalysisTypeNum = 4;
    testing::FakePlatform platform;
    if (k == 0) ComputeDissimRanks(*s, platform);
    platform.on_pump = [&] {
      if (s->run.IterationCount >= 300) cmdStop_Click(*s, platform);
    };
    cmdStart_Click(*s, platform);
    for (int i = 1; i <= 8; ++i)
      end[k].insert(end[k].end(), {s->prob.LocDim[1][i], s->prob.LocDim[2][i]});
  }
  EXPECT_EQ(end[0], end[1]);
}

// The long file lists the ranks under ordinal MDS, built for it if need be.
TEST(LazyRanks, TheLongFileWritesTheRanks) {
  auto s = Problem8();
  s->set.MDSAnalysisTypeNum = 4;
  testing::FakePlatform platform;
  const auto path = testing::TempPath("lazy_ranks.txt");
  ASSERT_TRUE(WriteSolution(*s, platform, path.string(), true));
  EXPECT_TRUE(s->derived.RanksUpToDate);
  EXPECT_EQ(s->derived.NRankedPairs, 28);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace quorel
