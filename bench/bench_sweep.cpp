// One solver sweep, and the object evaluations alone, on problems of random
// points: 100, 300 and 1000 objects, 2 and 8 dimensions, Stress and
// Multiscale, Euclidean distance.  The counters give pair evaluations per
// second and nanoseconds per pair evaluation.  Last, what opening each
// evaluation window computes, for the same problems.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>

#include "bench/null_platform.h"
#include "eval/eval_attributes.h"
#include "eval/eval_links.h"
#include "eval/eval_objects.h"
#include "model/defaults_file.h"
#include "model/map_layout.h"
#include "model/session.h"
#include "solver/convergence.h"
#include "solver/objective.h"
#include "solver/solver_sweep.h"
#include "solver/stress_euclidean.h"

namespace {

using namespace quorel;

using bench::NullPlatform;

// n random points in `dims` dimensions, their distances as dissimilarities,
// a random configuration in the same dimensions, a run in progress.
std::unique_ptr<Session> RandomProblem(int n, int dims, int badness) {
  auto s = std::make_unique<Session>();
  AssignBuiltInDefaults(*s);
  LayOutMap(*s, DefaultWindowMetrics());
  std::mt19937 gen(1);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  std::vector<std::array<float, 8>> points(n + 1);
  for (int i = 1; i <= n; ++i)
    for (int d = 0; d < dims; ++d) points[i][d] = unit(gen);
  Problem& p = s->prob;
  p.NObjects = n;
  SizePairTables(*s, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) {
      float sum = 0;
      for (int d = 0; d < dims; ++d)
        sum += (points[i][d] - points[j][d]) * (points[i][d] - points[j][d]);
      p.Dissim(i, j) = std::sqrt(sum) / std::sqrt(static_cast<float>(dims));
      p.EffWeight(i, j) = 1.0f;
    }
  for (int i = 1; i <= n; ++i)
    for (int d = 1; d <= dims; ++d) p.LocDim[d][i] = unit(gen) - 0.5f;
  s->set.DimensionsNum = dims;
  s->set.BadnessFunctionNum = badness;
  s->set.AutoStop = true;
  SetConvergenceLimits(*s);
  ComputeObjFnNormaliser(*s);
  s->run.RunState = kRunning;
  s->run.QuickStepsDone = true;  // one step per object, as after the first run
  s->run.ObjFnValue = 1.0f;
  return s;
}

void SetCounters(benchmark::State& state, long long pairs) {
  state.counters["pairs/s"] =
      benchmark::Counter(static_cast<double>(pairs), benchmark::Counter::kIsRate);
  state.counters["ns/pair"] = benchmark::Counter(
      static_cast<double>(pairs) * 1e-9, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Args: objects, dimensions, badness (0 Stress, 3 Multiscale).
void BM_Sweep(benchmark::State& state) {
  auto s = RandomProblem(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                         static_cast<int>(state.range(2)));
  NullPlatform platform;
  long long before = s->run.PairEvaluations;
  for (auto _ : state) {
    SweepSums sums = SweepObjects(*s, platform);
    benchmark::DoNotOptimize(sums.raw_sum);
  }
  SetCounters(state, s->run.PairEvaluations - before);
}

// The evaluation of every object without moving it: the vectorised Stress
// step where it applies, else the general one.
void BM_Evaluate(benchmark::State& state) {
  auto s = RandomProblem(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                         static_cast<int>(state.range(2)));
  int n = s->prob.NObjects, dims = s->set.DimensionsNum;
  bool fast = state.range(3) != 0 && StressEuclideanApplies(s->set);
  long long pairs = 0;
  for (auto _ : state) {
    for (int i = 1; i <= n; ++i) {
      ObjectStep step;
      float weight_sum = 0;
      if (fast)
        EvaluateObjectStressEuclidean(*s, i, dims, step, weight_sum);
      else
        EvaluateObject(*s, i, step, dims);
      benchmark::DoNotOptimize(step);
      pairs += step.partners;
    }
  }
  SetCounters(state, pairs);
}

void SweepArgs(benchmark::internal::Benchmark* b) {
  for (int n : {100, 300, 1000})
    for (int dims : {2, 8})
      for (int badness : {0, 3}) b->Args({n, dims, badness});
}

void EvaluateArgs(benchmark::internal::Benchmark* b) {
  for (int dims : {2, 8})
    for (int fast : {0, 1}) b->Args({1000, dims, 0, fast});
}

// Args: objects, the window (0 links, 1 objects, 2 one attribute's
// direction with the x coordinate as the attribute).
void BM_EvaluationWindow(benchmark::State& state) {
  auto s = RandomProblem(static_cast<int>(state.range(0)), 2, 0);
  s->set.MDSAnalysisTypeNum = 0;
  s->prob.NAttributes = 1;
  for (int i = 1; i <= s->prob.NObjects; ++i) s->prob.AttribValue(i, 1) = s->prob.LocDim[1][i];
  for (auto _ : state) {
    switch (state.range(1)) {
      case 0:
        benchmark::DoNotOptimize(EvaluateLinks(*s).fit);
        break;
      case 1:
        benchmark::DoNotOptimize(EvaluateObjects(*s).size());
        break;
      default:
        benchmark::DoNotOptimize(BestDirection(*s, 1));
        break;
    }
  }
}

BENCHMARK(BM_Sweep)->Apply(SweepArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EvaluationWindow)
    ->ArgsProduct({{100, 1000}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Evaluate)->Apply(EvaluateArgs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
