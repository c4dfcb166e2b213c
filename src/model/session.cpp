#include "model/session.h"

namespace quorel {

void ResetProblem(Session& s) {
  Problem& p = s.prob;
  if (!p.KeepObjSetup) {
    for (int i = 1; i <= kMaxObjects; ++i) {
      p.ObjParked[i] = 0;
      p.ObjName[i].clear();
      for (int a = 1; a <= kMaxAttributes; ++a) p.AttribMissing(i, a) = 0;
    }
    for (int a = 1; a <= kMaxAttributes; ++a) p.AttribParked[a] = 0;
    for (int i = 1; i <= p.NObjects && i <= kMaxObjects; ++i) p.ObjMarked[i] = 0;
    p.AnyObjMarked = false;
    s.set.AttributeDataTypeNum = -1;
    s.set.AttributeFunctionNum = -1;
  }
  p.NAttributes = 0;
  p.NObjects = 0;
  p.ProxDegradeNum = -100;
  p.AttribDegradeNum = -100;
  p.LocDimensionsNum = 0;
  p.StartDimensionsNum = 0;
  p.StartDegradeNum = -1;
  p.Title.clear();
  p.Subtitle.clear();
  p.ProximitiesGiven = false;
  p.ProximitiesAreSimilarities = false;
  p.AttributesGiven = false;
  p.LocationsGiven = false;
  p.PairWeightsGiven = false;
  p.MapWeightsGiven = false;
  p.ParkedAttribsGiven = false;
  p.ObjNamesGiven = false;
  p.ListSpaceSeen = false;
  p.IntervalConstant = 0.0f;
  ++p.ProblemGeneration;
}

void ResetSeries(Session& s) {
  s.run.BestObjFnValue = 1e20f;
  s.run.RunCount = 0;
  s.run.IterationCount = 0;
}

void SizePairTables(Session& s, int n) {
  Problem& p = s.prob;
  DerivedData& d = s.derived;
  for (auto* table : {&p.Dissim, &p.DissimOriginal, &p.PairWeight, &p.MapWeight, &p.EffWeight,
                      &d.ErrBoundLower, &d.ErrBoundUpper, &d.MapDist})
    table->SizeFor(n);
  p.DissimMissing.SizeFor(n);
  // The pair evaluation reads the index under every MDS type; until the
  // ranks are built it holds no ranked pair.
  d.FreePairIndex.SizeFor(n);
}

void SetConvergenceLimits(Session& s) {
  RunBook& r = s.run;
  if (!s.set.AutoStop) {
    r.ConvergeMoveLimit = 0.0f;
    r.ConvergeObjFnLimit = 0.0f;
    r.ConvergeCountLimit = 999999;
    return;
  }
  switch (s.set.PrecisionLevelNum) {
    case 0:
      r.ConvergeMoveLimit = 1e-4f, r.ConvergeObjFnLimit = 1e-6f, r.ConvergeCountLimit = 100;
      break;
    case 1:
      r.ConvergeMoveLimit = 1e-6f, r.ConvergeObjFnLimit = 1e-7f, r.ConvergeCountLimit = 500;
      break;
    case 2:
      r.ConvergeMoveLimit = 1e-7f, r.ConvergeObjFnLimit = 1e-8f, r.ConvergeCountLimit = 7000;
      break;
    default:
      break;
  }
}

}  // namespace quorel
