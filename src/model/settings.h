// Every setting of the program with its code table, display names and
// built-in default, and the defaults file QuorelDefaults.dft that carries the
// settings from one run of the program to the next.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quorel {

inline constexpr int MaxMDSTypeNum = 4;
inline constexpr int MaxBadnessFunctionNum = 4;
inline constexpr int MaxDistanceFunctionNum = 2;
inline constexpr int MaxMappingWtFunctionNum = 4;
inline constexpr int MaxAttributeFunctionNum = 13;
inline constexpr int MaxDimensionsNum = 8;
inline constexpr int MaxPrecisionLevelNum = 2;
inline constexpr int MaxSpecialCaseNum = 18;
inline constexpr int MaxConst300 = 300;
inline constexpr int MaxDegradeNum = 12;

// The values a setting may take.  The START lines of a data file repair a
// value outside its range and the defaults file is refused with one, so both
// read the ranges from here.
struct WholeRange {
  int low;
  int high;
  constexpr bool Contains(int value) const { return value >= low && value <= high; }
};
struct FloatRange {
  float low;
  float high;
  // False for NaN as well.
  constexpr bool Contains(float value) const { return value >= low && value <= high; }
};

inline constexpr WholeRange kMDSAnalysisTypeRange{0, MaxMDSTypeNum};
inline constexpr WholeRange kBadnessFunctionRange{0, MaxBadnessFunctionNum};
inline constexpr WholeRange kDistanceFunctionRange{0, MaxDistanceFunctionNum};
inline constexpr WholeRange kMappingWtFunctionRange{0, MaxMappingWtFunctionNum};
inline constexpr WholeRange kAttributeFunctionRange{0, MaxAttributeFunctionNum};
inline constexpr WholeRange kAttributeDataTypeRange{0, 5};
inline constexpr WholeRange kObjectIDMethodRange{0, 2};
inline constexpr WholeRange kDimensionsRange{1, MaxDimensionsNum};
inline constexpr WholeRange kDegradeRange{1, MaxDegradeNum};
inline constexpr FloatRange kConstraintRadiusRange{0.0f, 1.01f};
inline constexpr FloatRange kIntervalConstantRange{-1.0f, 1.0f};
// The Minkowski exponents the dialog's arrows reach from p = 2 in steps of
// 0.1 (a defaults file may hold a larger one).
inline constexpr float kLowestMinkowskiExponent = 0.5f;
inline constexpr float kHighestMinkowskiExponent = 3.0f;
// Settings that only the dialogs change.
inline constexpr WholeRange kPrecisionLevelRange{0, MaxPrecisionLevelNum};
inline constexpr WholeRange kErrorBoundsTypeRange{0, 1};
inline constexpr WholeRange kBoundaryTypeRange{0, 2};
inline constexpr WholeRange kCoercionRulesRange{0, 1};
inline constexpr WholeRange kSpecialCaseRange{0, MaxSpecialCaseNum};
inline constexpr WholeRange kSuppressRange{-1, 2};
inline constexpr WholeRange kRimColorRange{0, 15};
inline constexpr WholeRange kRimWidthRange{1, 4};
inline constexpr WholeRange kCircleDiameterRange{50, 600};

inline constexpr const char* VersionText = "11.8a";
inline constexpr const char* DefaultsFileName = "QuorelDefaults.dft";
// The file the solver writes every best-found solution of a series to, and
// the one Edit > Edit Best Solution File shows: SolnBestFileName, which
// starts as this name.
inline constexpr const char* BestFoundFileName = "QuorelSolnBestFound.txt";

// The kinds of MDS analysis behind the MDSAnalysisTypeNum codes
// (0 Ratio, 1 Ratio + Bounds, 2 Interval, 3 Interval + Bounds, 4 Ordinal).
// Interval types fit an additive constant to the dissimilarities.
constexpr bool IsInterval(int mds_type) {
  return mds_type == 2 || mds_type == 3;
}
// The "+ Bounds" types measure badness against the error bounds.
constexpr bool HasBounds(int mds_type) {
  return mds_type == 1 || mds_type == 3;
}
constexpr bool IsOrdinal(int mds_type) {
  return mds_type >= MaxMDSTypeNum;
}

// The display name of `code` in one of the name tables below, or `unknown`
// for a code outside the table.
template <std::size_t N>
std::string NameOf(const std::array<std::string, N>& table, int code,
                   std::string_view unknown = "") {
  if (code < 0 || code >= static_cast<int>(N)) return std::string(unknown);
  return table[static_cast<std::size_t>(code)];
}

inline const std::array<std::string, 5> MDSAnalysisTypeName = {
    "Ratio", "Ratio + Bounds", "Interval", "Interval + Bounds", "Ordinal"};
inline const std::array<std::string, 5> BadnessFunctionName = {"Stress", "Stress1", "SStress",
                                                               "Multiscale", "Fractional"};
inline const std::array<std::string, 3> DistanceFunctionName = {"Euclidean", "City Block",
                                                                "Minkowski"};
