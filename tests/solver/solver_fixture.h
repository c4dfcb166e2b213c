// Problems for the solver tests, built directly in a Session: points drawn
// at random in a unit cube, their distances (scaled so the largest is 1) as
// the dissimilarities.  Such a problem embeds perfectly in as many dimensions
// as the points have.
#pragma once

#include <cmath>
#include <memory>
#include <random>

#include "model/defaults_file.h"
#include "model/map_layout.h"
#include "model/session.h"
#include "solver/convergence.h"
#include "solver/objective.h"
#include "support/fake_platform.h"
#include "support/tiny_problem.h"

namespace quorel::testing {

struct EmbeddedProblem {
  std::unique_ptr<Session> session = std::make_unique<Session>();
  FakePlatform platform;
  std::vector<std::array<float, 8>> points;  // index 1..n
};

inline float MapDistance(const Session& s, int i, int j, int dims) {
  double sum = 0;
  for (int d = 1; d <= dims; ++d) {
    double delta = s.prob.LocDim[d][i] - s.prob.LocDim[d][j];
    sum += delta * delta;
  }
  return static_cast<float>(std::sqrt(sum));
}

// n points in `point_dims` dimensions, analysed in DimensionsNum =
// point_dims, ratio MDS, Stress, AutoStop on, RunState 1.
inline void BuildEmbedded(EmbeddedProblem& e, int n, int point_dims, unsigned seed = 7) {
  Session& s = *e.session;
  AssignBuiltInDefaults(s);
  LayOutMap(s, DefaultWindowMetrics());
  std::mt19937 gen(seed);
  std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
  e.points.assign(n + 1, {});
  for (int i = 1; i <= n; ++i)
    for (int d = 0; d < point_dims; ++d) e.points[i][d] = uniform(gen);
  Problem& p = s.prob;
  p.NObjects = n;
  SizePairTables(s, n);
  double largest = 0;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j < i; ++j) {
      double sum = 0;
      for (int d = 0; d < point_dims; ++d) {
        double delta = e.points[i][d] - e.points[j][d];
        sum += delta * delta;
      }
      p.Dissim(i, j) = static_cast<float>(std::sqrt(sum));
      largest = std::max(largest, std::sqrt(sum));
    }
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      float d =
          i == j ? 0.0f : static_cast<float>((i > j ? p.Dissim(i, j) : p.Dissim(j, i)) / largest);
      p.Dissim(i, j) = d;
    }
  }
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) {
      p.DissimOriginal(i, j) = p.Dissim(i, j);
      p.PairWeight(i, j) = p.MapWeight(i, j) = p.EffWeight(i, j) = 1.0f;
      p.DissimMissing(i, j) = 0;
    }
  for (int i = 1; i <= n; ++i)
    for (int d = 0; d < point_dims; ++d) e.points[i][d] /= static_cast<float>(largest);
  p.ProximitiesGiven = true;
  ++p.ProblemGeneration;
  s.set.DimensionsNum = point_dims;
  s.set.BadnessFunctionNum = 0;  // Stress (the built-in setting is Stress1)
  s.set.AutoStop = true;
  SetConvergenceLimits(s);
  ComputeObjFnNormaliser(s);
  CreateCircles(s);
  FirstPlacement(s, e.platform);
  s.run.RunState = kLoadedIdle;
}

// The largest difference between a map distance and its dissimilarity.
inline float WorstDistanceError(const Session& s, int dims) {
  float worst = 0;
  for (int i = 1; i <= s.prob.NObjects; ++i) {
    if (s.prob.ObjParked[i]) continue;
    for (int j = 1; j < i; ++j) {
      if (s.prob.ObjParked[j]) continue;
      worst = std::max(worst, std::fabs(MapDistance(s, i, j, dims) - s.prob.Dissim(i, j)));
    }
  }
  return worst;
}

}  // namespace quorel::testing
