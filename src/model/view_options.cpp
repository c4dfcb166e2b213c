#include "model/view_options.h"

#include "model/map_layout.h"

namespace quorel {

namespace {

constexpr int kDiameterStep = 50;
// The ranges the defaults file is checked against too.
constexpr int kMinDiameter = kCircleDiameterRange.low;
constexpr int kMaxDiameter = kCircleDiameterRange.high;
constexpr int kMinRimWidth = kRimWidthRange.low;
constexpr int kMaxRimWidth = kRimWidthRange.high;
constexpr int kMaxRimColor = 13;
// Light grey, the colour of the boundary: a rim in it would vanish there.
constexpr int kBoundaryGrey = 7;

int Delta(StepDirection direction) {
  return direction == StepDirection::kUp ? 1 : -1;
}

}  // namespace

ViewChoices LoadViewChoices(const Session& s) {
  const Settings& t = s.set;
  ViewChoices c;
  c.CircleDiameter = t.CircleDiameter;
  c.RimWidth = t.RimWidth;
  c.RimColorNum = t.RimColorNum;
  c.ObjectIDMethodNum = t.ObjectIDMethodNum;
  // A code no option stands for (a hand-edited defaults file) is read as
  // numbers.
  if (c.ObjectIDMethodNum < kIdByNumber || c.ObjectIDMethodNum > kIdNone)
    c.ObjectIDMethodNum = kIdByNumber;
  if (c.ObjectIDMethodNum == kIdByName && !s.prob.ObjNamesGiven) c.ObjectIDMethodNum = kIdNone;
  c.ShowUnitCircle = t.ShowUnitCircle;
  c.ShowAxes = t.ShowAxes;
  c.CentreInBounds = t.CentreInBounds;
  return c;
}

int StepCircleDiameter(int diameter, StepDirection direction) {
  int next = diameter + Delta(direction) * kDiameterStep;
  if (next < kMinDiameter) return kMaxDiameter;
  if (next > kMaxDiameter) return kMinDiameter;
  return next;
}

int StepRimWidth(int width, StepDirection direction) {
  int next = width + Delta(direction);
  if (next < kMinRimWidth) return kMaxRimWidth;
  if (next > kMaxRimWidth) return kMinRimWidth;
  return next;
}

int StepRimColor(int color, StepDirection direction) {
  int next = color + Delta(direction);
  if (next == kBoundaryGrey) next += Delta(direction);
  if (next < 0) return kMaxRimColor;
  // Yellow and white (14, 15) are out of the cycle: from them a step goes
  // to its nearest end.
  if (next > kMaxRimColor) return direction == StepDirection::kUp ? 0 : kMaxRimColor;
  return next;
}

void ApplyViewChoices(Session& s, const ViewChoices& c) {
  Settings& t = s.set;
  t.ObjectIDMethodNum = c.ObjectIDMethodNum;
  t.ShowUnitCircle = c.ShowUnitCircle;
  t.ShowAxes = c.ShowAxes;
  t.CentreInBounds = c.CentreInBounds;
  SetCircleDiameter(s, c.CircleDiameter);
  t.RimWidth = c.RimWidth;
  t.RimColorNum = c.RimColorNum;
  t.MarkedRimWidth = t.RimWidth + 3;
}

}  // namespace quorel
