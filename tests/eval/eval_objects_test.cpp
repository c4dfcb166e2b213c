#include "eval/eval_objects.h"

#include <gtest/gtest.h>

#include "eval/evaluation_json.h"
#include "prep/dissim_ranks.h"
#include "prep/error_bounds.h"
#include "solver/objective.h"
#include "support/fake_platform.h"
#include "support/json_flat.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

using testing::Place;
using testing::TinyProblem;

// The four objects of the links test: on the x axis at 0, .2, .5, .9 with
// dissimilarities (1,2) .25, (1,3) .45, (2,3) .35, (1,4) .85, (2,4) .75,
// (3,4) .3.
std::unique_ptr<Session> LineOfFour(int mds_type, float bound = 0.04f) {
  auto s = TinyProblem(4, {0.25f, 0.45f, 0.35f, 0.85f, 0.75f, 0.3f});
  const float x[] = {0.0f, 0.2f, 0.5f, 0.9f};
  for (int i = 1; i <= 4; ++i) Place(*s, i, {x[i - 1], 0.0f});
  s->set.MDSAnalysisTypeNum = mds_type;
  s->set.BadnessFunctionNum = 0;
  s->set.ErrorBoundsTypeNum = 0;
  s->set.FixedErrorBound = bound;
  s->run.OrdinalIterationCount = 1000;  // past the warm-up
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  ComputeErrorBounds(*s);
  ComputeObjFnNormaliser(*s);
  return s;
}

TEST(EvaluateObjects, OutOfPlaneTendencyByMdsType) {
  struct {
    int mds_type;
    float bound;
    float oop[4];  // worked out by hand
  } cases[] = {
      // Ratio, object 1: ((.25-.2)/.2001 + (.45-.5)/.5001 + (.85-.9)/.9001) / 3.
      {0, 0.04f, {0.031449f, 0.162635f, -0.061102f, -0.078023f}},
      // Bounds of .2 hold every distance: nothing to pull.
      {1, 0.2f, {0.0f, 0.0f, 0.0f, 0.0f}},
      // Ordinal: the bottom pair (1,2) aims at [.25, .26], the top pair (1,4)
      // at .85; object 4: (-.05/.9001 + 0 - .1/.4001) / 3.
      {4, 0.04f, {0.064775f, 0.194366f, 0.027762f, -0.101829f}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mds_type);
    auto s = LineOfFour(c.mds_type, c.bound);
    const std::vector<ObjectMeasure> m = EvaluateObjects(*s);
    // The batch solver's JSON carries the same figures.
    const auto j = testing::FlattenJson(EvaluationJson(*s, EvaluationKind::kObjects, false));
    ASSERT_TRUE(j);
    ASSERT_EQ(m.size(), 4u);
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(m[k].object, k + 1);
      EXPECT_TRUE(m[k].has_out_of_plane);
      EXPECT_NEAR(m[k].out_of_plane, c.oop[k], 2e-6) << k + 1;
      const std::string object = "objects." + std::to_string(k) + ".";
      EXPECT_EQ(j->at(object + "object"), std::to_string(k + 1));
      EXPECT_NEAR(std::stod(j->at(object + "out_of_plane")), c.oop[k], 2e-6) << k + 1;
    }
    EXPECT_EQ(j->at("out_of_plane_stats.count"), "4");
  }
}

TEST(EvaluateObjects, ObjectiveSharesAddUpToTheObjectiveValue) {
  for (int type : {0, 1, 4}) {
    auto s = LineOfFour(type);
    double raw = 0;
    for (int i = 1; i <= 4; ++i) {
      ObjectStep step;
      EvaluateObject(*s, i, step);
      raw += step.badness_sum;
    }
    double total = 0;
    for (const ObjectMeasure& m : EvaluateObjects(*s)) total += m.objective;
    EXPECT_NEAR(total, ObjectiveValue(*s, static_cast<float>(raw)), 1e-6) << type;
  }
  // Ratio Stress by hand, object 1: (.05^2 + .05^2 + .05^2) / (2 * 1.7625).
  EXPECT_NEAR(EvaluateObjects(*LineOfFour(0))[0].objective, 0.0075f / 3.525f, 1e-7);
}

TEST(EvaluateObjects, ParkedObjectsAndWeightlessPartners) {
  auto s = LineOfFour(0);
  s->prob.ObjParked[3] = 1;
  for (int j = 1; j <= 4; ++j) testing::SetWeight(*s, 4, j, 0.0f);
  const std::vector<ObjectMeasure> m = EvaluateObjects(*s);
  ASSERT_EQ(m.size(), 3u);
  EXPECT_EQ(m[2].object, 4);
  EXPECT_FALSE(m[2].has_out_of_plane);
  EXPECT_EQ(m[2].out_of_plane, 0.0f);
  EXPECT_TRUE(m[0].has_out_of_plane);
  // Object 4 keeps no out-of-plane value; ratio Stress by hand, object 1:
  // .05^2 from its partners 2 and 4 (3 is parked) over 2 * 1.7625.
  const auto j = testing::FlattenJson(EvaluationJson(*s, EvaluationKind::kObjects, false));
  ASSERT_TRUE(j);
  EXPECT_EQ(j->at("objects.2.object") + " " + j->at("objects.2.out_of_plane"), "4 null");
  EXPECT_EQ(j->count("objects.3.object"), 0u);
}

