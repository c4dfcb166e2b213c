#include "prep/attribute_refresh.h"

#include "prep/attribute_functions.h"
#include "prep/derived_data.h"

namespace quorel {

void RefreshAttributeDissimilarities(Session& s, Platform& platform) {
  Problem& p = s.prob;
  // Whether this computation found the data file missing; a flag left set by
  // an earlier one stays set (the callers that care clear it first).
  const bool earlier_error = s.run.FileOpenError;
  s.run.FileOpenError = false;
  ComputeAttributeDissimilarities(s, platform);
  const bool file_missing = s.run.FileOpenError;
  s.run.FileOpenError = earlier_error || file_missing;
  // A missing file leaves the dissimilarities (possibly degraded) as they
  // were, so they are not copied as originals; a refused re-read or a
  // negative value leaves no problem to prepare.
  if (!file_missing && p.NObjects > 0) {
    PrepareDerivedData(s);
  }
  s.run.BestObjFnValue = 1e20f;
  s.run.RunCount = 0;
  s.run.IterationCount = 0;
}

}  // namespace quorel
