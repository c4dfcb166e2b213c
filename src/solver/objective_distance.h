// Map distances for the objective: the per-object context of the pair loops
// and the Euclidean, City Block and Minkowski distance with its direction.
#pragma once

#include <cmath>

namespace quorel::objective_kernel {

inline constexpr int kEuclidean = 0;
inline constexpr int kCityBlock = 1;
inline constexpr int kMinkowski = 2;

// Everything a pair needs that does not change while one object is moved.
struct ContextData {
  int n = 0;
  const float* x[8] = {};
  float c = 0;  // IntervalConstant
  float r_cap = 3.0e38f;
  float p = 2, p_inv = 0.5f;
  float centre_factor = 0;  // 0.1 with CentreInBounds, else 0
  // Ordinal.
  bool warm_up = false;
  float t = 0;
  int ranked_pairs = 0;
  const int* up_a = nullptr;
  const int* up_b = nullptr;
  const int* lo_a = nullptr;
  const int* lo_b = nullptr;
  float ord_min = 0, ord_max = 0;
};

// The data with the number of coordinates the loops run over, a constant so
// that they unroll; coordinates above kDims are zero for every object.
template <int kDims>
struct Context : ContextData {
  static constexpr int dims = kDims;
};

// Powers are taken in double and stored back as single values.
inline float Pow(float v, float p) {
  return static_cast<float>(std::pow(static_cast<double>(v), static_cast<double>(p)));
}

// Map distance between coordinates a and object j, with its direction u.
template <int kDist, class Cx>
inline float DistanceAndDirection(const Cx& cx, const float* a, int j, float* u) {
  float delta[8];
  for (int k = 0; k < cx.dims; ++k) delta[k] = a[k] - cx.x[k][j];
  if constexpr (kDist == kEuclidean) {
    float sum = 0;
    for (int k = 0; k < cx.dims; ++k) sum += delta[k] * delta[k];
    float d = std::sqrt(sum);
    if (d <= 1e-5f) {
      for (int k = 0; k < cx.dims; ++k) u[k] = 0;
    } else {
      for (int k = 0; k < cx.dims; ++k) u[k] = delta[k] / d;
    }
    return d;
  } else if constexpr (kDist == kCityBlock) {
    float d = 0;
    for (int k = 0; k < cx.dims; ++k) {
      float size = std::fabs(delta[k]);
      d += size;
      // The sign, smoothed near 0.
      u[k] = size <= 0.1f ? 10.0f * delta[k] : (delta[k] > 0 ? 1.0f : -1.0f);
    }
    return d;
  } else {
    float sum = 0;
    for (int k = 0; k < cx.dims; ++k) sum += Pow(std::fabs(delta[k]), cx.p);
    float d = Pow(sum, cx.p_inv);
    if (std::fabs(sum) <= 1e-5f) {
      float push = cx.p >= 1.99f ? 10.0f : 0.0f;
      for (int k = 0; k < cx.dims; ++k) u[k] = push;
    } else {
      for (int k = 0; k < cx.dims; ++k) u[k] = d * delta[k] / sum;
    }
    return d;
  }
}

// Map distance of two objects, without the direction.
template <int kDist, class Cx>
inline float DistanceOnly(const Cx& cx, int a, int b) {
  float sum = 0;
  for (int k = 0; k < cx.dims; ++k) {
    float delta = cx.x[k][a] - cx.x[k][b];
    if constexpr (kDist == kEuclidean)
      sum += delta * delta;
    else if constexpr (kDist == kCityBlock)
      sum += std::fabs(delta);
    else
      sum += Pow(std::fabs(delta), cx.p);
  }
  if constexpr (kDist == kEuclidean) return std::sqrt(sum);
  if constexpr (kDist == kCityBlock) return sum;
  return Pow(sum, cx.p_inv);
}
}  // namespace quorel::objective_kernel
