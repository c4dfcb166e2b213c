// The program's single source of uniform random numbers on [0, 1).
// It starts every program run from the same fixed state (runs are
// reproducible) and can be reset to that state or to another seed.
#pragma once

#include <cstdint>
#include <random>

namespace quorel {

class RandomSource {
 public:
  static constexpr std::uint32_t kInitialSeed = 19770417u;

  RandomSource() { Reset(); }

  void Reset() { Reset(kInitialSeed); }
  void Reset(std::uint32_t seed) { engine_.seed(seed); }

  // 24 random bits scaled by 2^-24: every value is an exact float in [0, 1).
  float Next() { return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f); }

 private:
  std::mt19937 engine_;
};

}  // namespace quorel
