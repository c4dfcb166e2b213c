// The end of a data file read: presence checks, attribute defaults, weights,
// dimensions, precision and the derived data, in that order.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// `keep_not_in_use`: the read restores the file's proximities for the
// "(not in use)" attribute function, which therefore stays in force.
void FinishDataFile(Session& s, Platform& platform, bool keep_not_in_use);

}  // namespace quorel
