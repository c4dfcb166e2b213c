// Screen geometry of the map: the layout of the main window as far as it
// fixes the map centre and scale, the placing of an object's circle from its
// coordinates, the parking slots and the first placement of a new problem.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// What the layout needs to know about the window, in twips.
struct WindowMetrics {
  double inner_width = 12000;
  double inner_height = 10500;
  double bottom_group_top = 9000;  // Top of the bottom control group
  bool maximized = false;
};

// The window the batch solver and the tests lay the map out in.
WindowMetrics DefaultWindowMetrics();

// Sets MapCentreX/Y, UnitRadius, CentreLeft/Top, the parking area and the
// boundary geometry from the window.
void LayOutMap(Session& s, const WindowMetrics& window);

// BoundaryRadiusPx = round(UnitRadius * ConstraintRadius), its square, and
// MapScale.  MapScale converts twips to map units the way the map is drawn:
// one map unit is UnitRadius twips, whatever the boundary size, so that a
// position taken from the screen (a random start, a jiggle, a drop, the
// first placement) agrees with where PlaceObject draws the object.
void UpdateBoundaryGeometry(Session& s);

// 1 / radius, or 1e20 for a radius below 1e-4.
float MapScaleFor(int radius);

// Moves object i's circle to the map position of coordinates 1 and 2.
void PlaceObject(Session& s, Platform& platform, int i);

// The label centring offset and pick radius for a circle of the given
// diameter: round(sqrt(2 * (0.35 * diameter)^2)), a few twips short of half
// the diameter.
int PickRadiusFor(int diameter);

// A new circle diameter and everything that follows from it: the half
// diameter, the corner of a circle centred on the map centre and the pick
// radius values.
void SetCircleDiameter(Session& s, int diameter);

// Every circle at its place again after the geometry changed: unparked
// objects at their coordinates, parked ones in their slots.
void PlaceAllObjects(Session& s, Platform& platform);

// Top-left corner of a label of the given size (twips) centred on the label
// centre of a circle whose corner is (left, top).
struct ScreenPoint {
  int left = 0;
  int top = 0;
};
ScreenPoint LabelCorner(int left, int top, int pick_radius, double text_width, double text_height);

// Top-left corner of object k's slot in the parking area.
ScreenPoint ParkingSlot(const Session& s, int k);

// Moves object k's circle into its parking slot.
void MoveToParkingSlot(Session& s, Platform& platform, int k);

// The circles of a newly loaded problem exist: one per object.
void CreateCircles(Session& s);

// Places the objects of a newly loaded problem: at their given locations, or
// evenly spaced on the horizontal line through the centre; parked objects go
// to their slots.  Sets lblInitialPositionsMsg and empties the objective
// labels.
void FirstPlacement(Session& s, Platform& platform);

}  // namespace quorel
