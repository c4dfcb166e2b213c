// The field views: a working mode of the main window in which the user
// changes the view of the whole configuration by hand, without the solver.
// The map (coordinates 1 and 2 of the unparked objects) is zoomed about the
// map centre, moved, rotated about the map centre, or mirrored in a short
// glide.  Screen positions are twips, as everywhere on the map.
#pragma once

#include <vector>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

enum class FieldTool { kNone, kZoom, kMove, kRotate, kMirror };

// Animation steps of a mirror for n objects: many steps for few objects and
// few for many, so that a glide takes about the same time whatever n.
int FieldStepsFor(int n_objects);

// Angle of the screen point (x, y) about the map centre, y counted upwards,
// in radians: -pi/2, pi/2, or within (0, 2 pi].
float MouseAngle(const MapGeometry& g, double x, double y);

// What the field views need from the window besides the session.
class FieldHost {
 public:
  virtual ~FieldHost() = default;
  // On: the tool frame replaces the run buttons; the control panel, the
  // attribute lists, the parking area and the parked circles are hidden.
  // Off: all of it is shown again, whatever the window state.
  virtual void ShowFieldMode(bool on) = 0;
  // The tool buttons show `tool` pressed and the others not.
  virtual void ShowFieldTool(FieldTool tool) = 0;
  // A mirror has begun: the window calls AdvanceMirror at its display rate
  // until it returns false.
  virtual void AnimateMirror() = 0;
};

class FieldView {
 public:
  FieldView(Session& s, Platform& platform, FieldHost& host);

  // Switches the mode on: a running solver stops, automatic repeat is saved
  // and switched off, only the unparked objects stay on the map.  Returns
  // false, doing nothing, without a problem or when the mode is on already.
  bool Enter();
  // Writes the circles back into the coordinates and switches the mode off.
  // Automatic repeat comes back only when asked (the close button), not
  // after a right click.
  void Leave(bool restore_auto_repeat);

  // A tool button: the other tools go off, this one toggles, and the circles
  // become coordinates (what a zoom or a move did is kept from here on).
  void ToggleTool(FieldTool tool);
  FieldTool Tool() const { return tool_; }
  int Steps() const { return steps_; }

  // The left button on the map while the mode is on.
  void Press(double x, double y);
  void Drag(double x, double y);
  void Release();

  // The mirror under way: runs up to `count` more steps and returns whether
  // steps remain.  The last step prints the labels.
  bool AdvanceMirror(int count);
  bool MirrorInProgress() const { return mirror_steps_left_ > 0; }
  // Runs the remaining steps of a mirror at once, so that any other action
  // finds the map in its mirrored state.
  void FinishMirror();

  // Circle positions become coordinates 1 and 2 for every unparked object,
  // at the drawing's scale (MapScale = 1 / UnitRadius).
  void WriteBack();

 private:
  bool Free(int i) const { return !s_.prob.ObjParked[i]; }
  void BeginMirror(double x, double y);
  void MoveCircle(int i, double left, double top);
  double DistanceFromCentre(double x, double y) const;

  Session& s_;
  Platform& platform_;
  FieldHost& host_;
  FieldTool tool_ = FieldTool::kNone;
  int steps_ = 5;
  float step_fraction_ = 0.2f;
  // Per object: circle offsets (zoom, move) or coordinates (rotate) at the
  // press, and the mirror's step per animation step.
  std::vector<float> base_x_, base_y_, mirror_step_x_, mirror_step_y_;
  float zoom_base_distance_ = 100.0f;
  float rotate_base_angle_ = 0.0f;
  bool mirror_across_ = false;
  int mirror_steps_left_ = 0;
  bool saved_auto_repeat_ = false;
};

}  // namespace quorel
