// Case 14: a plane hidden in six dimensions.  A noisy ring of two thirds of
// the objects and a noisy line of the rest are drawn in the plane (A1, A2),
// turned into six dimensions by four rotations that keep all distances, and
// shuffled so that the ring and the line are not in entry order.
#include <cmath>
#include <utility>

#include "cases/special_case_build.h"
#include "model/numeric.h"

namespace quorel::cases {
namespace {

int Ring(Session& s, int n) {
  AttribTable<float>& v = s.prob.AttribValue;
  const float step = 360.0f / (static_cast<float>(n) * 0.666666f);
  int k = 0;
  for (float a = 0.0f; a <= 359.0f && k < n; a += step) {
    ++k;
    float phase = 0.1f * s.Rnd() + 0.1f;
    float radius = 0.1f * s.Rnd() + 1.0f;
    v(k, 1) = radius * std::sin(a * kDegree + phase);
    v(k, 2) = radius * std::cos(a * kDegree + phase);
  }
  return k;
}

void Line(Session& s, int n, int k) {
  AttribTable<float>& v = s.prob.AttribValue;
  const float step = 1.5f / (static_cast<float>(n) * 0.333333f);
  for (float t = -0.9f; t <= 0.7f && k < n; t += step) {
    ++k;
    v(k, 1) = 0.2f * s.Rnd() + t;
    v(k, 2) = 0.2f * s.Rnd() + t;
  }
}

// (from, to) pairs rotated by `degrees`: A_to = cos * A_from, A_from = sin * A_from.
void Rotate(Session& s, int from, int to, float degrees) {
  const float c = std::cos(degrees * kDegree);
  const float sn = std::sin(degrees * kDegree);
  for (int k = 1; k <= s.prob.NObjects; ++k) {
    float value = s.prob.AttribValue(k, from);
    s.prob.AttribValue(k, to) = c * value;
    s.prob.AttribValue(k, from) = sn * value;
  }
}

void Shuffle(Session& s, int n) {
  for (int k = 1; k <= n; ++k) {
    int j = 0;
    while (j == 0 || j == k) j = RoundToInt(static_cast<double>(s.Rnd()) * n);
    for (int a = 1; a <= 6; ++a) std::swap(s.prob.AttribValue(k, a), s.prob.AttribValue(j, a));
  }
}

}  // namespace

void BuildHyperspacePlane(Session& s) {
  const int n = s.prob.NObjects;
  int k = Ring(s, n);
  Line(s, n, k);
  Rotate(s, 1, 3, 35.0f);
  Rotate(s, 2, 4, 45.0f);
  Rotate(s, 3, 5, 55.0f);
  Rotate(s, 4, 6, 65.0f);
  Shuffle(s, n);
}

}  // namespace quorel::cases
