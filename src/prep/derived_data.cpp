#include "prep/derived_data.h"

#include "prep/data_precision.h"
#include "prep/dissim_ranks.h"
#include "prep/error_bounds.h"
#include "solver/objective.h"

namespace quorel {

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

void PrepareDerivedData(Session& s) {
  Problem& p = s.prob;
  const int n = p.NObjects;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) p.DissimOriginal(i, j) = p.Dissim(i, j);
  ApplyDataPrecision(s);
  InvalidateRanks(s);
  ComputeErrorBounds(s);
  ComputeObjFnNormaliser(s);
}

}  // namespace quorel
