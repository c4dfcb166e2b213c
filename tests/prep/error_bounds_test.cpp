#include "prep/error_bounds.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
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

TEST(ErrorBoundArrows, WalkTheWholeSequenceBothWaysAndBeepAtTheEnds) {
  std::vector<float> sequence;  // 0, 0.01, ..., 0.1, 0.15, ..., 1.0
  for (int k = 0; k <= 10; ++k) sequence.push_back(static_cast<float>(k) / 100);
  for (int k = 3; k <= 20; ++k) sequence.push_back(static_cast<float>(k) / 20);
  for (BoundKind kind : {BoundKind::kFixed, BoundKind::kPercentage}) {
    testing::FakePlatform platform;
    float v = 0.0f;
    for (size_t k = 1; k < sequence.size(); ++k) {
      v = StepErrorBound(v, true, kind, platform);
      EXPECT_FLOAT_EQ(v, sequence[k]) << "up " << k;
    }
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_EQ(StepErrorBound(v, true, kind, platform), v);
    for (size_t k = sequence.size() - 1; k-- > 0;) {
      v = StepErrorBound(v, false, kind, platform);
      EXPECT_FLOAT_EQ(v, sequence[k]) << "down " << k;
    }
    EXPECT_EQ(StepErrorBound(v, false, kind, platform), 0.0f);
    EXPECT_EQ(platform.beeps, 2);
  }
}

TEST(ErrorBoundArrows, ValuesOffTheSequence) {
  struct Case {
    float from;
    bool up;
    BoundKind kind;
    float to;
    int beeps;
  };
  for (const Case& c : std::initializer_list<Case>{
           {0.97f, true, BoundKind::kFixed, 0.97f, 1},
           {0.96f, true, BoundKind::kFixed, 1.01f, 0},
           {0.123f, true, BoundKind::kPercentage, 0.17f, 0},
           {0.001f, false, BoundKind::kFixed, 0.001f, 1},
           {0.001f, false, BoundKind::kPercentage, 0.0f, 0},
           {0.0005f, false, BoundKind::kPercentage, 0.0005f, 1},
       }) {
    testing::FakePlatform platform;
    EXPECT_FLOAT_EQ(StepErrorBound(c.from, c.up, c.kind, platform), c.to) << c.from;
    EXPECT_EQ(platform.beeps, c.beeps) << c.from;
  }
}

TEST(ErrorBoundArrows, LabelShowsTwoDecimalsWithoutALeadingZero) {
  EXPECT_EQ(ErrorBoundLabel(0.05f, BoundKind::kFixed), "( Dij \xB1 .05 )");
  EXPECT_EQ(ErrorBoundLabel(0.1f, BoundKind::kPercentage), "( Dij \xB1 .10 Dij )");
  EXPECT_EQ(ErrorBoundLabel(0.0f, BoundKind::kFixed), "( Dij \xB1 .00 )");
  EXPECT_EQ(ErrorBoundLabel(1.0f, BoundKind::kFixed), "( Dij \xB1 1.00 )");
}

TEST(MDSTypeChoice, OkStoresTheChoiceRecomputesBoundsAndResetsTheSeries) {
  for (int type = 0; type <= MaxMDSTypeNum; ++type) {
    auto s = TinyProblem(3, {0.5f, 0.2f, 0.9f});
    testing::FakePlatform platform;
    s->prob.IntervalConstant = 0.125f;
    s->run.BestObjFnValue = 0.5f, s->run.RunCount = 3, s->run.IterationCount = 9;
    MDSTypeChoice c{type, BoundKind::kFixed, 0.1f, 0.25f, true};
    ApplyMDSTypeChoice(*s, platform, c);
    const bool interval = type == 2 || type == 3;
    EXPECT_EQ(s->set.MDSAnalysisTypeNum, type);
    EXPECT_EQ(s->set.ErrorBoundsTypeNum, 0);
    EXPECT_EQ(s->set.FixedErrorBound, 0.1f);
    EXPECT_EQ(s->set.RelErrorBound, 0.25f);
    EXPECT_TRUE(s->set.CentreInBounds);
    EXPECT_EQ(s->set.IsOrdinalMDS, type == 4);
    EXPECT_EQ(s->prob.IntervalConstant, interval ? 0.125f : 0.0f);
    EXPECT_EQ(s->captions.cmdMDSType.find("0.1250") != std::string::npos, interval) << type;
    EXPECT_FLOAT_EQ(s->derived.ErrBoundUpper(2, 1), 0.6f);
    EXPECT_FLOAT_EQ(s->derived.ErrBoundLower(3, 2), 0.8f);
    EXPECT_EQ(s->run.BestObjFnValue, 1e20f);
    EXPECT_EQ(s->run.RunCount + s->run.IterationCount, 0);
    EXPECT_EQ(platform.caption_refreshes, 1);
  }
}

}  // namespace
}  // namespace quorel
