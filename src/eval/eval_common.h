// What the three evaluation windows share: the mean and spread of a list of
// values, the clamped number texts they print, the fills they give object
// circles and the points of their plots.
#pragma once

#include <string>
#include <vector>

namespace quorel {

// Mean and standard deviation, sd = sqrt(|sum x^2 - mean^2 n| / (n - 1)); one
// value has sd 0, none has mean 0 and sd 0.
struct Spread {
  int count = 0;
  float mean = 0;
  float sd = 0;
};
Spread MeanAndSpread(const std::vector<float>& values);

// A number in `pattern` ("####.0000"), trimmed, or "<-99" below -99 and ">99"
// above 99, so that a text never outgrows its place.
std::string ClampedValueText(double value, const std::string& pattern);

// "Rsq=" and the value with three decimals (".973").
std::string RsqText(float rsq);

// Fills of object circles on the map, lightest first.
enum class CircleFill { kClear, kLightGrey, kGrey, kBlack, kRed };

struct ObjectFill {
  int object = 0;
  CircleFill fill = CircleFill::kClear;
};

struct PlotPoint {
  float x = 0;
  float y = 0;
};

// A straight line on the map, in twips.
struct MapSegment {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

}  // namespace quorel
