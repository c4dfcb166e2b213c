// The one interface through which the core reaches the screen, the speaker
// and the clock.  The Qt front end implements it; tests use a recording fake;
// the batch solver prints messages to stderr.
#pragma once

#include <string>

#include "model/text_format.h"

namespace quorel {

enum class FocusTarget { cmdStart, cmdStop, cmdExit };

class Platform {
 public:
  virtual ~Platform() = default;

  // A message box with the information icon and the title "Oops!".
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void Beep() = 0;
  // Plays ClickCmd.wav; failures are ignored.
  virtual void PlayClickSound() = 0;
  // Lets the interface process pending events (the solver's yield).
  virtual void PumpEvents() = 0;
  // Seconds since midnight, for the alternating objective label.
  virtual double SecondsSinceMidnight() = 0;
  // The current local date and time, for solution file headers.
  virtual DateTime Now() = 0;

  // The texts in Session::captions or the settings shown by the window
  // changed; the front end shows them again.
  virtual void RefreshCaptions() = 0;
  // Object i's circle position (Session::map.CircleLeft/CircleTop) changed.
  virtual void ObjectMoved(int object) = 0;
  // The three label routines of the map.
  virtual void LabelAllObjects() = 0;
  virtual void LabelActiveObjects() = 0;
  virtual void ClearMapCanvas() = 0;

  virtual void SetFocus(FocusTarget) {}
  // A file was written at `path` (a solution, the best-found file, the
  // defaults), for the user to see where it went.
  virtual void FileSaved(const std::string& /*path*/) {}
  virtual void SetWaitCursor(bool) {}
  // A front end drives the solver loop from its own event loop: a handler
  // that runs the solver only asks, and the front end begins the loop.
  virtual bool HostsSolverLoop() const { return false; }
};

}  // namespace quorel
