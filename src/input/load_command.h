// The File menu's read command after its dialog: reads DataFileName and sets
// the run state, focus and captions for the outcome.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// A running solver is asked to stop first (the problem it works on is
// replaced).  A name that names no file (when the read comes from the dialog)
// and an operating-system error are reported with the "File Opening error"
// texts.
void LoadDataFileCommand(Session& s, Platform& platform);

}  // namespace quorel
