// What the solver does after each sweep: the convergence count, recentring,
// the ordinal expansion and the interval constant.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// Counts sweeps whose objective change was below the limit, and feeds the
// relative stop rule when it is in force.
void CountConvergence(Session& s);

// Moves the free objects so that their mean is the origin.  Returns false
// when no object is free.
bool Recentre(Session& s);

// Ordinal MDS: spreads a configuration that has shrunk well below the
// dissimilarities.
void ExpandOrdinal(Session& s);

// Interval types: moves the additive constant against the sweep's derivative
// sum d; every type keeps c + MinPairDissim >= 0 and c + MaxPairDissim <= 1.
void AdjustIntervalConstant(Session& s, float d);

// The MDS type caption with the constant, every 10 sweeps below 1000 and
// every 1000 sweeps after, for the Interval type.  True when it was set.
bool ShowIntervalConstant(Session& s);

}  // namespace quorel
