#include "solver/solver_sweep.h"

#include <cmath>

#include "model/map_layout.h"
#include "model/objective_labels.h"
#include "prep/dissim_ranks.h"
#include "solver/objective.h"
#include "solver/solver_geometry.h"
#include "solver/stress_euclidean.h"

namespace quorel {
namespace {

constexpr float kBaseStep = 1.5f;
constexpr int kMaxRepeatsPerSweep = 20;
// A per-object step of the size the factors above give is stable while the
// weights of an object's partners sum to about 100 (101 objects); for larger
// sums the step is scaled down in proportion.
constexpr float kStableWeightSum = 100.0f;

void ReadCoordinates(const Session& s, int i, float x[8]) {
  for (int k = 0; k < 8; ++k) x[k] = s.prob.LocDim[k + 1][i];
}

void WriteCoordinates(Session& s, int i, const float x[8]) {
  for (int k = 0; k < 8; ++k) s.prob.LocDim[k + 1][i] = x[k];
}

// Moves unmarked object i against the gradient of one evaluation.
void StepObject(Session& s, Platform& platform, int i, const ObjectStep& step, float weight_sum) {
  float x[8];
  ReadCoordinates(s, i, x);
  int dims = s.set.DimensionsNum;
  if (step.partners > 0) {
    float divisors[8];
    StepDivisors(s.set.BadnessFunctionNum, s.set.MDSAnalysisTypeNum, divisors);
    float scale = weight_sum > kStableWeightSum ? kStableWeightSum / weight_sum : 1.0f;
    float factor = s.run.StepFactor * scale;
    for (int k = 0; k < dims && k < 8; ++k) x[k] -= step.gradient[k] * factor / divisors[k];
  }
  for (int k = dims; k < 8; ++k) x[k] = 0.0f;
  ApplyBoundary(s.set.BoundaryTypeNum, s.set.ConstraintRadius, x);
  ApplyXYEmphasis(s, x);
  ResetRunaway(s, x);
  WriteCoordinates(s, i, x);
  PlaceObject(s, platform, i);
}

void WarnIndeterminate(Session& s, Platform& platform, int i) {
  s.run.NAWarned[i] = 1;
  platform.ShowMessage(IndeterminateObjectMessage(i));
}

}  // namespace

float SweepStepFactor(const Session& s) {
  float value = s.run.ObjFnValue;
  float f = value > 15.0f ? 0.15f : (value > 5.0f ? 0.5f : 1.2f);
  int size = s.set.StepSizeNum;
  float a = 0.0f;
  if (IsOrdinal(s.set.MDSAnalysisTypeNum)) a = size == 0 ? 0.4f : (size == 2 ? -0.3f : 0.0f);
  float base = static_cast<float>(size) + a;
  return kBaseStep * f / (9.0f * base * base * base * base + 1.0f);
}

int CountFreeObjects(const Session& s) {
  int free = 0;
  for (int i = 1; i <= s.prob.NObjects; ++i) free += s.prob.ObjParked[i] ? 0 : 1;
  return free;
}

float UsableWeightSum(const Session& s, int i) {
  const Problem& p = s.prob;
  const float* w = p.EffWeight.Row(i);
  const Flag* missing = p.DissimMissing.Row(i);
  const Flag* parked = p.ObjParked.data();
  float sum = 0.0f;
  for (int j = 1; j <= p.NObjects; ++j) sum += (j != i && !parked[j] && !missing[j]) ? w[j] : 0.0f;
  return sum;
}

SweepSums SweepObjects(Session& s, Platform& platform) {
  RunBook& run = s.run;
  SweepSums sums;
  run.StepFactor = SweepStepFactor(s);
  ++run.IterationCount;
  ++run.OrdinalIterationCount;
  ++run.TotalSweeps;
  int repeats = 0;
  long generation = s.prob.ProblemGeneration;
  int free = CountFreeObjects(s);
  int active_dims = ActiveDimensions(s);
  if (s.set.MDSAnalysisTypeNum == MaxMDSTypeNum) EnsureRanks(s, platform);
  for (int i = 1; i <= s.prob.NObjects; ++i) {
    if (s.prob.ObjParked[i]) continue;
    float previous[8] = {64, 64, 64, 64, 64, 64, 64, 64};
    ObjectStep step;
    bool counted = true;
    for (;;) {
      ++repeats;
      float weight_sum = 0.0f;
      if (StressEuclideanApplies(s.set)) {
        EvaluateObjectStressEuclidean(s, i, active_dims, step, weight_sum);
      } else {
        step = ObjectStep{};
        EvaluateObject(s, i, step, active_dims);
        weight_sum = UsableWeightSum(s, i);
      }
      run.PairEvaluations += step.partners;
      sums.interval_derivative += step.interval_derivative;
      if (step.partners < 2 && !run.NAWarned[i] && free > 2) {
        WarnIndeterminate(s, platform, i);
        // The message box may have let the user change the problem.
        if (s.prob.ProblemGeneration != generation) {
          sums.problem_replaced = true;
          return sums;
        }
        free = CountFreeObjects(s);
        active_dims = ActiveDimensions(s);
        counted = false;
        break;
      }
      if (!ObjectHeld(s, i)) {
        StepObject(s, platform, i, step, weight_sum);
        // The X-Y emphasis can give a coordinate that was 0 everywhere a value.
        for (int k = active_dims; k < 8; ++k)
          if (s.prob.LocDim[k + 1][i] != 0.0f) active_dims = k + 1;
      }
      if (repeats > kMaxRepeatsPerSweep) break;
      float moved = 0.0f;
      for (int k = 0; k < 8; ++k) {
        float now = s.prob.LocDim[k + 1][i];
        moved += std::fabs(previous[k] - now);
        previous[k] = now;
      }
      if (moved < run.ConvergeMoveLimit) run.QuickStepsDone = true;
      if (run.QuickStepsDone || run.RunState != kRunning) break;
    }
    if (counted) sums.raw_sum += step.badness_sum;
  }
  return sums;
}

}  // namespace quorel
