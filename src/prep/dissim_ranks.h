// Dense ranks of the dissimilarities of the ranked pairs, with the
// representative pairs of the neighbouring rank groups used by ordinal MDS.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

void ComputeDissimRanks(Session& s, Platform& platform);

}  // namespace quorel
