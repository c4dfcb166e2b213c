// Upper and lower error bounds of every pair for the "+ Bounds" MDS types.
#pragma once

#include "model/session.h"

namespace quorel {

void ComputeErrorBounds(Session& s);

}  // namespace quorel
