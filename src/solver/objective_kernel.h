// The arithmetic of one pair, as templates on the badness function, the
// distance function and the kind of MDS type, so that the loop over the
// partners of an object carries no branch on a setting.  Used only by the
// objective sources; EvaluatePair and EvaluateObject share it, which keeps
// their results identical.
#pragma once

#include <cmath>

#include "solver/objective_distance.h"

namespace quorel::objective_kernel {

// Badness codes as in BadnessFunctionNum; Stress1 is evaluated as Stress.
inline constexpr int kStress = 0;
inline constexpr int kSStress = 2;
inline constexpr int kMultiscale = 3;
inline constexpr int kFractional = 4;

// Kinds of MDS type: Ratio and Interval (0, 2), the "+ Bounds" types (1, 3)
// and Ordinal (4).
inline constexpr int kPlain = 0;
inline constexpr int kBounded = 1;
inline constexpr int kOrdinal = 2;

inline constexpr float kOffset = 0.0001f;  // keeps logarithms and quotients finite

// What a pair adds: gradient component k is grad_factor * u[k].
struct Term {
  float d = 0;
  float e = 0;
  float grad_factor = 0;
  float interval_derivative = 0;
};

inline float Ln(float v) {
  return static_cast<float>(std::log(static_cast<double>(v)));
}

// Ratio and interval badness of d against target delta, given r = 1/(c + 0.0001 + delta).
template <int kBad>
inline float PlainBadness(float d, float c, float delta, float r) {
  if constexpr (kBad == kStress) return (d - c) - delta;
  if constexpr (kBad == kSStress) return d * d - (c + delta) * (c + delta);
  if constexpr (kBad == kMultiscale) return Ln((d + kOffset) * r);
  return ((d - c) - delta) * r;
}

// The badness against an error bound b in place of the target.
template <int kBad>
inline float BoundBadness(float d, float c, float b) {
  if constexpr (kBad == kStress) return (d - c) - b;
  if constexpr (kBad == kSStress) return d * d - (c + b) * (c + b);
  if constexpr (kBad == kMultiscale) return Ln((d + kOffset) / (c + kOffset + b));
  return ((d - c) - b) / (c + kOffset + b);
}

// The ordinal distance of d to a target distance t.
template <int kBad>
inline float ToTarget(float d, float t) {
  if constexpr (kBad == kStress) return d - t;
  if constexpr (kBad == kSStress) return d * d - t * t;
  if constexpr (kBad == kMultiscale) return Ln((d + kOffset) / (t + kOffset));
  return (d - t) / (t + kOffset);
}

// The distances ranked pair k is held between: du of the representative pair
// of the next higher rank group and dl of the next lower one.  The groups at
// the ends of the ranking have a neighbour on one side only: the top group's
// band collapses to OrdMaxDissim, the bottom group's is
// [OrdMinDissim, OrdMinDissim + 0.01].
template <int kDist, class Cx>
inline void OrdinalNeighbours(const Cx& cx, int k, float& du, float& dl) {
  if (cx.up_a[k] > cx.n) {
    du = dl = cx.ord_max;
  } else if (cx.lo_a[k] == 0) {
    du = cx.ord_min + 0.01f;
    dl = cx.ord_min;
  } else {
    du = DistanceOnly<kDist>(cx, cx.up_a[k], cx.up_b[k]);
    dl = DistanceOnly<kDist>(cx, cx.lo_a[k], cx.lo_b[k]);
  }
}

// The ordinal badness of pair k at distance d.
template <int kBad, int kDist, class Cx>
inline float OrdinalBadness(const Cx& cx, int k, float d, float delta, float r) {
  if (k <= 0 || k > cx.ranked_pairs) {
    // A pair without a rank (ranks not yet rebuilt): its ratio term.
    if constexpr (kBad == kStress) return d - delta;
    if constexpr (kBad == kSStress) return d * d - delta * delta;
    if constexpr (kBad == kMultiscale) return Ln((d + kOffset) * r);
    return (d - delta) * r;
  }
  float du, dl;
  OrdinalNeighbours<kDist>(cx, k, du, dl);
  const float m = (dl + du) / 2;
  if (cx.warm_up) {
    const float t = cx.t, rest = 1.0f - cx.t;
    if constexpr (kBad == kStress) return t * (d - m) + rest * (d - delta);
    if constexpr (kBad == kSStress) return t * (d * d - m * m) + rest * (d * d - delta * delta);
    if constexpr (kBad == kMultiscale)
      return t * (ToTarget<kBad>(d, du) + ToTarget<kBad>(d, dl)) + rest * Ln((d + kOffset) * r);
    return t * (d - m) / (m + kOffset) + rest * (d - delta) * r;
  }
  if (du >= dl) {  // neighbours in order
    if (dl < d && d < du) return ToTarget<kBad>(d, m) * cx.centre_factor;
    if (d >= du) return ToTarget<kBad>(d, du);
    return ToTarget<kBad>(d, dl);
  }
  // Neighbours crossed: the higher group's pair is shorter than the lower's.
  if (du <= d && d <= dl) return ToTarget<kBad>(d, du) + ToTarget<kBad>(d, dl);
  if (d > dl) return ToTarget<kBad>(d, du);
  return ToTarget<kBad>(d, dl);
}

// One ordered pair: object i at coordinates a, partner j.  lower and upper
// are read only by the bounded kind, k only by the ordinal kind.
template <int kBad, int kDist, int kKind, class Cx>
inline Term EvaluateTerm(const Cx& cx, const float* a, int j, float delta, float w, float lower,
                         float upper, int k, float* u) {
  Term out;
  const float c = cx.c;
  const float d = DistanceAndDirection<kDist>(cx, a, j, u);
  out.d = d;
  float r = 1.0f / (c + kOffset + delta);
  if (r > cx.r_cap) r = cx.r_cap;

  float e;
  if constexpr (kKind == kPlain) {
    e = PlainBadness<kBad>(d, c, delta, r);
  } else if constexpr (kKind == kBounded) {
    if (d - c < lower)
      e = BoundBadness<kBad>(d, c, lower);
    else if (c + upper - d < 0)
      e = BoundBadness<kBad>(d, c, upper);
    else
      e = PlainBadness<kBad>(d, c, delta, r) * cx.centre_factor;
  } else {
    e = OrdinalBadness<kBad, kDist>(cx, k, d, delta, r);
  }
  out.e = e;

  if constexpr (kBad == kStress) {
    out.grad_factor = 2 * w * e;
    out.interval_derivative = -2 * w * e;
  } else if constexpr (kBad == kSStress) {
    out.grad_factor = 4 * w * e * d;
    out.interval_derivative = -4 * w * e * (c + delta);
  } else if constexpr (kBad == kMultiscale) {
    out.grad_factor = d > 1e-5f ? 2 * w * e * (1.0f / d) : 0.0f;
    out.interval_derivative = -2 * w * e / ((d + kOffset) * (c + kOffset + delta));
  } else {
    out.grad_factor = 2 * w * e * r;
    out.interval_derivative = -2 * w * e / (c + kOffset + delta);
  }
  return out;
}

}  // namespace quorel::objective_kernel
