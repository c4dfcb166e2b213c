#include "solver/stress_plane_avx2.h"

#include <immintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace quorel::stress_plane {
namespace {

// The same pair in scalar arithmetic, for the partners after the last full
// vector.
inline void ScalarPair(const PlaneRow& r, int j, PlaneSums& s) {
  const bool usable = j != r.self && r.parked[j] == 0 && r.missing[j] == 0;
  const float d0 = r.a0 - r.x0[j];
  const float d1 = r.a1 - r.x1[j];
  const float sum = d0 * d0 + d1 * d1;
  const float d = std::sqrt(sum);
  const float wj = usable ? r.weight[j] : 0.0f;
  const float e = (d - r.c) - r.dissim[j];
  const float q = d > 1e-5f ? (2 * wj * e) / d : 0.0f;
  s.g0 += q * d0;
  s.g1 += q * d1;
  s.badness += wj * (e * e);
  s.interval += -2 * wj * e;
  s.weight += wj;
  s.partners += usable ? 1 : 0;
  if (usable) r.map_dist[j] = d;
}

__attribute__((target("avx2"))) float Total(__m256 v) {
  __m128 low = _mm256_castps256_ps128(v);
  __m128 high = _mm256_extractf128_ps(v, 1);
  __m128 sum = _mm_add_ps(low, high);
  sum = _mm_add_ps(sum, _mm_movehl_ps(sum, sum));
  sum = _mm_add_ss(sum, _mm_shuffle_ps(sum, sum, 1));
  return _mm_cvtss_f32(sum);
}

}  // namespace

bool ProcessorHasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

__attribute__((target("avx2"))) void PlaneLoopAvx2(const PlaneRow& r, PlaneSums& out) {
  const __m256 a0 = _mm256_set1_ps(r.a0), a1 = _mm256_set1_ps(r.a1), c = _mm256_set1_ps(r.c);
  const __m256 two = _mm256_set1_ps(2.0f), minus_two = _mm256_set1_ps(-2.0f);
  const __m256 tiny = _mm256_set1_ps(1e-5f), half = _mm256_set1_ps(0.5f),
               three_halves = _mm256_set1_ps(1.5f), zero = _mm256_setzero_ps();
  const __m256i self = _mm256_set1_epi32(r.self);
  const __m256i lane = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  __m256 g0 = zero, g1 = zero, badness = zero, interval = zero, weight = zero;
  int partners = 0;
  // Local copies: the store into map_dist could otherwise alias the row.
  const float* __restrict x0 = r.x0;
  const float* __restrict x1 = r.x1;
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
    const __m256 d0 = _mm256_sub_ps(a0, _mm256_loadu_ps(x0 + j));
    const __m256 d1 = _mm256_sub_ps(a1, _mm256_loadu_ps(x1 + j));
    const __m256 sum = _mm256_add_ps(_mm256_mul_ps(d0, d0), _mm256_mul_ps(d1, d1));
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
    g0 = _mm256_add_ps(g0, _mm256_mul_ps(q, d0));
    g1 = _mm256_add_ps(g1, _mm256_mul_ps(q, d1));
    badness = _mm256_add_ps(badness, _mm256_mul_ps(wj, _mm256_mul_ps(e, e)));
    interval = _mm256_add_ps(interval, _mm256_mul_ps(_mm256_mul_ps(minus_two, wj), e));
    weight = _mm256_add_ps(weight, wj);
    const __m256 old = _mm256_loadu_ps(map_dist + j);
    _mm256_storeu_ps(map_dist + j, _mm256_blendv_ps(old, d, usable));
  }
  PlaneSums sums{Total(g0), Total(g1), Total(badness), Total(interval), Total(weight), partners};
  for (; j <= r.n; ++j) ScalarPair(r, j, sums);
  out = sums;
}

}  // namespace quorel::stress_plane