std::vector<ObjectMeasure> Measures(const std::vector<float>& values) {
  std::vector<ObjectMeasure> m;
  for (size_t k = 0; k < values.size(); ++k)
    m.push_back({static_cast<int>(k) + 1, values[k], values[k], true});
  return m;
}

std::vector<std::pair<int, CircleFill>> Fills(const ObjectsView& view) {
  std::vector<std::pair<int, CircleFill>> out;
  for (const ObjectFill& f : view.fills) out.push_back({f.object, f.fill});
  return out;
}

TEST(ShowObjectsOption, QuarterRangesOutliersAndParetoBars) {
  using enum CircleFill;
  // 0..10 by steps of 1, quarter points 2.5, 5, 7.5.
  std::vector<float> ramp;
  for (int v = 0; v <= 10; ++v) ramp.push_back(static_cast<float>(v));
  const ObjectsView quarters = ShowObjectsOption(Measures(ramp), 0);
  EXPECT_EQ(Fills(quarters), (std::vector<std::pair<int, CircleFill>>{{4, kLightGrey},
                                                                      {5, kLightGrey},
                                                                      {6, kLightGrey},
                                                                      {7, kGrey},
                                                                      {8, kGrey},
                                                                      {9, kBlack},
                                                                      {10, kBlack},
                                                                      {11, kBlack}}));
  // The bars run from the largest down, scaled by the maximum, with the fills.
  ASSERT_EQ(quarters.plot.bars.size(), 11u);
  EXPECT_EQ(quarters.plot.bars[0].object, 11);
  EXPECT_EQ(quarters.plot.bars[0].value, 1.0f);
  EXPECT_EQ(quarters.plot.bars[0].fill, kBlack);
  EXPECT_FLOAT_EQ(quarters.plot.average, 0.5f);
  EXPECT_FALSE(quarters.plot.is_signed);

  // Twelve values with mean 2 and sd 20.27: 50 has z = 2.37 (1 %), -45 has
  // z = -2.32, a 5 % outlier for the out-of-plane measure, which counts both
  // sides.
  const std::vector<float> spiky = {1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 50, -45};
  EXPECT_EQ(Fills(ShowObjectsOption(Measures(spiky), 2)),
            (std::vector<std::pair<int, CircleFill>>{{11, kRed}}));
  const ObjectsView oop = ShowObjectsOption(Measures(spiky), 5);
  EXPECT_EQ(Fills(oop), (std::vector<std::pair<int, CircleFill>>{{11, kRed}, {12, kBlack}}));
  EXPECT_NE(oop.notes.find("Object 12: -45.0000"), std::string::npos);
  // Signed scale: the symmetric bound is 50.
  EXPECT_TRUE(oop.plot.is_signed);
  EXPECT_FLOAT_EQ(oop.plot.bars.back().value, -0.9f);
  EXPECT_EQ(ShowObjectsOption(Measures({1, 2, 1, 2}), 2).notes, "No outliers found.");
}

TEST(ShowObjectsOption, NoVariationShowsNothing) {
  for (const std::vector<float>& values : {std::vector<float>{0.3f}, {2, 2, 2}, {0, 0}}) {
    for (int option = 0; option < 6; ++option) {
      const ObjectsView view = ShowObjectsOption(Measures(values), option);
      EXPECT_EQ(view.notes, "Insignificant Variation");
      EXPECT_TRUE(view.fills.empty());
    }
  }
  EXPECT_TRUE(ShowObjectsOption(Measures({0, 0}), 1).plot.about_zero);
  EXPECT_FALSE(ShowObjectsOption(Measures({2, 2}), 1).plot.about_zero);
}

// The quarter shading at the edges of each quarter: values just below and
// just above the quarter points of the range 0..10.
TEST(QuarterFill, EachQuarterPointSeparatesTwoShades) {
  using enum CircleFill;
  const std::vector<std::pair<float, CircleFill>> rows = {
      {0.0f, kClear}, {2.4f, kClear}, {2.6f, kLightGrey}, {4.9f, kLightGrey},
      {5.1f, kGrey},  {7.4f, kGrey},  {7.6f, kBlack},     {10.0f, kBlack}};
  std::vector<ObjectMeasure> measures;
  for (size_t k = 0; k < rows.size(); ++k)
    measures.push_back({static_cast<int>(k) + 1, rows[k].first, 0.0f, true});
  for (int option : {0, 3}) {  // the objective and the out-of-plane measure alike
    if (option == 3)
      for (ObjectMeasure& m : measures) std::swap(m.objective, m.out_of_plane);
    std::vector<CircleFill> shown(rows.size(), kClear);
    for (const ObjectFill& f : ShowObjectsOption(measures, option).fills)
      shown[f.object - 1] = f.fill;
    for (size_t k = 0; k < rows.size(); ++k)
      EXPECT_EQ(shown[k], rows[k].second) << "option " << option << ", value " << rows[k].first;
  }
}

}  // namespace
}  // namespace quorel