inline const std::array<std::string, 5> MappingWtFunctionName = {"None", "Weak", "Linear", "Strong",
                                                                 "Adjustable"};
// Index 1..8.
inline const std::array<std::string, 9> DimensionsName = {"",     "One", "Two",   "Three", "Four",
                                                          "Five", "Six", "Seven", "Eight"};
// Dimension d is labelled DimensionLabel[d - 1].
inline const std::array<std::string, 8> DimensionLabel = {"D1", "D2", "D3", "D4",
                                                          "D5", "D6", "D7", "D8"};
inline const std::array<std::string, 3> PrecisionLevelName = {"Low Precision", "Normal Precision",
                                                              "High Precision"};
// Data precision levels 1..13 (index 0 unused).
inline const std::array<std::string, 14> DataPrecisionName = {
    "",     "1",     "1/2",    "1/3",     "1/4",      "1/5",       "0.1",
    "0.01", "0.001", "0.0001", "0.00001", "0.000001", "0.0000001", "0.00000001"};
inline const std::array<std::string, 13> DataUncertaintyName = {
    "",      "0.5",    "0.25",    "0.17",     "0.13",      "0.1",       "0.05",
    "0.005", "0.0005", "0.00005", "0.000005", "0.0000005", "0.00000005"};

// The names of the attribute functions; names 1 and 2 change with
// NormalizeAttribs, so the table lives in the settings.
using AttributeFunctionNames = std::array<std::string, 14>;
AttributeFunctionNames DefaultAttributeFunctionNames();
// Sets names 1 and 2 to the "(norm.)" or "(raw)" forms.
void SetEuclideanNames(AttributeFunctionNames& names, bool normalized);

struct Settings {
  // Analysis (line 4 to line 11 of the defaults file and more).
  int MDSAnalysisTypeNum = 0;
  int BadnessFunctionNum = 1;
  int DistanceFunctionNum = 0;
  int MappingWtFunctionNum = 0;
  int AttributeFunctionNum = 1;
  int AttributeDataTypeNum = 1;
  bool NormalizeAttribs = true;
  int DimensionsNum = 2;
  int PrecisionLevelNum = 1;
  int DegradeNum = 10;
  int ObjectIDMethodNum = 0;
  int ErrorBoundsTypeNum = 1;
  float FixedErrorBound = 0.05f;
  float RelErrorBound = 0.05f;
  int BoundaryTypeNum = 0;
  float ConstraintRadius = 1.0f;
  int CoercionRulesNum = 1;
  int StepSizeNum = 1;
  int SuppressNum = -1;
  int SpecialCaseNum = 0;
  bool IsOrdinalMDS = false;
  bool CentreInBounds = false;
  float MinkowskiExponent = 2.0f;
  float MinkowskiInverse = 0.5f;
  float MappingWtParam = 1.0f;
  double AdjustableMappingWt = 0.0;
  float MapWeightFloor = 0.001f;
  bool MapWeightComplementary = false;
  bool ReuseRandomNumbers = false;
  bool AutoRepeat = false;
  bool AutoStop = false;
  bool XYSectionEmphasis = true;

  // Files.
  std::string StartupProblem;
  std::string HelpFileName = "QuorelHelp.txt";
  std::string DataFileName = "Example_A.txt";
  std::string SolnLongFileName = "QuorelSolnLongFmt.txt";
  std::string SolnShortFileName = "QuorelSolnShortFmt.txt";
  std::string SolnBestFileName = BestFoundFileName;

  // View and evaluation windows.
  int EvalObjectsItemNum = 1;
  int EvalLinksItemNum = 0;
  bool EvalLinksOptionA = true;
  bool EvalLinksOptionB = true;
  bool ShowTieLines = false;
  int WaernSlideValue = 33;
  int RimColorNum = 0;
  int RimWidth = 1;
  int MarkedRimWidth = 4;
  bool ShowUnitCircle = true;
  bool ShowAxes = false;
  bool ShowBoundaryButton = false;
  bool ShowPrecisionButton = false;
  bool ShowMapWtsButton = false;
  bool ShowDistanceButton = false;
  int CircleDiameter = 400;
  int CircleHalfDiameter = 200;
  int PickRadius = 198;
  int PickRadiusSq = 39204;
  int PickDiameter = 396;
  int PickInset = 2;
  bool ObjectsFilled = false;
  int BoundaryColor = 0xC0C0C0;  // RGB (192,192,192)
  int GuideColor = 0xC0C0FF;     // stored as &HBBGGRR: RGB (255,192,192)
  int GuideWidth = 2;

  // Values kept in the defaults file without behaviour, so that its layout
  // stays readable.
  bool Reserved8 = false;
  int Reserved17 = 1;
  bool Reserved19 = true;
  bool Reserved24 = false;
  int Reserved25a = 0;
  int Reserved25b = 0;

  AttributeFunctionNames AttributeFunctionName = DefaultAttributeFunctionNames();
};

}  // namespace quorel
