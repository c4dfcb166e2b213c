#include "eval/eval_links.h"

#include <gtest/gtest.h>

#include "eval/evaluation_json.h"
#include "prep/dissim_ranks.h"
#include "prep/error_bounds.h"
#include "support/fake_platform.h"
#include "support/json_flat.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

using testing::Place;
using testing::TinyProblem;

// Four objects on the x axis at 0, 0.2, 0.5 and 0.9: in link order (1,2),
// (1,3), (2,3), (1,4), (2,4), (3,4) the map distances are .2 .5 .3 .9 .7 .4
// and the dissimilarities .25 .45 .35 .85 .75 .3.  Bounds are Dij +- 0.04,
// the interval constant 0.1.
std::unique_ptr<Session> LineOfFour(int mds_type) {
  auto s = TinyProblem(4, {0.25f, 0.45f, 0.35f, 0.85f, 0.75f, 0.3f});
  const float x[] = {0.0f, 0.2f, 0.5f, 0.9f};
  for (int i = 1; i <= 4; ++i) Place(*s, i, {x[i - 1], 0.0f});
  s->set.MDSAnalysisTypeNum = mds_type;
  s->set.ErrorBoundsTypeNum = 0;
  s->set.FixedErrorBound = 0.04f;
  s->prob.IntervalConstant = (mds_type == 2 || mds_type == 3) ? 0.1f : 0.0f;
  testing::FakePlatform platform;
  ComputeDissimRanks(*s, platform);
  ComputeErrorBounds(*s);
  return s;
}

struct StretchCase {
  int mds_type;
  float stretch[6];  // in link order, worked out by hand
  float rsq;
};

// Ratio: s = (d - D) / (D + .0001).  Bounds: measured from the bound that is
// passed, 0 inside.  Interval: d - IC against D.  Ordinal: against the
// distances of the neighbouring rank groups, the bottom group against
// [.25, .26] and the top group against .85 (the smallest and largest Dij).
// Rsq: SST = .34 about the mean distance .5; SSE .0225 (ratio), .0725
// (interval), .005 (ordinal, adjusted distances .2 .35 .35 .5 .7 .9).
const StretchCase kStretchCases[] = {
    {0, {-0.199920f, 0.111086f, -0.142816f, 0.058817f, -0.066658f, 0.333222f}, 0.933824f},
    {1, {-0.047596f, 0.020404f, -0.032248f, 0.011235f, -0.014082f, 0.176419f}, 0.933824f},
    {2, {-0.428449f, -0.090893f, -0.333259f, -0.052626f, -0.176450f, 0.0f}, 0.786765f},
    {3, {-0.354724f, -0.019604f, -0.268227f, -0.010988f, -0.135786f, 0.0f}, 0.786765f},
    {4, {-0.199920f, 0.0f, -0.249938f, 0.058817f, 0.0f, 0.333222f}, 0.985294f},
};

TEST(EvaluateLinks, StretchAndShepardFitOfEachMdsType) {
  for (const StretchCase& c : kStretchCases) {
    SCOPED_TRACE(c.mds_type);
    auto s = LineOfFour(c.mds_type);
    const LinkEvaluation e = EvaluateLinks(*s);
    ASSERT_EQ(e.links.size(), 6u);
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(e.links[k].stretch, c.stretch[k], 2e-6) << k;
    EXPECT_NEAR(e.fit.rsq, c.rsq, 2e-6);
  }
}

// The batch solver's JSON carries the same hand-computed figures, every link
// with --details and none without.
TEST(EvaluationJson, LinksOfEachMdsType) {
  for (const StretchCase& c : kStretchCases) {
    SCOPED_TRACE(c.mds_type);
    auto s = LineOfFour(c.mds_type);
    const auto j = testing::FlattenJson(EvaluationJson(*s, EvaluationKind::kLinks, true));
    ASSERT_TRUE(j);
    EXPECT_EQ(j->at("n"), "6");
    EXPECT_NEAR(std::stod(j->at("shepard_rsq")), c.rsq, 2e-6);
    double sum = 0;
    for (int k = 0; k < 6; ++k) {
      EXPECT_NEAR(std::stod(j->at("links." + std::to_string(k) + ".stretch")), c.stretch[k], 2e-6);
      sum += c.stretch[k];
    }
    EXPECT_NEAR(std::stod(j->at("stretch_mean")), sum / 6, 2e-6);
    EXPECT_EQ(j->at("links.3.dissim") + " " + j->at("links.3.dist"), "0.85 0.9");  // (1,4)
    EXPECT_EQ(
        testing::FlattenJson(EvaluationJson(*s, EvaluationKind::kLinks, false))->count("links.0.i"),
        0u);
  }
  const auto ordinal =
      testing::FlattenJson(EvaluationJson(*LineOfFour(4), EvaluationKind::kLinks, false));
  EXPECT_NEAR(std::stod(ordinal->at("shepard_std_error")), 0.031623, 1e-6);  // sqrt(.005 / 5)
}

