// Dense ranks of the dissimilarities of the ranked pairs, with the
// representative pairs of the neighbouring rank groups used by ordinal MDS.
//
// The ranks follow the dissimilarities, the missing flags and the parked
// objects.  Sorting half a million pairs takes a noticeable moment, and only
// ordinal MDS (its solver and its on-line rotation), the rank table of a long
// solution file under ordinal MDS and the evaluation windows read them, so
// they are built when first needed:
//
//   InvalidateRanks     what every change of the dissimilarities, missing
//                       flags or parked objects calls
//   RefreshDissimRanks  the same, and the ranks rebuilt at once when the
//                       analysis is ordinal (a running ordinal solver needs
//                       them at its next sweep anyway)
//   EnsureRanks         what every reader of DissimRank, OrdUpperObjA..B,
//                       OrdLowerObjA..B, OrdMinDissim, OrdMaxDissim or
//                       FreePairIndex calls first: it rebuilds them only when
//                       they are out of date
//
// Built late or at once, the ranks are the same: the same Shell sort over the
// same pairs gives the same ranks and representatives.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// Rebuilds the ranked pairs now (with the wait cursor shown).
void ComputeDissimRanks(Session& s, Platform& platform);

void InvalidateRanks(Session& s);
void RefreshDissimRanks(Session& s, Platform& platform);
void EnsureRanks(Session& s, Platform& platform);

}  // namespace quorel
