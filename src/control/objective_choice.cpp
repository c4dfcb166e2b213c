#include "control/objective_choice.h"

#include "model/captions.h"
#include "prep/derived_data.h"

namespace quorel {
namespace {

constexpr float kExponentStep = 0.1f;
constexpr float kLargeExponentStep = 0.5f;
// Half a step short of the limits, so that drift of the single-precision
// steps never decides whether a press still counts.
constexpr float kHalfStep = 0.5f * kExponentStep;
constexpr float kLargeStepAbove = kHighestMinkowskiExponent + kHalfStep;

}  // namespace

float StepMinkowskiExponent(float p, bool up, Platform& platform) {
  if (up) {
    if (p < kHighestMinkowskiExponent - kHalfStep) return p + kExponentStep;
  } else {
    const float step = p <= kLargeStepAbove ? kExponentStep : kLargeExponentStep;
    if (p > kLowestMinkowskiExponent + kHalfStep) return p - step;
  }
  platform.Beep();
  return p;
}

bool MinkowskiExponentAllowed(double p) {
  return p >= kLowestMinkowskiExponent && p <= kHighestMinkowskiExponent;
}

int SuppressOptionOf(int suppress_num) {
  return suppress_num == 0 || suppress_num == 1 ? suppress_num : kKeepBothOption;
}

void SetSuppressOption(Session& s, int option) {
  s.set.SuppressNum = option == kKeepBothOption ? -1 : option;
}

ObjectiveChoice CurrentObjectiveChoice(const Session& s) {
  return {s.set.BadnessFunctionNum, s.set.DistanceFunctionNum, s.set.MinkowskiExponent};
}

void ApplyObjectiveChoice(Session& s, Platform& platform, const ObjectiveChoice& choice) {
  Settings& t = s.set;
  t.MinkowskiExponent = choice.minkowski_exponent;
  t.MinkowskiInverse = 1.0f / choice.minkowski_exponent;
  t.DistanceFunctionNum = choice.distance;
  t.BadnessFunctionNum = choice.badness;
  RefreshDerivedData(s, platform, DataChange::kBadnessFunction);
  ResetSeries(s);
  s.captions.cmdBadnessFns = BadnessCaption(s);
  s.captions.cmdDistanceFns = DistanceCaption(s);
  platform.RefreshCaptions();
}

}  // namespace quorel
