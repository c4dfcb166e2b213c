// Dissimilarities computed from the attribute table.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

void ComputeAttributeStatistics(Session& s);
void ComputeAttributeRanks(Session& s);
// Recomputes Dissim, DissimMissing and MaxDissim with AttributeFunctionNum;
// code 13 re-reads the data file or regenerates the built-in problem.
void ComputeAttributeDissimilarities(Session& s, Platform& platform);

}  // namespace quorel
