#include "model/captions.h"

#include <cmath>

#include "model/numeric.h"
#include "model/text_format.h"

namespace quorel {
std::string MDSTypeCaption(const Session& s) {
  return std::string("MDS &TYPE:") + kLineBreak +
         NameOf(MDSAnalysisTypeName, s.set.MDSAnalysisTypeNum);
}

std::string MDSTypeCaptionWithConstant(const Session& s) {
  std::string caption = MDSTypeCaption(s);
  if (IsInterval(s.set.MDSAnalysisTypeNum))
    caption += "  (" + Format(s.prob.IntervalConstant, "#0.0000") + ")";
  return caption;
}

std::string BadnessCaption(const Session& s) {
  return std::string("&BADNESS:") + kLineBreak +
         NameOf(BadnessFunctionName, s.set.BadnessFunctionNum);
}

std::string AttributeFnsCaption(const Session& s) {
  return std::string("&ATTRIBUTE  FNs:") + kLineBreak +
         NameOf(s.set.AttributeFunctionName, s.set.AttributeFunctionNum);
}

std::string DimensionsCaption(const Session& s) {
  return std::string("DIME&NSIONS:") + kLineBreak + NameOf(DimensionsName, s.set.DimensionsNum);
}

std::string BoundaryCaption(const Session& s) {
  float r = s.set.ConstraintRadius;
  return std::string("BOUNDAR&Y:") + kLineBreak +
         (std::fabs(r - 1.0f) < 0.0005f ? std::string("None") : Format(r, "0.00"));
}

std::string DegradeCaption(const Session& s) {
  std::string caption =
      std::string("PR&ECISION:") + kLineBreak + NameOf(DataPrecisionName, s.set.DegradeNum);
  if (s.set.DegradeNum == s.prob.DataDegradeNum) caption += " (Max)";
  return caption;
}

std::string DistanceCaption(const Session& s) {
  std::string caption = std::string("&DISTANCE:") + kLineBreak +
                        NameOf(DistanceFunctionName, s.set.DistanceFunctionNum);
  if (s.set.DistanceFunctionNum == MaxDistanceFunctionNum)
    caption += Str(static_cast<float>(RoundHalfEven(s.set.MinkowskiExponent, 1)));
  return caption;
}

std::string MappingWtCaption(const Session& s) {
  return std::string("&MAPPING  WTs:") + kLineBreak +
         (s.set.MapWeightComplementary ? "Inverse " : "") +
         NameOf(MappingWtFunctionName, s.set.MappingWtFunctionNum);
}

void ApplyCaptionRules(Session& s) {
  Captions& c = s.captions;
  c.cmdMDSType = MDSTypeCaption(s);
  c.cmdBadnessFns = BadnessCaption(s);
  c.cmdAttributeFns = AttributeFnsCaption(s);
  c.cmdDimensions = DimensionsCaption(s);
  c.cmdBoundary = BoundaryCaption(s);
  c.cmdDegrade = DegradeCaption(s);
  c.cmdDistanceFns = DistanceCaption(s);
  c.cmdMappingWtFns = MappingWtCaption(s);
}

}  // namespace quorel
