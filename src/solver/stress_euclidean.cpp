#include "solver/stress_euclidean.h"

#include <cmath>

#include "solver/stress_row_avx2.h"
#include "solver/vector_kernels.h"

namespace quorel {
namespace {

struct Sums {
  float gradient[8] = {};
  float badness = 0;
  float interval = 0;
  float weight = 0;
  int partners = 0;
};

struct Row {
  const float* x[8];
  float a[8];
  const float* dissim;
  const float* weight;
  const Flag* missing;
  const Flag* parked;
  float* map_dist;
  int n;
  int i;
  float c;
};

// The pair loop with the number of coordinates fixed at compile time; every
// partner is evaluated and the unusable ones (itself, parked, missing) are
// masked out, so that the loop has no branch and vectorises.
//   d = |a - x_j|, e = (d - c) - delta, gradient += 2 W e (a - x_j) / d
// (no direction below d = 1e-5), S += W e^2, interval derivative -= 2 W e.
template <int D>
inline __attribute__((always_inline)) void PairLoop(const Row& r, Sums& out) {
  const int n = r.n, self = r.i;
  const float c = r.c;
  const float* __restrict dissim = r.dissim;
  const float* __restrict weight = r.weight;
  const Flag* __restrict missing = r.missing;
  const Flag* __restrict parked = r.parked;
  float* __restrict map_dist = r.map_dist;
  // Coordinates above D are never read: a missing one reads coordinate 1
  // again and contributes a difference of 0.
  const float* __restrict x0 = r.x[0];
  const float* __restrict x1 = r.x[D > 1 ? 1 : 0];
  const float* __restrict x2 = r.x[D > 2 ? 2 : 0];
  const float* __restrict x3 = r.x[D > 3 ? 3 : 0];
  const float* __restrict x4 = r.x[D > 4 ? 4 : 0];
  const float* __restrict x5 = r.x[D > 5 ? 5 : 0];
  const float* __restrict x6 = r.x[D > 6 ? 6 : 0];
  const float* __restrict x7 = r.x[D > 7 ? 7 : 0];
  const float a0 = r.a[0], a1 = r.a[D > 1 ? 1 : 0], a2 = r.a[D > 2 ? 2 : 0],
              a3 = r.a[D > 3 ? 3 : 0], a4 = r.a[D > 4 ? 4 : 0], a5 = r.a[D > 5 ? 5 : 0],
              a6 = r.a[D > 6 ? 6 : 0], a7 = r.a[D > 7 ? 7 : 0];
  // First the masks, in a loop of their own so that the pair loop below
  // reads floats only: keep[j] is 1 for a usable partner (not itself, not
  // parked, pair not missing), w[j] its weight or 0.
  alignas(64) float keep[kMaxObjects + 1];
  alignas(64) float w[kMaxObjects + 1];
  int partners = 0;
  for (int j = 1; j <= n; ++j) {
    const int ok = (parked[j] | missing[j]) == 0;
    keep[j] = static_cast<float>(ok);
    partners += ok;
  }
  if (self >= 1 && self <= n) {
    if ((parked[self] | missing[self]) == 0) --partners;
    keep[self] = 0.0f;
  }
  for (int j = 1; j <= n; ++j) w[j] = keep[j] * weight[j];
  float g0 = 0, g1 = 0, g2 = 0, g3 = 0, g4 = 0, g5 = 0, g6 = 0, g7 = 0;
  float badness = 0, interval = 0, weight_sum = 0;
#pragma omp simd reduction(+ : g0, g1, g2, g3, g4, g5, g6, g7, badness, interval, weight_sum)
  for (int j = 1; j <= n; ++j) {
    const float d0 = a0 - x0[j];
    const float d1 = D > 1 ? a1 - x1[j] : 0.0f;
    const float d2 = D > 2 ? a2 - x2[j] : 0.0f;
    const float d3 = D > 3 ? a3 - x3[j] : 0.0f;
    const float d4 = D > 4 ? a4 - x4[j] : 0.0f;
    const float d5 = D > 5 ? a5 - x5[j] : 0.0f;
    const float d6 = D > 6 ? a6 - x6[j] : 0.0f;
    const float d7 = D > 7 ? a7 - x7[j] : 0.0f;
    const float sum = d0 * d0 + d1 * d1 + d2 * d2 + d3 * d3 + d4 * d4 + d5 * d5 + d6 * d6 + d7 * d7;
    const float d = std::sqrt(sum);
    const float wj = w[j];
    const float e = (d - c) - dissim[j];
    // 2 W e u_k with u_k = delta_k / d, or no direction at d <= 1e-5.
    const float q = d > 1e-5f ? (2 * wj * e) / d : 0.0f;
    g0 += q * d0;
    if constexpr (D > 1) g1 += q * d1;
    if constexpr (D > 2) g2 += q * d2;
    if constexpr (D > 3) g3 += q * d3;
    if constexpr (D > 4) g4 += q * d4;
    if constexpr (D > 5) g5 += q * d5;
    if constexpr (D > 6) g6 += q * d6;
    if constexpr (D > 7) g7 += q * d7;
    badness += wj * (e * e);
    interval += -2 * wj * e;
    weight_sum += wj;
    map_dist[j] = keep[j] != 0.0f ? d : map_dist[j];
  }
  const float g[8] = {g0, g1, g2, g3, g4, g5, g6, g7};
  for (int k = 0; k < 8; ++k) out.gradient[k] = k < D ? g[k] : 0.0f;
  out.badness = badness;
  out.interval = interval;
  out.weight = weight_sum;
  out.partners = partners;
}

// One row of the Stress1 denominator: partners j = 1..i-1 of object i,
// unusable ones (parked, missing) masked out by a weight of 0.
template <int D>
inline __attribute__((always_inline)) float SquaredDistanceRow(const Session& s, int i) {
  const float* __restrict weight = s.prob.EffWeight.Row(i);
  const Flag* __restrict missing = s.prob.DissimMissing.Row(i);
  const Flag* __restrict parked = s.prob.ObjParked.data();
  const float* __restrict x[D];
  float a[D];
  for (int k = 0; k < D; ++k) {
    x[k] = s.prob.LocDim[k + 1].data();
    a[k] = x[k][i];
  }
  // The weights first, in a loop of their own, so that the sum below reads
  // floats only (as the pair loop of the sweep does).
  alignas(64) float w[kMaxObjects + 1];
  for (int j = 1; j < i; ++j) w[j] = static_cast<float>((parked[j] | missing[j]) == 0) * weight[j];
  float sum = 0;
#pragma omp simd reduction(+ : sum)
  for (int j = 1; j < i; ++j) {
    float d2 = 0;
    for (int k = 0; k < D; ++k) {
      const float delta = a[k] - x[k][j];
      d2 += delta * delta;
    }
    sum += w[j] * d2;
  }
  return sum;
}

template <int D>
float SquaredDistances(const Session& s) {
  float total = 0;
  for (int i = 2; i <= s.prob.NObjects; ++i)
    if (!s.prob.ObjParked[i]) total += SquaredDistanceRow<D>(s, i);
  return total;
}

}  // namespace

float WeightedSquaredDistanceSum(const Session& s, int dims) {
#ifdef QUOREL_HAVE_X86_KERNELS
  if (VectorKernelsInUse()) {
    stress_row::RowData row{};
    for (int k = 0; k < 8; ++k) row.x[k] = s.prob.LocDim[k + 1].data();
    row.parked = s.prob.ObjParked.data();
    float total = 0;
    for (int i = 2; i <= s.prob.NObjects; ++i) {
      if (s.prob.ObjParked[i]) continue;
      for (int k = 0; k < 8; ++k) row.a[k] = row.x[k][i];
      row.weight = s.prob.EffWeight.Row(i);
      row.missing = s.prob.DissimMissing.Row(i);
      row.self = i;
      total += stress_row::SquaredDistanceRowAvx2(dims, row);
    }
    return total;
  }
#endif
  switch (dims) {
    case 1:
      return SquaredDistances<1>(s);
    case 2:
      return SquaredDistances<2>(s);
    case 3:
      return SquaredDistances<3>(s);
    case 4:
      return SquaredDistances<4>(s);
    case 5:
      return SquaredDistances<5>(s);
    case 6:
      return SquaredDistances<6>(s);
    case 7:
      return SquaredDistances<7>(s);
    default:
      return SquaredDistances<8>(s);
  }
}

bool StressEuclideanApplies(const Settings& t) {
  bool stress = t.BadnessFunctionNum == 0 || t.BadnessFunctionNum == 1;
  bool plain_type = !HasBounds(t.MDSAnalysisTypeNum) && !IsOrdinal(t.MDSAnalysisTypeNum);
  return stress && plain_type && t.DistanceFunctionNum == 0;
}

void EvaluateObjectStressEuclidean(Session& s, int i, int active_dims, ObjectStep& out,
                                   float& weight_sum, [[maybe_unused]] bool avx2_kernel) {
  out = ObjectStep{};
  weight_sum = 0;
  if (s.prob.ObjParked[i]) return;
  Row r;
  for (int k = 0; k < 8; ++k) {
    r.x[k] = s.prob.LocDim[k + 1].data();
    r.a[k] = r.x[k][i];
  }
  r.dissim = s.prob.Dissim.Row(i);
  r.weight = s.prob.EffWeight.Row(i);
  r.missing = s.prob.DissimMissing.Row(i);
  r.parked = s.prob.ObjParked.data();
  r.map_dist = s.derived.MapDist.Row(i);
  r.n = s.prob.NObjects;
  r.i = i;
  r.c = s.prob.IntervalConstant;
  const int dims = active_dims <= 0 ? 1 : active_dims;
#ifdef QUOREL_HAVE_X86_KERNELS
  if (avx2_kernel && VectorKernelsInUse()) {
    stress_row::RowData row{};
    for (int k = 0; k < 8; ++k) {
      row.x[k] = r.x[k];
      row.a[k] = r.a[k];
    }
    row.dissim = r.dissim;
    row.weight = r.weight;
    row.parked = r.parked;
    row.missing = r.missing;
    row.map_dist = r.map_dist;
    row.n = r.n;
    row.self = i;
    row.c = r.c;
    stress_row::RowSums sums;
    stress_row::RowLoopAvx2(dims, row, sums);
    for (int k = 0; k < 8; ++k) out.gradient[k] = k < dims ? sums.g[k] : 0.0f;
    out.badness_sum = sums.badness;
    out.interval_derivative = sums.interval;
    out.partners = sums.partners;
    weight_sum = sums.weight;
    return;
  }
#endif
  Sums sums;
  switch (dims) {
    case 1:
      PairLoop<1>(r, sums);
      break;
    case 2:
      PairLoop<2>(r, sums);
      break;
    case 3:
      PairLoop<3>(r, sums);
      break;
    case 4:
      PairLoop<4>(r, sums);
      break;
    case 5:
      PairLoop<5>(r, sums);
      break;
    case 6:
      PairLoop<6>(r, sums);
      break;
    case 7:
      PairLoop<7>(r, sums);
      break;
    default:
      PairLoop<8>(r, sums);
      break;
  }
  for (int k = 0; k < 8; ++k) out.gradient[k] = sums.gradient[k];
  out.badness_sum = sums.badness;
  out.interval_derivative = sums.interval;
  out.partners = sums.partners;
  weight_sum = sums.weight;
}

}  // namespace quorel
