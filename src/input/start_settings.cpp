#include "input/start_settings.h"

#include <cmath>

#include "input/line_tokenizer.h"
#include "model/numeric.h"
#include "model/settings.h"
#include "model/text_format.h"

namespace quorel {
namespace {

constexpr const char* kFixSoon = "  Fix your data file as soon as convienient.  ";

// The value text: at most 80 characters after the keyword, trimmed, its first
// character (the expected "=") dropped.
std::string ValueText(const std::string& keyword, const std::string& line) {
  std::string text = keyword.size() < line.size() ? line.substr(keyword.size(), 80) : "";
  text = TrimBlanks(text);
  return text.empty() ? text : text.substr(1);
}

// A whole-number setting: the rounded value when it lies in [low, high],
// otherwise the message and the repair value.
int WholeSetting(Platform& platform, const std::string& text, WholeRange range, int repair,
                 const std::string& message) {
  const double value = RoundHalfEven(Val(text));
  if (value >= range.low && value <= range.high) return static_cast<int>(value);
  platform.ShowMessage(message);
  return repair;
}

bool TruthValue(const std::string& text) {
  std::string upper = UpperAscii(TrimBlanks(text));
  if (upper == "TRUE") return true;
  if (upper == "FALSE") return false;
  return Val(upper) != 0.0;
}

void SetMDSType(Session& s, Platform& platform, const std::string& text) {
  s.set.MDSAnalysisTypeNum = WholeSetting(
      platform, text, kMDSAnalysisTypeRange, 0,
      "Your data file is specifying using a type of MDS analysis that is not recognized.  It will "
      "be reset to 'ratio' to avoid a crash.  You can override this setting by using the MDS Type "
      "menu." +
          std::string(kFixSoon) + "ErrMsgD1A");
  s.set.IsOrdinalMDS = IsOrdinal(s.set.MDSAnalysisTypeNum);
  // The constant belongs to the interval types only.
  if (!IsInterval(s.set.MDSAnalysisTypeNum) && std::fabs(s.prob.IntervalConstant) > 0.0001f) {
    platform.ShowMessage(
        "Your data file is specifying an MDS Interval Constant that is incompatible with your "
        "specified MDS analysis type.  The Interval Constant will be reset to zero.  ErrMsgD5");
    s.prob.IntervalConstant = 0.0f;
  }
}

void SetDimensions(Session& s, Platform& platform, const std::string& text) {
  const double value = RoundHalfEven(Val(text));
  int dims = 2;
  if (value < kDimensionsRange.low) {
    platform.ShowMessage(
        "Your data file is specifying a -1 value for the number of dimensions.  It will be reset "
        "to 2 to avoid a crash.   ErrMsgD1a");
  } else if (value > kDimensionsRange.high) {
    platform.ShowMessage(
        "Your data file is specifying a starting value for the number of dimensions that is "
        "greater than the maximum allowed which currently is" +
        Str(MaxDimensionsNum) + ". It will be reset to 2 to avoid a crash.    ErrMsgD1b");
  } else {
    dims = static_cast<int>(value);
  }
  s.set.DimensionsNum = dims;
  s.prob.StartDimensionsNum = dims;
}

}  // namespace

bool ApplyStartSetting(Session& s, Platform& platform, const std::string& keyword,
                       const std::string& line) {
  if (keyword.rfind("START", 0) != 0) return false;
  const std::string text = ValueText(keyword, line);
  Settings& t = s.set;
  if (keyword == "STARTCONSTRAINTRADIUS") {
    const float value = ValF(text);
    t.ConstraintRadius = value;
    if (!kConstraintRadiusRange.Contains(value)) {
      platform.ShowMessage(
          "Your data file is specifying a starting value for the constraint boundary that is not "
          "valid.  It will be reset to 1 to avoid a crash." +
          std::string(kFixSoon) + "ErrMsgD1");
      t.ConstraintRadius = 1.0f;
    }
  } else if (keyword == "STARTINTERVALCONSTANT") {
    const float value = ValF(text);
    s.prob.IntervalConstant = value;
    if (!kIntervalConstantRange.Contains(value)) {
      platform.ShowMessage(
          "Your data file is specifying a starting value for the Interval MDS constraint that is "
          "not valid.  It will be reset to 0 to avoid a crash." +
          std::string(kFixSoon) + "ErrMsgD21");
      s.prob.IntervalConstant = 0.0f;
    }
  } else if (keyword == "STARTDIMENSIONSNUM") {
    SetDimensions(s, platform, text);
  } else if (keyword == "STARTDEGRADENUM") {
    const int level = WholeSetting(
        platform, text, kDegradeRange, 10,
        "Your data file is specifying a starting Precision level that is not valid.  It will be "
        "reset to 5 decimals." +
            std::string(kFixSoon) + "ErrMsgD1B");
    t.DegradeNum = level;
    s.prob.StartDegradeNum = level;
    s.prob.DataDegradeNum = level;
  } else if (keyword == "STARTATTRIBUTEFUNCTIONNUM") {
    t.AttributeFunctionNum = WholeSetting(
        platform, text, kAttributeFunctionRange, 1,
        "Your data file is specifying a starting Attribute Function type that is not recognized.  "
        "It will be reset to Euclidean to avoid a crash." +
            std::string(kFixSoon) + "ErrMsgD1");
  } else if (keyword == "STARTOBJECTIDMETHODNUM") {
    t.ObjectIDMethodNum = WholeSetting(
        platform, text, kObjectIDMethodRange, 0,
        "Your data file is specifying using an object ID method that is not recognized.  It will "
        "be reset to 'numbers' to avoid a crash.  You can override this setting by using the View "
        "menu." +
            std::string(kFixSoon) + "ErrMsgD1");
  } else if (keyword == "STARTMDSANALYSISTYPENUM") {
    SetMDSType(s, platform, text);
  } else if (keyword == "STARTBADNESSFUNCTIONNUM") {
    t.BadnessFunctionNum = WholeSetting(
        platform, text, kBadnessFunctionRange, 0,
        "Your data file is specifying a starting objective function type that is not recognized.  "
        "It will be reset to Badness Measure = Stress to avoid a crash." +
            std::string(kFixSoon) + "ErrMsgD2");
  } else if (keyword == "STARTDISTANCEFUNCTIONNUM") {
    t.DistanceFunctionNum = WholeSetting(
        platform, text, kDistanceFunctionRange, 0,
        "Your data file is specifying a starting Distance Function type that is not recognized.  "
        "It will be reset to Euclidean to avoid a crash." +
            std::string(kFixSoon) + "ErrMsgD3");
  } else if (keyword == "STARTMAPPINGWTFUNCTIONNUM") {
    t.MappingWtFunctionNum = WholeSetting(
        platform, text, kMappingWtFunctionRange, 0,
        "Your data file is specifying a starting Mapping Weight Function type that is not "
        "recognized.  It will be reset to None to avoid a crash." +
            std::string(kFixSoon) + "ErrMsgD4");
  } else if (keyword == "STARTATTRIBUTEDATATYPENUM") {
    t.AttributeDataTypeNum = WholeSetting(
        platform, text, kAttributeDataTypeRange, 5,
        "Your data file is specifying a starting Attribute Data Type is not recognized.  It will "
        "be reset to Unknown to avoid a crash." +
            std::string(kFixSoon) + "ErrMsgD5");
  } else if (keyword == "STARTNORMALIZEATTRIBS") {
    t.NormalizeAttribs = TruthValue(text);
    SetEuclideanNames(t.AttributeFunctionName, t.NormalizeAttribs);
  } else {
    return false;
  }
  return true;
}

}  // namespace quorel
