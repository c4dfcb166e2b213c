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

TEST(CosineTest, IdenticalOppositeOrthogonalAndZeroRows) {
  auto s = NewSession();
  SetAttributeRows(
      *s, {{1, 2, 3}, {1, 2, 3}, {-1, -2, -3}, {0, 0, 0}, {0, 0, 0}, {1, 1, 0}, {1, 0, 0}});
  EXPECT_NEAR(Dissimilarity(*s, kCos, 2, 1), 0.0f, 1e-6);
  EXPECT_EQ(s->prob.Dissim(3, 1), 1.0f) << "a negative cosine gives 2, clamped to 1";
  EXPECT_EQ(s->prob.Dissim(5, 4), 1.0f) << "all-zero rows: the cosine is -Sgn(0) = 0";
  EXPECT_NEAR(s->prob.Dissim(7, 6), 1.0f - 1.0f / std::sqrt(2.0f), 1e-6);
  EXPECT_EQ(s->prob.Dissim(1, 2), s->prob.Dissim(2, 1));
}

TEST(EuclideanTest, NormalizedByRangesAndClamped) {
  auto s = NewSession();
  SetAttributeRows(*s, {{0, 0}, {5, 5}, {10, 10}, {5, 5}});
  EXPECT_EQ(Dissimilarity(*s, kEuclidean, 4, 2), 0.0f);
  EXPECT_FLOAT_EQ(s->prob.Dissim(2, 1), 0.5f);
  EXPECT_FLOAT_EQ(s->prob.Dissim(3, 1), 1.0f);
}

TEST(EuclideanTest, ConstantAttributeAddsNothingButCounts) {
  auto s = NewSession();
  SetAttributeRows(*s, {{0, 7}, {10, 7}});
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kEuclidean, 2, 1), std::sqrt(0.5f));
}

TEST(EuclideanTest, RawValuesAboveOneAreRescaledByTheLargest) {
  auto s = NewSession();
  s->set.NormalizeAttribs = false;
  SetAttributeRows(*s, {{0, 0}, {3, 4}, {0, 1}});
  const float largest = std::sqrt(12.5f);
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kEuclidean, 2, 1), 1.0f);
  EXPECT_FLOAT_EQ(s->prob.Dissim(3, 1), std::sqrt(0.5f) / largest);
  EXPECT_FLOAT_EQ(s->prob.Dissim(3, 2), 3.0f / largest);
}

TEST(EuclideanTest, RawValuesUpToOneAreKept) {
  auto s = NewSession();
  s->set.NormalizeAttribs = false;
  SetAttributeRows(*s, {{0, 0}, {0.5f, 0.5f}});
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kEuclidean, 2, 1), 0.5f);
}

TEST(CityBlockTest, NormalizedAndRaw) {
  auto s = NewSession();
  SetAttributeRows(*s, {{0, 0}, {5, 5}, {10, 10}});
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kCityBlock, 2, 1), 0.5f);
  s->set.NormalizeAttribs = false;
  SetAttributeRows(*s, {{0, 0}, {3, 4}, {0, 1}});
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kCityBlock, 2, 1), 1.0f);
  EXPECT_FLOAT_EQ(s->prob.Dissim(3, 1), 0.5f / 3.5f);
  EXPECT_FLOAT_EQ(s->prob.Dissim(3, 2), 3.0f / 3.5f);
}

TEST(PearsonTest, SimilarRowsAreCloseAndOppositeRowsFar) {
  auto s = NewSession();
  SetAttributeRows(*s, {{1, 2, 3}, {1, 2, 3}, {3, 2, 1}});
  EXPECT_NEAR(Dissimilarity(*s, kPearson, 2, 1), 0.0f, 1e-6) << "identical rows with variance";
  // Values are centred on the attribute means before the correlation.
  const double m1 = 5.0 / 3, m2 = 2, m3 = 7.0 / 3;
  const double r = ReferencePearson({1 - m1, 2 - m2, 3 - m3}, {3 - m1, 2 - m2, 1 - m3});
  EXPECT_NEAR(s->prob.Dissim(3, 1), (1 - r) / 2, 1e-6);
  EXPECT_NEAR(r, -1.0, 1e-12) << "object 3 centred is -2 times object 1";
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

TEST(PearsonTest, ExactlyOppositeCentredRowsGiveOne) {
  auto s = NewSession();
  // With two objects the centred rows are always exact opposites: r = -1.
  SetAttributeRows(*s, {{1, 2, 4}, {3, 5, 0}});
  EXPECT_NEAR(Dissimilarity(*s, kPearson, 2, 1), 1.0f, 1e-6);
}

TEST(PearsonTest, NoVarianceTakesTheSignOfTheCovariation) {
  auto s = NewSession();
  // Object 1's centred row is constant (1, 1): no variance.
  SetAttributeRows(*s, {{2, 3}, {1, 2}, {0, 1}, {1, 2}});
  // Centred: obj1 (1, 1), obj2 (0, 0), obj3 (-1, -1).
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kPearson, 2, 1), 0.5f) << "sxy = 0";
  EXPECT_FLOAT_EQ(s->prob.Dissim(3, 1), 1.0f) << "sxy < 0: opposite";
  SetAttributeRows(*s, {{2, 3}, {3, 4}, {0, 1}, {-1, 0}});
  // Centred: obj1 (1, 1), obj2 (2, 2): sxy > 0, similar.
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kPearson, 2, 1), 0.0f);
}

