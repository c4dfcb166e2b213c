// Reading and writing a problem of 1000 objects: the data file reader on a
// dissimilarity list of 499,500 values written with six decimals, the rank
// step, and the long solution file.  The counters give values per second and
// megabytes per second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "bench/null_platform.h"
#include "input/data_file_reader.h"
#include "model/defaults_file.h"
#include "model/map_layout.h"
#include "model/session.h"
#include "output/solution_writer.h"
#include "prep/dissim_ranks.h"
#include "tests/support/planar_points.h"

namespace {

using namespace quorel;
using bench::NullPlatform;

namespace fs = std::filesystem;

constexpr int kObjects = 1000;

// A folder of this process with the data file of 1000 random planar points.
class Files {
 public:
  Files() : folder_(fs::temp_directory_path() / ("quorel_bench_io_" + std::to_string(getpid()))) {
    fs::create_directories(folder_);
    WritePlanarPointsFile(DataFile(), kObjects, 1);
  }
  ~Files() { fs::remove_all(folder_); }
  std::string DataFile() const { return (folder_ / "points.txt").string(); }
  std::string SolutionFile() const { return (folder_ / "solution.txt").string(); }

 private:
  fs::path folder_;
};

const Files& TheFiles() {
  static Files files;
  return files;
}

std::unique_ptr<Session> Loaded(NullPlatform& platform) {
  auto s = std::make_unique<Session>();
  AssignBuiltInDefaults(*s);
  LayOutMap(*s, DefaultWindowMetrics());
  s->set.DataFileName = TheFiles().DataFile();
  ReadDataFile(*s, platform);
  return s;
}

void BM_ReadDataFile(benchmark::State& state) {
  NullPlatform platform;
  for (auto _ : state) {
    auto s = Loaded(platform);
    if (s->prob.NObjects != kObjects) state.SkipWithError("the data file was refused");
  }
  state.counters["values/s"] = benchmark::Counter(kObjects * (kObjects - 1) / 2.0,
                                                  benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ComputeDissimRanks(benchmark::State& state) {
  NullPlatform platform;
  auto s = Loaded(platform);
  for (auto _ : state) ComputeDissimRanks(*s, platform);
}

void BM_WriteLongSolution(benchmark::State& state) {
  NullPlatform platform;
  auto s = Loaded(platform);
  for (int i = 1; i <= kObjects; ++i) {
    s->prob.LocDim[1][i] = std::sin(static_cast<float>(i));
    s->prob.LocDim[2][i] = std::cos(static_cast<float>(i));
  }
  const std::string file = TheFiles().SolutionFile();
  for (auto _ : state)
    if (!WriteSolution(*s, platform, file, true))
      state.SkipWithError("the solution was not written");
  state.counters["MB/s"] = benchmark::Counter(static_cast<double>(fs::file_size(file)) / 1e6,
                                              benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_ReadDataFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComputeDissimRanks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteLongSolution)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
