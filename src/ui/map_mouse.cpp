#include "ui/map_mouse.h"

#include <cmath>
#include <cstdint>

#include "control/run_control.h"
#include "model/map_layout.h"
#include "model/numeric.h"
#include "prep/derived_data.h"

namespace quorel {

namespace {
constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kBlack = 0x000000;
}  // namespace

MapMouse::MapMouse(Session& s, Platform& platform, MapSurface& surface, FieldView& field)
    : s_(s),
      platform_(platform),
      surface_(surface),
      field_(field),
      selected_(s.ui.SelectedObject) {}

void MapMouse::EnterFieldMode() {
  if (field_.Enter()) selected_ = 0;
}

std::string MapMouse::LabelOf(int i) const {
  switch (s_.set.ObjectIDMethodNum) {
    case 0:
      return std::to_string(i);
    case 1:
      return s_.prob.ObjName[i];
    default:
      return "";
  }
}

// The first object whose label centre (corner + PickRadius) lies strictly
// within PickRadius of the point.
int MapMouse::Pick(double x, double y) const {
  std::int64_t x0 = RoundToInt(x - s_.set.PickRadius);
  std::int64_t y0 = RoundToInt(y - s_.set.PickRadius);
  for (int i = 1; i <= s_.prob.NObjects; ++i) {
    std::int64_t dx = s_.map.CircleLeft[i] - x0;
    std::int64_t dy = s_.map.CircleTop[i] - y0;
    if (dx * dx + dy * dy < s_.set.PickRadiusSq) return i;
  }
  return 0;
}

void MapMouse::MouseDown(int button, int shift, double x, double y) {
  s_.ui.RotateBackward = (shift & kShiftMask) != 0;
  s_.ui.CtrlDown = (shift & kCtrlMask) != 0;
  s_.ui.AltDown = (shift & kAltMask) != 0;
  mouse_is_down_ = true;
  object_dragged_ = false;
  if (button & kRightButton) {
    if (!s_.map.FieldMode) {
      EnterFieldMode();
      return;
    }
    if (s_.run.RunState == kRunning) {
      s_.run.RunState = kStopped;
      platform_.SetFocus(FocusTarget::cmdStop);
    }
    skip_up_after_field_toggle_ = true;
    field_.Leave(false);
    return;
  }
  if (s_.map.FieldMode) {
    field_.Press(x, y);
    return;
  }

  int i = Pick(x, y);
  if (i == 0) {
    picked_ = 0;
    // A running solver ends its run at its next check; the release of this
    // click is then ignored.
    skip_up_after_stop_ = EmptyMapMouseDown(s_, platform_);
    return;
  }
  drag_offset_x_ = RoundToInt(s_.map.CircleLeft[i] - x);
  drag_offset_y_ = RoundToInt(s_.map.CircleTop[i] - y);
  selected_ = i;
  picked_ = i;
  selected_label_ = LabelOf(i);
  surface_.PrintLabel(i, selected_label_, kWhite);
  if (s_.ui.CtrlDown && !s_.ui.AltDown) ToggleMark(i);
}

void MapMouse::ToggleMark(int i) {
  Problem& p = s_.prob;
  if (surface_.RimWidth(i) == s_.set.MarkedRimWidth) {
    surface_.SetRimWidth(i, s_.set.RimWidth);
    p.ObjMarked[i] = 0;
    p.AnyObjMarked = false;
    for (int k = 1; k <= p.NObjects; ++k)
      if (p.ObjMarked[k]) p.AnyObjMarked = true;
  } else {
    surface_.SetRimWidth(i, s_.set.MarkedRimWidth);
    p.ObjMarked[i] = 1;
    p.AnyObjMarked = true;
  }
}

void MapMouse::MouseMove(double x, double y) {
  if (s_.map.FieldMode) {
    if (mouse_is_down_) field_.Drag(x, y);
    return;
  }
  if (selected_ < 1) return;
  // The drag is free: no boundary applies while moving.
  s_.map.CircleLeft[selected_] = RoundToInt(drag_offset_x_ + x);
  s_.map.CircleTop[selected_] = RoundToInt(drag_offset_y_ + y);
  platform_.ObjectMoved(selected_);
  object_dragged_ = true;
}

void MapMouse::MouseUp(int button, int, double x, double y) {
  mouse_is_down_ = false;
  if (s_.map.FieldMode) {
    field_.Release();
    return;
  }
  if (skip_up_after_field_toggle_) {
    skip_up_after_field_toggle_ = false;
    return;
  }
  // Past the field switch the right button has no release of its own.
  if (button & kRightButton) return;
  if (skip_up_after_park_) {
    skip_up_after_park_ = false;
    return;
  }
  if (skip_up_after_stop_) {
    skip_up_after_stop_ = false;
    return;
  }
  if (selected_ < 1) {
    // A stopped run continues from the current positions.
    EmptyMapMouseUp(s_, platform_);
    picked_ = 0;
    selected_ = 0;
    return;
  }
  int i = selected_;
  if (DropsOnParking(i)) {
    s_.prob.ObjParked[i] = 1;
    ParkObject(i);
    RefreshDerivedData(s_, platform_, DataChange::kParkedObjects);
    selected_ = 0;
    picked_ = 0;
    return;
  }
  DropOnMap(i, x, y);
  if (s_.prob.ObjParked[i]) {
    s_.prob.ObjParked[i] = 0;
    RefreshDerivedData(s_, platform_, DataChange::kParkedObjects);
    CountParked();
    selected_ = 0;
    if (s_.run.RunState != kRunning) platform_.LabelAllObjects();
    ResetBestRecord();
    return;
  }
  picked_ = i;
  if (s_.run.RunState != kRunning) surface_.PrintLabel(i, selected_label_, kBlack);
  selected_ = 0;
}

// The pick disc of the circle overlaps the parking area vertically and
// reaches past its left edge; its right edge is not tested.
bool MapMouse::DropsOnParking(int i) const {
  const MapGeometry& g = s_.map;
  int a = s_.set.CircleDiameter + g.CircleLeft[i] - s_.set.PickInset;
  int b = s_.set.PickInset + g.CircleTop[i];
  int c = b + s_.set.PickDiameter;
  return g.ParkingLeft < a && g.ParkingTop + g.ParkingHeight > b && g.ParkingTop < c;
}

void MapMouse::DropOnMap(int i, double x, double y) {
  MapGeometry& g = s_.map;
  int half = s_.set.CircleHalfDiameter;
  if (object_dragged_) {
    // The circle follows the pointer to the release point.
    g.CircleLeft[i] = RoundToInt(drag_offset_x_ + x);
    g.CircleTop[i] = RoundToInt(drag_offset_y_ + y);
    platform_.ObjectMoved(i);
  }
  std::int64_t x1 = RoundToInt(drag_offset_x_ + x + half);
  std::int64_t y1 = RoundToInt(drag_offset_y_ + y + half);
  std::int64_t dx = x1 - g.MapCentreX;
  std::int64_t dy = y1 - g.MapCentreY;
  std::int64_t d2 = dx * dx + dy * dy;
  auto& loc = s_.prob.LocDim;
  const float scale = g.MapScale;
  if (d2 <= g.BoundaryRadiusPxSq) {
    if (object_dragged_) {
      loc[1][i] = static_cast<float>(dx) * scale;
      loc[2][i] = static_cast<float>(g.MapCentreY - y1) * scale;
    }
    return;
  }
  // Outside: back along the ray from the centre onto the boundary.
  double dist = RoundHalfEven(std::sqrt(static_cast<double>(d2)));
  int left = RoundToInt(static_cast<double>(dx * g.BoundaryRadiusPx) / dist) + g.CentreLeft;
  int top = RoundToInt(static_cast<double>(dy * g.BoundaryRadiusPx) / dist) + g.CentreTop;
  g.CircleLeft[i] = left;
  g.CircleTop[i] = top;
  platform_.ObjectMoved(i);
  loc[1][i] = static_cast<float>(half - g.MapCentreX + left) * scale;
  loc[2][i] = static_cast<float>(g.MapCentreY - half - top) * scale;
}

void MapMouse::DblClick() {
  if (s_.map.FieldMode) return;
  selected_ = picked_;
  if (selected_ >= 1) surface_.PrintLabel(selected_, selected_label_, kWhite);
  if (selected_ < 1) {
    if (press_start) press_start();
  } else {
    s_.prob.ObjParked[selected_] = 1;
    ParkObject(selected_);
    skip_up_after_park_ = true;
    RefreshDerivedData(s_, platform_, DataChange::kParkedObjects);
    selected_ = 0;
  }
  picked_ = 0;
}

void MapMouse::ParkObject(int k) {
  MoveToParkingSlot(s_, platform_, k);
  surface_.LabelPass(k);
  CountParked();
  ResetBestRecord();
}

void MapMouse::CountParked() {
  int n = 0;
  for (int i = 1; i <= s_.prob.NObjects; ++i) n += s_.prob.ObjParked[i] ? 1 : 0;
  s_.prob.NParkedObjects = n;
}

void MapMouse::ResetBestRecord() {
  s_.run.BestObjFnValue = 1e20f;
  s_.run.BestHitCount = 0;
  s_.run.RunCount = 0;
}

}  // namespace quorel
