#include "prep/error_bounds.h"

#include <gtest/gtest.h>

#include "support/tiny_problem.h"

namespace quorel {
namespace {

using testing::TinyProblem;

TEST(ErrorBounds, FixedAmountIsClampedToTheUnitInterval) {
  auto s = TinyProblem(3, {0.98f, 0.02f, 0.5f});
  s->set.ErrorBoundsTypeNum = 0;
  s->set.FixedErrorBound = 0.05f;
  ComputeErrorBounds(*s);
  const DerivedData& r = s->derived;
  EXPECT_EQ(r.ErrBoundUpper(2, 1), 1.0f);
  EXPECT_FLOAT_EQ(r.ErrBoundLower(2, 1), 0.93f);
  EXPECT_EQ(r.ErrBoundLower(3, 1), 0.0f);
  EXPECT_FLOAT_EQ(r.ErrBoundUpper(3, 1), 0.07f);
  EXPECT_FLOAT_EQ(r.ErrBoundLower(3, 2), 0.45f);
  EXPECT_FLOAT_EQ(r.ErrBoundUpper(3, 2), 0.55f);
  // Both halves hold the same values.
  EXPECT_EQ(r.ErrBoundUpper(1, 2), r.ErrBoundUpper(2, 1));
  EXPECT_EQ(r.ErrBoundLower(1, 3), r.ErrBoundLower(3, 1));
  EXPECT_EQ(r.ErrBoundLower(2, 3), r.ErrBoundLower(3, 2));
}

TEST(ErrorBounds, PercentageMultipliesBySingleFactors) {
  auto s = TinyProblem(3, {0.0f, 0.5f, 0.99f});
  s->set.ErrorBoundsTypeNum = 1;
  s->set.RelErrorBound = 0.05f;
  ComputeErrorBounds(*s);
  const DerivedData& r = s->derived;
  EXPECT_EQ(r.ErrBoundLower(2, 1), 0.0f);
  EXPECT_EQ(r.ErrBoundUpper(2, 1), 0.0f);
  EXPECT_EQ(r.ErrBoundUpper(3, 1), (1.0f + 0.05f) * 0.5f);
  EXPECT_EQ(r.ErrBoundLower(3, 1), (1.0f - 0.05f) * 0.5f);
  EXPECT_FLOAT_EQ(r.ErrBoundLower(3, 1), 0.475f);
  EXPECT_EQ(r.ErrBoundUpper(3, 2), 1.0f);  // 1.0395 clamped
  EXPECT_FLOAT_EQ(r.ErrBoundLower(3, 2), 0.9405f);
}

TEST(ErrorBounds, RangeCoversParkedAndMissingPairs) {
  auto s = TinyProblem(4, {0.3f, 0.9f, 0.5f, 0.05f, 0.6f, 0.7f});
  s->prob.ObjParked[4] = 1;       // holds the smallest value 0.05
  testing::SetMissing(*s, 3, 1);  // holds the largest value 0.9
  ComputeErrorBounds(*s);
  EXPECT_EQ(s->derived.MinPairDissim, 0.05f);
  EXPECT_EQ(s->derived.MaxPairDissim, 0.9f);
}

TEST(ErrorBounds, UnknownBoundKindIsAnInternalError) {
  auto s = TinyProblem(2, {0.5f});
  s->set.ErrorBoundsTypeNum = 2;
  EXPECT_THROW(ComputeErrorBounds(*s), std::logic_error);
}

}  // namespace
}  // namespace quorel