TEST(EvaluateLinks, ListOrderSortingAndAdjustedDistances) {
  auto s = LineOfFour(4);
  s->prob.ObjParked[2] = 1;  // leaves (1,3), (1,4), (3,4)
  s->prob.DissimMissing(1, 4) = s->prob.DissimMissing(4, 1) = 1;
  LinkEvaluation e = EvaluateLinks(*s);
  ASSERT_EQ(e.links.size(), 2u);
  EXPECT_EQ(e.links[0].i, 1);
  EXPECT_EQ(e.links[0].j, 3);
  EXPECT_EQ(e.links[1].i, 3);
  EXPECT_EQ(e.links[1].j, 4);
  EXPECT_EQ(e.order, (std::vector<int>{1, 0}));  // .3 before .45

  e = EvaluateLinks(*LineOfFour(4));
  EXPECT_EQ(e.order, (std::vector<int>{0, 5, 2, 1, 4, 3}));
  const std::vector<float> adjusted = {0.2f, 0.35f, 0.35f, 0.5f, 0.7f, 0.9f};
  for (int k = 0; k < 6; ++k) EXPECT_NEAR(e.adjusted[k], adjusted[k], 1e-6);
  EXPECT_NEAR(e.fit.std_error, 0.031623f, 1e-6);  // sqrt(.005 / 5)
}

TEST(EvaluateLinks, ExactFitAndEqualDistances) {
  // On the line at 0, .3, .5 with Dij equal to the distances: Rsq 1.
  auto exact = TinyProblem(3, {0.3f, 0.5f, 0.2f});
  Place(*exact, 2, {0.3f});
  Place(*exact, 3, {0.5f});
  EXPECT_EQ(EvaluateLinks(*exact).fit.rsq, 1.0f);
  EXPECT_EQ(EvaluateLinks(*exact).fit.std_error, 0.0f);
  // An equilateral triangle: every distance .5, the dissimilarities differ.
  auto equal = TinyProblem(3, {0.2f, 0.5f, 0.8f});
  Place(*equal, 2, {0.5f, 0.0f});
  Place(*equal, 3, {0.25f, 0.4330127f});
  const LinkEvaluation e = EvaluateLinks(*equal);
  EXPECT_EQ(e.fit.rsq, 0.0f);
  EXPECT_EQ(e.fit.std_error, 0.0f);
}

TEST(WaernCut, PositionsAreRoundedAndClampedToTheLinks) {
  struct {
    int n, percent, k1, k2;
  } cases[] = {{10, 33, 3, 7}, {1, 33, 1, 1}, {3, 1, 1, 3}, {0, 33, 0, 0}, {200, 50, 100, 100}};
  for (const auto& c : cases) {
    const WaernCut cut = WaernCutPositions(c.n, c.percent);
    EXPECT_EQ(cut.k1, c.k1) << c.n << " " << c.percent;
    EXPECT_EQ(cut.k2, c.k2) << c.n << " " << c.percent;
  }
}

std::vector<int> MarkedPairs(const LinksView& view, const LinkEvaluation& e) {
  std::vector<int> pairs;
  for (const MarkedLink& m : view.marked)
    pairs.push_back(e.links[m.link].i * 10 + e.links[m.link].j);
  return pairs;
}

TEST(ShowLinksOption, WaernLinksBelowAndAboveTheCut) {
  // Five objects, ten links with distinct dissimilarities .1 .. 1.0.
  auto s = TinyProblem(5, {0.5f, 0.1f, 0.9f, 0.3f, 0.7f, 0.2f, 1.0f, 0.4f, 0.6f, 0.8f});
  const LinkEvaluation e = EvaluateLinks(*s);
  const LinksView smallest = ShowLinksOption(e, 0, 33);
  EXPECT_EQ(MarkedPairs(smallest, e), (std::vector<int>{13, 34}));  // .1 and .2
  EXPECT_EQ(smallest.marked[0].mark, LinkMark::kWaernSmallest);
  EXPECT_EQ(smallest.waern_caption, "Waern Links (smallest 33%)");
  EXPECT_TRUE(smallest.slider_enabled);
  const LinksView largest = ShowLinksOption(e, 1, 33);
  EXPECT_EQ(MarkedPairs(largest, e), (std::vector<int>{23, 15, 45}));  // .9 1.0 .8 above .7
  EXPECT_EQ(largest.marked[0].mark, LinkMark::kWaernLargest);
  EXPECT_FALSE(ShowLinksOption(e, 3, 33).slider_enabled);
  // No link at all: nothing to cut.
  EXPECT_TRUE(ShowLinksOption(EvaluateLinks(*TinyProblem(1, {})), 0, 33).marked.empty());
}

