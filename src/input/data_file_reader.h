// The data file reader: loads the problem named by DataFileName.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// On success NObjects > 0; on any refusal exactly one message was shown and
// NObjects is 0.
void ReadDataFile(Session& s, Platform& platform);

}  // namespace quorel
