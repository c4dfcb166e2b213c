// The START keywords of a data file: each sets one setting from the number
// after "=", repairing a value out of range with a message.
#pragma once

#include <string>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// Acts on `keyword` when it is a START setting; `line` is the line as read.
// False when the keyword is not one of them.
bool ApplyStartSetting(Session& s, Platform& platform, const std::string& keyword,
                       const std::string& line);

}  // namespace quorel
