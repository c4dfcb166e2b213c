#include "input/data_file_finish.h"

#include <algorithm>

#include "model/captions.h"
#include "model/settings.h"
#include "model/text_format.h"
#include "prep/derived_data.h"

namespace quorel {
namespace {

constexpr const char* kStop = "  Processing will stop to let you check the data file.";

bool Refuse(Session& s, Platform& platform, const std::string& text) {
  platform.ShowMessage(text);
  s.prob.NObjects = 0;
  return false;
}

bool CheckPresence(Session& s, Platform& platform) {
  const Problem& p = s.prob;
  if (!p.ProximitiesGiven && !p.AttributesGiven) {
    if (p.ListSpaceSeen)
      return Refuse(s, platform,
                    "Your data file has no proximity values and no attribute values.  This might "
                    "be due to an erroneous space between 'LIST' and its precursor.  That is, "
                    "DISSIMILARITYLIST, SIMILARITYLIST, and ATTRIBUTELIST are all single words." +
                        std::string(kStop) + "  ErrMsgR2A");
    return Refuse(s, platform,
                  "Your data file has no proximity values and no attribute values.  You have to "
                  "specify one or the other." +
                      std::string(kStop) + "  ErrMsgR2B");
  }
  if (p.NAttributes > 0 && !p.AttributesGiven)
    return Refuse(s, platform,
                  "The data file has an NAttribs= entry yet there is no ATTRIBUTESLIST keyword and "
                  "thus there are no attribute values given." +
                      std::string(kStop) + "  ErrMsgR3a");
  if (p.NAttributes == 0 && p.AttributesGiven)
    return Refuse(s, platform,
                  "The data file has no valid NAttribs= entry yet you have an ATTRIBUTESLIST "
                  "keyword." +
                      std::string(kStop) + "  ErrMsgR3");
  return true;
}

void SetAttributeDefaults(Session& s) {
  Settings& t = s.set;
  if (!s.prob.AttributesGiven) return;
  if (t.AttributeDataTypeNum == -1) t.AttributeDataTypeNum = 5;
  // "(not in use)" without proximities would leave the dissimilarities of an
  // earlier problem in place: it counts as not given.
  if (t.AttributeFunctionNum == MaxAttributeFunctionNum && !s.prob.ProximitiesGiven)
    t.AttributeFunctionNum = -1;
  if (t.AttributeFunctionNum != -1) return;
  if (t.AttributeDataTypeNum == 2) {
    t.AttributeFunctionNum = 4;
  } else {
    t.AttributeFunctionNum = 1;
    t.NormalizeAttribs = true;
    SetEuclideanNames(t.AttributeFunctionName, true);
  }
}

bool SettleWeights(Session& s, Platform& platform) {
  Problem& p = s.prob;
  const int n = p.NObjects;
  if (!p.PairWeightsGiven) {
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) {
        p.PairWeight(i, j) = 1.0f;
        p.EffWeight(i, j) = 1.0f;
      }
    return true;
  }
  for (int i = 2; i <= n; ++i)
    for (int j = 1; j < i; ++j)
      if (static_cast<double>(p.PairWeight(i, j)) < -0.0001 ||
          static_cast<double>(p.PairWeight(i, j)) > 1.0001)
        return Refuse(s, platform,
                      "The data file has an invalid weight entry in row" + Str(i) + "." + kStop +
                          "  ErrMsgR4");
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) p.EffWeight(i, j) = p.PairWeight(i, j);
  return true;
}

void SettleDimensions(Session& s, Platform& platform) {
  Problem& p = s.prob;
  if (p.LocDimensionsNum > 0 && p.StartDimensionsNum > 0 &&
      p.LocDimensionsNum != p.StartDimensionsNum) {
    platform.ShowMessage(
        "The DimensionsNum you entered via a Start command is" + Str(p.StartDimensionsNum) + "." +
        kLineBreak + "The DimensionsNum you implied via the Locations data is" +
        Str(p.LocDimensionsNum) + "." + kLineBreak + "The latter will be used.    ErrMsgR45");
    s.set.DimensionsNum = p.LocDimensionsNum;
  }
}

void SettlePrecision(Session& s) {
  Problem& p = s.prob;
  int level = std::max(p.AttribDegradeNum, p.ProxDegradeNum);
  if (p.StartDegradeNum >= 0) level = p.StartDegradeNum;
  level = std::clamp(level, 1, MaxDegradeNum);
  p.DataDegradeNum = level;
  s.set.DegradeNum = level;
}

}  // namespace

void FinishDataFile(Session& s, Platform& platform, bool keep_not_in_use) {
  Problem& p = s.prob;
  if (!CheckPresence(s, platform)) return;
  SetAttributeDefaults(s);
  if (!SettleWeights(s, platform)) return;
  if (keep_not_in_use) s.set.AttributeFunctionNum = MaxAttributeFunctionNum;
  AdjustAttributeDataType(s);
  SettleDimensions(s, platform);
  SettlePrecision(s);
  const bool from_attributes =
      p.AttributesGiven && s.set.AttributeFunctionNum != MaxAttributeFunctionNum;
  RefreshDerivedData(s, platform,
                     from_attributes ? DataChange::kAttributes : DataChange::kDissimilarities);
}

}  // namespace quorel
