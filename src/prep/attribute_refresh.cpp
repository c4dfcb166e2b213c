#include "prep/attribute_refresh.h"

#include "prep/attribute_functions.h"
#include "prep/data_precision.h"
#include "prep/dissim_ranks.h"
#include "prep/error_bounds.h"
#include "solver/objective.h"

namespace quorel {

void RefreshAttributeDissimilarities(Session& s, Platform& platform) {
  Problem& p = s.prob;
  ComputeAttributeDissimilarities(s, platform);
  // A missing file leaves the dissimilarities as they were; a refused
  // re-read or a negative value leaves no problem to prepare.
  if (!s.run.FileOpenError && p.NObjects > 0) {
    const int n = p.NObjects;
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) p.DissimOriginal(i, j) = p.Dissim(i, j);
    ApplyDataPrecision(s);
    ComputeDissimRanks(s, platform);
    ComputeErrorBounds(s);
    ComputeObjFnNormaliser(s);
  }
  s.run.BestObjFnValue = 1e20f;
  s.run.RunCount = 0;
  s.run.IterationCount = 0;
}

}  // namespace quorel
