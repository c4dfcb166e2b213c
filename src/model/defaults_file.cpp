#include "model/defaults_file.h"

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <variant>
#include <vector>

#include "model/captions.h"
#include "model/map_layout.h"
#include "model/numeric.h"
#include "model/safe_write.h"
#include "model/text_file.h"
#include "model/text_format.h"

namespace quorel {
namespace {

namespace fs = std::filesystem;

using FieldRef = std::variant<std::string*, int*, bool*, float*, double*>;
using Line = std::vector<FieldRef>;

// The 26 lines of the defaults file, field by field, in file order.
std::vector<Line> DefaultsLayout(Session& s) {
  Settings& t = s.set;
  Problem& p = s.prob;
  return {
      {&t.StartupProblem, &t.HelpFileName},
      {&t.DataFileName, &t.MapWeightComplementary},
      {&t.SolnLongFileName, &t.SolnShortFileName, &t.SolnBestFileName},
      {&t.AttributeFunctionNum, &t.AttributeDataTypeNum, &t.NormalizeAttribs},
      {&t.BadnessFunctionNum, &t.MDSAnalysisTypeNum, &t.BoundaryTypeNum},
      {&t.DistanceFunctionNum, &t.MappingWtFunctionNum},
      {&t.ObjectIDMethodNum, &t.EvalObjectsItemNum, &t.RimColorNum},
      {&t.CoercionRulesNum, &t.Reserved8, &t.ReuseRandomNumbers},
      {&t.SpecialCaseNum, &t.ErrorBoundsTypeNum, &t.DimensionsNum, &t.DegradeNum},
      {&t.FixedErrorBound, &t.RelErrorBound},
      {&t.PrecisionLevelNum},
      {&p.AttributesGiven, &p.ProximitiesGiven},
      {&t.ShowUnitCircle, &t.ShowAxes},
      {&t.ShowBoundaryButton, &t.ShowPrecisionButton, &t.ShowMapWtsButton, &t.ShowDistanceButton},
      {&p.ObjNamesGiven, &t.IsOrdinalMDS},
      {&t.AutoRepeat, &t.AutoStop, &t.SuppressNum},
      {&t.Reserved17, &t.XYSectionEmphasis, &t.WaernSlideValue},
      {&t.EvalLinksItemNum, &t.CentreInBounds, &t.ConstraintRadius},
      {&t.Reserved19, &t.EvalLinksOptionA, &t.EvalLinksOptionB, &t.ShowTieLines},
      {&t.MinkowskiExponent, &t.MinkowskiInverse},
      {&t.CircleDiameter, &t.CircleHalfDiameter},
      {&t.PickRadius, &t.PickRadiusSq},
      {&t.PickDiameter, &t.PickInset},
      {&t.RimWidth, &t.Reserved24},
      {&t.Reserved25a, &t.Reserved25b},
      {&t.MappingWtParam, &t.AdjustableMappingWt},
  };
}

std::string FieldText(const FieldRef& field) {
  struct Writer {
    std::string operator()(std::string* v) const { return "\"" + *v + "\""; }
    std::string operator()(int* v) const { return std::to_string(*v); }
    std::string operator()(bool* v) const { return *v ? "#TRUE#" : "#FALSE#"; }
    std::string operator()(float* v) const { return ShortestText(*v); }
    std::string operator()(double* v) const { return ShortestText(*v); }
  };
  return std::visit(Writer{}, field);
}

// A whole item that is a number, blanks around it allowed.
bool ParseNumber(const std::string& item, double& value) {
  size_t start = item.find_first_not_of(' ');
  if (start == std::string::npos) return false;
  size_t end = item.find_last_not_of(' ') + 1;
  std::string text = item.substr(start, end - start);
  char* stop = nullptr;
  value = std::strtod(text.c_str(), &stop);
  return stop == text.c_str() + text.size() && std::isfinite(value);
}

bool ReadField(TextReader& in, const FieldRef& field) {
  bool ok = false;
  std::string item = in.ReadItem(&ok);
  if (!ok) return false;
  struct Reader {
    const std::string& item;
    bool operator()(std::string* v) const {
      *v = item;
      return true;
    }
    bool operator()(int* v) const {
      double d;
      if (!ParseNumber(item, d) || d > 2147483647.0 || d < -2147483648.0) return false;
      *v = RoundToInt(d);
      return true;
    }
    bool operator()(bool* v) const {
      if (item == "#TRUE#") return *v = true, true;
      if (item == "#FALSE#") return *v = false, true;
      return false;
    }
    bool operator()(float* v) const {
      double d;
      if (!ParseNumber(item, d) || std::fabs(d) > 3.4e38) return false;
      *v = static_cast<float>(d);
      return true;
    }
    bool operator()(double* v) const {
      double d;
      if (!ParseNumber(item, d)) return false;
      *v = d;
      return true;
    }
  };
  return std::visit(Reader{item}, field);
}

// The first code or size of the file that lies outside the range its
// setting allows, by name; "" when every one is in range.  A code outside
// its table would reach the solver or a name table unchecked.
std::string FieldOutOfRange(const Session& s) {
  const Settings& t = s.set;
  // A problem without attributes leaves the attribute function and data type
  // unset (-1), and they are saved that way.
  constexpr int kUnset = -1;
  struct WholeCheck {
    const char* name;
    int value;
    WholeRange range;
    bool may_be_unset = false;
  };
  const WholeCheck wholes[] = {
      {"AttributeFunctionNum", t.AttributeFunctionNum, kAttributeFunctionRange, true},
      {"AttributeDataTypeNum", t.AttributeDataTypeNum, kAttributeDataTypeRange, true},
      {"BadnessFunctionNum", t.BadnessFunctionNum, kBadnessFunctionRange},
      {"MDSAnalysisTypeNum", t.MDSAnalysisTypeNum, kMDSAnalysisTypeRange},
      {"BoundaryTypeNum", t.BoundaryTypeNum, kBoundaryTypeRange},
      {"DistanceFunctionNum", t.DistanceFunctionNum, kDistanceFunctionRange},
      {"MappingWtFunctionNum", t.MappingWtFunctionNum, kMappingWtFunctionRange},
      {"ObjectIDMethodNum", t.ObjectIDMethodNum, kObjectIDMethodRange},
      {"RimColorNum", t.RimColorNum, kRimColorRange},
      {"CoercionRulesNum", t.CoercionRulesNum, kCoercionRulesRange},
      {"SpecialCaseNum", t.SpecialCaseNum, kSpecialCaseRange},
      {"ErrorBoundsTypeNum", t.ErrorBoundsTypeNum, kErrorBoundsTypeRange},
      {"DimensionsNum", t.DimensionsNum, kDimensionsRange},
      {"DegradeNum", t.DegradeNum, kDegradeRange},
      {"PrecisionLevelNum", t.PrecisionLevelNum, kPrecisionLevelRange},
      {"SuppressNum", t.SuppressNum, kSuppressRange},
      {"CircleDiameter", t.CircleDiameter, kCircleDiameterRange},
      {"RimWidth", t.RimWidth, kRimWidthRange},
      // The pick geometry follows from the diameter.
      {"CircleHalfDiameter", t.CircleHalfDiameter, {t.CircleDiameter / 2, t.CircleDiameter / 2}},
      {"PickRadius", t.PickRadius, {1, t.CircleDiameter}},
      {"PickRadiusSq", t.PickRadiusSq, {t.PickRadius * t.PickRadius, t.PickRadius * t.PickRadius}},
      {"PickDiameter", t.PickDiameter, {2 * t.PickRadius, 2 * t.PickRadius}},
      {"PickInset",
       t.PickInset,
       {t.CircleHalfDiameter - t.PickRadius, t.CircleHalfDiameter - t.PickRadius}},
  };
  for (const WholeCheck& c : wholes)
    if (!c.range.Contains(c.value) && !(c.may_be_unset && c.value == kUnset)) return c.name;
  constexpr float kLargest = 3.4e38f;
  const std::pair<const char*, bool> floats[] = {
      {"ConstraintRadius", kConstraintRadiusRange.Contains(t.ConstraintRadius)},
      {"FixedErrorBound", FloatRange{0.0f, kLargest}.Contains(t.FixedErrorBound)},
      {"RelErrorBound", FloatRange{0.0f, kLargest}.Contains(t.RelErrorBound)},
      // Above the arrows' reach is allowed: the dialog steps such a value down.
      {"MinkowskiExponent",
       FloatRange{kLowestMinkowskiExponent, kLargest}.Contains(t.MinkowskiExponent)},
  };
  for (const auto& [name, in_range] : floats)
    if (!in_range) return name;
  return "";
}

// Reads every field in file order; `problem` says what was wrong when the
// result is false.
bool ReadDefaultsFile(Session& s, const std::string& path, std::string& problem) {
  TextReader in(path);
  if (!in.IsOpen()) {
    problem = "it could not be opened";
    return false;
  }
  for (const Line& line : DefaultsLayout(s))
    for (const FieldRef& field : line)
      if (!ReadField(in, field)) {
        problem = "it is cut short or holds a value that is not of its kind";
        return false;
      }
  if (std::string name = FieldOutOfRange(s); !name.empty()) {
    problem = "its value of " + name + " is out of range";
    return false;
  }
  return true;
}

// Keeps a defaults file that could not be used beside the new one, so that
// the user's saved settings are not lost, and says so.
void SetAsideUnusableFile(Platform& platform, const std::string& path, const std::string& problem) {
  const std::string aside = path + ".bad";
  std::error_code ec;
  fs::rename(path, aside, ec);  // replaces an older one
  if (ec) fs::remove(path, ec);
  platform.ShowMessage("The defaults file " + path + " could not be used: " + problem + ".  " +
                       (ec ? std::string("It was removed") : "It was renamed to " + aside) +
                       " and the built-in settings are used.");
}

// Keeps the last `count` characters of a file name.
void KeepLast(std::string& name, size_t count) {
  if (name.size() > count) name = name.substr(name.size() - count);
}

bool FolderIsWritable(const fs::path& folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return false;
  // A probe of a unique name, so that no file of the user's is touched and
  // two programs starting at once do not meet.
  std::string probe = (folder / ".quorel-write-test.XXXXXX").string();
  int fd = ::mkstemp(probe.data());
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

// The code tables and constants that InitSettings always sets first.
void InitFixedValues(Session& s) {
  s.run.RunState = kNoProblem;
  s.prob.IntervalConstant = 0.0f;
  s.prob.Title.clear();
  s.prob.Subtitle.clear();
  s.set.BoundaryColor = 0xC0C0C0;
  s.set.GuideColor = 0xC0C0FF;
  s.set.GuideWidth = 2;
  s.prob.KeepObjSetup = false;
  s.set.ObjectsFilled = false;
  s.prob.NoDataRangeChecks = false;
  s.set.NormalizeAttribs = true;
  s.set.AttributeFunctionName = DefaultAttributeFunctionNames();
  s.prob.DataDegradeNum = 12;
}

}  // namespace

std::string ChooseSettingsFolder(const std::string& program_folder) {
  if (!program_folder.empty() && FolderIsWritable(program_folder)) return WithSlash(program_folder);
  fs::path base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = fs::path(home) / ".config";
  } else {
    base = fs::temp_directory_path();
  }
  fs::path folder = base / "quorel";
  std::error_code ec;
  fs::create_directories(folder, ec);
  return WithSlash(folder.string());
}

std::string DefaultsFilePath(const Session& s) {
  return s.SettingsFolder + DefaultsFileName;
}

void AssignBuiltInDefaults(Session& s) {
  bool show_distance = s.set.ShowDistanceButton;  // keeps its current value
  Settings builtin;
  builtin.ShowDistanceButton = show_distance;
  // Keep the attribute names table in step with NormalizeAttribs.
  s.set = builtin;
  s.prob.AttributesGiven = false;
  s.prob.ProximitiesGiven = false;
  s.prob.ObjNamesGiven = false;
  s.set.PickRadius = PickRadiusFor(s.set.CircleDiameter);
  s.set.PickRadiusSq = s.set.PickRadius * s.set.PickRadius;
  s.set.PickDiameter = 2 * s.set.PickRadius;
  s.set.PickInset = s.set.CircleDiameter / 2 - s.set.PickRadius;
  s.set.MapWeightFloor = 0.001f;
  s.prob.DataDegradeNum = 12;
}

void InitSettings(Session& s, Platform& platform) {
  // A file that cannot be used is set aside; the second attempt then takes
  // the built-in values, so the loop runs at most twice.
  for (int attempt = 0; attempt < 2; ++attempt) {
    InitFixedValues(s);
    std::string path = DefaultsFilePath(s);
    std::error_code ec;
    if (!fs::exists(path, ec) || s.ui.UseBuiltInDefaults) {
      AssignBuiltInDefaults(s);
      SaveDefaults(s, platform);
      break;
    }
    std::string problem;
    if (ReadDefaultsFile(s, path, problem)) break;
    SetAsideUnusableFile(platform, path, problem);
  }
  SetEuclideanNames(s.set.AttributeFunctionName, s.set.NormalizeAttribs);
  s.set.StepSizeNum = 1;
  SetConvergenceLimits(s);
  s.set.MarkedRimWidth = s.set.RimWidth + 3;
}

bool SaveDefaults(Session& s, Platform& platform) {
  Settings& t = s.set;
  // A short-format solution cannot be read back as a problem, so it is never
  // remembered as the start-up problem.
  if (t.DataFileName.find("QuorelSolnShortFmt.txt") != std::string::npos) {
    t.StartupProblem.clear();
    t.DataFileName.clear();
  }
  KeepLast(t.HelpFileName, 14);
  KeepLast(t.SolnLongFileName, 29);
  KeepLast(t.SolnShortFileName, 30);
  KeepLast(t.SolnBestFileName, 28);

  std::string path = DefaultsFilePath(s);
  TextWriter out;
  for (const Line& line : DefaultsLayout(s)) {
    std::string text;
    for (const FieldRef& field : line) {
      if (!text.empty()) text += ",";
      text += FieldText(field);
    }
    out.Line(text);
  }
  bool written = WriteFileSafely(path, out.Text()) == WriteOutcome::kWritten;
  if (!written) {
    platform.ShowMessage("The settings could not be saved to the defaults file " + path +
                         ".  Check that the folder exists and can be written to.");
    return false;
  }
  platform.PlayClickSound();
  platform.FileSaved(path);
  return true;
}

void ClearToBuiltInDefaults(Session& s, Platform& platform) {
  s.set.StartupProblem.clear();
  s.prob.NAttributes = 0;
  s.prob.NObjects = 0;
  ++s.prob.ProblemGeneration;
  s.ui.UseBuiltInDefaults = true;
  InitSettings(s, platform);
  s.ui.UseBuiltInDefaults = false;
  s.run.RunState = kNoProblem;
  s.run.StopRequested = true;
  ApplyCaptionRules(s);
  platform.SetFocus(FocusTarget::cmdExit);
  platform.RefreshCaptions();
}

}  // namespace quorel
