#include "model/map_layout.h"

#include <cmath>

#include "model/numeric.h"
#include "model/text_format.h"

namespace quorel {

WindowMetrics DefaultWindowMetrics() {
  return WindowMetrics{};
}

float MapScaleFor(int radius) {
  return radius < 1e-4 ? 1e20f : 1.0f / static_cast<float>(radius);
}

void UpdateBoundaryGeometry(Session& s) {
  MapGeometry& g = s.map;
  g.BoundaryRadiusPx = RoundToInt(g.UnitRadius * static_cast<double>(s.set.ConstraintRadius));
  g.BoundaryRadiusPxSq = g.BoundaryRadiusPx * g.BoundaryRadiusPx;
  g.MapScale = MapScaleFor(g.UnitRadius);
}

void LayOutMap(Session& s, const WindowMetrics& window) {
  MapGeometry& g = s.map;
  double width = window.inner_width;
  double bottom = window.bottom_group_top;
  // The unit circle fills 80 % of the smaller of the width and the height
  // above the bottom control group.
  double diameter = width > bottom ? 0.8 * bottom : 0.8 * width;
  g.MapCentreX = IntDiv(width, 2);
  g.MapCentreY =
      window.maximized ? IntDiv(window.inner_height, 2) : IntDiv(RoundHalfEven(bottom), 2);
  g.UnitRadius = RoundToInt(diameter * 0.5);
  UpdateBoundaryGeometry(s);
  g.CentreLeft = g.MapCentreX - s.set.CircleHalfDiameter;
  g.CentreTop = g.MapCentreY - s.set.CircleHalfDiameter;
  // The parking area keeps its design size at the right-hand edge.
  g.ParkingLeft = RoundToInt(width - g.ParkingWidth - 240);
  g.ParkingTop = 600;
}

void PlaceObject(Session& s, Platform& platform, int i) {
  const MapGeometry& g = s.map;
  double x = s.prob.LocDim[1][i];
  double y = s.prob.LocDim[2][i];
  s.map.CircleLeft[i] = RoundToInt(x * g.UnitRadius + g.CentreLeft);
  s.map.CircleTop[i] = RoundToInt(-y * g.UnitRadius + g.CentreTop);
  platform.ObjectMoved(i);
}

int PickRadiusFor(int diameter) {
  // 0.35 as a single-precision constant, the rest in double.
  double r = static_cast<double>(0.35f) * diameter;
  return RoundToInt(std::sqrt(2.0 * r * r));
}

void SetCircleDiameter(Session& s, int diameter) {
  Settings& t = s.set;
  t.CircleDiameter = diameter;
  t.CircleHalfDiameter = diameter / 2;
  s.map.CentreLeft = s.map.MapCentreX - t.CircleHalfDiameter;
  s.map.CentreTop = s.map.MapCentreY - t.CircleHalfDiameter;
  t.PickRadius = PickRadiusFor(diameter);
  t.PickRadiusSq = t.PickRadius * t.PickRadius;
  t.PickDiameter = 2 * t.PickRadius;
  t.PickInset = t.CircleHalfDiameter - t.PickRadius;
}

void PlaceAllObjects(Session& s, Platform& platform) {
  for (int i = 1; i <= s.prob.NObjects; ++i) {
    if (s.prob.ObjParked[i])
      MoveToParkingSlot(s, platform, i);
    else
      PlaceObject(s, platform, i);
  }
}

ScreenPoint LabelCorner(int left, int top, int pick_radius, double text_width, double text_height) {
  return {pick_radius + left - IntDiv(RoundHalfEven(text_width), 2),
          pick_radius + top - IntDiv(RoundHalfEven(text_height), 2)};
}

ScreenPoint ParkingSlot(const Session& s, int k) {
  const MapGeometry& g = s.map;
  int d = s.set.CircleDiameter;
  int rows = d > 0 ? IntDiv(RoundHalfEven(g.ParkingHeight - 1100.0), d) : 2;
  if (rows < 2) rows = 2;
  int j = k - 1;
  int row = j % rows;
  int col = (j / rows) % 24;
  // Six staggered layers of four columns each, the later layers shifted left
  // by a fraction of a diameter so that their circles fall between others.
  static constexpr int kLayerDivisor[6] = {0, 8, 6, 4, 2, 1};
  int layer = col / 4;
  int stagger = layer == 0 ? 0 : d / kLayerDivisor[layer];
  col -= 4 * layer;
  int odd = col % 2 == 1 ? RoundToInt(d * 0.6) : 0;
  ScreenPoint p;
  p.left =
      RoundToInt(g.ParkingLeft + g.ParkingWidth - 1.2 * d - static_cast<double>(col) * d - stagger);
  p.top = RoundToInt(row * 1.2 * d + g.ParkingTop + 0.6 * d + odd);
  return p;
}

void MoveToParkingSlot(Session& s, Platform& platform, int k) {
  ScreenPoint p = ParkingSlot(s, k);
  s.map.CircleLeft[k] = p.left;
  s.map.CircleTop[k] = p.top;
  platform.ObjectMoved(k);
}

void CreateCircles(Session& s) {
  s.prob.NParkedObjects = 0;
  s.map.NCirclesLoaded = s.prob.NObjects;
}

void FirstPlacement(Session& s, Platform& platform) {
  Problem& p = s.prob;
  const MapGeometry& g = s.map;
  double step = (2.0 * g.BoundaryRadiusPx - s.set.CircleDiameter) / (p.NObjects + 1);
  int parked = 0;
  for (int i = 1; i <= p.NObjects; ++i) {
    if (p.ObjParked[i]) {
      MoveToParkingSlot(s, platform, i);
      ++parked;
      continue;
    }
    if (!p.LocationsGiven) {
      p.LocDim[1][i] = static_cast<float>(
          (i * step - g.BoundaryRadiusPx + s.set.CircleHalfDiameter) * g.MapScale);
      for (int d = 2; d <= kMaxDimensions; ++d) p.LocDim[d][i] = 0.0f;
    }
    PlaceObject(s, platform, i);
  }
  p.NParkedObjects = parked;
  s.captions.lblInitialPositionsMsg =
      Str(p.NObjects) +
      (p.LocationsGiven ? " objects loaded in user-provided positions" : " objects loaded ");
  s.captions.lblObjFnValue.clear();
  s.captions.lblBestObjFnValue.clear();
  platform.RefreshCaptions();
}

}  // namespace quorel
