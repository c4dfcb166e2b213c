// Builds small attribute problems in memory for the attribute function tests.
#pragma once

#include <cmath>
#include <memory>
#include <vector>

#include "model/session.h"
#include "prep/attribute_functions.h"
#include "support/fake_platform.h"

namespace quorel::testing {

inline constexpr float NA = NAN;  // a missing value in a row

// Rows of attribute values, one per object; NA marks a missing value.
inline void SetAttributeRows(Session& s, const std::vector<std::vector<float>>& rows) {
  Problem& p = s.prob;
  p.NObjects = static_cast<int>(rows.size());
  SizePairTables(s, p.NObjects);
  p.NAttributes = static_cast<int>(rows[0].size());
  p.AttributesGiven = true;
  for (int i = 1; i <= p.NObjects; ++i) {
    for (int k = 1; k <= p.NAttributes; ++k) {
      const float v = rows[i - 1][k - 1];
      p.AttribMissing(i, k) = std::isnan(v) ? 1 : 0;
      p.AttribValue(i, k) = std::isnan(v) ? 0.0f : v;
    }
  }
  ComputeAttributeStatistics(s);
  ComputeAttributeRanks(s);
}

// The dissimilarity of objects i and j under function `code`.
inline float Dissimilarity(Session& s, int code, int i, int j) {
  FakePlatform fake;
  s.set.AttributeFunctionNum = code;
  ComputeAttributeDissimilarities(s, fake);
  return s.prob.Dissim(i, j);
}

inline std::unique_ptr<Session> NewSession() {
  return std::make_unique<Session>();
}

}  // namespace quorel::testing
