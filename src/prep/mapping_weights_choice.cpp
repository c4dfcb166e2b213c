#include "prep/mapping_weights_choice.h"

#include <algorithm>

#include "model/captions.h"
#include "model/numeric.h"
#include "model/settings.h"
#include "model/text_format.h"
#include "prep/derived_data.h"
#include "prep/mapping_weights.h"

namespace quorel {
namespace {

constexpr double kHighestAdjustableStart = 0.994;
constexpr double kLowestAdjustableStart = -190.0;
// Beyond the last steps of the arrows from 0 (-193.6 and 0.9949).
constexpr double kLowestAdjustable = -194.0;
constexpr double kHighestAdjustable = 0.995;
// Nothing below this level is drawn, so that the curve stays clear of the axis.
constexpr float kLowestPlottedWeight = 0.025f;

bool IsMappingWtFunction(int code) {
  return code >= 0 && code <= MaxMappingWtFunctionNum;
}

float WeightOf(const MappingWeightsChoice& c, float floor, float d) {
  return MappingWeightOf(c.function, c.m, c.complementary, floor, d);
}

// The adjustable m in the label: the value rounded to `decimals`, at most
// five characters (a point left at the end is dropped).
std::string AdjustableLabel(double m, int decimals, bool five_characters) {
  std::string text = PlainText(RoundHalfEven(m, decimals));
  if (five_characters) text = text.substr(0, 5);
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

// A D of the weight table, in a column of fixed width.
std::string TableDissim(float d) {
  return Format(d, "0.00") + "   ";
}

std::string TableWeight(float w) {
  if (w >= 0.9995f) return "1.000";
  return (PlainText(RoundHalfEven(w, 3)) + "0000    ").substr(0, 5);
}

std::string WeightTable(const MappingWeightsChoice& c, float floor) {
  std::string table = "          Dij    MWij        Dij    MWij";
  const std::string indent(9, ' ');
  for (int r = 0; r <= 5; ++r) {
    const float left = 0.1f * static_cast<float>(r);
    const float right = r == 4 ? 0.95f : r == 5 ? 1.0f : 0.1f * static_cast<float>(r + 6);
    table += kLineBreak + indent + TableDissim(left) + TableWeight(WeightOf(c, floor, left)) +
             indent + TableDissim(right) + TableWeight(WeightOf(c, floor, right));
  }
  return table;
}

std::string OptionDescription(const MappingWeightsChoice& c) {
  const std::string br = kLineBreak;
  const bool inverse = c.complementary;
  switch (c.function) {
    case 0:
      return "No mapping weights are applied. This is the traditional MDS approach." + br + br + br;
    case 1:
      return inverse ? "Weak inverse mapping weights discount very similar relationships, thus "
                       "increasing the control of remote objects on a cluster's external "
                       "arrangement."
                     : "Weak mapping weights discount very dissimilar relationships, thus "
                       "reducing the control of remote objects on a cluster's internal "
                       "arrangement." +
                           br;
    case 2:
      return inverse ? "Linear inverse mapping weights cause the importance of a similarity to "
                       "decrease linearly as its value increases." +
                           br
                     : "Linear mapping weights cause the importance of a dissimilarity to decrease "
                       "linearly as its value increases." +
                           br + br;
    case 3:
      return inverse ? "Strong inverse mapping weights allow very far objects to exert controlling "
                       "influences on internal cluster arrangements." +
                           br
                     : "Strong mapping weights allow very nearby objects to exert controlling "
                       "influences on internal cluster arrangements." +
                           br + br;
    case kAdjustableMappingWt:
      return inverse ? "User specified inverse mapping weights are applied.  Values from m = 0.995 "
                       "to -193 can be specified.  Thus, the rate of drop-off of the influence of "
                       "small similarities can be controled."
                     : "User specified mapping weights are applied. Values from m = 0.995 to -193 "
                       "can be specified.  Thus, the rate of drop-off of the influence of large "
                       "dissimilarities can be controled.";
    default:
      return "Something is seriously messed up in the Mapping Weights Function.";
  }
}

}  // namespace

MappingWeightsChoice LoadMappingWeightsChoice(Session& s) {
  const Settings& t = s.set;
  MappingWeightsChoice c;
  c.adjustable_m = t.AdjustableMappingWt;
  c.m = t.MappingWtParam;
  c.complementary = t.MapWeightComplementary;
  c.complementary_shown = t.MapWeightComplementary;
  c.function = t.MappingWtFunctionNum;
  c.adjustable_label = AdjustableLabel(c.adjustable_m, 2, false);
  s.ui.CtrlDown = false;
  s.ui.AltDown = false;
  ChooseMappingWtFunction(s.set, c, c.function);
  return c;
}

void ChooseMappingWtFunction(Settings& t, MappingWeightsChoice& c, int code) {
  c.function = code;
  if (!IsMappingWtFunction(code)) return;
  c.m = MappingWtFunctionParam(code, c.complementary, static_cast<float>(c.adjustable_m));
  t.MapWeightFloor = MappingWtFunctionFloor(code, c.m);
}

void StepAdjustableMappingWt(Settings& t, Platform& platform, MappingWeightsChoice& c, bool up) {
  double& m = c.adjustable_m;
  if (up ? m >= kHighestAdjustableStart : m <= kLowestAdjustableStart) {
    platform.Beep();
    return;
  }
  m = up ? (m + 0.5) / 1.5 : 1.5 * m - 0.5;
  c.adjustable_label = AdjustableLabel(m, 3, true);
  ChooseMappingWtFunction(t, c, kAdjustableMappingWt);
}

bool AdjustableMappingWtAllowed(double m) {
  return m >= kLowestAdjustable && m <= kHighestAdjustable;
}

void MappingWeightsMouseDown(Settings& t, Interaction& ui, MappingWeightsChoice& c, bool ctrl,
                             bool alt, bool complementary_checked) {
  ui.CtrlDown = ctrl;
  ui.AltDown = alt;
  if (ctrl && alt) c.complementary_shown = true;
  if (c.complementary != complementary_checked) ChooseComplementary(t, c, complementary_checked);
}

void ChooseComplementary(Settings& t, MappingWeightsChoice& c, bool complementary) {
  c.complementary = complementary;
  ChooseMappingWtFunction(t, c, c.function);
}

void ApplyMappingWeightsChoice(Session& s, Platform& platform, const MappingWeightsChoice& c) {
  Settings& t = s.set;
  t.MappingWtParam = c.m;
  if (IsMappingWtFunction(c.function)) t.MappingWtFunctionNum = c.function;
  t.AdjustableMappingWt = c.adjustable_m;
  t.MapWeightComplementary = c.complementary;
  if (t.MappingWtFunctionNum == kAdjustableMappingWt)
    t.MappingWtParam = static_cast<float>(t.AdjustableMappingWt);
  RefreshDerivedData(s, platform, DataChange::kMappingWeights);
  ResetSeries(s);
  s.captions.cmdMappingWtFns = MappingWtCaption(s);
  platform.RefreshCaptions();
}

float PlottedMappingWeight(const MappingWeightsChoice& c, float floor, float d) {
  return std::max(WeightOf(c, floor, d), std::max(floor, kLowestPlottedWeight));
}

std::string MappingWtDescription(const MappingWeightsChoice& c, float floor) {
  return OptionDescription(c) + kLineBreak + WeightTable(c, floor);
}

std::string MappingWtComment(const MappingWeightsChoice& c, float floor) {
  if (c.function == 0) return "No mapping weights are applied. Computationally, all MWij = 1.  ";
  if (!IsMappingWtFunction(c.function)) return "";
  return "Mapping weights are calculated using: MWij = (1 - Dij) / (1 - m Dij) with a floor of  " +
         Format(floor, "0.###") +
         ".  To eliminate the Adjustable option from the on-line rotation command, set it equal "
         "to zero.";
}

}  // namespace quorel
