// Small problems set up directly in a Session, for the preparation and
// objective tests.
#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include "model/session.h"

namespace quorel::testing {

// A loaded problem of n objects: dissimilarities given as the lower triangle
// row by row, (2,1), (3,1), (3,2), (4,1), ..., mirrored, with zero diagonal;
// DissimOriginal a copy; PairWeight = MapWeight = EffWeight = 1; nothing
// missing or parked; every coordinate 0; RunState 1.
inline std::unique_ptr<Session> TinyProblem(int n, const std::vector<float>& lower) {
  auto s = std::make_unique<Session>();
  Problem& p = s->prob;
  p.NObjects = n;
  SizePairTables(*s, n);
  size_t next = 0;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= i; ++j) {
      float d = (j == i || next >= lower.size()) ? 0.0f : lower[next++];
      p.Dissim(i, j) = p.Dissim(j, i) = d;
      p.DissimOriginal(i, j) = p.DissimOriginal(j, i) = d;
      p.PairWeight(i, j) = p.PairWeight(j, i) = 1.0f;
      p.MapWeight(i, j) = p.MapWeight(j, i) = 1.0f;
      p.EffWeight(i, j) = p.EffWeight(j, i) = 1.0f;
    }
  }
  p.ProximitiesGiven = true;
  s->run.RunState = kLoadedIdle;
  return s;
}

// Sets the coordinates of object i in dimensions 1, 2, ... .
inline void Place(Session& s, int i, std::initializer_list<float> coordinates) {
  int d = 1;
  for (float x : coordinates) s.prob.LocDim[d++][i] = x;
}

// Sets the dissimilarity of a pair in both halves (and DissimOriginal).
inline void SetPair(Session& s, int i, int j, float d) {
  s.prob.Dissim(i, j) = s.prob.Dissim(j, i) = d;
  s.prob.DissimOriginal(i, j) = s.prob.DissimOriginal(j, i) = d;
}

inline void SetMissing(Session& s, int i, int j) {
  s.prob.DissimMissing(i, j) = s.prob.DissimMissing(j, i) = 1;
}

inline void SetWeight(Session& s, int i, int j, float w) {
  s.prob.EffWeight(i, j) = s.prob.EffWeight(j, i) = w;
}

}  // namespace quorel::testing
