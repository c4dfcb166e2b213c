// The attributes of a solution: for each attribute the direction through the
// map along which the objects' positions best predict its values by a
// least-squares line, the vector that shows it on the map, and what each
// option of the attributes window shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "eval/eval_common.h"
#include "model/session.h"

namespace quorel {

// The objects an attribute is fitted over (unparked, value present), with
// their map coordinates 1 and 2 and their values.
struct AttributeSample {
  int attribute = 0;
  std::vector<int> objects;
  std::vector<float> x, y, value;
};
AttributeSample SampleOf(const Session& s, int attribute);

// The line value = intercept + slope * p, p = sin(angle) y + cos(angle) x.
// When the objects do not spread along the direction there is no line: the
// slope is kNoSlope and the intercept -kNoSlope.
struct LineFit {
  float rsq = 0;
  float slope = 0;
  float intercept = 0;
  bool HasLine() const { return slope < kNoSlope; }
  static constexpr float kNoSlope = 1e20f;
};
LineFit FitAtAngle(const AttributeSample& sample, float degrees);

struct DirectionFit {
  int attribute = 0;
  float angle = 0;  // degrees, counter-clockwise from the x axis
  LineFit line;
  // The fit did not depend on the direction; the angle follows the objects'
  // mean slope.
  bool fallback = false;
};
// None when no object has a value of the attribute.
std::optional<DirectionFit> BestDirection(const Session& s, int attribute);

// The vector of a fitted attribute on the map, in twips: a diameter of the
// unit circle with an arrow head at the end of increasing values and the
// attribute's identifier beside it.
struct AttributeVector {
  DirectionFit fit;
  MapSegment shaft;             // from the arrow head's end to the other
  std::vector<PlotPoint> head;  // closed outline: the tip, the arc, the tip
  PlotPoint label_at;           // where the identifier is printed
  bool label_left = false;      // the identifier lies left of the centre
  std::string label;            // "  A3"
};
AttributeVector VectorOf(const Session& s, const DirectionFit& fit);

// The options of the attributes window, by their index.
enum class AttributesOption {
  kVectorOnly = 0,
  kVectorAndQuartiles = 1,
  kVectorAndValues = 2,
  kAllActiveVectors = 3,
  kAllVectors = 4,
};

// Actual values (x) against line values (y), on one range for both axes.
struct FitPlot {
  std::vector<PlotPoint> points;
  float low = 0, high = 1;
  std::string rsq_text;
  std::string caption;
};

struct PrintedValue {
  int object = 0;
  std::string text;
};

struct AttributesView {
  bool no_values = false;  // the chosen attribute has no value left
  std::vector<AttributeVector> vectors;
  std::vector<ObjectFill> fills;
  std::vector<PrintedValue> values;
  std::vector<MapSegment> tie_lines;  // from a circle's rim to the chosen vector
  FitPlot plot;
  std::string notes;
};
AttributesView ShowAttributesOption(const Session& s, int attribute, int option, bool tie_lines);

inline constexpr const char* kNoAttributeValuesMessage =
    "This is impossible.  There are no attribute values left.  ";

}  // namespace quorel
