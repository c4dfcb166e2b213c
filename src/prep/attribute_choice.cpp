#include "prep/attribute_choice.h"

#include "model/captions.h"
#include "model/settings.h"
#include "prep/attribute_refresh.h"
#include "prep/derived_data.h"

namespace quorel {
namespace {

constexpr int kNotInUse = MaxAttributeFunctionNum;

bool IsAttributeFunction(int function) {
  return function >= 0 && function <= kNotInUse;
}

bool IsDataType(int data_type) {
  return data_type >= kNoDataType && data_type <= kMaxAttributeDataType;
}

}  // namespace

bool AttributeFunctionsAvailable(const Problem& p) {
  return p.NObjects > 0 && p.AttributesGiven && p.NAttributes > 0;
}

bool AttributeFunctionEnabled(int data_type, int function, bool proximities_given) {
  if (function == kNotInUse) return proximities_given;
  if (!IsAttributeFunction(function)) return false;
  switch (data_type) {
    case kRatioData:
      return function <= 3;
    case kIntervalData:
      return function >= 1 && function <= 3;
    case kOrdinalData:
      return function == 4 || function == 5;
    case kNominalData:
      return function == 6;
    case kBinaryData:
      return (function >= 1 && function <= 3) || function >= 7;
    default:
      return true;
  }
}

AttributeChoice LoadAttributeChoice(const Settings& t) {
  return {t.AttributeFunctionNum, t.AttributeDataTypeNum, t.CoercionRulesNum};
}

void ChooseAttributeDataType(AttributeChoice& choice, int data_type) {
  if (!IsDataType(data_type)) return;
  choice.data_type = data_type;
  int& f = choice.function;
  switch (data_type) {
    case kRatioData:
      f = 0;
      break;
    case kIntervalData:
      if (f < 1 || f > 3) f = 1;
      break;
    case kOrdinalData:
      f = 4;
      break;
    case kNominalData:
      f = 6;
      break;
    case kBinaryData:
      if (f < 7) f = 7;
      break;
    default:
      break;
  }
}

void ChooseNormalizeAttribs(Settings& t, bool normalized) {
  t.NormalizeAttribs = normalized;
}

void ApplyAttributeChoice(Session& s, Platform& platform, const AttributeChoice& choice) {
  if (!AttributeFunctionsAvailable(s.prob) || !IsAttributeFunction(choice.function) ||
      !IsDataType(choice.data_type))
    return;
  s.set.AttributeDataTypeNum = choice.data_type;
  s.set.AttributeFunctionNum = choice.function;
  s.set.CoercionRulesNum = choice.coercion == 0 ? 0 : 1;
  s.run.FileOpenError = false;
  RefreshDerivedData(s, platform, DataChange::kAttributes);
  ResetSeries(s);
  if (s.run.FileOpenError) {
    platform.ShowMessage(
        "File Opening error.  You requested opening a non-existant file named  " +
        s.set.DataFileName +
        ".  Sometimes this is due to having moved to a computer that keeps QUOREL on a different "
        "drive.");
    s.run.StopRequested = true;
  }
  SetEuclideanNames(s.set.AttributeFunctionName, s.set.NormalizeAttribs);
  s.captions.cmdAttributeFns = AttributeFnsCaption(s);
  platform.RefreshCaptions();
}

std::string AttributeFunctionDescription(int function) {
  const std::string para = "\r\n\r\n";
  const std::string abcd =
      "A, B, C, and D are the sums over all attributes of the times the attributes of objects i "
      "and j both agree, agree disagree, disagree agree, and both disagree, respectively.";
  const std::string abc =
      "A, B, and C are the sums over all attributes of the times the attributes of objects i and j "
      "both agree, agree disagree, and disagree agree, respectively.";
  switch (function) {
    case 0:
      return "The Cos(alpha) = vector alignment dissimilarity between objects i and j is taken to "
             "be the cosine of the angle between the attribute vectors.  It is applicable when the "
             "attribute scale has a zero intercept.  Thus, it is appropriate only for ratio level "
             "data.  This form uses dissimilarity = 1 - cos(alpha).";
    case 1:
      return "The normalized Euclidean dissimilarity between objects i and j is the square root "
             "of (the sum over all k attributes of (Aik-Ajk)^2 / RngK^2, divided by the number of "
             "attributes).  RngK is the range of the kth attribute.  " +
             para +
             "The unnormalized value is the square root of (the sum over all k attributes of "
             "(Aik-Ajk)^2, divided by the number of attributes).  Select normalized or "
             "unnormalized using the option box shown on below.";
    case 2:
      return "The normalized City Block dissimilarity between objects i and j is the sum over all "
             "k attributes of |Aik-Ajk|/RngK, divided by the number of attributes.  RngK is the "
             "range of the kth attribute.  " +
             para +
             "The unnormalized dissimilarity between objects i and j is the sum over all k "
             "attributes of |Aik-Ajk|, divided by the number of attributes.  Select normalized or "
             "unnormalized using the option box shown on below.";
    case 3:
      return "The Pearson dissimilarity between objects i and j is calculated from the product "
             "moment correlation coefficient, r, between the attribute row i and j.  The "
             "dissimilarity equals (1-r)/2.  This means that cases with r = -1 are completely "
             "different from cases with r = 1, and cases with r = 0 are half way between the two "
             "extremes.  Pearson's r equals Guttman's mu2 if there is a linear relationship, and "
             "its absolute value never is less than the absolute value of mu2 otherwise.  ";
    case 4:
      return "The Spearman dissimilarity is the same as the Pearson dissimilarity, except that the "
             "rank of the attribute replaces the attribute value in the formula.  That is, it is "
             "(1-r)/2 where r is the product momement correlation of the ranks.  It removes the "
             "assumption that the measurement system is linear.  ";
    case 5:
      return "The Guttman dissimilarity between objects i and j is calculated from the correlation "
             "coefficient, mu2, between the attribute rows i and j.  The dissimilarity equals "
             "(1-mu2)/2.  This means that cases with mu2 = -1 are completely different from cases "
             "with mu2 = 1, and cases with mu2 = 0 are half way between the two extremes.  "
             "Guttman's mu2 equals Pearson's r if there is a linear relationship, and its absolute "
             "value never is less than the absolute value of r otherwise.  ";
    case 6:
      return "The Nominal Simple Matching Coefficient dissimilarity between objects i and j is 1 - "
             "A/Tot, where A is the number of cases with the attribute kind (value) matching and "
             "Tot is the total number of valid cases.  " +
             para +
             "There may be no significance to the numerical order of the object identifiers, so "
             "coersion to binary or generalization to metric is generally unwarranted. ";
    case 7:
      return "The Jaccard dissimilarity between objects i and j is 1-A/(A+B+C).  It ignores "
             "attribute absence matches.  It is one of the more common nonmetric association "
             "coefficients.  " +
             para + abc;
    case 8:
      return "The Gower/Russell/Rao dissimilarity between objects i and j is 1-A/(A+B+C+D).  "
             "Attribute absence matches are partly considered." +
             para + abcd;
    case 9:
      return "The Simple Matching Coefficient, or Sokal/Michener dissimilarity, between objects i "
             "and j is 1-(A+D)/(A+B+C+D).  It is a very common coefficient.  Attribute absence "
             "matches are fully counted. " +
             para + abcd;
    case 10:
      // Matches lower the dissimilarity: identical profiles give 0.
      return "The Hamman dissimilarity between objects i and j is 0.5-0.5(A-B-C+D)/(A+B+C+D).  It "
             "gives equal weight to counts of matches and mismatches.  " +
             para + abcd;
    case 11:
      return "The Yule dissimilarity between objects i and j is 1-(AD-BC)/(AD+BC).  It measures "
             "the balance between complete attribute matches against complete mismatches. " +
             para + abcd;
    case 12:
      return "The Askin/Charles dissimilarity is 1-MAX{A/(A+C), A/(A+B)}.  It measures the degree "
             "of high interaction cases in either direction (i to j, or j to i), but ignores "
             "absence influences.  " +
             para + abc;
    case 13:
      return "In this case, new dissimilarities are not calculated from the attribute "
             "information.  Instead, the original dissimilarities given in the data file are "
             "used.  If no dissimilarities are given, this option is eliminated." +
             para +
             "This case is most useful when attributes are used only for object identification "
             "and categorization in conjunction with several of the evaluation/interpretation "
             "options.";
    default:
      return "Something is seriously messed up in the Attribute Function Selector.";
  }
}

std::string AttributeDataTypeDescription(int data_type) {
  switch (data_type) {
    case kRatioData:
      return "Ratio level data are metric data.  Ratio data must be proportional to the "
             "characteristic being measured, and must have a zero that corresponds to the true "
             "zero of the characteristic.  The on-line attribute shortcut button cycles through "
             "the functions shown to the right.";
    case kIntervalData:
      return "Interval level data are metric data.  Interval data have intervals that are "
             "proportional to the intervals of the characteristic being measured, but they need "
             "not have a true zero. The on-line attribute shortcut button cycles through the "
             "functions shown to the right.";
    case kOrdinalData:
      return "Ordinal (rank order) level data are nonmetric data.  Ordinal data represent "
             "relative magnitudes and do not claim to be proportional to the characteristic being "
             "measured.  The on-line attribute shortcut button is locked on Spearman.";
    case kNominalData:
      return "Nominal level data are nonmetric data.  Nominal data data are unordered categories "
             "represented by names.  The on-line attribute shortcut button is locked on Nominal "
             "SMC.";
    case kBinaryData:
      return "Binary nominal level data are nonmetric data.  They are data with only two states, "
             "commonly taken to be Yes or No, 0 or 1, + or -.  The on-line attribute shortcut "
             "button cycles through the conversions functions shown to the right.";
    case kUnknownData:
      return "This option allows both metric and nonmetric data.  The attribute-to-dissimilarity "
             "shortcut button cycles through all conversion functions and the data are coerced "
             "into the type required by the function.  This option is fun to use and can provide "
             "important insights, but it also can produce nonsense.  Use it carefully.  ";
    default:
      return "";
  }
}

}  // namespace quorel
