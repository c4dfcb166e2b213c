#include "eval/eval_attributes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "input/line_tokenizer.h"
#include "model/numeric.h"
#include "model/text_format.h"

namespace quorel {
namespace {

constexpr float kNoSpread = 0.00001f;   // Sxx or Syy below this: no spread
constexpr float kFlatFit = 0.0001f;     // Rsq range below this: no direction
constexpr float kOnAxis = 0.00001f;     // |x| at most this: on the y axis
constexpr double kHeadRadius = 0.1;     // of the unit radius
constexpr double kHeadHalfAngle = 0.2;  // radians
constexpr int kHeadArcPoints = 8;

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

// The direction given by the objects themselves: their mean slope y / x.
float MeanSlopeAngle(const AttributeSample& sample) {
  double sum = 0;
  int count = 0;
  for (size_t k = 0; k < sample.x.size(); ++k) {
    if (std::fabs(sample.x[k]) <= kOnAxis) continue;
    sum += sample.y[k] / sample.x[k];
    ++count;
  }
  if (count == 0) return 90.0f;
  const double mean = sum / count;
  if (std::fabs(mean) < kOnAxis) return 0.0f;
  double angle = std::atan(mean) * 180.0 / std::numbers::pi;
  if (angle < 0) angle += 180.0;
  return static_cast<float>(angle);
}

// Scans [centre + from, centre + to] in steps of `step`; a later angle
// replaces the best only when its fit is strictly better.
void Refine(const AttributeSample& sample, float from, float to, float step, DirectionFit& best) {
  const float centre = best.angle;
  const int steps = static_cast<int>(std::floor((to - from) / step + 0.001f));
  for (int k = 0; k <= steps; ++k) {
    const float angle = centre + from + static_cast<float>(k) * step;
    const LineFit fit = FitAtAngle(sample, angle);
    if (fit.rsq > best.line.rsq) {
      best.angle = angle;
      best.line = fit;
    }
  }
}

// Quartile of each value among all of them (ties share the lower quartile).
std::vector<ObjectFill> QuartileFills(const AttributeSample& sample) {
  static constexpr CircleFill kByQuartile[4] = {CircleFill::kClear, CircleFill::kLightGrey,
                                                CircleFill::kGrey, CircleFill::kBlack};
  std::vector<ObjectFill> fills;
  const size_t m = sample.value.size();
  for (size_t k = 0; k < m; ++k) {
    const size_t below = static_cast<size_t>(std::count_if(
        sample.value.begin(), sample.value.end(), [&](float v) { return v < sample.value[k]; }));
    const size_t quartile = std::min<size_t>(3, 4 * below / m);
    if (kByQuartile[quartile] != CircleFill::kClear)
      fills.push_back({sample.objects[k], kByQuartile[quartile]});
  }
  return fills;
}

std::string PrintedValueText(float v) {
  if (v >= 99.5f) return ">99";
  if (v < -99.5f) return "<-99";
  return ClampedValueText(v, "####.0000");
}

std::vector<MapSegment> TieLines(const Session& s, const AttributeSample& sample, float angle) {
  const MapGeometry& g = s.map;
  const double c = std::cos(Radians(angle)), sn = std::sin(Radians(angle));
  const double half = s.set.CircleDiameter / 2.0;
  std::vector<MapSegment> lines;
  for (size_t k = 0; k < sample.objects.size(); ++k) {
    const int i = sample.objects[k];
    const double p = sn * sample.y[k] + c * sample.x[k];
    MapSegment line{g.CircleLeft[i] + half, g.CircleTop[i] + half,
                    g.MapCentreX + p * c * g.UnitRadius, g.MapCentreY - p * sn * g.UnitRadius};
    // From the circle's rim, so that the line leaves the label alone; an
    // object on the vector needs no line.
    const double length = std::hypot(line.x2 - line.x1, line.y2 - line.y1);
    if (length <= half) continue;
    line.x1 += (line.x2 - line.x1) * half / length;
    line.y1 += (line.y2 - line.y1) * half / length;
    lines.push_back(line);
  }
  return lines;
}

std::string FitNotes(const DirectionFit& fit) {
  const std::string k = std::to_string(fit.attribute);
  std::string notes = "Attribute A" + k +
                      ": a=" + ClampedValueText(fit.line.intercept, "####.0000") +
                      ", b=" + ClampedValueText(fit.line.slope, "####.0000") +
                      "\r\nRsq=" + ClampedValueText(fit.line.rsq, "####.000") +
                      ", Angle=" + TrimBlanks(Format(fit.angle, "####.000")) + " deg";
  if (fit.fallback)
    notes +=
        "\r\nThe fit does not depend on the direction; the vector follows the objects' "
        "mean slope.";
  return notes;
}

// Actual against line values.  Several attributes share the plot on a common
// scale: each is mapped from its own range of actual values onto 0..1.
FitPlot FitPlotOf(const Session& s, const std::vector<AttributeVector>& vectors, int option) {
  FitPlot plot;
  const bool pooled = option >= static_cast<int>(AttributesOption::kAllActiveVectors);
  float low = 1e30f, high = -1e30f;
  double rsq_sum = 0;
  for (const AttributeVector& v : vectors) {
    const AttributeSample sample = SampleOf(s, v.fit.attribute);
    const auto [min_it, max_it] = std::minmax_element(sample.value.begin(), sample.value.end());
    const float shift = pooled ? *min_it : 0.0f;
    const float range = *max_it - *min_it;
    const float scale = pooled ? (range > kNoSpread ? 1.0f / range : 1.0f) : 1.0f;
    const double c = std::cos(Radians(v.fit.angle)), sn = std::sin(Radians(v.fit.angle));
    for (size_t k = 0; k < sample.objects.size(); ++k) {
      const double p = sn * sample.y[k] + c * sample.x[k];
      const float line = static_cast<float>(v.fit.line.intercept + v.fit.line.slope * p);
      const PlotPoint point{(sample.value[k] - shift) * scale, (line - shift) * scale};
      plot.points.push_back(point);
      low = std::min({low, point.x, point.y});
      high = std::max({high, point.x, point.y});
    }
    rsq_sum += v.fit.line.rsq;
  }
  if (plot.points.empty() || high - low < kNoSpread) {
    low = plot.points.empty() ? 0.0f : low - 0.5f;
    high = low + 1.0f;
  }
  plot.low = low;
  plot.high = high;
  plot.rsq_text = RsqText(vectors.empty() ? 0.0f : static_cast<float>(rsq_sum / vectors.size()));
  if (option == static_cast<int>(AttributesOption::kAllActiveVectors))
    plot.caption = "Using All Active Attribs";
  else if (option == static_cast<int>(AttributesOption::kAllVectors))
    plot.caption = "Using All Attributes";
  else if (!vectors.empty())
    plot.caption = "Using Only Attribute A" + std::to_string(vectors.front().fit.attribute);
  return plot;
}

}  // namespace

AttributeSample SampleOf(const Session& s, int attribute) {
  AttributeSample sample;
  sample.attribute = attribute;
  const Problem& p = s.prob;
  for (int i = 1; i <= p.NObjects; ++i) {
    if (p.ObjParked[i] || p.AttribMissing(i, attribute)) continue;
    sample.objects.push_back(i);
    sample.x.push_back(p.LocDim[1][i]);
    sample.y.push_back(p.LocDim[2][i]);
    sample.value.push_back(p.AttribValue(i, attribute));
  }
  return sample;
}

LineFit FitAtAngle(const AttributeSample& sample, float degrees) {
  LineFit fit;
  const size_t n = sample.objects.size();
  if (n == 0) return fit;
  const double c = std::cos(Radians(degrees)), sn = std::sin(Radians(degrees));
  std::vector<double> p(n);
  double mean_p = 0, mean_a = 0;
  for (size_t k = 0; k < n; ++k) {
    p[k] = sn * sample.y[k] + c * sample.x[k];
    mean_p += p[k];
    mean_a += sample.value[k];
  }
  mean_p /= static_cast<double>(n);
  mean_a /= static_cast<double>(n);
  double sxx = 0, syy = 0, sxy = 0;
  for (size_t k = 0; k < n; ++k) {
    const double dp = p[k] - mean_p, da = sample.value[k] - mean_a;
    sxx += dp * dp;
    syy += da * da;
    sxy += dp * da;
  }
  if (sxx < kNoSpread) {
    // The objects do not spread along this direction: no line.
    return {0.0f, LineFit::kNoSlope, -LineFit::kNoSlope};
  }
  const double b = sxy / sxx;
  fit.slope = static_cast<float>(b);
  fit.intercept = static_cast<float>(mean_a - b * mean_p);
  fit.rsq = syy < kNoSpread ? 1.0f : static_cast<float>(b * b * sxx / syy);
  return fit;
}

std::optional<DirectionFit> BestDirection(const Session& s, int attribute) {
  const AttributeSample sample = SampleOf(s, attribute);
  if (sample.objects.empty()) return std::nullopt;
  DirectionFit best;
  best.attribute = attribute;
  best.line.rsq = -1e20f;
  float lowest = 1e20f;
  // Coarse scan over the half circle: a line and its reverse are one direction.
  for (int step = 0; step < 18; ++step) {
    const float angle = 10.0f * static_cast<float>(step);
    const LineFit fit = FitAtAngle(sample, angle);
    lowest = std::min(lowest, fit.rsq);
    if (fit.rsq > best.line.rsq) {
      best.angle = angle;
      best.line = fit;
    }
  }
  if (best.line.rsq - lowest < kFlatFit) {
    best.fallback = true;
    best.angle = MeanSlopeAngle(sample);
    best.line = FitAtAngle(sample, best.angle);
    return best;
  }
  Refine(sample, -11.0f, 11.0f, 1.0f, best);
  Refine(sample, -1.1f, 1.1f, 0.1f, best);
  Refine(sample, -0.12f, 0.12f, 0.021f, best);
  return best;
}

AttributeVector VectorOf(const Session& s, const DirectionFit& fit) {
  const MapGeometry& g = s.map;
  AttributeVector v;
  v.fit = fit;
  const double c = std::cos(Radians(fit.angle)), sn = std::sin(Radians(fit.angle));
  const int hx = RoundToInt(g.UnitRadius * c), hy = RoundToInt(g.UnitRadius * sn);
  // Values increase toward the +angle end when the slope is not negative.
  const int sign = fit.line.slope >= 0 ? 1 : -1;
  const double tip_x = g.MapCentreX + sign * hx, tip_y = g.MapCentreY - sign * hy;
  v.shaft = {tip_x, tip_y, static_cast<double>(g.MapCentreX - sign * hx),
             static_cast<double>(g.MapCentreY + sign * hy)};
  // The head: a short arc about the tip on either side of the way back.
  const double back = std::atan2(g.MapCentreY - tip_y, g.MapCentreX - tip_x);
  const double r = kHeadRadius * g.UnitRadius;
  v.head.push_back({static_cast<float>(tip_x), static_cast<float>(tip_y)});
  for (int k = 0; k <= kHeadArcPoints; ++k) {
    const double a = back - kHeadHalfAngle + 2 * kHeadHalfAngle * k / kHeadArcPoints;
    v.head.push_back(
        {static_cast<float>(tip_x + r * std::cos(a)), static_cast<float>(tip_y + r * std::sin(a))});
  }
  v.head.push_back(v.head.front());
  v.label_at = {static_cast<float>(g.MapCentreX + sign * 1.03 * g.UnitRadius * c),
                static_cast<float>(g.MapCentreY - sign * 1.01 * g.UnitRadius * sn)};
  v.label_left = v.label_at.x < g.MapCentreX;
  v.label = "  A" + std::to_string(fit.attribute);
  return v;
}

AttributesView ShowAttributesOption(const Session& s, int attribute, int option, bool tie_lines) {
  AttributesView view;
  const std::optional<DirectionFit> chosen = BestDirection(s, attribute);
  if (!chosen) {
    view.no_values = true;
    return view;
  }
  if (option < 0 || option > static_cast<int>(AttributesOption::kAllVectors)) {
    view.notes = "Something is seriously messed up in the Attribute Evaluator.";
    return view;
  }
  const AttributeSample sample = SampleOf(s, attribute);
  switch (static_cast<AttributesOption>(option)) {
    case AttributesOption::kVectorAndQuartiles:
      view.fills = QuartileFills(sample);
      break;
    case AttributesOption::kVectorAndValues:
      for (size_t k = 0; k < sample.objects.size(); ++k)
        view.values.push_back({sample.objects[k], PrintedValueText(sample.value[k])});
      break;
    default:
      break;
  }
  if (option < static_cast<int>(AttributesOption::kAllActiveVectors)) {
    view.vectors.push_back(VectorOf(s, *chosen));
  } else {
    const bool active_only = option == static_cast<int>(AttributesOption::kAllActiveVectors);
    for (int a = 1; a <= s.prob.NAttributes; ++a) {
      if (active_only && s.prob.AttribParked[a]) continue;
      if (const std::optional<DirectionFit> fit = BestDirection(s, a))
        view.vectors.push_back(VectorOf(s, *fit));
    }
  }
  if (tie_lines) view.tie_lines = TieLines(s, sample, chosen->angle);
  view.plot = FitPlotOf(s, view.vectors, option);
  view.notes = FitNotes(*chosen);
  return view;
}

}  // namespace quorel
