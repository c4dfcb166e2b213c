// The objective labels of the map window: the value of the objective
// function and the best value of an automatic-repeat series, as the solver
// shows them while it runs and when a run ends.
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

}  // namespace quorel
