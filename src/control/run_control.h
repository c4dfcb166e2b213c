// The run buttons of the control panel, the two check boxes, the one-shot
// relabelling timer, the convergence options and what a left click on the
// empty map does to a run.  Handlers that run the solver go through
// RequestSolverRun, so that a handler arriving inside the solver's yield
// never nests a second loop.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

inline constexpr const char* kNoProblemToSolveMessage =
    "You must load a problem before you can solve it.  Use the File or Special Cases menu.";

void cmdStart_Click(Session& s, Platform& platform);
void cmdStop_Click(Session& s, Platform& platform);
void cmdContinue_Click(Session& s, Platform& platform);
// Shift, Ctrl and Alt held at the button's mouse-down (s.ui.RotateBackward,
// CtrlDown, AltDown) choose 7.5 %, 10 % or 20 % of the boundary radius per
// axis instead of 5 %.
void cmdJiggle_Click(Session& s, Platform& platform);
void chkAutoRepeat_Click(Session& s, Platform& platform, bool checked);
void chkAutoStop_Click(Session& s, Platform& platform, bool checked);
// The one-shot timer that relabels the map after a dialog closed.
void Timer1_Timer(Session& s, Platform& platform);

// OK of the convergence options: a new precision level starts a new series,
// a new step size alone does not.
void ApplyConvergenceOptions(Session& s, int precision_level, int step_size);

// A left button press on the empty map.  Returns true when it stopped a
// running solver (the release of the same click is then to be ignored).
bool EmptyMapMouseDown(Session& s, Platform& platform);
// The release of a click on the empty map: a stopped run continues.
void EmptyMapMouseUp(Session& s, Platform& platform);

}  // namespace quorel
