// The nineteen built-in test problems.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// Builds case SpecialCaseNum into the problem, with ranks, bounds and the
// objective normaliser.
void GenerateSpecialCase(Session& s, Platform& platform);

}  // namespace quorel
