// The objects of a solution: each active object's share of the objective
// function and its out-of-plane tendency, their statistics, and what each
// option of the objects window shows (circle fills, the Pareto plot, notes).
#pragma once

#include <string>
#include <vector>

#include "eval/eval_common.h"
#include "model/session.h"

namespace quorel {

struct ObjectMeasure {
  int object = 0;
  float objective = 0;            // the object's share of the objective function
  float out_of_plane = 0;         // positive: closer to its partners than the data ask
  bool has_out_of_plane = false;  // false when its partners' weights sum to ~0
};

// The active (unparked) objects in number order.
std::vector<ObjectMeasure> EvaluateObjects(const Session& s);

struct MeasureStats {
  int count = 0;
  float minimum = 0, maximum = 0;
  float mean = 0, sd = 0;
  float abs_sum = 0;
  float bound = 0;  // max(|minimum|, maximum): the half-range of a signed scale
};
MeasureStats MeasureStatistics(const std::vector<float>& values);

// The options of the objects window, by their index.
enum class ObjectsOption {
  kObjectiveQuarters = 0,
  kObjectiveRelative = 1,
  kObjectiveOutliers = 2,
  kOutOfPlaneQuarters = 3,
  kOutOfPlaneRelative = 4,
  kOutOfPlaneOutliers = 5,
};

struct ParetoBar {
  int object = 0;
  float value = 0;  // scaled to 0..1, or -1..1 for a signed measure
  CircleFill fill = CircleFill::kClear;
};

// Bars by diminishing value and the average, on the scale of the bars.
struct ParetoPlot {
  std::string title;
  std::vector<ParetoBar> bars;
  float average = 0;
  bool is_signed = false;
  bool about_zero = false;  // every value is about zero: nothing to scale
};

struct ObjectsView {
  std::vector<float> values;  // the measure shown, per active object
  MeasureStats stats;
  std::vector<ObjectFill> fills;  // the objects whose circles are filled
  ParetoPlot plot;
  std::string notes;
};
ObjectsView ShowObjectsOption(const std::vector<ObjectMeasure>& measures, int option);

}  // namespace quorel
