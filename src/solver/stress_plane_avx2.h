// The Stress pair loop of one object in two dimensions with AVX2
// intrinsics: the distance by a square root, the direction through a
// reciprocal square root refined by one Newton step (the one division per
// pair is what bounds the compiler's loop).  Used only when the processor
// has AVX2.
#pragma once

namespace quorel::stress_plane {

// Object `self` at (a0, a1); a partner j is usable when j != self, it is
// not parked and the pair is not missing.
struct PlaneRow {
  const float* x0;
  const float* x1;
  float a0, a1;
  const float* dissim;
  const float* weight;
  const unsigned char* parked;
  const unsigned char* missing;
  float* map_dist;  // written for usable partners only
  int n;
  int self;
  float c;
};

struct PlaneSums {
  float g0 = 0, g1 = 0, badness = 0, interval = 0, weight = 0;
  int partners = 0;
};

bool ProcessorHasAvx2();

// Partners j = 1..n.
void PlaneLoopAvx2(const PlaneRow& r, PlaneSums& out);

}  // namespace quorel::stress_plane