// A hand-made list: the mean of s is 0.1 and its sd 0.1 (set directly).
LinkEvaluation WithStretches(const std::vector<float>& stretches) {
  LinkEvaluation e;
  for (float v : stretches) {
    Link link;
    link.stretch = v;
    e.links.push_back(link);
  }
  e.stretch = {static_cast<int>(stretches.size()), 0.1f, 0.1f};
  return e;
}

TEST(ShowLinksOption, StretchedAndCompressedOutliersStandardiseAboutTheMean) {
  // z = (v - .1)/.1 for stretched (v = s), z = (v + .1)/.1 for compressed
  // (v = -s): s = .3 gives z 2 (5 %), .35 gives 2.5 (1 %); s = -.1 gives
  // z 2, -.2 gives 3; s = .004 is within half a percent.
  const LinkEvaluation e = WithStretches({0.3f, 0.35f, -0.1f, -0.2f, 0.004f, 0.2f, -0.003f});
  struct {
    int option;
    std::vector<std::pair<int, LinkMark>> marked;
  } cases[] = {
      {3,
       {{0, LinkMark::kBeyondHalfPercent},
        {1, LinkMark::kBeyondHalfPercent},
        {5, LinkMark::kBeyondHalfPercent}}},
      {4, {{0, LinkMark::kOutlier5}, {1, LinkMark::kOutlier1}}},
      {5, {{2, LinkMark::kBeyondHalfPercent}, {3, LinkMark::kBeyondHalfPercent}}},
      {6, {{2, LinkMark::kOutlier5}, {3, LinkMark::kOutlier1}}},
  };
  for (const auto& c : cases) {
    const LinksView view = ShowLinksOption(e, c.option, 33);
    std::vector<std::pair<int, LinkMark>> marked;
    for (const MarkedLink& m : view.marked) marked.push_back({m.link, m.mark});
    EXPECT_EQ(marked, c.marked) << c.option;
    EXPECT_EQ(view.waern_caption, "Waern Links Not Selected");
  }
  // Without spread nothing is judged, and the outlier notes say so.
  LinkEvaluation flat = WithStretches({0.3f, 0.3f});
  flat.stretch.sd = 0.00009f;
  EXPECT_TRUE(ShowLinksOption(flat, 3, 33).marked.empty());
  EXPECT_EQ(ShowLinksOption(flat, 4, 33).notes, "No outliers found.");
  EXPECT_NE(ShowLinksOption(flat, 3, 33).notes, "No outliers found.");
}

TEST(ShepardPlot, PointsReferenceAndBands) {
  const LinkEvaluation ordinal = EvaluateLinks(*LineOfFour(4));
  const ShepardPlot plot = ShepardPlotData(ordinal);
  ASSERT_EQ(plot.points.size(), 6u);
  EXPECT_FLOAT_EQ(plot.points[3].x, 0.85f);
  EXPECT_FLOAT_EQ(plot.points[3].y, 0.9f);
  // The step line: a level per sorted link, a rise at each next dissimilarity.
  ASSERT_EQ(plot.reference.size(), 11u);
  EXPECT_FLOAT_EQ(plot.reference[1].x, 0.3f);
  EXPECT_FLOAT_EQ(plot.reference[1].y, 0.2f);
  EXPECT_FLOAT_EQ(plot.reference[2].y, 0.35f);
  EXPECT_NEAR(plot.inner_band, 1.65f * 0.031623f, 1e-6);
  EXPECT_NEAR(plot.outer_band, 2.33f * 0.031623f, 1e-6);
  EXPECT_EQ(plot.rsq_text, "Rsq=.985");
  EXPECT_EQ(plot.top, 1.0f);
  // Interval: the points sit at IC + Dij, the reference is the diagonal.
  const ShepardPlot interval = ShepardPlotData(EvaluateLinks(*LineOfFour(2)));
  EXPECT_FLOAT_EQ(interval.points[0].x, 0.35f);
  ASSERT_EQ(interval.reference.size(), 2u);
  EXPECT_EQ(interval.reference[1].x, interval.reference[1].y);
}

}  // namespace
}  // namespace quorel
