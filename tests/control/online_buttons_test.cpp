#include "control/online_buttons.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "prep/dissim_ranks.h"
#include "support/fake_platform.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

using Click = void (*)(Session&, Platform&);

// The codes a button steps through in `clicks` clicks.
std::vector<int> Rotate(Session& s, Click click, const int& code, int clicks, bool backward) {
  testing::FakePlatform platform;
  s.ui.RotateBackward = backward;
  std::vector<int> seen;
  for (int n = 0; n < clicks; ++n) {
    click(s, platform);
    seen.push_back(code);
  }
  EXPECT_EQ(platform.clicks, clicks);
  EXPECT_EQ(platform.caption_refreshes, clicks);
  return seen;
}

void DirtySeries(Session& s) {
  s.run.BestObjFnValue = 0.5f;
  s.run.RunCount = 4;
  s.run.IterationCount = 77;
}

void ExpectSeriesReset(const Session& s) {
  EXPECT_EQ(s.run.BestObjFnValue, 1e20f);
  EXPECT_EQ(s.run.RunCount, 0);
  EXPECT_EQ(s.run.IterationCount, 0);
}

TEST(MDSTypeButton, RotatesThroughAllTypesWithUsableBounds) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  const int& type = s->set.MDSAnalysisTypeNum;
  EXPECT_EQ(Rotate(*s, cmdMDSType_Click, type, 5, false), (std::vector<int>{1, 2, 3, 4, 0}));
  EXPECT_EQ(Rotate(*s, cmdMDSType_Click, type, 5, true), (std::vector<int>{4, 3, 2, 1, 0}));
}

TEST(MDSTypeButton, SkipsBoundsTypesWhenTheBoundInForceIsZero) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  const int& type = s->set.MDSAnalysisTypeNum;
  s->set.ErrorBoundsTypeNum = 0;
  s->set.FixedErrorBound = 0.0f;
  EXPECT_EQ(Rotate(*s, cmdMDSType_Click, type, 3, false), (std::vector<int>{2, 4, 0}));
  EXPECT_EQ(Rotate(*s, cmdMDSType_Click, type, 3, true), (std::vector<int>{4, 2, 0}));
  // Only the bound of the kind in force counts.
  s->set.ErrorBoundsTypeNum = 1;
  s->set.RelErrorBound = 0.0009f;
  s->set.FixedErrorBound = 0.05f;
  EXPECT_EQ(Rotate(*s, cmdMDSType_Click, type, 3, false), (std::vector<int>{2, 4, 0}));
  s->set.RelErrorBound = 0.001f;
  EXPECT_EQ(Rotate(*s, cmdMDSType_Click, type, 1, false), (std::vector<int>{1}));
}

TEST(MDSTypeButton, SetsOrdinalFlagConstantSeriesAndCaption) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  testing::FakePlatform platform;
  s->set.MDSAnalysisTypeNum = 1;
  s->prob.IntervalConstant = 0.1f;
  cmdMDSType_Click(*s, platform);  // -> Interval keeps the constant
  EXPECT_EQ(s->prob.IntervalConstant, 0.1f);
  EXPECT_EQ(s->captions.cmdMDSType, "MDS &TYPE:\r\nInterval");
  cmdMDSType_Click(*s, platform);  // -> Interval + Bounds keeps it
  EXPECT_EQ(s->prob.IntervalConstant, 0.1f);
  DirtySeries(*s);
  cmdMDSType_Click(*s, platform);  // -> Ordinal
  EXPECT_EQ(s->prob.IntervalConstant, 0.0f);
  EXPECT_TRUE(s->set.IsOrdinalMDS);
  EXPECT_EQ(s->captions.cmdMDSType, "MDS &TYPE:\r\nOrdinal");
  ExpectSeriesReset(*s);
  cmdMDSType_Click(*s, platform);
  EXPECT_FALSE(s->set.IsOrdinalMDS);
  EXPECT_EQ(s->captions.cmdMDSType, "MDS &TYPE:\r\nRatio");
}

TEST(DegradeButton, ForwardLowersAndShiftRaisesThePrecision) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  s->prob.DataDegradeNum = 8;
  s->set.DegradeNum = 8;
  const int& level = s->set.DegradeNum;
  EXPECT_EQ(Rotate(*s, cmdDegrade_Click, level, 9, false),
            (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 8, 7}));
  s->set.DegradeNum = 7;
  EXPECT_EQ(Rotate(*s, cmdDegrade_Click, level, 3, true), (std::vector<int>{8, 1, 2}));
}

