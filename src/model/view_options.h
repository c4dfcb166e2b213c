// The look of the map as the View Options dialog sets it: the working values
// of the dialog, their step and wrap rules, and what OK stores.
#pragma once

#include "model/session.h"

namespace quorel {

// How objects are identified on the map (ObjectIDMethodNum).
enum ObjectIdMethod { kIdByNumber = 0, kIdByName = 1, kIdNone = 2 };

enum class StepDirection { kDown, kUp };

// The dialog's working values, loaded from the settings when it opens.
struct ViewChoices {
  int CircleDiameter = 400;
  int RimWidth = 1;
  int RimColorNum = 0;
  int ObjectIDMethodNum = kIdByNumber;
  bool ShowUnitCircle = true;
  bool ShowAxes = false;
  bool CentreInBounds = false;
};

// The settings as the dialog starts from them; names fall back to no
// identification when the problem has no names.
ViewChoices LoadViewChoices(const Session& s);

// 50 to 600 twips in steps of 50, wrapping at both ends.
int StepCircleDiameter(int diameter, StepDirection direction);
// 1 to 4, wrapping.
int StepRimWidth(int width, StepDirection direction);
// Colour indexes 0 to 13 of the 16-colour table, wrapping, never 7 (the
// light grey of the boundary).
int StepRimColor(int color, StepDirection direction);

// OK: stores the choices and the circle geometry that follows from the
// diameter.  The window then restyles and re-places the circles.
void ApplyViewChoices(Session& s, const ViewChoices& choices);

}  // namespace quorel