TEST(SpearmanTest, UsesDenseRanks) {
  auto s = NewSession();
  SetAttributeRows(*s, {{1, 2, 3}, {1, 2, 3}, {3, 2, 1}});
  // Ranks: attribute 1 (1, 1, 2), attribute 2 (1, 1, 1), attribute 3 (2, 2, 1);
  // centred on the mean ranks, object 3's row is -2 times object 1's.
  EXPECT_NEAR(Dissimilarity(*s, kSpearman, 2, 1), 0.0f, 1e-6);
  EXPECT_NEAR(s->prob.Dissim(3, 1), 1.0f, 1e-6);
}

TEST(SpearmanTest, MonotoneRowsAreIdenticalInRank) {
  auto s = NewSession();
  SetAttributeRows(*s, {{1, 10, 100}, {2, 20, 300}, {3, 5, 0}});
  const float pearson = Dissimilarity(*s, kPearson, 2, 1);
  const float spearman = Dissimilarity(*s, kSpearman, 2, 1);
  EXPECT_NEAR(spearman, 0.0f, 1e-6) << "same rank in every attribute";
  EXPECT_GT(pearson, spearman);
}

TEST(GuttmanTest, IdenticalOppositeAndConstantRows) {
  auto s = NewSession();
  SetAttributeRows(*s, {{1, 2, 3}, {1, 2, 3}, {3, 2, 1}, {5, 5, 5}, {1, 4, 9}});
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kGuttman, 2, 1), 0.0f);
  EXPECT_FLOAT_EQ(s->prob.Dissim(3, 1), 1.0f);
  EXPECT_FLOAT_EQ(s->prob.Dissim(4, 1), 0.5f) << "den = 0 gives mu2 = 0";
  EXPECT_FLOAT_EQ(s->prob.Dissim(5, 1), 0.0f) << "monotone: mu2 = 1";
}

TEST(NominalTest, CountsMatchesOfRoundedValues) {
  auto s = NewSession();
  SetAttributeRows(*s, {{1, 2, 3}, {1, 2, 4}, {1, 2, 3}, {1.4f, 2.5f, 3}});
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kNominal, 2, 1), 1.0f - 2.0f / 3.0f);
  EXPECT_FLOAT_EQ(s->prob.Dissim(3, 1), 0.0f);
  EXPECT_FLOAT_EQ(s->prob.Dissim(4, 1), 0.0f) << "1.4 -> 1 and 2.5 -> 2 (halves to even)";
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

TEST(BinaryCoercionTest, AboveTheAttributeMeanIsPresent) {
  auto s = NewSession();
  s->set.CoercionRulesNum = 1;
  // Means 5 and 5: object 1 (6, 4) -> (1, 0); object 2 (7, 6) -> (1, 1);
  // object 3 (2, 5) -> (0, 0).
  SetAttributeRows(*s, {{6, 4}, {7, 6}, {2, 5}});
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kJaccard, 2, 1), 0.5f);
  s->set.CoercionRulesNum = 0;
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kJaccard, 2, 1), 0.0f) << "every value above 0 is present";
}

TEST(YuleTest, OnlyMismatchesGiveOne) {
  auto s = NewSession();
  s->set.CoercionRulesNum = 0;
  SetAttributeRows(*s, {{1, 0}, {0, 1}});
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kYule, 2, 1), 1.0f);
}

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

// Binary coercion by the fixed threshold: 0.00001 as a single (9.99999975e-06)
// is not above 1e-5; 0.00002 is.
TEST(BinaryCoercionTest, FixedThresholdIsStrict) {
  auto s = NewSession();
  s->set.CoercionRulesNum = 0;
  SetAttributeRows(*s, {{0.00001f, 0.00002f}, {0.00002f, 0.00002f}});
  // Object 2 present in both, object 1 in attribute 2 only: A = 1, B = 1.
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kJaccard, 2, 1), 0.5f);
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kBinarySMC, 2, 1), 0.5f);
}

TEST(MissingValueTest, OnlyAttributesPresentForBothCount) {
  auto s = NewSession();
  SetAttributeRows(*s, {{0, 0, NA}, {10, 5, 3}, {5, NA, 1}});
  // Pair (3, 1) uses attribute 1 only: |5 - 0| / 10.
  EXPECT_FLOAT_EQ(Dissimilarity(*s, kCityBlock, 3, 1), 0.5f);
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
