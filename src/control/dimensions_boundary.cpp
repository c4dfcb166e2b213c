#include "control/dimensions_boundary.h"

#include "control/run_control.h"
#include "model/captions.h"
#include "model/map_layout.h"
#include "model/numeric.h"

namespace quorel {
namespace {

int NextDimensions(int n, bool backward) {
  if (n >= 8) return backward ? 7 : 1;
  if (n <= 1) return backward ? 8 : 2;
  return backward ? n - 1 : n + 1;
}

// Small random offsets that let a configuration spread into the dimensions
// it has just gained.
void OffsetForNewDimensions(Session& s, int m) {
  if (m <= 2) return;
  Problem& p = s.prob;
  for (int i = 1; i <= p.NObjects; ++i) {
    p.LocDim[1][i] += 0.05f - 0.01f * s.Rnd();
    if (m == 3) {
      p.LocDim[3][i] += 0.0005f - 0.001f * s.Rnd();
      continue;
    }
    p.LocDim[3][i] += m == 7 ? 0.005f - 0.1f * s.Rnd() : 0.005f - 0.01f * s.Rnd();
    for (int d = 4; d <= m; ++d) p.LocDim[d][i] += 0.005f - 0.01f * s.Rnd();
  }
}

}  // namespace

void cmdDimensions_Click(Session& s, Platform& platform) {
  platform.PlayClickSound();
  int old_value = s.set.DimensionsNum;
  int m = NextDimensions(old_value, s.ui.RotateBackward);
  s.set.DimensionsNum = m;
  // A one-dimensional configuration is spread before it gains a dimension.
  if (s.run.RunState == kRunning && old_value == 1) cmdJiggle_Click(s, platform);
  OffsetForNewDimensions(s, m);
  ResetSeries(s);
  s.captions.cmdDimensions = DimensionsCaption(s);
  platform.RefreshCaptions();
}

void cmdBoundary_Click(Session& s, Platform& platform) {
  platform.PlayClickSound();
  float step = s.ui.CtrlDown ? 0.01f : 0.1f;
  float r = s.set.ConstraintRadius;
  r = s.ui.RotateBackward ? r + step : r - step;
  r = static_cast<float>(RoundHalfEven(r, 2));
  if (r > 1.0001f)
    r = 0.0f;
  else if (r < -0.0001f)
    r = 1.0f;
  s.set.ConstraintRadius = r;
  UpdateBoundaryGeometry(s);
  ResetSeries(s);
  s.captions.cmdBoundary = BoundaryCaption(s);
  platform.RefreshCaptions();
}

void ApplyDimensionsAndBoundary(Session& s, Platform& platform, int dimensions, float radius,
                                int boundary_type, bool xy_section) {
  if (dimensions < 1) dimensions = 1;
  if (dimensions > MaxDimensionsNum) dimensions = MaxDimensionsNum;
  if (radius < 0.0f) radius = 0.0f;
  if (radius > 1.0f) radius = 1.0f;
  s.set.XYSectionEmphasis = xy_section;
  Problem& p = s.prob;
  if (dimensions != s.set.DimensionsNum) {
    for (int i = 1; i <= p.NObjects; ++i) {
      for (int d = 3; d <= dimensions; ++d) p.LocDim[d][i] += 0.05f - 0.1f * s.Rnd();
      for (int d = dimensions < 3 ? 3 : dimensions + 1; d <= kMaxDimensions; ++d)
        p.LocDim[d][i] = 0.0f;
    }
  }
  s.set.DimensionsNum = dimensions;
  s.set.ConstraintRadius = radius;
  s.set.BoundaryTypeNum = boundary_type;
  UpdateBoundaryGeometry(s);
  ResetSeries(s);
  s.captions.cmdBoundary = BoundaryCaption(s);
  s.captions.cmdDimensions = DimensionsCaption(s);
  platform.RefreshCaptions();
}

float StepDialogRadius(float radius, bool up, bool shift, bool ctrl, Platform& platform) {
  float step = ctrl ? 0.01f : 0.1f;
  if (shift) up = !up;
  float r = up ? radius + step : radius - step;
  if (r > 1.0001f) {
    r = 1.0f;
    platform.Beep();
  } else if (r < 0.0f) {
    r = 0.0f;
    platform.Beep();
  }
  return static_cast<float>(RoundHalfEven(r, 2));
}

float DialogRadiusFromText(const std::string& text, std::string& shown, Platform& platform) {
  float r = ValF(text);
  shown.clear();
  if (r > 1.0001f) {
    r = 1.0f;
    shown = "1.00";
    platform.Beep();
  } else if (r < 1e-5f) {
    r = 0.0f;
    platform.Beep();
    shown = "0.00";
  }
  return r;
}

}  // namespace quorel
