#include "prep/dissim_ranks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/random_source.h"
#include "support/fake_platform.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

using testing::TinyProblem;

// Records the wait cursor as well.
class CursorPlatform : public testing::FakePlatform {
 public:
  std::vector<bool> cursor;
  void SetWaitCursor(bool on) override { cursor.push_back(on); }
};

TEST(DissimRanks, TiesAreJudgedAgainstTheGroupsFirstValue) {
  // k = 1 (2,1) 0.30012, k = 2 (3,1) 0.3, k = 3 (3,2) 0.30006.
  auto s = TinyProblem(3, {0.30012f, 0.3f, 0.30006f});
  CursorPlatform platform;
  ComputeDissimRanks(*s, platform);
  const DerivedData& r = s->derived;
  ASSERT_EQ(r.NRankedPairs, 3);
  EXPECT_EQ(r.DissimRank[2], 1);
  EXPECT_EQ(r.DissimRank[3], 1);  // 0.00006 above 0.3
  EXPECT_EQ(r.DissimRank[1], 2);  // 0.00012 above 0.3, though only 0.00006 above 0.30006
  EXPECT_EQ(r.OrdMinDissim, 0.3f);
  EXPECT_EQ(r.OrdMaxDissim, 0.30012f);
  EXPECT_EQ(platform.cursor, (std::vector<bool>{true, false}));
  // Less than a ten-thousandth apart shares a rank.
  s = TinyProblem(3, {0.3f, 0.30009f, 0.7f});
  ComputeDissimRanks(*s, platform);
  EXPECT_EQ(s->derived.DissimRank, (std::vector<int>{0, 1, 1, 2}));
}

TEST(DissimRanks, NeighbourTablesPointAtTheFirstEntryOfEachGroup) {
  // Pairs by k: (2,1) 0.5, (3,1) 0.2, (3,2) 0.5, (4,1) 0.9, (4,2) 0.2, (4,3) 0.7.
  // Shell's sort, gaps 3, 2, 1: gap 3 swaps nothing; gap 2 swaps positions
  // 3/5 and then 1/3 (k5 to the front), then 4/6; gap 1 swaps 4/5.  Sorted:
  // k5 0.2, k2 0.2, k1 0.5, k3 0.5, k6 0.7, k4 0.9.
  auto s = TinyProblem(4, {0.5f, 0.2f, 0.5f, 0.9f, 0.2f, 0.7f});
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  const DerivedData& r = s->derived;
  ASSERT_EQ(r.NRankedPairs, 6);
  EXPECT_EQ(r.DissimRank, (std::vector<int>{0, 2, 1, 2, 4, 1, 3}));
  // Group 1 {(4,2), (3,1)} is represented by (4,2), group 2 by (2,1), group 3
  // by (4,3), group 4 by (4,1).
  std::vector<int> up_a = {0, 4, 2, 4, 5, 2, 4}, up_b = {0, 3, 1, 3, 5, 1, 1};
  std::vector<int> lo_a = {0, 4, 0, 4, 4, 0, 2}, lo_b = {0, 2, 0, 2, 3, 0, 1};
  EXPECT_EQ(r.OrdUpperObjA, up_a);
  EXPECT_EQ(r.OrdUpperObjB, up_b);
  EXPECT_EQ(r.OrdLowerObjA, lo_a);
  EXPECT_EQ(r.OrdLowerObjB, lo_b);
  EXPECT_EQ(r.OrdMinDissim, 0.2f);
  EXPECT_EQ(r.OrdMaxDissim, 0.9f);
  EXPECT_EQ(r.FreePairIndex(4, 2), 5);
  EXPECT_EQ(r.FreePairIndex(2, 4), 5);
  EXPECT_EQ(r.FreePairIndex(3, 3), 0);
}

