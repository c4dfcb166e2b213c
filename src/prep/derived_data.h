// The derived data of a problem and the one routine that brings them up to
// date after the data or a setting they follow changed.
//
// The chain runs: dissimilarities from the attributes, Dissim kept as
// DissimOriginal, the data precision applied, the ranks, the error bounds
// and last the objective's normalising factor.  A change takes the chain up
// again at the step it affects.  The mapping weights feed the normaliser
// only, so a change of them recomputes just the two.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// Fits the attribute data type to the attribute function after a read or a
// generated problem: without attributes the function is "(not in use)"; a
// nonmetric data type with a metric function becomes Unknown, and so do
// Ratio data with a function other than 0..3 and Interval data with one
// other than 1..3 (the functions the dialog offers for those types).
void AdjustAttributeDataType(Session& s);

// What changed, in the order of the chain: each entry re-runs its own step
// and every later one.
enum class DataChange {
  kAttributes,       // attribute function, data type or active attributes
  kDissimilarities,  // dissimilarities just read, generated or restored
  kPrecision,        // the data precision level
  kParkedObjects,    // an object parked or let go
  kErrorBounds,      // the MDS type or the bound sizes
  kBadnessFunction,  // the badness function
  kMappingWeights,   // the mapping-weight function or its parameter
};

// Brings the derived data up to date after `change`.
//
// kAttributes recomputes the dissimilarities from the attributes, or
// restores the file's proximities for "(not in use)"; when the file is then
// missing (FileOpenError set; a flag an earlier computation left set stays
// set) or the values were refused (NObjects 0), the chain stops there.
//
// Freshly computed dissimilarities leave the ranks to their first reader
// (EnsureRanks); a change of the precision or of the free objects rebuilds
// them at once under ordinal MDS, whose running solver needs them at its
// next sweep.
//
// The automatic-repeat series is the caller's to reset.
void RefreshDerivedData(Session& s, Platform& platform, DataChange change);

}  // namespace quorel
