// Internal pieces of the special-case generator: the per-case builders and
// the attribute reduction they share.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel::cases {

// pi in single precision over 180, for the angles of the generating rules.
inline constexpr float kDegree = 3.141593f / 180.0f;

// Cases given directly as dissimilarities (3, 6, 7, 10, 11, 15, 16): write
// the lower triangle (i > j) only; the common end mirrors it.
void BuildDissimilarityCase(Session& s, int case_num);

// Cases built from attributes (0, 1, 2, 4, 5, 8, 9, 12, 13, 14, 17, 18).
void BuildAttributeCase(Session& s, Platform& platform, int case_num);

// Case 14: MaxConst300 objects on a noisy ring and a noisy line in a plane,
// embedded in six dimensions and shuffled (attributes 1..6).
void BuildHyperspacePlane(Session& s);

// Runs ranks, statistics and dissimilarities on the attributes just written
// with NormalizeAttribs = normalize, then drops the attribute table so that
// the case behaves as a dissimilarity problem.
void ReduceAttributesToDissimilarities(Session& s, Platform& platform, bool normalize);

// Runs the three attribute operations with the Euclidean (norm.) function on
// Ratio data and keeps the attribute table.
void KeepAttributes(Session& s, Platform& platform);

// The data precision level implied by the decimals of Dissim(i, j), j <= i:
// with m the most decimals of a value's Str text (" .25" has 2), level 1 when
// m < 1, m + 5 for m = 1..5, and 10 above.
int DissimilarityPrecisionLevel(const Session& s);

}  // namespace quorel::cases
