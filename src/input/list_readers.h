// The list readers of the data file.  Each is called right after its keyword
// line with the file open in `r`; on a refusal it shows one message and sets
// NObjects to 0, which ends the read.
#pragma once

#include "input/reader_state.h"
#include "model/platform.h"
#include "model/session.h"

namespace quorel {

void ReadProximities(Session& s, Platform& platform, ReaderState& r);
void ReadAttributes(Session& s, Platform& platform, ReaderState& r);
void ReadLocations(Session& s, Platform& platform, ReaderState& r);
void ReadWeights(Session& s, Platform& platform, ReaderState& r);
void ReadObjectNames(Session& s, Platform& platform, ReaderState& r);
void ReadParkedObjects(Session& s, Platform& platform, ReaderState& r);
void ReadParkedAttributes(Session& s, Platform& platform, ReaderState& r);

// Proximity values beyond this magnitude are refused: scaling by the inverse
// of a larger maximum would leave the single-precision range.
inline constexpr double kMaxProximityMagnitude = 1e30;
// Attribute values beyond this magnitude are refused, so that the sums of
// squares and products of the attribute functions stay finite in single
// precision.
inline constexpr double kMaxAttributeMagnitude = 1e15;

}  // namespace quorel
