// The normalising factor of the objective function: the weighted sum of the
// squared dissimilarities (or of the weights alone) over the free pairs.  It
// follows the badness function, the dissimilarities, the weights and the
// parked objects, so it is the last step of every refresh of derived data.
#pragma once

#include "model/session.h"

namespace quorel {

// ObjFnNormaliser and ObjFnNormaliserInv from the badness function, weights,
// dissimilarities, missing and parked flags.
void ComputeObjFnNormaliser(Session& s);

}  // namespace quorel
