// The thirteen functions.  x is the row of the lower-numbered object j, y that
// of object i.  Correlations give d = (1 - r) / 2, so that rows that vary
// together are similar (d = 0) and opposite rows differ most (d = 1).
#include "prep/attribute_coefficients.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/numeric.h"

namespace quorel {
namespace {

using Rows = AttributeRows;

// The usable attributes of the pair, into the work space.
void UsableRows(const Session& s, int i, int j, Rows& rows) {
  const Problem& p = s.prob;
  rows.x.clear();
  rows.y.clear();
  rows.attribute.clear();
  for (int k = 1; k <= p.NAttributes; ++k) {
    if (p.AttribParked[k] || p.AttribMissing(i, k) || p.AttribMissing(j, k)) continue;
    rows.attribute.push_back(k);
  }
}

float ClampToSign(float d) {
  return std::fabs(d) > 1.0f ? static_cast<float>(Sgn(d)) : d;
}

float Cosine(const std::vector<float>& x, const std::vector<float>& y) {
  float dot = 0, sxx = 0, syy = 0;
  for (size_t k = 0; k < x.size(); ++k) {
    dot += x[k] * y[k];
    sxx += x[k] * x[k];
    syy += y[k] * y[k];
  }
  float cosine;
  if (sxx <= 0 || syy <= 0) {
    cosine = static_cast<float>(-Sgn(dot));
  } else {
    // The product is formed in double: two sums of squares may each be near
    // the float range.
    cosine = dot / static_cast<float>(std::sqrt(static_cast<double>(sxx) * syy));
    if (std::fabs(cosine) > 1.0f) cosine = static_cast<float>(Sgn(cosine));
  }
  return ClampToSign(1.0f - cosine);
}

// Pearson's r of two centred rows; with no variance in a row r is the sign
// of the co-variation.
float Correlation(const std::vector<float>& x, const std::vector<float>& y, bool clamp_r) {
  float sx = 0, sy = 0, sxy = 0, sxx = 0, syy = 0;
  for (size_t k = 0; k < x.size(); ++k) {
    sx += x[k];
    sy += y[k];
    sxy += x[k] * y[k];
    sxx += x[k] * x[k];
    syy += y[k] * y[k];
  }
  const float n = static_cast<float>(x.size());
  const float cov = sxy - sx * sy / n;
  const float vx = sxx - sx * sx / n;
  const float vy = syy - sy * sy / n;
  float r;
  if (vx <= 0 || vy <= 0) {
    r = static_cast<float>(Sgn(sxy));
  } else {
    r = cov / static_cast<float>(std::sqrt(static_cast<double>(vx) * vy));
    if (clamp_r && std::fabs(r) > 1.0f) r = static_cast<float>(Sgn(r));
  }
  return ClampToSign((1.0f - r) / 2.0f);
}

// Guttman's mu2 over all ordered attribute pairs (k, l).
float Guttman(const std::vector<float>& x, const std::vector<float>& y) {
  float num = 0, den = 0;
  for (size_t k = 0; k < x.size(); ++k) {
    for (size_t l = 0; l < x.size(); ++l) {
      const float dx = x[k] - x[l], dy = y[k] - y[l];
      num += dx * dy;
      den += std::fabs(dx) * std::fabs(dy);
    }
  }
  const float mu2 = den <= 1e-6f ? 0.0f : num / den;
  return ClampToSign((1.0f - mu2) / 2.0f);
}

float Distance(const Session& s, const Rows& rows, bool squares) {
  const Problem& p = s.prob;
  const bool normalized = s.set.NormalizeAttribs;
  float sum = 0;
  for (size_t k = 0; k < rows.x.size(); ++k) {
    const float diff = std::fabs(rows.x[k] - rows.y[k]);
    const float term = squares ? diff * diff : diff;
    if (!normalized) {
      sum += term;
      continue;
    }
    const float range = p.AttribRange[rows.attribute[k]];
    if (range > 1e-6f) sum += squares ? term / (range * range) : term / range;
  }
  float d = sum / static_cast<float>(rows.x.size());
  if (squares) d = std::sqrt(d);
  if (normalized && d > 1.0f) d = 1.0f;
  return d;
}

float NominalMatch(const std::vector<float>& x, const std::vector<float>& y) {
  int match = 0;
  for (size_t k = 0; k < x.size(); ++k)
    if (RoundHalfEven(x[k]) == RoundHalfEven(y[k])) ++match;
  return 1.0f - static_cast<float>(match) / static_cast<float>(x.size());
}

float Binary(const Session& s, const Rows& rows, int code) {
  int a = 0, b = 0, c = 0, dd = 0;
  for (size_t k = 0; k < rows.x.size(); ++k) {
    const float t = s.set.CoercionRulesNum == 0 ? 1e-5f : s.prob.AttribMean[rows.attribute[k]];
    const bool in_i = rows.y[k] > t, in_j = rows.x[k] > t;
    if (in_i && in_j)
      ++a;
    else if (!in_i && !in_j)
      ++dd;
    else if (in_i)
      ++b;
    else
      ++c;
  }
  const float A = a, B = b, C = c, D = dd, T = a + b + c + dd;
  switch (code) {
    case 7:
      return a + b + c == 0 ? 0.0f : 1.0f - A / (A + B + C);
    case 8:
      return 1.0f - A / T;
    case 9:
      return 1.0f - (A + D) / T;
    case 10:
      return 0.5f - 0.5f * (A + D - B - C) / T;
    case 11: {
      const float P = A * D, Q = B * C;
      if (P == 0 && Q == 0) return 0.5f;
      if (P == 0) return 1.0f;
      if (Q == 0) return 0.0f;
      return 0.5f - 0.5f * (P - Q) / (P + Q);
    }
    default:
      return a == 0 ? 1.0f : 1.0f - A / (A + static_cast<float>(std::min(b, c)));
  }
}

}  // namespace

PairDissimilarity AttributePairDissimilarity(const Session& s, int code, int i, int j,
                                             AttributeRows& rows) {
  const Problem& p = s.prob;
  UsableRows(s, i, j, rows);
  PairDissimilarity out;
  out.usable = static_cast<int>(rows.attribute.size());
  if (out.usable == 0) return out;
  for (int k : rows.attribute) {
    if (code == 4) {
      rows.x.push_back(p.AttribRank(j, k) - p.AttribMeanRank[k]);
      rows.y.push_back(p.AttribRank(i, k) - p.AttribMeanRank[k]);
    } else if (code == 3) {
      rows.x.push_back(p.AttribValue(j, k) - p.AttribMean[k]);
      rows.y.push_back(p.AttribValue(i, k) - p.AttribMean[k]);
    } else {
      rows.x.push_back(p.AttribValue(j, k));
      rows.y.push_back(p.AttribValue(i, k));
    }
  }
  switch (code) {
    case 0:
      out.d = Cosine(rows.x, rows.y);
      break;
    case 1:
      out.d = Distance(s, rows, true);
      break;
    case 2:
      out.d = Distance(s, rows, false);
      break;
    case 3:
      out.d = Correlation(rows.x, rows.y, true);
      break;
    case 4:
      out.d = Correlation(rows.x, rows.y, false);
      break;
    case 5:
      out.d = Guttman(rows.x, rows.y);
      break;
    case 6:
      out.d = NominalMatch(rows.x, rows.y);
      break;
    default:
      out.d = Binary(s, rows, code);
      break;
  }
  return out;
}

}  // namespace quorel
