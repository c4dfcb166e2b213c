// EvaluatePair and EvaluateObject: the settings are read once per call and
// select one specialised loop; the loop itself runs over contiguous rows.
#include <optional>
#include <stdexcept>

#include "solver/objective.h"
#include "solver/objective_kernel.h"

namespace quorel {
namespace {

using namespace objective_kernel;

int OrdinalWarmUpSweeps(const Settings& t) {
  return 100 * (t.StepSizeNum + 1);
}

int KindOf(int mds_type) {
  if (!kMDSAnalysisTypeRange.Contains(mds_type))
    throw std::logic_error("objective: MDS type out of range");
  if (IsOrdinal(mds_type)) return kOrdinal;
  return HasBounds(mds_type) ? kBounded : kPlain;
}

void SetRankTables(const Session& s, ContextData& cx) {
  const DerivedData& r = s.derived;
  cx.ranked_pairs = r.NRankedPairs;
  cx.up_a = r.OrdUpperObjA.data();
  cx.up_b = r.OrdUpperObjB.data();
  cx.lo_a = r.OrdLowerObjA.data();
  cx.lo_b = r.OrdLowerObjB.data();
  cx.ord_min = r.OrdMinDissim;
  cx.ord_max = r.OrdMaxDissim;
}

ContextData MakeContext(const Session& s) {
  ContextData cx;
  const Settings& t = s.set;
  cx.n = s.prob.NObjects;
  for (int k = 0; k < 8; ++k) cx.x[k] = s.prob.LocDim[k + 1].data();
  cx.c = s.prob.IntervalConstant;
  if (IsInterval(t.MDSAnalysisTypeNum) &&
      (t.BadnessFunctionNum == kMultiscale || t.BadnessFunctionNum == kFractional))
    cx.r_cap = 10.0f;
  cx.p = t.MinkowskiExponent;
  cx.p_inv = t.MinkowskiInverse;
  cx.centre_factor = t.CentreInBounds ? 0.1f : 0.0f;
  if (IsOrdinal(t.MDSAnalysisTypeNum)) {
    cx.warm_up = OrdinalWarmUpInForce(s);
    if (cx.warm_up)
      cx.t = std::sqrt(static_cast<float>(s.run.OrdinalIterationCount) /
                       static_cast<float>(OrdinalWarmUpSweeps(t)));
    SetRankTables(s, cx);
  }
  return cx;
}

template <int kBad, int kDist, int kKind, int kDims>
void ObjectLoop(Session& s, const ContextData& data, int i, ObjectStep& out) {
  const Context<kDims> cx{data};
  const float* dissim = s.prob.Dissim.Row(i);
  const float* weight = s.prob.EffWeight.Row(i);
  const Flag* missing = s.prob.DissimMissing.Row(i);
  const Flag* parked = s.prob.ObjParked.data();
  const float* lower = s.derived.ErrBoundLower.Row(i);
  const float* upper = s.derived.ErrBoundUpper.Row(i);
  const int* pair_index = s.derived.FreePairIndex.Row(i);
  float* map_dist = s.derived.MapDist.Row(i);
  constexpr int dims = kDims;

  float a[8];
  for (int k = 0; k < 8; ++k) a[k] = cx.x[k][i];
  float gradient[8] = {};
  float badness_sum = 0, interval_derivative = 0;
  int partners = 0;
  for (int j = 1; j <= cx.n; ++j) {
    if (j == i || parked[j] || missing[j]) continue;
    float u[8];
    const float w = weight[j];
    const Term term = EvaluateTerm<kBad, kDist, kKind>(
        cx, a, j, dissim[j], w, kKind == kBounded ? lower[j] : 0.0f,
        kKind == kBounded ? upper[j] : 0.0f, kKind == kOrdinal ? pair_index[j] : 0, u);
    map_dist[j] = term.d;
    badness_sum += w * (term.e * term.e);
    for (int k = 0; k < dims; ++k) gradient[k] += term.grad_factor * u[k];
    interval_derivative += term.interval_derivative;
    ++partners;
  }
  out = ObjectStep{};
  for (int k = 0; k < dims; ++k) out.gradient[k] = gradient[k];
  out.badness_sum = badness_sum;
  out.partners = partners;
  out.interval_derivative = interval_derivative;
}

template <int kBad, int kDist, int kKind>
PairEvaluation PairOf(const Session& s, const ContextData& data, int i, int j) {
  const Context<kMaxDimensions> cx{data};
  PairEvaluation out;
  float a[8];
  for (int k = 0; k < 8; ++k) a[k] = cx.x[k][i];
  const float w = s.prob.EffWeight(i, j);
  const Term term = EvaluateTerm<kBad, kDist, kKind>(
      cx, a, j, s.prob.Dissim(i, j), w, s.derived.ErrBoundLower(i, j),
      s.derived.ErrBoundUpper(i, j), s.derived.FreePairIndex(i, j), out.u);
  out.d = term.d;
  out.e = term.e;
  for (int k = 0; k < cx.dims; ++k) out.gradient[k] = term.grad_factor * out.u[k];
  out.interval_derivative = term.interval_derivative;
  return out;
}

using ObjectFn = void (*)(Session&, const ContextData&, int, ObjectStep&);
using PairFn = PairEvaluation (*)(const Session&, const ContextData&, int, int);

template <int kBad, int kDist, int kDims>
ObjectFn ObjectFnFor(int kind) {
  if (kind == kPlain) return &ObjectLoop<kBad, kDist, kPlain, kDims>;
  if (kind == kBounded) return &ObjectLoop<kBad, kDist, kBounded, kDims>;
  return &ObjectLoop<kBad, kDist, kOrdinal, kDims>;
}

template <int kBad, int kDist>
PairFn PairFnFor(int kind) {
  if (kind == kPlain) return &PairOf<kBad, kDist, kPlain>;
  if (kind == kBounded) return &PairOf<kBad, kDist, kBounded>;
  return &PairOf<kBad, kDist, kOrdinal>;
}

// The loops run over 2, 3 or all 8 coordinates; the Minkowski direction of
// coincident objects is non-zero in every dimension, so it always takes 8.
template <int kBad, int kDist>
struct SelectObject {
  static ObjectFn Get(int kind, int dims) {
    if (kDist != kMinkowski && dims <= 2) return ObjectFnFor<kBad, kDist, 2>(kind);
    if (kDist != kMinkowski && dims == 3) return ObjectFnFor<kBad, kDist, 3>(kind);
    return ObjectFnFor<kBad, kDist, kMaxDimensions>(kind);
  }
};
template <int kBad, int kDist>
struct SelectPair {
  static PairFn Get(int kind, int) { return PairFnFor<kBad, kDist>(kind); }
};

template <int kBad, template <int, int> class Select>
auto ForDistance(int distance, int kind, int dims) {
  switch (distance) {
    case kEuclidean:
      return Select<kBad, kEuclidean>::Get(kind, dims);
    case kCityBlock:
      return Select<kBad, kCityBlock>::Get(kind, dims);
    case kMinkowski:
      return Select<kBad, kMinkowski>::Get(kind, dims);
    default:
      throw std::logic_error("objective: distance function out of range");
  }
}

// The specialised function for the settings in force.
template <template <int, int> class Select>
auto Choose(const Settings& t, int dims) {
  const int kind = KindOf(t.MDSAnalysisTypeNum);
  switch (t.BadnessFunctionNum) {
    case 0:
    case 1:
      return ForDistance<kStress, Select>(t.DistanceFunctionNum, kind, dims);
    case 2:
      return ForDistance<kSStress, Select>(t.DistanceFunctionNum, kind, dims);
    case 3:
      return ForDistance<kMultiscale, Select>(t.DistanceFunctionNum, kind, dims);
    case 4:
      return ForDistance<kFractional, Select>(t.DistanceFunctionNum, kind, dims);
    default:
      throw std::logic_error("objective: badness function out of range");
  }
}

}  // namespace

bool OrdinalWarmUpInForce(const Session& s) {
  return s.set.MDSAnalysisTypeNum == 4 && s.run.OrdinalIterationCount < OrdinalWarmUpSweeps(s.set);
}

PairEvaluation EvaluatePair(Session& s, int i, int j) {
  PairEvaluation out = PairTerms(s, i, j);
  s.derived.MapDist(i, j) = out.d;
  return out;
}

PairEvaluation PairTerms(const Session& s, int i, int j) {
  return Choose<SelectPair>(s.set, kMaxDimensions)(s, MakeContext(s), i, j);
}

float MapDistance(const Session& s, int a, int b) {
  ContextData data = MakeContext(s);
  const Context<kMaxDimensions> cx{data};
  switch (s.set.DistanceFunctionNum) {
    case kEuclidean:
      return DistanceOnly<kEuclidean>(cx, a, b);
    case kCityBlock:
      return DistanceOnly<kCityBlock>(cx, a, b);
    case kMinkowski:
      return DistanceOnly<kMinkowski>(cx, a, b);
    default:
      throw std::logic_error("objective: distance function out of range");
  }
}

std::optional<OrdinalBand> OrdinalNeighbourBand(const Session& s, int k) {
  ContextData data = MakeContext(s);
  SetRankTables(s, data);
  if (k <= 0 || k > data.ranked_pairs) return std::nullopt;
  const Context<kMaxDimensions> cx{data};
  OrdinalBand band;
  switch (s.set.DistanceFunctionNum) {
    case kEuclidean:
      OrdinalNeighbours<kEuclidean>(cx, k, band.upper, band.lower);
      break;
    case kCityBlock:
      OrdinalNeighbours<kCityBlock>(cx, k, band.upper, band.lower);
      break;
    case kMinkowski:
      OrdinalNeighbours<kMinkowski>(cx, k, band.upper, band.lower);
      break;
    default:
      throw std::logic_error("objective: distance function out of range");
  }
  return band;
}

void EvaluateObject(Session& s, int i, ObjectStep& out) {
  EvaluateObject(s, i, out, ActiveDimensions(s));
}

void EvaluateObject(Session& s, int i, ObjectStep& out, int active_dims) {
  if (s.prob.ObjParked[i]) {
    out = ObjectStep{};
    return;
  }
  Choose<SelectObject>(s.set, active_dims)(s, MakeContext(s), i, out);
}

}  // namespace quorel
