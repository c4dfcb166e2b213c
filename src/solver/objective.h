// Distance, badness and gradient of one pair, the per-object sums the solver
// steps with and the objective value (the normalising factor it divides by
// is part of the derived data: prep/objective_normaliser.h).
#pragma once

#include <optional>

#include "model/session.h"
#include "prep/objective_normaliser.h"

namespace quorel {

// Everything the evaluation of one ordered pair (object i moved, partner j)
// yields.
struct PairEvaluation {
  float d = 0;             // map distance
  float u[8] = {};         // direction components
  float e = 0;             // badness term
  float gradient[8] = {};  // contribution to object i's gradient
  float interval_derivative = 0;
};

// Evaluates one pair under the current settings and writes d into
// MapDist(i, j).  The reference form of the arithmetic; the solver uses
// EvaluateObject, which must give the same sums.
PairEvaluation EvaluatePair(Session& s, int i, int j);
// The same terms, leaving MapDist as it is (for the evaluation of a map).
PairEvaluation PairTerms(const Session& s, int i, int j);

// The map distance of objects a and b by the current distance function over
// all eight coordinates.
float MapDistance(const Session& s, int a, int b);

// The distances between which ordinal MDS holds ranked pair k (1..P): those
// of the representative pairs of the neighbouring rank groups, with the end
// values at either end of the ranking.  None for a pair without a rank.
struct OrdinalBand {
  float lower = 0;
  float upper = 0;
};
std::optional<OrdinalBand> OrdinalNeighbourBand(const Session& s, int k);

// The sums of one object step: over every partner j != i that is not parked
// and whose pair is not missing.
struct ObjectStep {
  float gradient[8] = {};
  float badness_sum = 0;  // S_i = sum of W * e^2
  int partners = 0;
  float interval_derivative = 0;
};
// For a parked object i the step is empty.
void EvaluateObject(Session& s, int i, ObjectStep& out);
// The same, for a caller that knows that every coordinate above active_dims
// (1..8) is 0 for every object; the sums are then identical and cheaper.
void EvaluateObject(Session& s, int i, ObjectStep& out, int active_dims);
// The highest dimension in which some object has a non-zero coordinate.
int ActiveDimensions(const Session& s);

// True while the ordinal objective is still blended with the ratio one: the
// first 100 (StepSizeNum + 1) sweeps after a random configuration.
bool OrdinalWarmUpInForce(const Session& s);

// Step divisors per dimension (index 0..7 for D1..D8) by badness function and
// MDS type.
void StepDivisors(int badness, int mds_type, float divisors[8]);

// ObjFnValue from the raw sweep sum R (Stress1 recomputes its denominator
// from the coordinates as they stand).  Returns the value; the caller stores
// it in s.run.ObjFnValue.
float ObjectiveValue(Session& s, float raw_sum);

}  // namespace quorel
