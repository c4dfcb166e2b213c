#include <gtest/gtest.h>

#include <cmath>

#include "solver/objective.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

// Four objects; (3,1) weighs 0.5 and (4,2) is missing (its W is 1).
std::unique_ptr<Session> FourObjects(int badness) {
  auto s = testing::TinyProblem(4, {0.5f, 0.8f, 0.25f, 0.4f, 0.6f, 0.3f});
  testing::SetWeight(*s, 3, 1, 0.5f);
  testing::SetMissing(*s, 4, 2);
  s->set.BadnessFunctionNum = badness;
  return s;
}

// The Stress family sums W delta^2 (SStress W delta^4) over the usable pairs:
// 0.25 + 0.5 * 0.64 + 0.0625 + 0.16 + 0.09 = 0.8825; Multiscale and
// Fractional count every pair with W, a missing one with 1.  Parked objects'
// pairs are left out.
TEST(ObjFnNormaliser, SumByBadnessFunction) {
  const struct {
    int badness;
    bool park_four;
    float half;
  } rows[] = {{0, false, 0.8825f}, {1, false, 0.8825f}, {2, false, 0.30490625f}, {3, false, 5.5f},
              {4, false, 5.5f},    {0, true, 0.6325f},  {3, true, 2.5f}};
  for (const auto& r : rows) {
    auto s = FourObjects(r.badness);
    s->prob.ObjParked[4] = r.park_four;
    ComputeObjFnNormaliser(*s);
    EXPECT_FLOAT_EQ(s->derived.ObjFnNormaliser, 2 * r.half) << r.badness << " " << r.park_four;
    EXPECT_FLOAT_EQ(s->derived.ObjFnNormaliserInv, 1 / (2 * r.half));
  }
}

TEST(ObjFnNormaliser, EmptySumsFallBackToTwo) {
  auto s = testing::TinyProblem(3, {0.0f, 0.0f, 0.0f});
  ComputeObjFnNormaliser(*s);
  EXPECT_EQ(s->derived.ObjFnNormaliser, 2.0f);
  EXPECT_EQ(s->derived.ObjFnNormaliserInv, 0.5f);
  s = testing::TinyProblem(1, {});
  s->set.BadnessFunctionNum = 3;
  s->derived.ObjFnNormaliser = 9.0f;
  ComputeObjFnNormaliser(*s);
  EXPECT_EQ(s->derived.ObjFnNormaliser, 2.0f);
}

TEST(ObjFnNormaliser, SumMustBeAtLeastOneMillionth) {
  // The single 1e-6f is 9.99999997e-7, just short of 1e-6: the fallback.
  auto s = testing::TinyProblem(2, {0.5f});
  s->set.BadnessFunctionNum = 3;
  testing::SetWeight(*s, 2, 1, 1e-6f);
  ComputeObjFnNormaliser(*s);
  EXPECT_EQ(s->derived.ObjFnNormaliser, 2.0f);
  // One float step above: 1.0000001e-6 counts.
  const float w = std::nextafter(1e-6f, 1.0f);
  testing::SetWeight(*s, 2, 1, w);
  ComputeObjFnNormaliser(*s);
  EXPECT_EQ(s->derived.ObjFnNormaliser, 2 * w);
}

TEST(ObjectiveValue, DividesTheRawSumByTheNormaliser) {
  auto s = FourObjects(0);
  ComputeObjFnNormaliser(*s);
  EXPECT_FLOAT_EQ(ObjectiveValue(*s, 0.353f), 0.353f / 1.765f);
  s->set.BadnessFunctionNum = 3;
  ComputeObjFnNormaliser(*s);
  EXPECT_FLOAT_EQ(ObjectiveValue(*s, 1.1f), 0.1f);
}

TEST(ObjectiveValue, Stress1RecomputesItsDenominatorInTheDimensionsInUse) {
  auto s = FourObjects(1);
  testing::Place(*s, 1, {0.0f, 0.0f});
  testing::Place(*s, 2, {0.375f, 0.5f});
  testing::Place(*s, 3, {0.75f, 0.0f});
  testing::Place(*s, 4, {0.0f, 0.0f, 5.0f});  // D3 is not in use
  s->set.DimensionsNum = 2;
  // W d^2: 0.390625 + 0.5 * 0.5625 + 0.390625 + 0 + (4,2 missing) + 0.5625 = 1.625.
  EXPECT_FLOAT_EQ(ObjectiveValue(*s, 1.3f), std::sqrt(1.3f / 3.25f));
  EXPECT_FLOAT_EQ(s->derived.Stress1Denominator, 3.25f);
  s->set.DimensionsNum = 3;  // now d(4,1) = 5 and d(4,3) = sqrt(25.5625)
  ObjectiveValue(*s, 1.3f);
  EXPECT_FLOAT_EQ(s->derived.Stress1Denominator, 2 * (1.625f + 25.0f + 25.0f));
  s->prob.ObjParked[4] = 1;
  ObjectiveValue(*s, 1.3f);
  EXPECT_FLOAT_EQ(s->derived.Stress1Denominator, 2 * (0.390625f + 0.28125f + 0.390625f));
}

TEST(ObjectiveValue, Stress1OnCoincidentObjectsUsesTwo) {
  auto s = FourObjects(1);
  EXPECT_FLOAT_EQ(ObjectiveValue(*s, 0.5f), 0.5f);
  EXPECT_EQ(s->derived.Stress1Denominator, 2.0f);
}

TEST(ObjectiveValue, Stress1DenominatorMustBeAtLeastOneHundredThousandth) {
  // W d^2 = 1e-5f (9.99999975e-6, just short of 1e-5) with d = 1: 2.0.
  auto s = testing::TinyProblem(2, {0.5f});
  s->set.BadnessFunctionNum = 1;
  s->set.DimensionsNum = 2;
  testing::Place(*s, 2, {1.0f, 0.0f});
  testing::SetWeight(*s, 2, 1, 1e-5f);
  ObjectiveValue(*s, 0.5f);
  EXPECT_EQ(s->derived.Stress1Denominator, 2.0f);
  const float w = std::nextafter(1e-5f, 1.0f);
  testing::SetWeight(*s, 2, 1, w);
  ObjectiveValue(*s, 0.5f);
  EXPECT_EQ(s->derived.Stress1Denominator, 2 * w);
}

TEST(StepDivisors, TableByBadnessAndType) {
  struct Row {
    int badness, type;
    float d1, d3, d4;
  } rows[] = {{0, 0, 40, 10, 20},    {1, 4, 40, 10, 20},    {2, 3, 50, 50, 25},
              {3, 0, 400, 100, 200}, {3, 1, 400, 100, 200}, {3, 2, 400, 100, 200},
              {3, 3, 800, 200, 600}, {3, 4, 500, 150, 250}, {4, 3, 400, 100, 200},
              {4, 4, 500, 125, 250}};
  for (const Row& r : rows) {
    float divisors[8];
    StepDivisors(r.badness, r.type, divisors);
    EXPECT_EQ(divisors[0], r.d1) << r.badness << " " << r.type;
    EXPECT_EQ(divisors[1], r.d1);
    EXPECT_EQ(divisors[2], r.d3);
    for (int k = 3; k < 8; ++k) EXPECT_EQ(divisors[k], r.d4) << r.badness << " " << r.type;
  }
  float divisors[8];
  EXPECT_THROW(StepDivisors(5, 0, divisors), std::logic_error);
  EXPECT_THROW(StepDivisors(0, 5, divisors), std::logic_error);
}

}  // namespace
}  // namespace quorel
