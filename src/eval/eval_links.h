// The links of a solution: every pair of active objects with a known
// dissimilarity, how much each is stretched or compressed on the map, the
// Shepard fit of map distances to dissimilarities, and the links each option
// of the links window marks on the map.
#pragma once

#include <string>
#include <vector>

#include "eval/eval_common.h"
#include "model/session.h"

namespace quorel {

struct Link {
  int i = 0, j = 0;  // the objects, i < j
  float dissim = 0;  // Dij
  float dist = 0;    // dij, the map distance by the current distance function
  float lower = 0;   // the pair's error bounds
  float upper = 0;
  float stretch = 0;  // relative stretch s: positive when longer than it should be
};

struct ShepardFit {
  float rsq = 0;
  float std_error = 0;
};

struct LinkEvaluation {
  int mds_type = 0;
  float interval_constant = 0;
  std::vector<Link> links;      // pairs (i, j), j = 2..N, i = 1..j-1
  std::vector<int> order;       // indices into links by ascending Dij
  std::vector<float> adjusted;  // the adjusted distance at each sorted position
  Spread stretch;               // of the relative stretch s
  ShepardFit fit;
};

LinkEvaluation EvaluateLinks(const Session& s);

// The options of the links window, by their index.
enum class LinkOption {
  kWaernSmallest = 0,
  kWaernLargest = 1,
  kInvisible = 2,
  kStretchedAll = 3,
  kStretchedOutliers = 4,
  kCompressedAll = 5,
  kCompressedOutliers = 6,
};

// How a marked link is drawn on the map.
enum class LinkMark { kWaernSmallest, kWaernLargest, kBeyondHalfPercent, kOutlier1, kOutlier5 };

struct MarkedLink {
  int link = 0;  // index into LinkEvaluation::links
  LinkMark mark = LinkMark::kBeyondHalfPercent;
};

// The sorted positions (1..n) whose dissimilarities cut off the smallest and
// the largest `percent` of n links.
struct WaernCut {
  int k1 = 0;
  int k2 = 0;
};
WaernCut WaernCutPositions(int n, int percent);

// What one option shows: the links on the map, the Waern caption, whether the
// slider is in use, and the notes.
struct LinksView {
  std::vector<MarkedLink> marked;
  std::string waern_caption;
  bool slider_enabled = false;
  std::string notes;
};
LinksView ShowLinksOption(const LinkEvaluation& eval, int option, int percent);

// The Shepard plot: every link at (IC + Dij, dij), the reference line (the
// step line of the adjusted distances for ordinal analysis, else the
// diagonal) and the half-widths of the bands at 1.65 and 2.33 standard
// errors.  `top` is the upper end of both axes: 1, or more when a distance
// exceeds it.
struct ShepardPlot {
  std::vector<PlotPoint> points;
  std::vector<PlotPoint> reference;
  float inner_band = 0;
  float outer_band = 0;
  float top = 1;
  std::string rsq_text;  // "Rsq=.973"
};
ShepardPlot ShepardPlotData(const LinkEvaluation& eval);

}  // namespace quorel
