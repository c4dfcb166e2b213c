// The texts a run shows: the objective labels of the map window (the value
// of the objective function and the best value of an automatic-repeat
// series) while it runs and when it ends, and its warning.  The solver
// reports the facts; the words are made here.
#pragma once

#include <string>

#include "model/session.h"

namespace quorel {

// "##0.000000", or "> 9000             " above 9000.
std::string ObjectiveText(float value);
// "[best : hits of runs]" while the series has a best value below 100 and
// automatic repeat is on, otherwise empty.
std::string BestSeriesText(const Session& s);

// The objective label after a sweep: the value alternates every 0.4 s
// between plain and followed by " ...".
void ShowSweepLabels(Session& s, double clock);
// The labels when a run stops or ends.
void ShowFinalLabels(Session& s);

// The warning for an object whose usable partners, through missing ("NA")
// pairs and parked objects, have become too few to fix its place.
std::string IndeterminateObjectMessage(int object);

}  // namespace quorel
