#include "solver/stress_row_avx2.h"

#include <immintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace quorel::stress_row {
namespace {

// The same pair in scalar arithmetic, for the partners after the last full
// vector.
template <int D>
inline void ScalarPair(const RowData& r, int j, RowSums& s) {
  const bool usable = j != r.self && r.parked[j] == 0 && r.missing[j] == 0;
  float delta[D];
  float sum = 0;
  for (int k = 0; k < D; ++k) {
    delta[k] = r.a[k] - r.x[k][j];
    sum = k == 0 ? delta[0] * delta[0] : sum + delta[k] * delta[k];
  }
  const float d = std::sqrt(sum);
  const float wj = usable ? r.weight[j] : 0.0f;
  const float e = (d - r.c) - r.dissim[j];
  const float q = d > 1e-5f ? (2 * wj * e) / d : 0.0f;
  for (int k = 0; k < D; ++k) s.g[k] += q * delta[k];
  s.badness += wj * (e * e);
  s.interval += -2 * wj * e;
  s.weight += wj;
  s.partners += usable ? 1 : 0;
  if (usable) r.map_dist[j] = d;
}

__attribute__((target("avx2,fma"))) float Total(__m256 v) {
  __m128 low = _mm256_castps256_ps128(v);
  __m128 high = _mm256_extractf128_ps(v, 1);
  __m128 sum = _mm_add_ps(low, high);
  sum = _mm_add_ps(sum, _mm_movehl_ps(sum, sum));
  sum = _mm_add_ss(sum, _mm_shuffle_ps(sum, sum, 1));
  return _mm_cvtss_f32(sum);
}

template <int D>
__attribute__((target("avx2,fma"))) void RowLoop(const RowData& r, RowSums& out) {
  __m256 a[D];
  for (int k = 0; k < D; ++k) a[k] = _mm256_set1_ps(r.a[k]);
  const __m256 c = _mm256_set1_ps(r.c);
  const __m256 two = _mm256_set1_ps(2.0f), minus_two = _mm256_set1_ps(-2.0f);
  const __m256 tiny = _mm256_set1_ps(1e-5f), half = _mm256_set1_ps(0.5f),
               three_halves = _mm256_set1_ps(1.5f), zero = _mm256_setzero_ps();
  const __m256i self = _mm256_set1_epi32(r.self);
  const __m256i lane = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  __m256 g[D];
  for (int k = 0; k < D; ++k) g[k] = zero;
  __m256 badness = zero, interval = zero, weight = zero;
  int partners = 0;
  // Local copies: the store into map_dist could otherwise alias the row.
  const float* __restrict x[D];
  for (int k = 0; k < D; ++k) x[k] = r.x[k];
  const float* __restrict dissim = r.dissim;
  const float* __restrict weight_row = r.weight;
  const unsigned char* __restrict parked = r.parked;
  const unsigned char* __restrict missing = r.missing;
  float* __restrict map_dist = r.map_dist;
  const int n = r.n;
  int j = 1;
  for (; j + 7 <= n; j += 8) {
    // Usable: both flag bytes 0 and not the object itself.
    std::int64_t parked8, missing8;
    std::memcpy(&parked8, parked + j, 8);
    std::memcpy(&missing8, missing + j, 8);
    const __m256i flags = _mm256_cvtepu8_epi32(_mm_cvtsi64_si128(parked8 | missing8));
    const __m256i index = _mm256_add_epi32(_mm256_set1_epi32(j), lane);
    const __m256i unusable = _mm256_or_si256(
        _mm256_cmpeq_epi32(index, self),
        _mm256_xor_si256(_mm256_cmpeq_epi32(flags, _mm256_setzero_si256()), _mm256_set1_epi32(-1)));
    const __m256 usable = _mm256_castsi256_ps(_mm256_xor_si256(unusable, _mm256_set1_epi32(-1)));
    partners += __builtin_popcount(static_cast<unsigned>(_mm256_movemask_ps(usable)));
    __m256 delta[D];
    for (int k = 0; k < D; ++k) delta[k] = _mm256_sub_ps(a[k], _mm256_loadu_ps(x[k] + j));
    // The squares summed in coordinate order, as the reference evaluation
    // sums them, so that the distance is the same to the last bit.
    __m256 sum = _mm256_mul_ps(delta[0], delta[0]);
    for (int k = 1; k < D; ++k) sum = _mm256_add_ps(sum, _mm256_mul_ps(delta[k], delta[k]));
    const __m256 d = _mm256_sqrt_ps(sum);
    const __m256 wj = _mm256_and_ps(usable, _mm256_loadu_ps(weight_row + j));
    const __m256 e = _mm256_sub_ps(_mm256_sub_ps(d, c), _mm256_loadu_ps(dissim + j));
    // 1/d: the estimate, then y (3/2 - sum y^2 / 2).
    __m256 inv = _mm256_rsqrt_ps(sum);
    inv = _mm256_mul_ps(inv, _mm256_sub_ps(three_halves, _mm256_mul_ps(_mm256_mul_ps(half, sum),
                                                                       _mm256_mul_ps(inv, inv))));
    const __m256 factor = _mm256_mul_ps(_mm256_mul_ps(two, wj), e);
    const __m256 has_direction = _mm256_cmp_ps(d, tiny, _CMP_GT_OQ);
    const __m256 q = _mm256_and_ps(has_direction, _mm256_mul_ps(factor, inv));
    for (int k = 0; k < D; ++k) g[k] = _mm256_fmadd_ps(q, delta[k], g[k]);
    badness = _mm256_fmadd_ps(wj, _mm256_mul_ps(e, e), badness);
    interval = _mm256_fmadd_ps(_mm256_mul_ps(minus_two, wj), e, interval);
    weight = _mm256_add_ps(weight, wj);
    const __m256 old = _mm256_loadu_ps(map_dist + j);
    _mm256_storeu_ps(map_dist + j, _mm256_blendv_ps(old, d, usable));
  }
  RowSums sums;
  for (int k = 0; k < D; ++k) sums.g[k] = Total(g[k]);
  sums.badness = Total(badness);
  sums.interval = Total(interval);
  sums.weight = Total(weight);
  sums.partners = partners;
  for (; j <= r.n; ++j) ScalarPair<D>(r, j, sums);
  out = sums;
}

// Usable lanes of partners j..j+7: both flag bytes 0 (the caller keeps the
// object itself out of the range).
__attribute__((target("avx2"))) inline __m256 UsableFlags(const unsigned char* parked,
                                                          const unsigned char* missing, int j) {
  std::int64_t parked8, missing8;
  std::memcpy(&parked8, parked + j, 8);
  std::memcpy(&missing8, missing + j, 8);
  const __m256i flags = _mm256_cvtepu8_epi32(_mm_cvtsi64_si128(parked8 | missing8));
  return _mm256_castsi256_ps(_mm256_cmpeq_epi32(flags, _mm256_setzero_si256()));
}

template <int D>
__attribute__((target("avx2,fma"))) float SquaredDistanceRow(const RowData& r) {
  __m256 a[D];
  for (int k = 0; k < D; ++k) a[k] = _mm256_set1_ps(r.a[k]);
  __m256 total = _mm256_setzero_ps();
  const int last = r.self - 1;
  int j = 1;
  for (; j + 7 <= last; j += 8) {
    const __m256 usable = UsableFlags(r.parked, r.missing, j);
    __m256 sum = _mm256_setzero_ps();
    for (int k = 0; k < D; ++k) {
      const __m256 delta = _mm256_sub_ps(a[k], _mm256_loadu_ps(r.x[k] + j));
      sum = _mm256_fmadd_ps(delta, delta, sum);
    }
    total = _mm256_fmadd_ps(_mm256_and_ps(usable, _mm256_loadu_ps(r.weight + j)), sum, total);
  }
  float sum = Total(total);
  for (; j <= last; ++j) {
    if (r.parked[j] | r.missing[j]) continue;
    float d2 = 0;
    for (int k = 0; k < D; ++k) {
      const float delta = r.a[k] - r.x[k][j];
      d2 += delta * delta;
    }
    sum += r.weight[j] * d2;
  }
  return sum;
}

}  // namespace

void RowLoopAvx2(int dims, const RowData& r, RowSums& out) {
  switch (dims) {
    case 1:
      return RowLoop<1>(r, out);
    case 2:
      return RowLoop<2>(r, out);
    case 3:
      return RowLoop<3>(r, out);
    case 4:
      return RowLoop<4>(r, out);
    case 5:
      return RowLoop<5>(r, out);
    case 6:
      return RowLoop<6>(r, out);
    case 7:
      return RowLoop<7>(r, out);
    default:
      return RowLoop<8>(r, out);
  }
}

float SquaredDistanceRowAvx2(int dims, const RowData& r) {
  switch (dims) {
    case 1:
      return SquaredDistanceRow<1>(r);
    case 2:
      return SquaredDistanceRow<2>(r);
    case 3:
      return SquaredDistanceRow<3>(r);
    case 4:
      return SquaredDistanceRow<4>(r);
    case 5:
      return SquaredDistanceRow<5>(r);
    case 6:
      return SquaredDistanceRow<6>(r);
    case 7:
      return SquaredDistanceRow<7>(r);
    default:
      return SquaredDistanceRow<8>(r);
  }
}

}  // namespace quorel::stress_row
