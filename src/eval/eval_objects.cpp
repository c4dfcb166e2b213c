#include "eval/eval_objects.h"

#include <algorithm>
#include <cmath>

#include "solver/objective.h"

namespace quorel {
namespace {

constexpr float kOffset = 0.0001f;
constexpr float kNoWeight = 0.00001f;
constexpr float kNoVariation = 0.000001f;
constexpr float kAboutZero = 0.000001f;
constexpr float kZ5 = 1.65f, kZ1 = 2.33f;

// Where a pair should be on the map: its adjusted dissimilarity, or its own
// distance when that is already within the admissible range.
float TargetDistance(const Session& s, int i, int j, float d) {
  const float ic = s.prob.IntervalConstant;
  const int type = s.set.MDSAnalysisTypeNum;
  if (HasBounds(type))
    return std::clamp(d, ic + s.derived.ErrBoundLower(i, j), ic + s.derived.ErrBoundUpper(i, j));
  if (IsOrdinal(type)) {
    const std::optional<OrdinalBand> band = OrdinalNeighbourBand(s, s.derived.FreePairIndex(i, j));
    if (!band) return s.prob.Dissim(i, j);  // ranks not built for this pair
    if (band->lower <= band->upper) return std::clamp(d, band->lower, band->upper);
    return (band->lower + band->upper) * 0.5f;
  }
  return ic + s.prob.Dissim(i, j);
}

ObjectMeasure MeasureObject(const Session& s, int i) {
  const Problem& p = s.prob;
  const bool normalised = s.derived.ObjFnNormaliser >= kNoWeight;
  ObjectMeasure m;
  m.object = i;
  double badness = 0, pull = 0, weights = 0;
  for (int j = 1; j <= p.NObjects; ++j) {
    if (j == i || p.ObjParked[j] || p.DissimMissing(i, j)) continue;
    const PairEvaluation pair = PairTerms(s, i, j);
    const float w = p.EffWeight(i, j);
    badness += w * pair.e * pair.e;
    pull += (TargetDistance(s, i, j, pair.d) - pair.d) * w / (pair.d + kOffset);
    weights += w;
  }
  m.objective = static_cast<float>(normalised ? badness * s.derived.ObjFnNormaliserInv : badness);
  if (weights >= kNoWeight) {
    m.out_of_plane = static_cast<float>(pull / weights);
    m.has_out_of_plane = true;
  }
  return m;
}

bool IsOutOfPlane(int option) {
  return option >= 3;
}

// Options 0..2 and 3..5 show their measure the same three ways.
enum class Display { kQuarterRanges, kRelativeValues, kOutliers };
Display DisplayOf(int option) {
  return static_cast<Display>(option % 3);
}

// Shading by quarter of the range: black above the third quarter point, then
// grey, light grey, and clear in the lowest quarter.
CircleFill QuarterFill(float v, const MeasureStats& st) {
  const float range = st.maximum - st.minimum;
  if (v > st.minimum + 0.75f * range) return CircleFill::kBlack;
  if (v > st.minimum + 0.5f * range) return CircleFill::kGrey;
  if (v > st.minimum + 0.25f * range) return CircleFill::kLightGrey;
  return CircleFill::kClear;
}

// Red beyond the one-sided 1 % point, black beyond the 5 % point; the
// out-of-plane tendency counts in both directions.
CircleFill OutlierFill(float v, const MeasureStats& st, bool two_sided) {
  float z = (v - st.mean) / st.sd;
  if (two_sided) z = std::fabs(z);
  if (z >= kZ1) return CircleFill::kRed;
  if (z >= kZ5) return CircleFill::kBlack;
  return CircleFill::kClear;
}

ParetoPlot ParetoOf(const std::vector<ObjectMeasure>& measures, const ObjectsView& view,
                    bool is_signed) {
  ParetoPlot plot;
  plot.title = is_signed ? "OOP Pareto Plot" : "Objective Function Pareto Plot";
  plot.is_signed = is_signed;
  const float scale = is_signed ? view.stats.bound : view.stats.maximum;
  plot.about_zero = view.stats.count == 0 || view.stats.bound < kAboutZero;
  const float divisor = plot.about_zero || scale < kAboutZero ? 1.0f : scale;
  for (size_t k = 0; k < measures.size(); ++k)
    plot.bars.push_back({measures[k].object, view.values[k] / divisor, CircleFill::kClear});
  for (const ObjectFill& f : view.fills)
    for (ParetoBar& bar : plot.bars)
      if (bar.object == f.object) bar.fill = f.fill;
  std::stable_sort(plot.bars.begin(), plot.bars.end(),
                   [](const ParetoBar& a, const ParetoBar& b) { return a.value > b.value; });
  plot.average = view.stats.mean / divisor;
  return plot;
}

std::string OptionNotes(int option) {
  const std::string average = "The dark red line is the average value.";
  switch (static_cast<ObjectsOption>(option)) {
    case ObjectsOption::kObjectiveQuarters:
      return "Black objects are in the highest quarter of the objective function "
             "values range, then grey, then light grey, and then clear.  " +
             average;
    case ObjectsOption::kObjectiveRelative:
      return "Showing relative (scaled 0 to 1) objective function values.  " + average;
    case ObjectsOption::kOutOfPlaneQuarters:
      return "Black objects are in the highest quarter of the out-of-plane tendencies "
             "range, then grey, then light grey, and then clear.  " +
             average;
    case ObjectsOption::kOutOfPlaneRelative:
      return "Showing relative (scaled -1 to 1) out-of-plane tendencies.  " + average;
    default:
      return "Red objects are 1%, and black are 5%, positive outliers.  These are approximate "
             "because the distribution type is unknown.  " +
             average;
  }
}

}  // namespace

std::vector<ObjectMeasure> EvaluateObjects(const Session& s) {
  std::vector<ObjectMeasure> out;
  for (int i = 1; i <= s.prob.NObjects; ++i)
    if (!s.prob.ObjParked[i]) out.push_back(MeasureObject(s, i));
  return out;
}

MeasureStats MeasureStatistics(const std::vector<float>& values) {
  MeasureStats st;
  const Spread spread = MeanAndSpread(values);
  st.count = spread.count;
  st.mean = spread.mean;
  st.sd = spread.sd;
  if (values.empty()) return st;
  st.minimum = *std::min_element(values.begin(), values.end());
  st.maximum = *std::max_element(values.begin(), values.end());
  double abs_sum = 0;
  for (float v : values) abs_sum += std::fabs(v);
  st.abs_sum = static_cast<float>(abs_sum);
  st.bound = std::max(std::fabs(st.minimum), st.maximum);
  return st;
}

ObjectsView ShowObjectsOption(const std::vector<ObjectMeasure>& measures, int option) {
  ObjectsView view;
  const bool oop = IsOutOfPlane(option);
  for (const ObjectMeasure& m : measures) view.values.push_back(oop ? m.out_of_plane : m.objective);
  view.stats = MeasureStatistics(view.values);
  view.notes = OptionNotes(option);
  const Display display = DisplayOf(option);
  if (view.stats.sd < kNoVariation) {
    view.notes = "Insignificant Variation";
  } else if (display != Display::kRelativeValues) {
    const bool outliers = display == Display::kOutliers;
    std::string listed;
    for (size_t k = 0; k < measures.size(); ++k) {
      const float v = view.values[k];
      const CircleFill fill =
          outliers ? OutlierFill(v, view.stats, oop) : QuarterFill(v, view.stats);
      if (fill == CircleFill::kClear) continue;
      view.fills.push_back({measures[k].object, fill});
      if (outliers)
        listed += "\r\nObject " + std::to_string(measures[k].object) + ": " +
                  ClampedValueText(v, "####.0000");
    }
    if (outliers) view.notes = view.fills.empty() ? "No outliers found." : view.notes + listed;
  }
  view.plot = ParetoOf(measures, view, oop);
  return view;
}

}  // namespace quorel
