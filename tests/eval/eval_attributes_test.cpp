#include "eval/eval_attributes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "eval/evaluation_json.h"
#include "model/map_layout.h"
#include "support/fake_platform.h"
#include "support/json_flat.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

using testing::Place;
using testing::TinyProblem;

// Eight objects evenly on a circle of radius .5 (so every direction spreads
// them alike) with attribute 1 given by `value`(x, y).
std::unique_ptr<Session> Ring(const std::function<float(float, float)>& value) {
  auto s = TinyProblem(8, {});
  s->prob.NAttributes = 1;
  for (int i = 1; i <= 8; ++i) {
    const double a = (i - 1) * std::numbers::pi / 4 + 0.3;
    const float x = static_cast<float>(0.5 * std::cos(a)),
                y = static_cast<float>(0.5 * std::sin(a));
    Place(*s, i, {x, y});
    s->prob.AttribValue(i, 1) = value(x, y);
  }
  testing::FakePlatform platform;
  LayOutMap(*s, DefaultWindowMetrics());
  for (int i = 1; i <= 8; ++i) PlaceObject(*s, platform, i);
  return s;
}

TEST(BestDirection, FollowsTheAttribute) {
  const double tilt = 5 * std::numbers::pi / 180;
  struct {
    const char* name;
    std::function<float(float, float)> value;
    float angle;
    float slope;
  } cases[] = {
      {"x", [](float x, float) { return x; }, 0.0f, 1.0f},
      {"y", [](float, float y) { return y; }, 90.0f, 1.0f},
      {"-3x + 2", [](float x, float) { return 2 - 3 * x; }, 0.0f, -3.0f},
      // Half way between two angles of the coarse scan: the scan goes on past
      // the two equal fits at 0 and 10 degrees and the refinement finds 5.
      {"5 degrees",
       [&](float x, float y) {
         return static_cast<float>(std::cos(tilt) * x + std::sin(tilt) * y);
       },
       5.0f, 1.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto ring = Ring(c.value);
    const std::optional<DirectionFit> fit = BestDirection(*ring, 1);
    ASSERT_TRUE(fit);
    // The batch solver's JSON carries the same fit.
    const auto j = testing::FlattenJson(EvaluationJson(*ring, EvaluationKind::kAttributes, false));
    ASSERT_TRUE(j);
    EXPECT_NEAR(std::stod(j->at("attributes.0.angle")), c.angle, 0.011);
    EXPECT_NEAR(std::stod(j->at("attributes.0.b")), c.slope, 1e-3);
    EXPECT_NEAR(std::stod(j->at("attributes.0.a")), c.value(0, 0), 1e-3);  // the value at p = 0
    EXPECT_NEAR(std::stod(j->at("attributes.0.rsq")), 1.0, 1e-5);
    EXPECT_EQ(j->at("attributes.0.objects"), "8");
    EXPECT_FALSE(fit->fallback);
    EXPECT_NEAR(fit->angle, c.angle, 0.011);
    EXPECT_NEAR(fit->line.slope, c.slope, 1e-3);
    EXPECT_NEAR(fit->line.rsq, 1.0f, 1e-5);
    EXPECT_LE(fit->line.rsq, 1.0f + 1e-6f);
  }
}

TEST(BestDirection, FallsBackToTheObjectsMeanSlopeWhenTheFitIsFlat) {
  // A constant attribute fits equally at every angle.
  auto ring = Ring([](float, float) { return 4.0f; });
  std::optional<DirectionFit> fit = BestDirection(*ring, 1);
  ASSERT_TRUE(fit);
  EXPECT_TRUE(fit->fallback);
  double slopes = 0;
  for (int i = 1; i <= 8; ++i) slopes += ring->prob.LocDim[2][i] / ring->prob.LocDim[1][i];
  double expected = std::atan(slopes / 8) * 180 / std::numbers::pi;
  EXPECT_NEAR(fit->angle, expected < 0 ? expected + 180 : expected, 1e-3);
  EXPECT_EQ(fit->line.rsq, 1.0f);
  // All objects on the y axis, the attribute unrelated to the position
  // (values 1, 0, 1): no angle explains any of it, and none can be taken
  // from the objects but the axis they lie on.
  auto column = TinyProblem(3, {});
  column->prob.NAttributes = 1;
  for (int i = 1; i <= 3; ++i) {
    Place(*column, i, {0.0f, 0.2f * i});
    column->prob.AttribValue(i, 1) = i == 2 ? 0.0f : 1.0f;
  }
  fit = BestDirection(*column, 1);
  ASSERT_TRUE(fit);
  EXPECT_TRUE(fit->fallback);
  EXPECT_EQ(fit->angle, 90.0f);
  // One value left: a direction but no line; none left: no direction.
  auto json = [&] {
    const auto j =
        testing::FlattenJson(EvaluationJson(*column, EvaluationKind::kAttributes, false));
    return j ? j->at("attributes.0.angle") + " " + j->at("attributes.0.a") + " " +
                   j->at("attributes.0.b")
             : "invalid";
  };
  column->prob.AttribMissing(1, 1) = column->prob.AttribMissing(2, 1) = 1;
  EXPECT_EQ(json(), "90 null null");
  column->prob.AttribMissing(3, 1) = 1;
  EXPECT_EQ(json(), "null null null");
  EXPECT_FALSE(BestDirection(*column, 1));
  EXPECT_TRUE(ShowAttributesOption(*column, 1, 0, false).no_values);
}

TEST(AttributeVector, ShaftHeadAndLabelOnTheSideOfIncreasingValues) {
  for (float sign : {1.0f, -1.0f}) {
    auto s = Ring([sign](float x, float) { return sign * x; });
    const MapGeometry& g = s->map;
    const AttributeVector v = VectorOf(*s, *BestDirection(*s, 1));
    const double tip = g.MapCentreX + sign * g.UnitRadius;
    EXPECT_NEAR(v.shaft.x1, tip, 1);
    EXPECT_NEAR(v.shaft.x2, g.MapCentreX - sign * g.UnitRadius, 1);
    EXPECT_NEAR(v.shaft.y1, g.MapCentreY, 1);
    EXPECT_NEAR(v.head.front().x, tip, 1);
    // The arc lies a tenth of the unit radius back toward the centre.
    const PlotPoint middle = v.head[v.head.size() / 2];
    EXPECT_NEAR(middle.x, tip - sign * 0.1 * g.UnitRadius, 1);
    EXPECT_NEAR(middle.y, g.MapCentreY, 1);
    EXPECT_EQ(v.label, "  A1");
    EXPECT_EQ(v.label_left, sign < 0);
  }
}

TEST(ShowAttributesOption, QuartilesValuesTieLinesAndNotes) {
  auto s = Ring([](float x, float) { return x; });
  s->prob.AttribValue(2, 1) = 150.0f;  // printed as ">99"
  const AttributesView quartiles = ShowAttributesOption(*s, 1, 1, true);
  // Eight values: two per quartile, the lowest two stay clear.
  ASSERT_EQ(quartiles.fills.size(), 6u);
  int black = 0;
  for (const ObjectFill& f : quartiles.fills) black += f.fill == CircleFill::kBlack;
  EXPECT_EQ(black, 2);
  EXPECT_FALSE(quartiles.tie_lines.empty());
  EXPECT_EQ(quartiles.vectors.size(), 1u);
  EXPECT_EQ(quartiles.plot.points.size(), 8u);
  EXPECT_EQ(quartiles.plot.caption, "Using Only Attribute A1");
  EXPECT_EQ(quartiles.notes.rfind("Attribute A1: a=", 0), 0u);

  const AttributesView values = ShowAttributesOption(*s, 1, 2, false);
  ASSERT_EQ(values.values.size(), 8u);
  EXPECT_EQ(values.values[1].text, ">99");
  EXPECT_TRUE(values.tie_lines.empty());
  EXPECT_TRUE(values.fills.empty());

  // Tie lines run from the rim straight to the vector: at 0 degrees up or
  // down, ending on the x axis.
  auto exact = Ring([](float x, float) { return x; });
  const MapGeometry& g = exact->map;
  const std::vector<MapSegment> ties = ShowAttributesOption(*exact, 1, 0, true).tie_lines;
  ASSERT_EQ(ties.size(), 8u);
  for (int k = 0; k < 8; ++k) {
    const int i = k + 1;
    EXPECT_NEAR(ties[k].x1, g.CircleLeft[i] + 200, 2.0);
    EXPECT_NEAR(ties[k].x2, ties[k].x1, 2.0);
    EXPECT_NEAR(ties[k].y2, g.MapCentreY, 1.0);
    EXPECT_NEAR(std::fabs(ties[k].y1 - (g.CircleTop[i] + 200)), 200, 1.0);
  }
}

TEST(ShowAttributesOption, AllVectorsSkipParkedOrEmptyAttributes) {
  auto s = Ring([](float x, float) { return x; });
  s->prob.NAttributes = 3;
  for (int i = 1; i <= 8; ++i) {
    s->prob.AttribValue(i, 2) = s->prob.LocDim[2][i];
    s->prob.AttribMissing(i, 3) = 1;
  }
  s->prob.AttribParked[2] = 1;
  EXPECT_EQ(ShowAttributesOption(*s, 1, 3, false).vectors.size(), 1u);
  const AttributesView all = ShowAttributesOption(*s, 1, 4, false);
  ASSERT_EQ(all.vectors.size(), 2u);
  EXPECT_EQ(all.vectors[1].fit.attribute, 2);
  EXPECT_EQ(all.plot.caption, "Using All Attributes");
  // Each attribute is put on 0..1 in the shared plot.
  for (const PlotPoint& p : all.plot.points) EXPECT_NEAR(p.x, p.y, 1e-3);
  EXPECT_GE(all.plot.low, -1e-3);
  EXPECT_LE(all.plot.high, 1.001f);
}

}  // namespace
}  // namespace quorel
