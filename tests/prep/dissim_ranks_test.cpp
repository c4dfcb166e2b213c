#include "prep/dissim_ranks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
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
}

TEST(DissimRanks, ValuesLessThanATenThousandthApartShareARank) {
  auto s = TinyProblem(3, {0.3f, 0.30009f, 0.7f});
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  EXPECT_EQ(s->derived.DissimRank[1], 1);
  EXPECT_EQ(s->derived.DissimRank[2], 1);
  EXPECT_EQ(s->derived.DissimRank[3], 2);
}

TEST(DissimRanks, NeighbourTablesPointAtTheFirstEntryOfEachGroup) {
  // Pairs by k: (2,1) 0.5, (3,1) 0.2, (3,2) 0.5, (4,1) 0.9, (4,2) 0.2, (4,3) 0.7.
  auto s = TinyProblem(4, {0.5f, 0.2f, 0.5f, 0.9f, 0.2f, 0.7f});
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  const DerivedData& r = s->derived;
  ASSERT_EQ(r.NRankedPairs, 6);
  EXPECT_EQ(r.DissimRank, (std::vector<int>{0, 2, 1, 2, 4, 1, 3}));
  // Group 1 {(3,1), (4,2)} is represented by (3,1), group 2 by (2,1), group 3
  // by (4,3), group 4 by (4,1).
  std::vector<int> up_a = {0, 4, 2, 4, 5, 2, 4}, up_b = {0, 3, 1, 3, 5, 1, 1};
  std::vector<int> lo_a = {0, 3, 0, 3, 4, 0, 2}, lo_b = {0, 1, 0, 1, 3, 0, 1};
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
// with the value, neighbours are the first entries of the adjacent groups.
TEST(DissimRanks, ThousandObjectsRankConsistentlyAndQuickly) {
  auto s = TinyProblem(1000, {});
  RandomSource rnd;
  for (int i = 2; i <= 1000; ++i)
    for (int j = 1; j < i; ++j)
      testing::SetPair(*s, i, j, static_cast<int>(rnd.Next() * 500) / 500.0f);
  testing::FakePlatform platform;
  auto start = std::chrono::steady_clock::now();
  ComputeDissimRanks(*s, platform);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 2.0);
  const DerivedData& r = s->derived;
  ASSERT_EQ(r.NRankedPairs, 499500);
  // The value and first ranked-pair index of every rank group.
  std::vector<float> value(502, -1.0f);
  std::vector<int> first(502, 0);
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
        value[rank] = d, first[rank] = k;
      } else {
        ASSERT_EQ(value[rank], d);  // grid values are 0.002 apart: no sharing
      }
    }
  }
  for (int g = 2; g <= 500; ++g) ASSERT_GT(value[g], value[g - 1]);
  auto obj_of = [](int kk) {  // (i, j) of ranked-pair index kk without gaps
    int i = 2;
    while (kk > i - 1) kk -= i - 1, ++i;
    return std::pair<int, int>(i, kk);
  };
  for (int kk = 1; kk <= 499500; kk += 997) {
    int rank = r.DissimRank[kk];
    if (rank < 500) {
      auto rep = obj_of(first[rank + 1]);
      EXPECT_EQ(r.OrdUpperObjA[kk], rep.first);
      EXPECT_EQ(r.OrdUpperObjB[kk], rep.second);
    } else {
      EXPECT_EQ(r.OrdUpperObjA[kk], 1001);
    }
    if (rank > 1) {
      auto rep = obj_of(first[rank - 1]);
      EXPECT_EQ(r.OrdLowerObjA[kk], rep.first);
      EXPECT_EQ(r.OrdLowerObjB[kk], rep.second);
    } else {
      EXPECT_EQ(r.OrdLowerObjA[kk], 0);
    }
  }
}

}  // namespace
}  // namespace quorel
