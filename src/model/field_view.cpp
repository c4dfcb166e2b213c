#include "model/field_view.h"

#include <algorithm>
#include <cmath>

#include "model/map_layout.h"
#include "model/numeric.h"

namespace quorel {

namespace {

// A zoom press closer to the centre than this would make the smallest mouse
// motion a huge factor.
constexpr float kMinZoomBaseDistance = 100.0f;
// The mouse angle works with pi as single precision rounds it.
constexpr float kPi = 3.141593f;
constexpr float kTwoPi = 6.283186f;

}  // namespace

int FieldStepsFor(int n_objects) {
  double n = std::max(1, n_objects);
  if (n < 15) return RoundToInt(86.0 * std::pow(15.0, 2.5) / std::pow(n, 2.5));
  if (n <= 100) return RoundToInt(5000.0 / std::pow(n, 1.5));
  return 5;
}

float MouseAngle(const MapGeometry& g, double x, double y) {
  float dx = static_cast<float>(x - g.MapCentreX);
  float dy = static_cast<float>(g.MapCentreY - y);
  if (std::fabs(dx) < 0.0001f) return dy >= 0 ? kPi / 2 : -kPi / 2;
  float a = static_cast<float>(std::atan(static_cast<double>(dy) / dx));
  if (dx < 0) return a + kPi;
  if (dy <= 0) return a + kTwoPi;
  return a;
}

FieldView::FieldView(Session& s, Platform& platform, FieldHost& host)
    : s_(s), platform_(platform), host_(host) {}

bool FieldView::Enter() {
  if (s_.prob.NObjects < 1 || s_.map.FieldMode) return false;
  steps_ = FieldStepsFor(s_.prob.NObjects);
  step_fraction_ = 1.0f / static_cast<float>(steps_);
  RunBook& r = s_.run;
  if (r.RunState == kRunning) {
    // Ended as Stop ends it: between two runs of a series the loop would
    // otherwise begin a new random run and scramble the map being viewed.
    r.RunState = kStopped;
    r.StopRequested = true;
    platform_.SetFocus(FocusTarget::cmdStop);
  }
  mirror_steps_left_ = 0;
  host_.ShowFieldMode(true);
  platform_.ClearMapCanvas();
  platform_.LabelActiveObjects();
  saved_auto_repeat_ = s_.set.AutoRepeat;
  s_.set.AutoRepeat = false;
  // The buttons come up not pressed, and so does every tool.
  tool_ = FieldTool::kNone;
  host_.ShowFieldTool(tool_);
  s_.map.FieldMode = true;
  platform_.RefreshCaptions();
  return true;
}

void FieldView::Leave(bool restore_auto_repeat) {
  if (!s_.map.FieldMode) return;
  FinishMirror();
  WriteBack();
  s_.map.FieldMode = false;
  // A tool left on would keep acting on the next visit; the buttons come
  // up not pressed then.
  tool_ = FieldTool::kNone;
  platform_.LabelAllObjects();
  host_.ShowFieldMode(false);
  if (restore_auto_repeat) s_.set.AutoRepeat = saved_auto_repeat_;
  platform_.RefreshCaptions();
}

void FieldView::ToggleTool(FieldTool tool) {
  FinishMirror();
  tool_ = tool_ == tool ? FieldTool::kNone : tool;
  host_.ShowFieldTool(tool_);
  WriteBack();
}

void FieldView::WriteBack() {
  const MapGeometry& g = s_.map;
  auto& loc = s_.prob.LocDim;
  for (int i = 1; i <= s_.prob.NObjects; ++i) {
    if (!Free(i)) continue;
    loc[1][i] =
        static_cast<float>(static_cast<double>(g.CircleLeft[i]) - g.CentreLeft) * g.MapScale;
    loc[2][i] = -static_cast<float>(static_cast<double>(g.CircleTop[i]) - g.CentreTop) * g.MapScale;
  }
}

double FieldView::DistanceFromCentre(double x, double y) const {
  return std::hypot(x - s_.map.MapCentreX, y - s_.map.MapCentreY);
}

void FieldView::MoveCircle(int i, double left, double top) {
  s_.map.CircleLeft[i] = RoundToInt(left);
  s_.map.CircleTop[i] = RoundToInt(top);
  platform_.ObjectMoved(i);
}

void FieldView::Press(double x, double y) {
  FinishMirror();
  platform_.ClearMapCanvas();
  int n = s_.prob.NObjects;
  base_x_.assign(n + 1, 0.0f);
  base_y_.assign(n + 1, 0.0f);
  const MapGeometry& g = s_.map;
  switch (tool_) {
    case FieldTool::kZoom:
      for (int i = 1; i <= n; ++i) {
        base_x_[i] = static_cast<float>(g.CircleLeft[i] - g.CentreLeft);
        base_y_[i] = static_cast<float>(g.CircleTop[i] - g.CentreTop);
      }
      zoom_base_distance_ =
          std::max(kMinZoomBaseDistance, static_cast<float>(DistanceFromCentre(x, y)));
      break;
    case FieldTool::kMove:
      for (int i = 1; i <= n; ++i) {
        base_x_[i] = static_cast<float>(g.CircleLeft[i] - x);
        base_y_[i] = static_cast<float>(g.CircleTop[i] - y);
      }
      break;
    case FieldTool::kRotate:
      for (int i = 1; i <= n; ++i) {
        base_x_[i] = s_.prob.LocDim[1][i];
        base_y_[i] = s_.prob.LocDim[2][i];
      }
      rotate_base_angle_ = MouseAngle(g, x, y);
      break;
    case FieldTool::kMirror:
      BeginMirror(x, y);
      break;
    case FieldTool::kNone:
      break;
  }
}

void FieldView::Drag(double x, double y) {
  if (MirrorInProgress()) return;
  int n = std::min<int>(s_.prob.NObjects, static_cast<int>(base_x_.size()) - 1);
  const MapGeometry& g = s_.map;
  switch (tool_) {
    case FieldTool::kZoom: {
      // Outwards enlarges, inwards shrinks, about the map centre.
      float f = static_cast<float>(DistanceFromCentre(x, y)) / zoom_base_distance_;
      for (int i = 1; i <= n; ++i)
        if (Free(i)) MoveCircle(i, base_x_[i] * f + g.CentreLeft, base_y_[i] * f + g.CentreTop);
      break;
    }
    case FieldTool::kMove:
      for (int i = 1; i <= n; ++i)
        if (Free(i)) MoveCircle(i, base_x_[i] + x, base_y_[i] + y);
      break;
    case FieldTool::kRotate: {
      // Counter-clockwise with the mouse; the turned positions are
      // coordinates at once.
      double t = MouseAngle(g, x, y) - rotate_base_angle_;
      double c = std::cos(t), sn = std::sin(t);
      for (int i = 1; i <= n; ++i) {
        if (!Free(i)) continue;
        s_.prob.LocDim[1][i] = static_cast<float>(base_x_[i] * c - base_y_[i] * sn);
        s_.prob.LocDim[2][i] = static_cast<float>(base_x_[i] * sn + base_y_[i] * c);
        PlaceObject(s_, platform_, i);
      }
      break;
    }
    case FieldTool::kMirror:
    case FieldTool::kNone:
      break;
  }
}

void FieldView::Release() {
  // A glide prints the labels when it ends.
  if (MirrorInProgress()) return;
  platform_.LabelActiveObjects();
}

// A press beside the centre turns the map upside down (y to -y); a press
// above or below it swaps left and right (x to -x).
void FieldView::BeginMirror(double x, double y) {
  const MapGeometry& g = s_.map;
  mirror_across_ = std::fabs(x - g.MapCentreX) < std::fabs(y - g.MapCentreY);
  int n = s_.prob.NObjects;
  mirror_step_x_.assign(n + 1, 0.0f);
  mirror_step_y_.assign(n + 1, 0.0f);
  for (int i = 1; i <= n; ++i) {
    mirror_step_x_[i] = -2.0f * s_.prob.LocDim[1][i] * step_fraction_;
    mirror_step_y_[i] = -2.0f * s_.prob.LocDim[2][i] * step_fraction_;
  }
  platform_.ClearMapCanvas();
  mirror_steps_left_ = steps_;
  host_.AnimateMirror();
}

bool FieldView::AdvanceMirror(int count) {
  if (!MirrorInProgress()) return false;
  int n = std::min<int>(s_.prob.NObjects, static_cast<int>(mirror_step_x_.size()) - 1);
  int d = mirror_across_ ? 1 : 2;
  const std::vector<float>& step = mirror_across_ ? mirror_step_x_ : mirror_step_y_;
  std::vector<float>& loc = s_.prob.LocDim[d];
  int run = std::min(std::max(count, 1), mirror_steps_left_);
  // Step by step in single precision, as one glide would add them.
  for (int k = 0; k < run; ++k)
    for (int i = 1; i <= n; ++i)
      if (Free(i)) loc[i] += step[i];
  mirror_steps_left_ -= run;
  for (int i = 1; i <= n; ++i)
    if (Free(i)) PlaceObject(s_, platform_, i);
  if (MirrorInProgress()) return true;
  platform_.LabelActiveObjects();
  return false;
}

void FieldView::FinishMirror() {
  if (MirrorInProgress()) AdvanceMirror(mirror_steps_left_);
}

}  // namespace quorel
