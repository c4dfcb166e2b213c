// The attribute-to-dissimilarity functions of one pair of objects.
#pragma once

#include <vector>

#include "model/session.h"

namespace quorel {

// The dissimilarity of objects i and j (j < i) under function `code` (0..12)
// over the usable attributes (not parked, present for both).  `usable` is
// their count; with none the value means nothing.  Euclidean and City Block
// raw values are not yet rescaled.
struct PairDissimilarity {
  float d = 0.0f;
  int usable = 0;
};

// Work space for the rows of one pair, reused from pair to pair.
struct AttributeRows {
  std::vector<float> x, y;
  std::vector<int> attribute;
};

PairDissimilarity AttributePairDissimilarity(const Session& s, int code, int i, int j,
                                             AttributeRows& rows);

}  // namespace quorel
