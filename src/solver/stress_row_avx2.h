// The Stress pair loop of one object with AVX2 intrinsics, for 1 to 8
// coordinates: the distance by a square root, the direction through a
// reciprocal square root refined by one Newton step (the one division per
// pair is what bounds the compiler's loop).  Built only for x86-64 and
// used only when VectorKernelsInUse() (solver/vector_kernels.h).
#pragma once

namespace quorel::stress_row {

// Object `self` at a[0..D-1]; a partner j is usable when j != self, it is
// not parked and the pair is not missing.
struct RowData {
  const float* x[8];  // coordinates 1..8 of every object
  float a[8];
  const float* dissim;
  const float* weight;
  const unsigned char* parked;
  const unsigned char* missing;
  float* map_dist;  // written for usable partners only
  int n;
  int self;
  float c;
};

struct RowSums {
  float g[8] = {};
  float badness = 0, interval = 0, weight = 0;
  int partners = 0;
};

// Partners j = 1..n over coordinates 1..dims (1 to 8).
void RowLoopAvx2(int dims, const RowData& r, RowSums& out);

// The sum over the usable partners j < self of weight * d^2 (the Stress1
// denominator's row), over coordinates 1..dims; dissim and map_dist are not
// read.
float SquaredDistanceRowAvx2(int dims, const RowData& r);

}  // namespace quorel::stress_row
