// Mapping weights and the effective weights the objective uses.
#pragma once

#include "model/session.h"

namespace quorel {

// The weight of one pair with dissimilarity d under the current
// MappingWtParam, MapWeightComplementary, MappingWtFunctionNum and
// MapWeightFloor.
float MappingWeightOfPair(const Settings& t, float d);

void ComputeMappingWeights(Session& s);

}  // namespace quorel
