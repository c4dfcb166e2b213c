// Data precision (degrading): Dissim rebuilt from DissimOriginal at DegradeNum.
#pragma once

#include "model/session.h"

namespace quorel {

// With L = DegradeNum and M = DataDegradeNum, for every pair 1..NObjects:
// L >= M copies; 6 <= L < M rounds to L - 5 decimals; 2 <= L <= 5 takes the
// nearest multiple of 1/L kept to two decimals; L = 1 rounds to a whole number.
void ApplyDataPrecision(Session& s);

}  // namespace quorel
