// The steps every change of the dissimilarities ends with.
#pragma once

#include "model/session.h"

namespace quorel {

// Fits the attribute data type to the attribute function after a read or a
// generated problem: without attributes the function is "(not in use)"; a
// nonmetric data type with a metric function becomes Unknown, and so do
// Ratio data with a function other than 0..3 and Interval data with one
// other than 1..3 (the functions the dialog offers for those types).
void AdjustAttributeDataType(Session& s);

// Keeps Dissim as DissimOriginal, then degrades it to the precision in
// force and rebuilds the ranks (when they are next needed), the error bounds
// and the objective's normalising factor, in that order.
void PrepareDerivedData(Session& s);

}  // namespace quorel