TEST(DegradeButton, RecomputesTheDerivedDataAndCaption) {
  auto s = testing::TinyProblem(3, {0.25f, 0.75f, 0.3f});
  s->prob.DataDegradeNum = 3;
  s->set.DegradeNum = 3;
  DirtySeries(*s);
  testing::FakePlatform platform;
  cmdDegrade_Click(*s, platform);  // level 2: halves
  EXPECT_EQ(s->captions.cmdDegrade, "PR&ECISION:\r\n1/2");
  EXPECT_EQ(s->prob.Dissim(2, 1), 0.0f);
  EXPECT_EQ(s->prob.Dissim(3, 1), 1.0f);
  EXPECT_EQ(s->prob.Dissim(3, 2), 0.5f);
  EnsureRanks(*s, platform);  // built when first needed, from the new values
  EXPECT_EQ(s->derived.NRankedPairs, 3);
  EXPECT_EQ(s->derived.DissimRank[2], 3);                  // 1.0 is the top group
  EXPECT_EQ(s->derived.MaxPairDissim, 1.0f);               // bounds follow
  EXPECT_FLOAT_EQ(s->derived.ObjFnNormaliser, 2 * 1.25f);  // Stress1: 0 + 1 + 0.25
  ExpectSeriesReset(*s);
  s->ui.RotateBackward = true;
  cmdDegrade_Click(*s, platform);
  EXPECT_EQ(s->captions.cmdDegrade, "PR&ECISION:\r\n1/3 (Max)");
  EXPECT_EQ(s->prob.Dissim(2, 1), 0.25f);
}

TEST(DegradeButton, DataAtLevelOneOnlyClicks) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  s->prob.DataDegradeNum = 1;
  s->set.DegradeNum = 1;
  DirtySeries(*s);
  testing::FakePlatform platform;
  cmdDegrade_Click(*s, platform);
  EXPECT_EQ(platform.clicks, 1);
  EXPECT_EQ(platform.caption_refreshes, 0);
  EXPECT_EQ(s->set.DegradeNum, 1);
  EXPECT_EQ(s->run.RunCount, 4);
  EXPECT_EQ(s->prob.Dissim(2, 1), 0.5f);
}

TEST(MappingWtButton, SkipsAdjustableWhileItsMIsNearZero) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  const int& code = s->set.MappingWtFunctionNum;
  s->set.AdjustableMappingWt = 0.0099;
  EXPECT_EQ(Rotate(*s, cmdMappingWtFns_Click, code, 4, false), (std::vector<int>{1, 2, 3, 0}));
  EXPECT_EQ(Rotate(*s, cmdMappingWtFns_Click, code, 4, true), (std::vector<int>{3, 2, 1, 0}));
  s->set.AdjustableMappingWt = 0.01;  // exactly the limit: available
  EXPECT_EQ(Rotate(*s, cmdMappingWtFns_Click, code, 5, false), (std::vector<int>{1, 2, 3, 4, 0}));
  s->set.AdjustableMappingWt = -0.5;
  EXPECT_EQ(Rotate(*s, cmdMappingWtFns_Click, code, 5, false), (std::vector<int>{1, 2, 3, 4, 0}));
  EXPECT_EQ(Rotate(*s, cmdMappingWtFns_Click, code, 5, true), (std::vector<int>{4, 3, 2, 1, 0}));
}

TEST(MappingWtButton, WithAProblemRecomputesWeightsAndNormaliser) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  s->set.MappingWtFunctionNum = 1;
  s->set.MapWeightComplementary = true;
  DirtySeries(*s);
  testing::FakePlatform platform;
  cmdMappingWtFns_Click(*s, platform);  // -> Linear
  EXPECT_EQ(s->set.MappingWtParam, 0.0f);
  EXPECT_FLOAT_EQ(s->prob.MapWeight(2, 1), 0.5f);  // inverse linear: 1 - (1 - D)
  EXPECT_FLOAT_EQ(s->prob.EffWeight(3, 2), 0.25f);
  // Stress1 normaliser: 0.5 * 0.25 + 0.8 * 0.64 + 0.25 * 0.0625.
  EXPECT_FLOAT_EQ(s->derived.ObjFnNormaliser, 2 * (0.125f + 0.512f + 0.015625f));
  EXPECT_EQ(s->captions.cmdMappingWtFns, "&MAPPING  WTs:\r\nInverse Linear");
  ExpectSeriesReset(*s);
  s->set.AdjustableMappingWt = 0.5;
  s->set.MapWeightComplementary = false;
  cmdMappingWtFns_Click(*s, platform);  // Strong
  cmdMappingWtFns_Click(*s, platform);  // Adjustable: m from AdjustableMappingWt
  EXPECT_EQ(s->set.MappingWtParam, 0.5f);
  EXPECT_FLOAT_EQ(s->set.MapWeightFloor, 0.02f);
  EXPECT_FLOAT_EQ(s->prob.MapWeight(2, 1), 0.5f / 0.75f);
  EXPECT_EQ(s->captions.cmdMappingWtFns, "&MAPPING  WTs:\r\nAdjustable");
}

