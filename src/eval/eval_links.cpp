#include "eval/eval_links.h"

#include <algorithm>
#include <cmath>

#include "model/numeric.h"
#include "model/text_format.h"
#include "solver/objective.h"

namespace quorel {
namespace {

constexpr float kOffset = 0.0001f;      // keeps the relative stretch finite
constexpr float kExactFit = 0.000001f;  // SSE (or SST) below this counts as none
constexpr float kNoSpread = 0.0001f;    // an sd below this marks no outlier
constexpr float kVisibleStretch = 0.005f;
constexpr float kZ5 = 1.65f, kZ1 = 2.33f;  // one-sided 5 % and 1 % points

float RelativeTo(float d, float target) {
  return (d - target) / (target + kOffset);
}

// Ordinal: judged against the distances of the neighbouring rank groups, L
// below and H above; crossed neighbours leave only their midpoint.
float OrdinalStretch(const Session& s, const Link& link) {
  const std::optional<OrdinalBand> band =
      OrdinalNeighbourBand(s, s.derived.FreePairIndex(link.i, link.j));
  if (!band) return RelativeTo(link.dist, link.dissim);  // ranks not built for this pair
  const float low = band->lower, high = band->upper, d = link.dist;
  if (high < low) return RelativeTo(d, (high + low) * 0.5f);
  if (d <= low) return RelativeTo(d, low);
  if (high <= d) return RelativeTo(d, high);
  return 0.0f;
}

float Stretch(const Session& s, const Link& link, int type, float ic) {
  if (IsOrdinal(type)) return OrdinalStretch(s, link);
  const float shifted = link.dist - ic;
  float target = link.dissim;
  if (HasBounds(type)) {
    if (shifted >= link.lower && shifted <= link.upper) return 0.0f;
    target = shifted < link.lower ? link.lower : link.upper;
  }
  return (shifted - target) / (ic + kOffset + target);
}

// Upper and lower envelopes of the distances in dissimilarity order; their
// midpoint is the monotone fit of ordinal analysis.
std::vector<float> AdjustedDistances(const LinkEvaluation& e) {
  const size_t n = e.order.size();
  std::vector<float> env_max(n), env_min(n), adjusted(n);
  for (size_t k = 0; k < n; ++k) {
    const float d = e.links[e.order[k]].dist;
    env_max[k] = k == 0 ? d : std::max(env_max[k - 1], d);
  }
  for (size_t k = n; k-- > 0;) {
    const float d = e.links[e.order[k]].dist;
    env_min[k] = k + 1 == n ? d : std::min(env_min[k + 1], d);
  }
  for (size_t k = 0; k < n; ++k) adjusted[k] = (env_max[k] + env_min[k]) * 0.5f;
  return adjusted;
}

ShepardFit FitOf(const LinkEvaluation& e) {
  ShepardFit fit;
  const size_t n = e.order.size();
  if (n < 2) return fit;
  double mean = 0;
  for (const Link& link : e.links) mean += link.dist;
  mean /= static_cast<double>(n);
  double sse = 0, sst = 0;
  for (size_t k = 0; k < n; ++k) {
    const Link& link = e.links[e.order[k]];
    double expected = link.dissim;
    if (IsOrdinal(e.mds_type))
      expected = e.adjusted[k];
    else if (IsInterval(e.mds_type))
      expected += e.interval_constant;
    sse += (link.dist - expected) * (link.dist - expected);
    sst += (link.dist - mean) * (link.dist - mean);
  }
  if (sse < kExactFit) {
    fit.rsq = 1;
  } else if (sst < kExactFit) {
    fit.rsq = 0;
  } else {
    fit.rsq = static_cast<float>(1.0 - sse / sst);
    fit.std_error = static_cast<float>(std::sqrt(sse / static_cast<double>(n - 1)));
  }
  return fit;
}

void MarkWaern(const LinkEvaluation& e, bool smallest, int percent, LinksView& view) {
  const int n = static_cast<int>(e.links.size());
  if (n == 0) return;
  const WaernCut cut = WaernCutPositions(n, percent);
  const float threshold = e.links[e.order[(smallest ? cut.k1 : cut.k2) - 1]].dissim;
  for (int k = 0; k < n; ++k) {
    const float d = e.links[k].dissim;
    if (smallest && d < threshold) view.marked.push_back({k, LinkMark::kWaernSmallest});
    if (!smallest && d > threshold) view.marked.push_back({k, LinkMark::kWaernLargest});
  }
}

// Stretched or compressed links; v = s or -s is how far a link is off in the
// judged direction, standardised about the mean of s taken the same way.
void MarkOffLinks(const LinkEvaluation& e, bool stretched, bool outliers_only, LinksView& view) {
  const Spread& sp = e.stretch;
  if (sp.sd < kNoSpread) return;
  const float sign = stretched ? 1.0f : -1.0f;
  for (int k = 0; k < static_cast<int>(e.links.size()); ++k) {
    const float v = sign * e.links[k].stretch;
    if (v < kVisibleStretch) continue;
    if (!outliers_only) {
      view.marked.push_back({k, LinkMark::kBeyondHalfPercent});
      continue;
    }
    float z = (v - sign * sp.mean) / sp.sd;
    if (z < -0.01f) z = 0;
    if (z >= kZ1)
      view.marked.push_back({k, LinkMark::kOutlier1});
    else if (z >= kZ5)
      view.marked.push_back({k, LinkMark::kOutlier5});
  }
}

std::string WaernNotes(bool smallest, int percent) {
  return std::string(smallest ? "These smaller-Dij links " : "These larger-Dij links ") +
         "make up " + std::to_string(percent) + "% of all links.  Waern " +
         "used these links to provide a simple test of reasonableness. ";
}

std::string OffLinkNotes(bool stretched, bool outliers_only) {
  if (stretched)
    return std::string("Stretched links have lengths ") +
           "that are greater than their adjusted dissimilarities.  " +
           (outliers_only ? "Red links are 1% and black links are 5% outliers."
                          : "All links that are stretched more than 0.5% are shown.");
  return std::string("Compressed links have lengths ") +
         "that are less than their adjusted dissimilarities.  " +
         (outliers_only ? "Red links are 1%, and black links are 5%, outliers."
                        : "All links that are compressed more than 0.5% are shown.");
}

}  // namespace

LinkEvaluation EvaluateLinks(const Session& s) {
  LinkEvaluation e;
  const Problem& p = s.prob;
  e.mds_type = s.set.MDSAnalysisTypeNum;
  e.interval_constant = p.IntervalConstant;
  for (int j = 2; j <= p.NObjects; ++j) {
    if (p.ObjParked[j]) continue;
    for (int i = 1; i < j; ++i) {
      if (p.ObjParked[i] || p.DissimMissing(i, j)) continue;
      Link link{i,
                j,
                p.Dissim(i, j),
                MapDistance(s, i, j),
                s.derived.ErrBoundLower(i, j),
                s.derived.ErrBoundUpper(i, j)};
      link.stretch = Stretch(s, link, e.mds_type, e.interval_constant);
      e.links.push_back(link);
    }
  }
  e.order.resize(e.links.size());
  for (size_t k = 0; k < e.order.size(); ++k) e.order[k] = static_cast<int>(k);
  std::stable_sort(e.order.begin(), e.order.end(),
                   [&](int a, int b) { return e.links[a].dissim < e.links[b].dissim; });
  e.adjusted = AdjustedDistances(e);
  std::vector<float> stretches;
  stretches.reserve(e.links.size());
  for (const Link& link : e.links) stretches.push_back(link.stretch);
  e.stretch = MeanAndSpread(stretches);
  e.fit = FitOf(e);
  return e;
}

WaernCut WaernCutPositions(int n, int percent) {
  if (n <= 0) return {};
  // Clamped, so that a cut of 0 % or 100 % still names a link.
  auto position = [n](double share) { return std::clamp(RoundToInt(n * 0.01 * share), 1, n); };
  return {position(percent), position(100 - percent)};
}

LinksView ShowLinksOption(const LinkEvaluation& e, int option, int percent) {
  LinksView view;
  const bool waern = option == 0 || option == 1;
  view.slider_enabled = waern;
  view.waern_caption = !waern ? "Waern Links Not Selected"
                              : std::string("Waern Links (") +
                                    (option == 0 ? "smallest " : "largest ") +
                                    std::to_string(percent) + "%)";
  switch (static_cast<LinkOption>(option)) {
    case LinkOption::kWaernSmallest:
    case LinkOption::kWaernLargest:
      MarkWaern(e, option == 0, percent, view);
      view.notes = WaernNotes(option == 0, percent);
      break;
    case LinkOption::kInvisible:
      break;
    case LinkOption::kStretchedAll:
    case LinkOption::kStretchedOutliers:
    case LinkOption::kCompressedAll:
    case LinkOption::kCompressedOutliers: {
      const bool stretched = option <= 4;
      const bool outliers_only = option == 4 || option == 6;
      MarkOffLinks(e, stretched, outliers_only, view);
      view.notes = outliers_only && view.marked.empty() ? "No outliers found."
                                                        : OffLinkNotes(stretched, outliers_only);
      break;
    }
    default:
      view.notes = "Something is seriously messed up in the Link Evaluator.   Case=" +
                   std::to_string(option) + " at SMU9, notify Tamsel.";
      break;
  }
  return view;
}

ShepardPlot ShepardPlotData(const LinkEvaluation& e) {
  ShepardPlot plot;
  const float ic = e.interval_constant;
  for (const Link& link : e.links) {
    plot.points.push_back({ic + link.dissim, link.dist});
    plot.top = std::max(plot.top, std::max(ic + link.dissim, link.dist));
  }
  if (IsOrdinal(e.mds_type)) {
    // The step line: level at each sorted dissimilarity until the next one.
    for (size_t k = 0; k < e.order.size(); ++k) {
      const float x = ic + e.links[e.order[k]].dissim;
      if (k > 0) plot.reference.push_back({x, e.adjusted[k - 1]});
      plot.reference.push_back({x, e.adjusted[k]});
    }
  } else {
    plot.reference = {{0, 0}, {plot.top, plot.top}};
  }
  plot.inner_band = kZ5 * e.fit.std_error;
  plot.outer_band = kZ1 * e.fit.std_error;
  plot.rsq_text = RsqText(e.fit.rsq);
  return plot;
}

}  // namespace quorel
