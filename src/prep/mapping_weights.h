// Mapping weights and the effective weights the objective uses.
#pragma once

#include "model/session.h"

namespace quorel {

// The weight of one pair with dissimilarity d under the current
// MappingWtParam, MapWeightComplementary, MappingWtFunctionNum and
// MapWeightFloor.
float MappingWeightOfPair(const Settings& t, float d);
// The same for a function code, m, form and floor given apart (the dialog's
// working copies).
float MappingWeightOf(int code, float m, bool complementary, float floor, float d);

// The function whose m the user sets (MappingWtFunctionNum 4).
inline constexpr int kAdjustableMappingWt = 4;

// The m of function `code`: fixed for 0..3 (Weak and Strong exchanged in the
// complementary form), `adjustable_m` for Adjustable.
float MappingWtFunctionParam(int code, bool complementary, float adjustable_m);
// The smallest weight a pair may get under function `code` with parameter m.
float MappingWtFunctionFloor(int code, float m);

void ComputeMappingWeights(Session& s);

}  // namespace quorel
