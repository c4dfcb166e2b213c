#include "solver/convergence.h"

namespace quorel {

void SetConvergenceLimits(Session& s) {
  RunBook& r = s.run;
  if (!s.set.AutoStop) {
    r.ConvergeMoveLimit = 0.0f;
    r.ConvergeObjFnLimit = 0.0f;
    r.ConvergeCountLimit = 999999;
    return;
  }
  switch (s.set.PrecisionLevelNum) {
    case 0:
      r.ConvergeMoveLimit = 1e-4f, r.ConvergeObjFnLimit = 1e-6f, r.ConvergeCountLimit = 100;
      break;
    case 1:
      r.ConvergeMoveLimit = 1e-6f, r.ConvergeObjFnLimit = 1e-7f, r.ConvergeCountLimit = 500;
      break;
    case 2:
      r.ConvergeMoveLimit = 1e-7f, r.ConvergeObjFnLimit = 1e-8f, r.ConvergeCountLimit = 7000;
      break;
    default:
      break;
  }
}

}  // namespace quorel
