#include "cases/special_cases.h"

#include <stdexcept>
#include <string>

#include "cases/special_case_build.h"
#include "model/captions.h"
#include "model/text_format.h"
#include "prep/derived_data.h"

namespace quorel {
namespace {

// Everything a new generated problem starts from.
void CommonStart(Session& s, Platform& platform) {
  Problem& p = s.prob;
  for (int i = 1; i <= kMaxObjects; ++i) {
    p.ObjParked[i] = 0;
    p.ObjName[i].clear();
    for (int a = 1; a <= kMaxAttributes; ++a) p.AttribMissing(i, a) = 0;
  }
  // No pair is missing, whatever size the tables take for the case.
  p.DissimMissing.Fill(0);
  for (int a = 1; a <= kMaxAttributes; ++a) p.AttribParked[a] = 0;
  p.NParkedObjects = 0;
  p.Title.clear();
  p.Subtitle.clear();
  p.LocationsGiven = false;
  p.ObjNamesGiven = false;
  p.ProximitiesAreSimilarities = false;
  p.PairWeightsGiven = false;
  p.MapWeightsGiven = false;
  p.ParkedAttribsGiven = false;
  p.IntervalConstant = 0.0f;
  ++p.ProblemGeneration;
  s.run.BestObjFnValue = 1e20f;
  s.run.RunCount = 0;
  s.run.IterationCount = 0;

  if (s.set.AttributeFunctionNum < 0 || s.set.AttributeFunctionNum > 12)
    s.set.AttributeFunctionNum = 1;

  s.captions.lblBestObjFnValue.clear();
  platform.ClearMapCanvas();

  if (s.set.SpecialCaseNum >= 14 && s.set.ReuseRandomNumbers) s.rnd.Reset();
}

void CommonEnd(Session& s, Platform& platform) {
  Problem& p = s.prob;
  int n = p.NObjects;

  int level = cases::DissimilarityPrecisionLevel(s);
  p.DataDegradeNum = level;
  s.set.DegradeNum = level;
  s.captions.cmdDegrade = DegradeCaption(s);  // "PR&ECISION:" CR LF level " (Max)"

  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) p.DissimMissing(i, j) = 0;
    p.ObjMarked[i] = 0;
    p.ObjName[i].clear();
  }
  p.AnyObjMarked = false;

  AdjustAttributeDataType(s);

  for (int i = 1; i <= n; ++i) {
    p.Dissim(i, i) = 0.0f;
    for (int j = 1; j < i; ++j) p.Dissim(j, i) = p.Dissim(i, j);
  }
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) {
      if (i != j) {
        p.PairWeight(i, j) = 1.0f;
        p.MapWeight(i, j) = 1.0f;
        p.EffWeight(i, j) = 1.0f;
      }
    }

  p.MaxDissim = -1.0f;
  for (int i = 2; i <= n; ++i)
    for (int j = 1; j < i; ++j)
      if (p.Dissim(i, j) > p.MaxDissim) p.MaxDissim = p.Dissim(i, j);

  if (p.MaxDissim > 0.0f) {
    RefreshDerivedData(s, platform, DataChange::kDissimilarities);
  } else {
    platform.ShowMessage("The programmer screwed up again!  The Max Dissim is <= 0.  ");
  }
}

bool IsDissimilarityCase(int c) {
  return c == 3 || c == 6 || c == 7 || c == 10 || c == 11 || c == 15 || c == 16;
}

}  // namespace

namespace cases {

// The Str text of each value (" .25") less two characters counts its decimals.
int DissimilarityPrecisionLevel(const Session& s) {
  int most = 0;
  for (int i = 1; i <= s.prob.NObjects; ++i)
    for (int j = 1; j <= i; ++j) {
      int decimals = static_cast<int>(Str(s.prob.Dissim(i, j)).size()) - 2;
      if (decimals > most) most = decimals;
    }
  if (most < 1) return 1;
  if (most <= 5) return most + 5;
  return 10;
}

}  // namespace cases

void GenerateSpecialCase(Session& s, Platform& platform) {
  int c = s.set.SpecialCaseNum;
  if (c < 0 || c > MaxSpecialCaseNum)
    throw std::logic_error("GenerateSpecialCase: case number " + std::to_string(c) +
                           " outside 0..18");
  CommonStart(s, platform);
  if (IsDissimilarityCase(c))
    cases::BuildDissimilarityCase(s, c);
  else
    cases::BuildAttributeCase(s, platform, c);
  CommonEnd(s, platform);
}

}  // namespace quorel
