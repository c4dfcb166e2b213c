// The special cases given directly as dissimilarity matrices.
#include <cmath>
#include <stdexcept>

#include "cases/special_case_build.h"
#include "cases/special_case_texts.h"

namespace quorel::cases {
namespace {

void BeginDissimilarityProblem(Session& s, int case_num, int n) {
  Problem& p = s.prob;
  p.NObjects = n;
  SizePairTables(s, n);
  p.NAttributes = 0;
  p.AttributesGiven = false;
  p.ProximitiesGiven = true;
  p.Title = SpecialCaseTitle(case_num);
  p.Subtitle = SpecialCaseSubtitle(case_num);
}

// A simplex: every off-diagonal dissimilarity the same.
void Simplex(Session& s) {
  for (int i = 2; i <= s.prob.NObjects; ++i)
    for (int j = 1; j < i; ++j) s.prob.Dissim(i, j) = 0.5f;
}

// Two squares of side 0.1 (objects 1-4 and 5-8), every pair across them 1.
void BoxKite(Session& s) {
  PairTable<float>& d = s.prob.Dissim;
  for (int i = 2; i <= 8; ++i)
    for (int j = 1; j < i; ++j) d(i, j) = 1.0f;
  const float side = 0.1f;
  const float diagonal = 0.1f * std::sqrt(2.0f);
  for (int base : {0, 4}) {
    d(base + 2, base + 1) = side;
    d(base + 3, base + 1) = side;
    d(base + 4, base + 2) = side;
    d(base + 4, base + 3) = side;
    d(base + 3, base + 2) = diagonal;
    d(base + 4, base + 1) = diagonal;
  }
}

// Two equilateral triangles of edge 0.5 stacked 0.25 apart: a vertical pair
// is 0.25 apart, the other cross pairs sqrt(0.5^2 + 0.25^2) = sqrt(0.3125).
void StackedTriangles(Session& s) {
  PairTable<float>& d = s.prob.Dissim;
  for (int i = 2; i <= 6; ++i)
    for (int j = 1; j < i; ++j) {
      bool same_triangle = (i <= 3) == (j <= 3);
      if (same_triangle)
        d(i, j) = 0.5f;
      else if (i - j == 3)
        d(i, j) = 0.25f;
      else
        d(i, j) = std::sqrt(0.3125f);
    }
}

// Uniform random values r / divisor + offset.
void RandomDissimilarities(Session& s, float divisor, float offset) {
  for (int i = 2; i <= s.prob.NObjects; ++i)
    for (int j = 1; j < i; ++j) {
      float value = s.Rnd() / divisor + offset;
      if (value < 0.0f || value > 1.0f)
        throw std::logic_error("random dissimilarity outside [0, 1]");
      s.prob.Dissim(i, j) = value;
    }
}

}  // namespace

void BuildDissimilarityCase(Session& s, int case_num) {
  switch (case_num) {
    case 3:
      BeginDissimilarityProblem(s, case_num, 4);
      Simplex(s);
      break;
    case 6:
      BeginDissimilarityProblem(s, case_num, 8);
      BoxKite(s);
      break;
    case 7:
      BeginDissimilarityProblem(s, case_num, 6);
      StackedTriangles(s);
      break;
    case 10:
      BeginDissimilarityProblem(s, case_num, 10);
      Simplex(s);
      break;
    case 11:
      BeginDissimilarityProblem(s, case_num, 24);
      Simplex(s);
      break;
    case 15:
      BeginDissimilarityProblem(s, case_num, 15);
      RandomDissimilarities(s, 2.02f, 0.501f);
      break;
    case 16:
      BeginDissimilarityProblem(s, case_num, 15);
      RandomDissimilarities(s, 1.02f, 0.001f);
      break;
    default:
      throw std::logic_error("not a dissimilarity case");
  }
}

}  // namespace quorel::cases
