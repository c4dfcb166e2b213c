// The special cases built from attribute tables.
#include <cmath>
#include <stdexcept>

#include "cases/special_case_build.h"
#include "cases/special_case_texts.h"
#include "model/numeric.h"
#include "prep/attribute_functions.h"

namespace quorel::cases {
namespace {

void BeginAttributeProblem(Session& s, int case_num, int n, int attributes) {
  Problem& p = s.prob;
  p.NObjects = n;
  SizePairTables(s, n);
  p.NAttributes = attributes;
  p.Title = SpecialCaseTitle(case_num);
  p.Subtitle = SpecialCaseSubtitle(case_num);
}

// Objects on a circle of radius 1, one every `step` degrees from 0 while the
// angle stays at or below 359; returns the angle of object k.
float CircleAngle(int k, float step) {
  return static_cast<float>(k - 1) * step * kDegree;
}

void Circle(Session& s, float step, bool puckered) {
  for (int k = 1; k <= s.prob.NObjects; ++k) {
    float a = CircleAngle(k, step);
    s.prob.AttribValue(k, 1) = std::sin(a);
    s.prob.AttribValue(k, 2) = std::cos(a);
    if (puckered) s.prob.AttribValue(k, 3) = (k % 2 == 1) ? 0.5f : 0.0f;
  }
}

void PerpendicularVectors(Session& s) {
  for (int k = 1; k <= 15; ++k) {
    int axis = (k - 1) / 5 + 1;
    for (int a = 1; a <= 3; ++a)
      s.prob.AttribValue(k, a) = a == axis ? static_cast<float>(k - 5 * (axis - 1)) : 0.0f;
  }
}

void StraightLine(Session& s) {
  for (int k = 1; k <= 15; ++k) {
    float fk = static_cast<float>(k);
    s.prob.AttribValue(k, 1) = 0.1f * fk - 0.1f;
    s.prob.AttribValue(k, 2) = 1.0f - 0.1f * fk;
    s.prob.AttribValue(k, 3) = 15.0f - fk;
    s.prob.AttribValue(k, 4) = fk;
  }
}

// A helix: t = 0.05 (k - 1), A1 = 2 pi t, A2 = cos(c t) + 1, A3 = sin(c t) + 1.
void Helix(Session& s, float turns) {
  const float c = turns * 6.283186f;
  for (int k = 1; k <= 15; ++k) {
    float t = 0.05f * static_cast<float>(k - 1);
    s.prob.AttribValue(k, 1) = 6.28318f * t;
    s.prob.AttribValue(k, 2) = std::cos(c * t) + 1.0f;
    s.prob.AttribValue(k, 3) = std::sin(c * t) + 1.0f;
  }
}

// A lattice with `side` points along the first axis; the second coordinate
// is (k - 1) div side (not reduced), the third (k - 1) div side^2.
void Lattice(Session& s, int side, int dims) {
  for (int k = 1; k <= s.prob.NObjects; ++k) {
    s.prob.AttribValue(k, 1) = static_cast<float>((k - 1) % side);
    s.prob.AttribValue(k, 2) = static_cast<float>((k - 1) / side);
    if (dims == 3) s.prob.AttribValue(k, 3) = static_cast<float>((k - 1) / (side * side));
  }
}

void RandomAttributes(Session& s) {
  for (int k = 1; k <= s.prob.NObjects; ++k)
    for (int a = 1; a <= s.prob.NAttributes; ++a) s.prob.AttribValue(k, a) = s.Rnd();
}

// A3..A12 random; A2 their sum over 12; A1 = A2 + 0.1 r.
void CorrelatedAttributes(Session& s) {
  for (int k = 1; k <= s.prob.NObjects; ++k) {
    float sum = 0.0f;
    for (int a = 3; a <= 12; ++a) {
      s.prob.AttribValue(k, a) = s.Rnd();
      sum += s.prob.AttribValue(k, a);
    }
    s.prob.AttribValue(k, 2) = sum / 12.0f;
    s.prob.AttribValue(k, 1) = s.prob.AttribValue(k, 2) + 0.1f * s.Rnd();
  }
}

// Every off-diagonal value becomes D / 1.2 + 0.1: a poorly known zero point.
void AddIntercept(Session& s) {
  for (int i = 2; i <= s.prob.NObjects; ++i)
    for (int j = 1; j < i; ++j) s.prob.Dissim(i, j) = s.prob.Dissim(i, j) / 1.2f + 0.1f;
}

}  // namespace

void BuildAttributeCase(Session& s, Platform& platform, int case_num) {
  switch (case_num) {
    case 0:
      BeginAttributeProblem(s, case_num, 24, 2);
      Circle(s, 360.0f / 24.0f, false);
      ReduceAttributesToDissimilarities(s, platform, false);
      break;
    case 1:
      BeginAttributeProblem(s, case_num, 18, 3);
      Circle(s, 20.0f, true);
      ReduceAttributesToDissimilarities(s, platform, false);
      break;
    case 2:
      BeginAttributeProblem(s, case_num, 15, 3);
      PerpendicularVectors(s);
      KeepAttributes(s, platform);
      break;
    case 4:
      BeginAttributeProblem(s, case_num, 15, 4);
      StraightLine(s);
      ReduceAttributesToDissimilarities(s, platform, false);
      break;
    case 5:
      BeginAttributeProblem(s, case_num, 15, 4);
      StraightLine(s);
      ReduceAttributesToDissimilarities(s, platform, true);
      AddIntercept(s);
      break;
    case 8:
      BeginAttributeProblem(s, case_num, 15, 3);
      Helix(s, 3.0f);
      ReduceAttributesToDissimilarities(s, platform, true);
      break;
    case 9:
      BeginAttributeProblem(s, case_num, 15, 3);
      Helix(s, 0.85f);
      ReduceAttributesToDissimilarities(s, platform, true);
      break;
    case 12:
      BeginAttributeProblem(s, case_num, 25, 2);
      Lattice(s, 5, 2);
      KeepAttributes(s, platform);
      break;
    case 13:
      BeginAttributeProblem(s, case_num, 27, 3);
      Lattice(s, 3, 3);
      KeepAttributes(s, platform);
      break;
    case 14:
      BeginAttributeProblem(s, case_num, MaxConst300, 6);
      BuildHyperspacePlane(s);
      ReduceAttributesToDissimilarities(s, platform, true);
      for (int i = 2; i <= s.prob.NObjects; ++i)
        for (int j = 1; j < i; ++j) s.prob.Dissim(i, j) = 0.9f * s.prob.Dissim(i, j) + 0.1f;
      break;
    case 17:
      BeginAttributeProblem(s, case_num, 15, 10);
      RandomAttributes(s);
      KeepAttributes(s, platform);
      s.set.AttributeFunctionNum = 1;
      s.set.AttributeDataTypeNum = 0;
      break;
    case 18:
      BeginAttributeProblem(s, case_num, 15, 12);
      CorrelatedAttributes(s);
      KeepAttributes(s, platform);
      s.set.AttributeFunctionNum = 1;
      s.set.AttributeDataTypeNum = 0;
      break;
    default:
      throw std::logic_error("not an attribute case");
  }
}

void ReduceAttributesToDissimilarities(Session& s, Platform& platform, bool normalize) {
  s.set.NormalizeAttribs = normalize;
  SetEuclideanNames(s.set.AttributeFunctionName, normalize);
  s.prob.AttributesGiven = true;
  ComputeAttributeRanks(s);
  ComputeAttributeStatistics(s);
  ComputeAttributeDissimilarities(s, platform);
  s.prob.ProximitiesGiven = true;
  s.prob.AttributesGiven = false;
  s.prob.NAttributes = 0;
}

void KeepAttributes(Session& s, Platform& platform) {
  s.set.NormalizeAttribs = true;
  SetEuclideanNames(s.set.AttributeFunctionName, true);
  s.set.AttributeDataTypeNum = 0;
  s.set.AttributeFunctionNum = 1;
  s.prob.AttributesGiven = true;
  s.prob.ProximitiesGiven = false;
  ComputeAttributeRanks(s);
  ComputeAttributeStatistics(s);
  ComputeAttributeDissimilarities(s, platform);
}

}  // namespace quorel::cases
