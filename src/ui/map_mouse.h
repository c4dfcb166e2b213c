// Direct manipulation of the map with the mouse, in twips: picking an
// object by its label centre, dragging it, dropping it inside or back onto
// the boundary, parking and unparking it, marking it with Ctrl+click, the
// clicks on the empty map that stop and continue the solver, and the right
// button that switches the field views on and off (whose tools then take
// the left button).  No widget
// is involved: the window hands in the events and supplies the surface.
#pragma once

#include <functional>
#include <string>

#include "model/field_view.h"
#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// What the mouse needs from the drawn map besides the session.
class MapSurface {
 public:
  virtual ~MapSurface() = default;
  virtual int RimWidth(int i) const = 0;
  virtual void SetRimWidth(int i, int width) = 0;
  // Prints `text` centred on circle i's label centre in colour 0xRRGGBB.
  virtual void PrintLabel(int i, const std::string& text, unsigned rgb) = 0;
  // The label pass of one object (transparent circle, rim-coloured text).
  virtual void LabelPass(int i) = 0;
};

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

class MapMouse {
 public:
  MapMouse(Session& s, Platform& platform, MapSurface& surface, FieldView& field);

  // Gives the focus to cmdStart and presses it.
  std::function<void()> press_start;

  void MouseDown(int button, int shift, double x, double y);
  void MouseMove(double x, double y);
  void MouseUp(int button, int shift, double x, double y);
  void DblClick();

  // Switches the field views on (the right button, the F key, cmdField);
  // a drag under way ends there.
  void EnterFieldMode();

  // Moves object k's circle to its slot, labels it, recounts the parked
  // objects, recomputes the normaliser and resets the best-found record.
  void ParkObject(int k);

  // The label of object i: its number, its name or nothing.
  std::string LabelOf(int i) const;

  int SelectedObject() const { return selected_; }
  int PickedObject() const { return picked_; }
  bool MouseIsDown() const { return mouse_is_down_; }
  bool SkipUpAfterPark() const { return skip_up_after_park_; }
  bool SkipUpAfterStop() const { return skip_up_after_stop_; }

 private:
  int Pick(double x, double y) const;
  void ToggleMark(int i);
  bool DropsOnParking(int i) const;
  void DropOnMap(int i, double x, double y);
  void ResetBestRecord();
  void CountParked();

  Session& s_;
  Platform& platform_;
  MapSurface& surface_;
  FieldView& field_;
  bool mouse_is_down_ = false;
  bool object_dragged_ = false;
  int drag_offset_x_ = 0;
  int drag_offset_y_ = 0;
  int& selected_;  // SelectedObject, which the solver reads
  int picked_ = 0;
  std::string selected_label_;
  bool skip_up_after_park_ = false;
  bool skip_up_after_stop_ = false;
  bool skip_up_after_field_toggle_ = false;
};

}  // namespace quorel
