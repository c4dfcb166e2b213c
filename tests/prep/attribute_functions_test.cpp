// The thirteen attribute functions on identical, opposite, constant and
// missing rows.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "attribute_test_support.h"

namespace quorel {
namespace {

using testing::Dissimilarity;
using testing::NA;
using testing::NewSession;
using testing::SetAttributeRows;

constexpr int kCos = 0, kEuclidean = 1, kCityBlock = 2, kPearson = 3, kSpearman = 4, kGuttman = 5,
              kNominal = 6, kJaccard = 7, kGower = 8, kBinarySMC = 9, kHamman = 10, kYule = 11,
              kAskin = 12;

// Pearson's r in double precision, the textbook way.
double ReferencePearson(const std::vector<double>& a, const std::vector<double>& b) {
  double ma = 0, mb = 0;
  for (size_t k = 0; k < a.size(); ++k) {
    ma += a[k] / a.size();
    mb += b[k] / b.size();
  }
  double sab = 0, saa = 0, sbb = 0;
  for (size_t k = 0; k < a.size(); ++k) {
    sab += (a[k] - ma) * (b[k] - mb);
    saa += (a[k] - ma) * (a[k] - ma);
    sbb += (b[k] - mb) * (b[k] - mb);
  }
  return sab / std::sqrt(saa * sbb);
}

struct Pair {
  int i, j;
  float expected;
};

struct FunctionCase {
  const char* what;
  int code;
  bool normalize;
  int coercion;  // binary coercion rule
  std::vector<std::vector<float>> rows;
  std::vector<Pair> pairs;
};

const float kRoot2 = std::sqrt(2.0f);

// Identical, opposite, constant and missing rows under each function; the
// rows of a case also fix the ranges, means and ranks it is normalised by.
// clang-format off
const FunctionCase kFunctionCases[] = {
    {"cosine: identical, opposite (2 clamped to 1), zero rows, 45 degrees",
     kCos, true, 1, {{1, 2, 3}, {1, 2, 3}, {-1, -2, -3}, {0, 0, 0}, {0, 0, 0}, {1, 1, 0}, {1, 0, 0}}, {{2, 1, 0}, {3, 1, 1}, {5, 4, 1}, {7, 6, 1 - 1 / kRoot2}}},
    {"Euclidean normalised by the ranges",
     kEuclidean, true, 1, {{0, 0}, {5, 5}, {10, 10}, {5, 5}}, {{4, 2, 0}, {2, 1, 0.5f}, {3, 1, 1}}},
    {"Euclidean: a constant attribute adds nothing but counts",
     kEuclidean, true, 1, {{0, 7}, {10, 7}}, {{2, 1, std::sqrt(0.5f)}}},
    {"Euclidean raw above one: rescaled by the largest",
     kEuclidean, false, 1, {{0, 0}, {3, 4}, {0, 1}}, {{2, 1, 1}, {3, 1, std::sqrt(0.5f) / std::sqrt(12.5f)}, {3, 2, 3 / std::sqrt(12.5f)}}},
    {"Euclidean raw up to one: kept",
     kEuclidean, false, 1, {{0, 0}, {0.5f, 0.5f}}, {{2, 1, 0.5f}}},
    {"city block normalised",
     kCityBlock, true, 1, {{0, 0}, {5, 5}, {10, 10}}, {{2, 1, 0.5f}}},
    {"city block raw",
     kCityBlock, false, 1, {{0, 0}, {3, 4}, {0, 1}}, {{2, 1, 1}, {3, 1, 0.5f / 3.5f}, {3, 2, 3 / 3.5f}}},
    {"city block: only attributes present for both count",
     kCityBlock, true, 1, {{0, 0, NA}, {10, 5, 3}, {5, NA, 1}}, {{3, 1, 0.5f}}},
    {"Pearson: identical, and opposite once centred",
     kPearson, true, 1, {{1, 2, 3}, {1, 2, 3}, {3, 2, 1}}, {{2, 1, 0}, {3, 1, 1}}},
    {"Pearson: two objects are always opposite",
     kPearson, true, 1, {{1, 2, 4}, {3, 5, 0}}, {{2, 1, 1}}},
    {"Pearson without variance: the sign of the co-variation",
     kPearson, true, 1, {{2, 3}, {1, 2}, {0, 1}, {1, 2}}, {{2, 1, 0.5f}, {3, 1, 1}}},
    {"Pearson without variance, co-varying",
     kPearson, true, 1, {{2, 3}, {3, 4}, {0, 1}, {-1, 0}}, {{2, 1, 0}}},
    {"Spearman on dense ranks",
     kSpearman, true, 1, {{1, 2, 3}, {1, 2, 3}, {3, 2, 1}}, {{2, 1, 0}, {3, 1, 1}}},
    {"Spearman: monotone rows are identical in rank",
     kSpearman, true, 1, {{1, 10, 100}, {2, 20, 300}, {3, 5, 0}}, {{2, 1, 0}}},
    {"Guttman: identical, opposite, constant (mu2 = 0), monotone",
     kGuttman, true, 1, {{1, 2, 3}, {1, 2, 3}, {3, 2, 1}, {5, 5, 5}, {1, 4, 9}}, {{2, 1, 0}, {3, 1, 1}, {4, 1, 0.5f}, {5, 1, 0}}},
    {"nominal: matches of values rounded halves to even",
     kNominal, true, 1, {{1, 2, 3}, {1, 2, 4}, {1, 2, 3}, {1.4f, 2.5f, 3}}, {{2, 1, 1 - 2 / 3.0f}, {3, 1, 0}, {4, 1, 0}}},
    {"coercion above the attribute mean",
     kJaccard, true, 1, {{6, 4}, {7, 6}, {2, 5}}, {{2, 1, 0.5f}}},
    {"coercion above zero",
     kJaccard, true, 0, {{6, 4}, {7, 6}, {2, 5}}, {{2, 1, 0}}},
    // 0.00001 as a single (9.99999975e-06) is not above 1e-5; 0.00002 is.
    {"fixed threshold is strict (Jaccard)",
     kJaccard, true, 0, {{0.00001f, 0.00002f}, {0.00002f, 0.00002f}}, {{2, 1, 0.5f}}},
    {"fixed threshold is strict (matching)",
     kBinarySMC, true, 0, {{0.00001f, 0.00002f}, {0.00002f, 0.00002f}}, {{2, 1, 0.5f}}},
    {"Yule: only mismatches give one",
     kYule, true, 0, {{1, 0}, {0, 1}}, {{2, 1, 1}}},
};
// clang-format on

TEST(AttributeFunctions, TableOfRowsAndTheirDissimilarities) {
  for (const FunctionCase& c : kFunctionCases) {
    SCOPED_TRACE(c.what);
    auto s = NewSession();
    s->set.NormalizeAttribs = c.normalize;
    s->set.CoercionRulesNum = c.coercion;
    SetAttributeRows(*s, c.rows);
    Dissimilarity(*s, c.code, 2, 1);
    for (const Pair& p : c.pairs) {
      EXPECT_NEAR(s->prob.Dissim(p.i, p.j), p.expected, 1e-6) << p.i << "," << p.j;
      EXPECT_EQ(s->prob.Dissim(p.j, p.i), s->prob.Dissim(p.i, p.j)) << "mirrored";
    }
  }
}

TEST(AttributeFunctions, PearsonIsBelowSpearmanOnMonotoneRows) {
  auto s = NewSession();
  SetAttributeRows(*s, {{1, 10, 100}, {2, 20, 300}, {3, 5, 0}});
  EXPECT_GT(Dissimilarity(*s, kPearson, 2, 1), Dissimilarity(*s, kSpearman, 2, 1) + 0.01f);
}

TEST(PearsonTest, GeneralRowsMatchTheTextbookCorrelation) {
  auto s = NewSession();
  const std::vector<std::vector<float>> rows = {
      {1, 2, 3, 7}, {2, 1, 5, 3}, {4, 4, 1, 0}, {0, 3, 2, 2}};
  SetAttributeRows(*s, rows);
  Dissimilarity(*s, kPearson, 2, 1);
  for (int i = 2; i <= 4; ++i) {
    for (int j = 1; j < i; ++j) {
      std::vector<double> a, b;
      for (int k = 0; k < 4; ++k) {
        const double mean = (rows[0][k] + rows[1][k] + rows[2][k] + rows[3][k]) / 4.0;
        a.push_back(rows[j - 1][k] - mean);
        b.push_back(rows[i - 1][k] - mean);
      }
      EXPECT_NEAR(s->prob.Dissim(i, j), (1 - ReferencePearson(a, b)) / 2, 1e-5) << i << "," << j;
    }
  }
}

struct BinaryCase {
  int code;
  float mixed, identical, opposite, all_absent;
};

class BinaryTest : public ::testing::TestWithParam<BinaryCase> {};

TEST_P(BinaryTest, FourProfiles) {
  const BinaryCase c = GetParam();
  auto s = NewSession();
  s->set.CoercionRulesNum = 0;
  // Object 2 against 1: A = 1, B = 1 (attribute 3), C = 1 (attribute 2), D = 1.
  SetAttributeRows(*s, {{1, 1, 0, 0}, {1, 0, 1, 0}, {1, 1, 0, 0}, {0, 0, 1, 1}, {0, 0, 1, 1}});
  EXPECT_FLOAT_EQ(Dissimilarity(*s, c.code, 2, 1), c.mixed);
  EXPECT_FLOAT_EQ(s->prob.Dissim(3, 1), c.identical);
  EXPECT_FLOAT_EQ(s->prob.Dissim(4, 1), c.opposite);
  SetAttributeRows(*s, {{0, 0, 1}, {0, 0, 2}});
  s->prob.AttribParked[3] = 1;
  EXPECT_FLOAT_EQ(Dissimilarity(*s, c.code, 2, 1), c.all_absent);
}

// Hamman: 0 for identical profiles, 1 for complete disagreement.
INSTANTIATE_TEST_SUITE_P(Coefficients, BinaryTest,
                         ::testing::Values(BinaryCase{kJaccard, 1 - 1 / 3.0f, 0, 1, 0},
                                           BinaryCase{kGower, 0.75f, 0.5f, 1, 1},
                                           BinaryCase{kBinarySMC, 0.5f, 0, 1, 0},
                                           BinaryCase{kHamman, 0.5f, 0, 1, 0},
                                           BinaryCase{kYule, 0.5f, 0, 1, 0.5f},
                                           BinaryCase{kAskin, 0.5f, 0, 1, 1}));

class MissingPairTest : public ::testing::TestWithParam<int> {};

TEST_P(MissingPairTest, NoUsableAttributeMakesThePairMissing) {
  auto s = NewSession();
  SetAttributeRows(*s, {{1, NA, 3}, {NA, 5, 4}, {2, 6, 1}});
  s->prob.AttribParked[3] = 1;
  Dissimilarity(*s, GetParam(), 2, 1);
  EXPECT_EQ(s->prob.DissimMissing(2, 1), 1);
  EXPECT_EQ(s->prob.DissimMissing(1, 2), 1);
  EXPECT_EQ(s->prob.DissimMissing(3, 1), 0);
  EXPECT_EQ(s->prob.DissimMissing(3, 2), 0);
  EXPECT_TRUE(std::isfinite(s->prob.Dissim(2, 1)));
}

INSTANTIATE_TEST_SUITE_P(EveryCode, MissingPairTest, ::testing::Range(0, 13));

// The value of a pair without usable attributes: the distances start from 0;
// the cosine and the correlations clamp what the cell held to [-1, 1]; the
// others leave it as it was.
TEST(MissingPairTest, ValueOfTheCellFollowsItsFunction) {
  struct Case {
    int code;
    float before, after;
  };
  for (const Case& c :
       {Case{kCos, 3.0f, 1.0f}, Case{kCos, -2.5f, -1.0f}, Case{kCos, 0.25f, 0.25f},
        Case{kPearson, 3.0f, 1.0f}, Case{kSpearman, -4.0f, -1.0f}, Case{kEuclidean, 0.75f, 0.0f},
        Case{kCityBlock, 0.75f, 0.0f}, Case{kNominal, 3.0f, 3.0f}, Case{kJaccard, 0.75f, 0.75f},
        Case{kAskin, 3.0f, 3.0f}}) {
    auto s = NewSession();
    SetAttributeRows(*s, {{1, NA}, {NA, 5}, {2, 6}});
    s->prob.Dissim(2, 1) = s->prob.Dissim(1, 2) = c.before;
    Dissimilarity(*s, c.code, 2, 1);
    EXPECT_EQ(s->prob.Dissim(2, 1), c.after) << "code " << c.code << " from " << c.before;
    EXPECT_EQ(s->prob.Dissim(1, 2), c.after) << "code " << c.code;
    EXPECT_EQ(s->prob.DissimMissing(2, 1), 1);
  }
}

TEST(ParkedObjectTest, KeepsItsPreviousDissimilarities) {
  auto s = NewSession();
  SetAttributeRows(*s, {{0, 0}, {5, 5}, {10, 10}});
  s->prob.ObjParked[3] = 1;
  s->prob.Dissim(3, 1) = s->prob.Dissim(1, 3) = 0.25f;
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kCityBlock, 2, 1), 0.5f);
  EXPECT_FLOAT_EQ(s->prob.Dissim(3, 1), 0.25f);
  EXPECT_FLOAT_EQ(s->prob.MaxDissim, 0.5f);
}

TEST(ValidityScanTest, NegativeValueEmptiesTheProblem) {
  auto s = NewSession();
  SetAttributeRows(*s, {{0, 0}, {5, 5}, {10, 10}});
  s->prob.ObjParked[3] = 1;
  s->prob.Dissim(3, 2) = -0.5f;
  s->prob.DissimMissing(3, 2) = 0;
  testing::FakePlatform fake;
  s->set.AttributeFunctionNum = kEuclidean;
  ComputeAttributeDissimilarities(*s, fake);
  EXPECT_EQ(s->prob.NObjects, 0);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.LastCode(), "ErrMsgR7A");
}

TEST(ValidityScanTest, MaxDissimIsTheLargestValue) {
  auto s = NewSession();
  SetAttributeRows(*s, {{0, 0}, {5, 5}, {10, 10}});
  Dissimilarity(*s, kCityBlock, 2, 1);
  EXPECT_FLOAT_EQ(s->prob.MaxDissim, 1.0f);
}

}  // namespace
}  // namespace quorel