TEST(MappingWtButton, WithoutAProblemOnlyTheCodeAndCaptionChange) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  s->run.RunState = kNoProblem;
  s->set.MappingWtParam = 1.0f;
  DirtySeries(*s);
  testing::FakePlatform platform;
  cmdMappingWtFns_Click(*s, platform);
  EXPECT_EQ(s->set.MappingWtFunctionNum, 1);
  EXPECT_EQ(s->set.MappingWtParam, 1.0f);
  EXPECT_EQ(s->prob.MapWeight(2, 1), 1.0f);
  EXPECT_EQ(s->captions.cmdMappingWtFns, "&MAPPING  WTs:\r\nWeak");
  ExpectSeriesReset(*s);
}

TEST(BadnessButton, WrapsAndSkipsTheSuppressedFunction) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  const int& code = s->set.BadnessFunctionNum;
  s->set.BadnessFunctionNum = 0;
  s->set.SuppressNum = -1;
  EXPECT_EQ(Rotate(*s, cmdBadnessFns_Click, code, 5, false), (std::vector<int>{1, 2, 3, 4, 0}));
  EXPECT_EQ(Rotate(*s, cmdBadnessFns_Click, code, 5, true), (std::vector<int>{4, 3, 2, 1, 0}));
  s->set.SuppressNum = 0;
  EXPECT_EQ(Rotate(*s, cmdBadnessFns_Click, code, 4, false), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(Rotate(*s, cmdBadnessFns_Click, code, 1, false), (std::vector<int>{1}));
  s->set.SuppressNum = 1;
  EXPECT_EQ(Rotate(*s, cmdBadnessFns_Click, code, 2, true), (std::vector<int>{0, 4}));
}

TEST(BadnessButton, RecomputesTheNormaliserAndCaption) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  testing::SetMissing(*s, 3, 2);
  s->set.BadnessFunctionNum = 2;
  DirtySeries(*s);
  testing::FakePlatform platform;
  cmdBadnessFns_Click(*s, platform);
  EXPECT_EQ(s->captions.cmdBadnessFns, "&BADNESS:\r\nMultiscale");
  EXPECT_EQ(s->derived.ObjFnNormaliser, 6.0f);  // three pairs of weight 1
  ExpectSeriesReset(*s);
}

TEST(DistanceButton, SkipsMinkowskiWhileItsExponentRoundsToTwo) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  const int& code = s->set.DistanceFunctionNum;
  s->set.MinkowskiExponent = 2.04f;
  EXPECT_EQ(Rotate(*s, cmdDistanceFns_Click, code, 3, false), (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(Rotate(*s, cmdDistanceFns_Click, code, 3, true), (std::vector<int>{0, 1, 0}));
  s->set.MinkowskiExponent = 2.1f;
  EXPECT_EQ(Rotate(*s, cmdDistanceFns_Click, code, 3, false), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(Rotate(*s, cmdDistanceFns_Click, code, 3, true), (std::vector<int>{2, 1, 0}));
}

TEST(DistanceButton, CaptionShowsTheExponentForMinkowski) {
  auto s = testing::TinyProblem(3, {0.5f, 0.8f, 0.25f});
  s->set.MinkowskiExponent = 1.5f;
  DirtySeries(*s);
  testing::FakePlatform platform;
  cmdDistanceFns_Click(*s, platform);
  EXPECT_EQ(s->captions.cmdDistanceFns, "&DISTANCE:\r\nCity Block");
  ExpectSeriesReset(*s);
  cmdDistanceFns_Click(*s, platform);
  EXPECT_EQ(s->captions.cmdDistanceFns, "&DISTANCE:\r\nMinkowski 1.5");
  cmdDistanceFns_Click(*s, platform);
  EXPECT_EQ(s->captions.cmdDistanceFns, "&DISTANCE:\r\nEuclidean");
}

}  // namespace
}  // namespace quorel
