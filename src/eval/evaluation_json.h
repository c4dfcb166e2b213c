// The measures of the three evaluation windows for the map as it stands, as
// JSON for scripts and notebooks: the same figures the windows show, from
// the same computations.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/session.h"

namespace quorel {

enum class EvaluationKind { kLinks, kObjects, kAttributes };

// "links", "objects" or "attributes".
std::optional<EvaluationKind> EvaluationKindNamed(std::string_view name);
const char* EvaluationKindName(EvaluationKind kind);

// One JSON object on one line.
//   links: the count n, mean and standard deviation of the relative stretch,
//     the Shepard fit's Rsq and standard error; with `details` every link's
//     objects, dissimilarity Dij, map distance dij and stretch.
//   objects: each active object's share of the objective function and its
//     out-of-plane tendency (null when its partners carry no weight), and the
//     statistics of both measures over the active objects.
//   attributes: each attribute's best direction (degrees), the line's
//     intercept a, slope b and Rsq (null when no object has a value, a and b
//     null when the objects do not spread along the direction).
// Numbers that are not finite are written as null.
std::string EvaluationJson(const Session& s, EvaluationKind kind, bool details);

}  // namespace quorel
