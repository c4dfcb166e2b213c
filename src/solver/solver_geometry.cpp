#include "solver/solver_geometry.h"

#include <cmath>

namespace quorel {
namespace {

float Sign(float v) {
  return static_cast<float>((v > 0) - (v < 0));
}

// Puts x[lead..7] on the sphere of radius r through the ray of x, keeping the
// ratios of the other coordinates to x[lead]; coordinates 3..8 are first
// shrunk by r^2 / s.
void ProjectOntoSphere(float x[8], int lead, float r, float s) {
  float shrink = r * r / s;
  for (int k = 2; k < 8; ++k) x[k] *= shrink;
  float ratio[8] = {};
  float ratio_sq = 0.0f;
  float lead_abs = std::fabs(x[lead]);
  for (int k = lead + 1; k < 8; ++k) {
    ratio[k] = lead_abs <= 1e-6f ? std::fabs(x[k]) * 1e7f : std::fabs(x[k] / x[lead]);
    ratio_sq += ratio[k] * ratio[k];
  }
  x[lead] = Sign(x[lead]) * r / std::sqrt(1.0f + ratio_sq);
  for (int k = lead + 1; k < 8; ++k) x[k] = std::fabs(ratio[k] * x[lead]) * Sign(x[k]);
}

}  // namespace

void ApplyBoundary(int boundary_type, float r, float x[8]) {
  // The sums are single precision; the limits R^2 and R^2 + 1e-5 are the
  // exact values, not their nearest floats.
  const double r_sq = static_cast<double>(r) * r;
  switch (boundary_type) {
    case 0: {
      float s = 0.0f;
      for (int k = 0; k < 8; ++k) s += x[k] * x[k];
      if (s > r_sq) ProjectOntoSphere(x, 0, r, s);
      break;
    }
    case 1: {
      float s = 0.0f;
      for (int k = 1; k < 8; ++k) s += x[k] * x[k];
      if (s > r_sq + 1e-5) ProjectOntoSphere(x, 1, r, s);
      break;
    }
    case 2:
      for (int k = 0; k < 8; ++k) {
        if (x[k] > r) x[k] = r;
        if (x[k] < -r) x[k] = -r;
      }
      break;
    default:
      break;
  }
}

namespace {

// The emphasis changes coordinates up to this sweep of a run.
constexpr int kEmphasisSweepsFewObjects = 99;  // fewer than 11 objects
constexpr int kEmphasisSweeps = 199;

bool XYEmphasisApplies(const Session& s) {
  return s.set.XYSectionEmphasis && s.set.DimensionsNum > 2 && !s.prob.LocationsGiven;
}

}  // namespace

bool XYEmphasisInForce(const Session& s) {
  const int last = s.prob.NObjects < 11 ? kEmphasisSweepsFewObjects : kEmphasisSweeps;
  return XYEmphasisApplies(s) && s.run.IterationCount <= last;
}

void ApplyXYEmphasis(Session& s, float x[8]) {
  if (!XYEmphasisApplies(s)) return;
  int it = s.run.IterationCount;
  // Factors for coordinates 3..8.
  static constexpr float kSmallEarly[6] = {0.3f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f};
  static constexpr float kSmallMiddle[6] = {1.0f, 0.5f, 0.3f, 0.3f, 0.3f, 0.3f};
  static constexpr float kSmallLate[6] = {0.9f, 0.8f, 0.7f, 0.7f, 0.7f, 0.7f};
  static constexpr float kLargeEarly[6] = {0.8f, 0.7f, 0.7f, 0.7f, 0.6f, 0.6f};
  static constexpr float kLargeMiddle[6] = {0.9f, 0.8f, 0.8f, 0.8f, 0.7f, 0.7f};
  static constexpr float kLargeLate[6] = {0.95f, 0.9f, 0.85f, 0.8f, 0.75f, 0.7f};
  const float* factors = nullptr;
  if (s.prob.NObjects < 11) {
    if (it <= 34) {
      factors = kSmallEarly;
    } else if (it <= 74) {
      x[2] = 0.7f * x[2] + 0.1f * s.Rnd();
      factors = kSmallMiddle;
    } else if (it <= 99) {
      factors = kSmallLate;
    }
  } else {
    if (it < 100)
      factors = kLargeEarly;
    else if (it < 150)
      factors = kLargeMiddle;
    else if (it < 200)
      factors = kLargeLate;
  }
  if (factors == nullptr) return;
  for (int k = 2; k < 8; ++k) x[k] *= factors[k - 2];
}

void ResetRunaway(Session& s, float x[8]) {
  if (std::fabs(x[0]) > 1000.0f) x[0] = s.Rnd() * Sign(x[0]);
  if (std::fabs(x[1]) > 1000.0f) x[1] = 21.0f * x[0] + 0.5f - s.Rnd();
  for (int k = 3; k < 8; ++k)
    if (std::fabs(x[k]) > 10.0f) x[k] = 0.2f * Sign(x[k]);
}

}  // namespace quorel