TEST(DissimRanks, EqualValuesKeepTheOrderShellsSortLeaves) {
  // k1 (2,1) 0.5, k2 (3,1) 0.5, k3 (3,2) 0.1.  Gap 2 swaps positions 1 and 3
  // (k1 and k3); gap 1 swaps nothing: k3, k2, k1.  The upper group is
  // represented by k2 = (3,1), not by the lower-numbered k1.
  auto s = TinyProblem(3, {0.5f, 0.5f, 0.1f});
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  const DerivedData& r = s->derived;
  EXPECT_EQ(r.DissimRank, (std::vector<int>{0, 2, 2, 1}));
  EXPECT_EQ(r.OrdUpperObjA[3], 3);
  EXPECT_EQ(r.OrdUpperObjB[3], 1);
  EXPECT_EQ(r.OrdLowerObjA[1], 3);
  EXPECT_EQ(r.OrdLowerObjB[1], 2);
  EXPECT_EQ(r.OrdUpperObjA[1], 4);
}

TEST(DissimRanks, GapHalvingRoundsHalvesToEven) {
  // Five ranked pairs ((4,3) missing): k1 (2,1) 0.5, k2 (3,1), k3 (3,2),
  // k4 (4,1), k5 (4,2) all 0.1.  The first gap is 5 * 0.5 = 2.5 -> 2 (a gap
  // of 3 would put k4 first).  Gap 2: position 1 > 3 swaps k1/k3, position
  // 3 > 5 swaps k1/k5; gap 1 swaps nothing: k3, k2, k5, k4, k1.
  auto s = TinyProblem(4, {0.5f, 0.1f, 0.1f, 0.1f, 0.1f, 0.7f});
  testing::SetMissing(*s, 4, 3);
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  const DerivedData& r = s->derived;
  ASSERT_EQ(r.NRankedPairs, 5);
  EXPECT_EQ(r.OrdLowerObjA[1], 3);
  EXPECT_EQ(r.OrdLowerObjB[1], 2);
  for (int k = 2; k <= 5; ++k) {
    EXPECT_EQ(r.OrdUpperObjA[k], 2) << k;
    EXPECT_EQ(r.OrdUpperObjB[k], 1) << k;
    EXPECT_EQ(r.OrdLowerObjA[k], 0) << k;
  }
}

TEST(DissimRanks, SingleRankedPairIsBothTopAndBottom) {
  auto s = TinyProblem(2, {0.4f});
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  const DerivedData& r = s->derived;
  ASSERT_EQ(r.NRankedPairs, 1);
  ASSERT_EQ(r.DissimRank.size(), 2u);
  EXPECT_EQ(r.DissimRank[1], 1);
  EXPECT_EQ(r.OrdUpperObjA[1], 3);
  EXPECT_EQ(r.OrdUpperObjB[1], 3);
  EXPECT_EQ(r.OrdLowerObjA[1], 0);
  EXPECT_EQ(r.OrdLowerObjB[1], 0);
  EXPECT_EQ(r.OrdMinDissim, 0.4f);
  EXPECT_EQ(r.OrdMaxDissim, 0.4f);
}

