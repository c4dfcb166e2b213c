#include "prep/derived_data.h"

#include "prep/attribute_functions.h"
#include "prep/data_precision.h"
#include "prep/dissim_ranks.h"
#include "prep/error_bounds.h"
#include "prep/mapping_weights.h"
#include "prep/objective_normaliser.h"

namespace quorel {
namespace {

// False when there are no dissimilarities to go on with.
bool RecomputeFromAttributes(Session& s, Platform& platform) {
  const bool earlier_error = s.run.FileOpenError;
  s.run.FileOpenError = false;
  ComputeAttributeDissimilarities(s, platform);
  const bool file_missing = s.run.FileOpenError;
  s.run.FileOpenError = earlier_error || file_missing;
  // A missing file leaves the dissimilarities (possibly degraded) as they
  // were, so they are not kept as originals.
  return !file_missing && s.prob.NObjects > 0;
}

void KeepOriginals(Problem& p) {
  for (int i = 1; i <= p.NObjects; ++i)
    for (int j = 1; j <= p.NObjects; ++j) p.DissimOriginal(i, j) = p.Dissim(i, j);
}

}  // namespace

void AdjustAttributeDataType(Session& s) {
  Settings& t = s.set;
  if (!s.prob.AttributesGiven) {
    t.AttributeFunctionNum = MaxAttributeFunctionNum;
    return;
  }
  const int type = t.AttributeDataTypeNum;
  const int fn = t.AttributeFunctionNum;
  if (type >= 2 && type <= 4 && fn >= 0 && fn <= 4) t.AttributeDataTypeNum = 5;
  if (type == 0 && !(fn >= 0 && fn <= 3)) t.AttributeDataTypeNum = 5;
  if (type == 1 && !(fn >= 1 && fn <= 3)) t.AttributeDataTypeNum = 5;
}

void RefreshDerivedData(Session& s, Platform& platform, DataChange change) {
  if (change == DataChange::kMappingWeights) {
    ComputeMappingWeights(s);
    ComputeObjFnNormaliser(s);
    return;
  }
  const auto from = [change](DataChange step) { return change <= step; };
  if (change == DataChange::kAttributes && !RecomputeFromAttributes(s, platform)) return;
  if (from(DataChange::kDissimilarities)) KeepOriginals(s.prob);
  if (from(DataChange::kPrecision)) ApplyDataPrecision(s);
  if (from(DataChange::kDissimilarities))
    InvalidateRanks(s);
  else if (from(DataChange::kParkedObjects))
    RefreshDissimRanks(s, platform);
  if (from(DataChange::kErrorBounds)) ComputeErrorBounds(s);
  ComputeObjFnNormaliser(s);
}

}  // namespace quorel
