// The number of dimensions and the boundary: the two on-line buttons, the OK
// of the dimensions and boundaries dialog, and the screen values derived from
// the boundary size.
#pragma once

#include <string>

#include "model/map_layout.h"
#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// Steps DimensionsNum 1..8 with wrap-around (Shift: backward) and gives every
// object small offsets in the new dimensions.
void cmdDimensions_Click(Session& s, Platform& platform);

// Steps ConstraintRadius by 0.1 (Ctrl: 0.01) down (Shift: up), wrapping
// from below 0 to 1 and from above 1 to 0.
void cmdBoundary_Click(Session& s, Platform& platform);

// OK of the dialog: prepares the coordinates when the number of dimensions
// changes, stores the settings and sets both button captions.
void ApplyDimensionsAndBoundary(Session& s, Platform& platform, int dimensions, float radius,
                                int boundary_type, bool xy_section);

// The dialog's arrow buttons: step 0.1 (0.01 with Ctrl), Shift reverses;
// beyond 0..1 the value is put at the end with a beep.  Rounded to two
// decimals.
float StepDialogRadius(float radius, bool up, bool shift, bool ctrl, Platform& platform);

// The dialog's radius box: the value typed, brought into 0..1 with a beep.
// `shown` receives the text the box should then show ("" when unchanged).
float DialogRadiusFromText(const std::string& text, std::string& shown, Platform& platform);

}  // namespace quorel
