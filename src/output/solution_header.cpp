// The header and the solution, shared by the long and the short format.
#include <algorithm>
#include <string>

#include "model/settings.h"
#include "output/solution_sections.h"

namespace quorel::output {
namespace {

// A code outside its table shows as "?" in the header.
constexpr std::string_view kUnknownName = "?";

std::string ErrorBoundsNote(const Settings& t) {
  switch (t.ErrorBoundsTypeNum) {
    case 0:
      return " and" + Format(t.FixedErrorBound, " 0.000") + " fixed error bounds are used.";
    case 1:
      return " and" + Format(100.0 * t.RelErrorBound, " ##0.0") + " pct error bounds are used.";
    case 2:
      return " and mid-rank error bounds are used.";
    default:
      return "";
  }
}

void WriteObjectCounts(TextWriter& out, const Problem& p) {
  std::string parked_list;
  int parked = 0;
  for (int i = 1; i <= p.NObjects; ++i)
    if (p.ObjParked[i]) {
      ++parked;
      parked_list += "  " + std::to_string(i);
    }
  if (parked == 0) {
    out.Line("Number of objects = " + std::to_string(p.NObjects) + ", none parked. ");
    return;
  }
  out.Line("Original number of objects = " + std::to_string(p.NObjects));
  out.Line("Number of parked objects = " + std::to_string(parked));
  out.Line("The parked objects are: " + parked_list);
}

void WriteAttributeCounts(TextWriter& out, const Session& s) {
  const Problem& p = s.prob;
  std::string parked_list;
  int parked = 0;
  for (int a = 1; a <= p.NAttributes; ++a)
    if (p.AttribParked[a]) {
      ++parked;
      parked_list += "  " + std::to_string(a);
    }
  if (parked == 0) {
    out.Line("Number of attributes = " + std::to_string(p.NAttributes) + ", none parked");
  } else {
    out.Line("Original number of attributes = " + std::to_string(p.NAttributes));
    out.Line("Number of parked attributes = " + std::to_string(parked));
    out.Line("The parked attributes are: " + parked_list);
  }
  out.Line("The dissimilarities were obtained from attributes using " +
           NameOf(s.set.AttributeFunctionName, s.set.AttributeFunctionNum, kUnknownName) + ".");
}

}  // namespace

void WriteHeader(TextWriter& out, const Session& s, const std::string& file_name,
                 const DateTime& when) {
  const Problem& p = s.prob;
  const Settings& t = s.set;
  out.Line(std::string("QUOREL ") + VersionText);
  out.Line("Results File = " + file_name);
  out.Line(FormatGeneralDate(when));
  out.Line();
  if (!p.Title.empty()) out.Line("Problem Title = " + p.Title);
  if (!p.Subtitle.empty()) out.Line("Problem Subtitle = " + p.Subtitle);
  WriteObjectCounts(out, p);

  std::string type_line =
      "Type of MDS Analysis = " + NameOf(MDSAnalysisTypeName, t.MDSAnalysisTypeNum, kUnknownName);
  if (HasBounds(t.MDSAnalysisTypeNum)) type_line += ErrorBoundsNote(t);
  out.Line(type_line);
  out.Line("Objective Function = " +
           NameOf(BadnessFunctionName, t.BadnessFunctionNum, kUnknownName));
  out.Line("Distance Function = " +
           NameOf(DistanceFunctionName, t.DistanceFunctionNum, kUnknownName));
  out.Line("Mapping Weight Function = " +
           NameOf(MappingWtFunctionName, t.MappingWtFunctionNum, kUnknownName));
  out.Line("Convergence Limit Level = " +
           NameOf(PrecisionLevelName, t.PrecisionLevelNum, kUnknownName));

  std::string precision =
      "Precision Level = " + NameOf(DataPrecisionName, t.DegradeNum, kUnknownName);
  if (t.DegradeNum == p.DataDegradeNum) precision += ", unchanged from input.";
  out.Line(precision);
  if (t.ConstraintRadius < 1.19f)
    out.Line("Constraint Radius = " + Format(t.ConstraintRadius, " 0.000"));
  else
    out.Line("Constraint Radius = 1.0, unconstrained");
  out.Line("Solution Dimensions = " + Str(t.DimensionsNum));
  if (p.NAttributes > 0) WriteAttributeCounts(out, s);
  out.Line();
  out.Line(kUnderscores);
}

std::string CoordinateText(float value) {
  double v = value;
  if (v <= -0.0001) return " " + Format(v, "0.0000");
  if (v <= 0.0001) return " +0.0000";
  return " +" + Format(v, "0.0000");
}

void WriteSolutionPart(TextWriter& out, const Session& s, const NameColumn& names) {
  const Problem& p = s.prob;
  const Settings& t = s.set;
  out.Line("Problem solution information follows: ");
  out.Line();
  out.Line("Objective Function Value = " + Format(s.run.ObjFnValue, "###0.000000"));
  if (t.BadnessFunctionNum == 1)
    out.Line("The Objective Function is the square root of the sum over all objects ");
  else
    out.Line("The Objective Function is the sum over all objects ");
  std::string normalizing =
      "of the weighted squares of the Badness terms, divided by a normalizing factor.  ";
  if (IsInterval(t.MDSAnalysisTypeNum)) {
    out.Line(normalizing + "Interval MDS Constant = " + Format(p.IntervalConstant, "##0.000000"));
    out.Line();
  } else {
    out.Line(normalizing);
  }
  out.Line("Solution Coordinates = ");
  out.Line("LOCATIONLIST");
  int dims = std::clamp(t.DimensionsNum, 2, kMaxDimensions);
  for (int i = 1; i <= p.NObjects; ++i) {
    std::string row = names.Cell(i);
    for (int d = 1; d <= dims; ++d) row += CoordinateText(p.LocDim[d][i]);
    out.Line(row + ParkedEnd(s, i));
  }
  out.Line();
}

}  // namespace quorel::output
