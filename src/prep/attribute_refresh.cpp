#include "prep/attribute_refresh.h"

#include "prep/attribute_functions.h"
#include "prep/derived_data.h"

namespace quorel {

void RefreshAttributeDissimilarities(Session& s, Platform& platform) {
  Problem& p = s.prob;
  ComputeAttributeDissimilarities(s, platform);
  // A missing file leaves the dissimilarities as they were; a refused
  // re-read or a negative value leaves no problem to prepare.
  if (!s.run.FileOpenError && p.NObjects > 0) {
    PrepareDerivedData(s, platform);
  }
  s.run.BestObjFnValue = 1e20f;
  s.run.RunCount = 0;
  s.run.IterationCount = 0;
}

}  // namespace quorel
