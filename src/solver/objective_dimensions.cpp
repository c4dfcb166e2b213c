// The number of coordinates the pair loops must run over.
#include <cstdint>
#include <cstring>

#include "solver/objective.h"

namespace quorel {
namespace {

// True when a coordinate is zero for every object 1..n.
bool DimensionIsZero(const float* x, int n) {
  constexpr int kBlock = 64;
  for (int start = 1; start <= n; start += kBlock) {
    const int end = start + kBlock <= n + 1 ? start + kBlock : n + 1;
    std::uint32_t bits = 0;
    for (int j = start; j < end; ++j) {
      std::uint32_t b;
      std::memcpy(&b, &x[j], sizeof b);
      bits |= b & 0x7fffffffu;  // -0 counts as zero
    }
    if (bits != 0) return false;
  }
  return true;
}

}  // namespace

int ActiveDimensions(const Session& s) {
  int dims = kMaxDimensions;
  while (dims > 0 && DimensionIsZero(s.prob.LocDim[dims].data(), s.prob.NObjects)) --dims;
  return dims;
}

}  // namespace quorel