TEST(DissimRanks, ParkedObjectsAndMissingPairsAreNotRanked) {
  auto s = TinyProblem(4, {0.5f, 0.2f, 0.5f, 0.9f, 0.2f, 0.7f});
  s->prob.ObjParked[2] = 1;
  testing::SetMissing(*s, 4, 1);
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  const DerivedData& r = s->derived;
  // Left: (3,1) 0.2 as k = 1 and (4,3) 0.7 as k = 2.
  ASSERT_EQ(r.NRankedPairs, 2);
  EXPECT_EQ(r.FreePairIndex(3, 1), 1);
  EXPECT_EQ(r.FreePairIndex(1, 3), 1);
  EXPECT_EQ(r.FreePairIndex(4, 3), 2);
  EXPECT_EQ(r.FreePairIndex(2, 1), 0);
  EXPECT_EQ(r.FreePairIndex(4, 2), 0);
  EXPECT_EQ(r.FreePairIndex(4, 1), 0);
  EXPECT_EQ(r.DissimRank, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(r.OrdUpperObjA[1], 4);
  EXPECT_EQ(r.OrdUpperObjB[1], 3);
  EXPECT_EQ(r.OrdLowerObjA[2], 3);
  EXPECT_EQ(r.OrdLowerObjB[2], 1);
  EXPECT_EQ(r.OrdMaxDissim, 0.7f);
}

TEST(DissimRanks, NoRankedPairLeavesEmptyTables) {
  auto s = TinyProblem(3, {0.5f, 0.2f, 0.5f});
  s->prob.ObjParked[1] = s->prob.ObjParked[2] = 1;
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  EXPECT_EQ(s->derived.NRankedPairs, 0);
  EXPECT_EQ(s->derived.DissimRank.size(), 1u);
  EXPECT_EQ(s->derived.FreePairIndex(3, 2), 0);
}

TEST(DissimRanks, NoProblemDoesNothing) {
  auto s = TinyProblem(0, {});
  s->derived.NRankedPairs = 7;
  CursorPlatform platform;
  ComputeDissimRanks(*s, platform);
  EXPECT_EQ(s->derived.NRankedPairs, 7);
  EXPECT_TRUE(platform.cursor.empty());
}

// A thousand objects with values on a coarse grid (many ties): ranks rise
// with the value, each group has one representative pair that both
// neighbouring groups point at.
TEST(DissimRanks, ThousandObjectsRankConsistently) {
  auto s = TinyProblem(1000, {});
  RandomSource rnd;
  for (int i = 2; i <= 1000; ++i)
    for (int j = 1; j < i; ++j)
      testing::SetPair(*s, i, j, static_cast<int>(rnd.Next() * 500) / 500.0f);
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  const DerivedData& r = s->derived;
  ASSERT_EQ(r.NRankedPairs, 499500);
  // The value of every rank group.
  std::vector<float> value(502, -1.0f);
  int k = 0;
  for (int i = 2; i <= 1000; ++i) {
    for (int j = 1; j < i; ++j) {
      ++k;
      ASSERT_EQ(r.FreePairIndex(i, j), k);
      int rank = r.DissimRank[k];
      ASSERT_GE(rank, 1);
      ASSERT_LE(rank, 500);
      float d = s->prob.Dissim(i, j);
      if (value[rank] < 0) {
        value[rank] = d;
      } else {
        ASSERT_EQ(value[rank], d);  // grid values are 0.002 apart: no sharing
      }
    }
  }
  for (int g = 2; g <= 500; ++g) ASSERT_GT(value[g], value[g - 1]);
  // Every member of a group names the same neighbour pairs, and the pair a
  // group names as its upper neighbour is the one the group above that
  // names as its lower neighbour: one representative per group.
  using Pair = std::pair<int, int>;
  std::vector<Pair> upper(502, Pair(-1, -1)), lower(502, Pair(-1, -1));
  for (int kk = 1; kk <= 499500; ++kk) {
    const int rank = r.DissimRank[kk];
    const Pair up(r.OrdUpperObjA[kk], r.OrdUpperObjB[kk]);
    const Pair lo(r.OrdLowerObjA[kk], r.OrdLowerObjB[kk]);
    if (upper[rank].first < 0) upper[rank] = up, lower[rank] = lo;
    ASSERT_EQ(upper[rank], up) << kk;
    ASSERT_EQ(lower[rank], lo) << kk;
  }
  EXPECT_EQ(upper[500], Pair(1001, 1001));
  EXPECT_EQ(lower[1], Pair(0, 0));
  for (int g = 1; g <= 500; ++g) {
    if (g < 500) {
      EXPECT_EQ(r.DissimRank[r.FreePairIndex(upper[g].first, upper[g].second)], g + 1);
      EXPECT_EQ(s->prob.Dissim(upper[g].first, upper[g].second), value[g + 1]);
    }
    if (g == 1) continue;
    EXPECT_EQ(r.DissimRank[r.FreePairIndex(lower[g].first, lower[g].second)], g - 1);
    if (g < 500) {
      EXPECT_EQ(upper[g - 1], lower[g + 1]) << g;
    }
  }
}

}  // namespace
}  // namespace quorel
