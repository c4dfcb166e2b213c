// What the on-line buttons of the control panel do to the settings, as plain
// functions on the session; the window only wires them.  Each reads the
// Shift state from s.ui.RotateBackward (and Ctrl from s.ui.CtrlDown where the
// button has a smaller step), plays the click sound, steps its setting,
// runs the recomputations the setting needs and rewrites its caption in
// s.captions, then calls platform.RefreshCaptions().
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

void cmdMDSType_Click(Session& s, Platform& platform);
void cmdDegrade_Click(Session& s, Platform& platform);
void cmdMappingWtFns_Click(Session& s, Platform& platform);
void cmdBadnessFns_Click(Session& s, Platform& platform);
void cmdDistanceFns_Click(Session& s, Platform& platform);

}  // namespace quorel
