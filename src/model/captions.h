// Caption rules of the on-line buttons: a fixed heading with an access key, a
// line break and the current setting.
#pragma once

#include <string>

#include "model/session.h"

namespace quorel {

inline constexpr const char* kLineBreak = "\r\n";

std::string MDSTypeCaption(const Session& s);
// With the interval constant for the Interval types: "  (" + "#0.0000" + ")".
std::string MDSTypeCaptionWithConstant(const Session& s);
std::string BadnessCaption(const Session& s);
std::string AttributeFnsCaption(const Session& s);
std::string DimensionsCaption(const Session& s);
std::string BoundaryCaption(const Session& s);
std::string DegradeCaption(const Session& s);
std::string DistanceCaption(const Session& s);
std::string MappingWtCaption(const Session& s);

// Rewrites all eight button captions by the rules above.
void ApplyCaptionRules(Session& s);

}  // namespace quorel
