// The hyperspace case replayed from the fixed random sequence: ring, line,
// the four rotations written out in closed form, and the shuffle followed on
// a table of object numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "cases/special_cases.h"
#include "model/random_source.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

constexpr int kN = 300;
constexpr double kDeg = 3.14159265358979 / 180.0;

struct PlanePoint {
  double x, y;
};

TEST(HyperspaceReplay, EveryObjectIsItsPlanePointRotatedAndShuffled) {
  RandomSource rnd;
  std::vector<PlanePoint> plane(kN + 1);
  // Ring: 200 objects, 360 / (300 * 0.666666) degrees apart; phase, then radius.
  const double ring_step = 360.0 / (kN * 0.666666);
  int k = 0;
  for (; k < 200; ++k) {
    double phase = 0.1 * rnd.Next() + 0.1;
    double radius = 0.1 * rnd.Next() + 1.0;
    double a = k * ring_step * kDeg + phase;
    plane[k + 1] = {radius * std::sin(a), radius * std::cos(a)};
  }
  ASSERT_GT(200 * ring_step, 359.0);  // a 201st angle would exceed 359
  // Line: t = -0.9, -0.9 + 1.5 / (300 * 0.333333), ... for the other 100.
  const double line_step = 1.5 / (kN * 0.333333);
  for (int m = 0; k < kN; ++k, ++m) {
    double t = -0.9 + m * line_step;
    double x = 0.2 * rnd.Next() + t;
    double y = 0.2 * rnd.Next() + t;
    plane[k + 1] = {x, y};
  }
  // Shuffle: position p swaps with j = round(r * 300), redrawn while j is 0 or p.
  std::vector<int> origin(kN + 1);
  for (int p = 1; p <= kN; ++p) origin[p] = p;
  for (int p = 1; p <= kN; ++p) {
    int j = 0;
    while (j == 0 || j == p) j = static_cast<int>(std::nearbyint(rnd.Next() * double(kN)));
    std::swap(origin[p], origin[j]);
  }

  Session s;
  testing::FakePlatform platform;
  s.set.SpecialCaseNum = 14;
  s.set.ReuseRandomNumbers = true;
  s.Rnd();  // the reset must undo this draw
  GenerateSpecialCase(s, platform);
  ASSERT_EQ(s.prob.NObjects, kN);
  EXPECT_EQ(s.Rnd(), rnd.Next());  // the same count of numbers was drawn

  const double s35 = std::sin(35 * kDeg), c35 = std::cos(35 * kDeg);
  const double s45 = std::sin(45 * kDeg), c45 = std::cos(45 * kDeg);
  const double s55 = std::sin(55 * kDeg), c55 = std::cos(55 * kDeg);
  const double s65 = std::sin(65 * kDeg), c65 = std::cos(65 * kDeg);
  int ring_in_first_200 = 0;
  for (int p = 1; p <= kN; ++p) {
    const PlanePoint& q = plane[origin[p]];
    const double expected[7] = {0,
                                s35 * q.x,
                                s45 * q.y,
                                s55 * c35 * q.x,
                                s65 * c45 * q.y,
                                c55 * c35 * q.x,
                                c65 * c45 * q.y};
    for (int a = 1; a <= 6; ++a)
      ASSERT_NEAR(s.prob.AttribValue(p, a), expected[a], 2e-5) << "object " << p << " A" << a;
    if (p <= 200 && origin[p] <= 200) ++ring_in_first_200;
  }
  EXPECT_LT(ring_in_first_200, 200);  // the shuffle mixed line objects in
}

}  // namespace
}  // namespace quorel
