// The input section of the long format: the problem written again as data
// file keywords and lists, so that the file can be read to restart the
// analysis.
#include <algorithm>
#include <cmath>
#include <string>

#include "model/settings.h"
#include "output/solution_sections.h"

namespace quorel::output {
namespace {

// The value pattern and the missing-value text of the dissimilarity rows by
// data precision level: five decimals at level 10 and above, whole numbers at
// 1.  Every value is a blank followed by the pattern; the blank stays outside
// the pattern so that a slightly negative value (the reader accepts values
// down to -0.0001) is written "-0.00005" and reads back as one number, not as
// "- 0.00005", which the reader would take for two.
struct DissimPattern {
  const char* value;
  const char* missing;
};

DissimPattern PatternForLevel(int level) {
  if (level >= 10) return {"0.00000", "     NA "};
  switch (level) {
    case 9:
      return {"0.0000", "    NA "};
    case 8:
      return {"0.000", "   NA "};
    case 7:
    case 4:
    case 3:
      return {"0.00", "  NA "};
    case 1:
      return {"0 ", " NA"};
    default:  // 6, 5, 2
      return {"0.0", " NA "};
  }
}

void WriteStartLines(TextWriter& out, const Session& s) {
  const Settings& t = s.set;
  const Problem& p = s.prob;
  out.Line("STARTMDSAnalysisTypeNum=" + Str(t.MDSAnalysisTypeNum));
  out.Line("STARTBadnessFunctionNum=" + Str(t.BadnessFunctionNum));
  out.Line("STARTDistanceFunctionNum=" + Str(t.DistanceFunctionNum));
  out.Line("STARTMappingWtFunctionNum=" + Str(t.MappingWtFunctionNum));
  out.Line("STARTObjectIDMethodNum=" + Str(t.ObjectIDMethodNum));
  out.Line("STARTDimensionsNum=" + Str(t.DimensionsNum));
  if (t.ConstraintRadius < 1.19f)
    out.Line("STARTConstraintRadius=" + Str(t.ConstraintRadius));
  else
    out.Line("STARTConstraintRadius= 1.0 Unconstrained");
  if (p.NAttributes > 0) {
    out.Line("STARTAttributeFunctionNum=" + Str(t.AttributeFunctionNum));
    out.Line(std::string("STARTNormalizeAttribs=") + (t.NormalizeAttribs ? "True" : "False"));
    out.Line("STARTAttributeDataTypeNum=" + Str(t.AttributeDataTypeNum));
  }
  std::string degrade = "STARTDegradeNum=" + Str(t.DegradeNum);
  if (t.DegradeNum >= p.DataDegradeNum) degrade += " Unchanged";
  out.Line(degrade);
  if (t.DegradeNum > 10) {
    out.Line("While your actual dissimilarity data have many decimal places,");
    out.Line("  only 5 are shown here to save output.  If this file ");
    out.Line("  is used for input, the input precision level will be reset to 10. ");
  }
}

void WriteParkedLists(TextWriter& out, const Session& s) {
  const Problem& p = s.prob;
  std::string objects, attributes;
  for (int i = 1; i <= p.NObjects; ++i)
    if (p.ObjParked[i]) objects += " " + Str(i);
  for (int a = 1; a <= p.NAttributes; ++a)
    if (p.AttribParked[a]) attributes += " " + Str(a);
  if (!objects.empty()) {
    out.Line("STARTParkedObjectsList ");
    out.Line(objects);
  }
  if (!attributes.empty()) {
    out.Line("STARTParkedAttributesList ");
    out.Line(attributes);
  }
  out.Line();
}

void WriteDissimilarities(TextWriter& out, const Session& s, const NameColumn& names) {
  const Problem& p = s.prob;
  DissimPattern pattern = PatternForLevel(s.set.DegradeNum);
  const FormatPattern value(pattern.value);
  out.Line("The dissimilarities are:");
  out.Line("DISSIMILARITYLIST");
  std::string row;
  for (int i = 1; i <= p.NObjects; ++i) {
    row = names.Cell(i);
    const float* dissim = p.Dissim.Row(i);
    const Flag* missing = p.DissimMissing.Row(i);
    for (int j = 1; j <= i; ++j) {
      if (missing[j]) {
        row += pattern.missing;
      } else {
        row += ' ';
        value.AppendTo(row, dissim[j]);
      }
    }
    row += ParkedEnd(s, i);
    out.Line(row);
  }
  out.Line();
}

// Ranks of the ranked pairs; a pair with a parked object has no rank and is
// written " --".
void WriteRanks(TextWriter& out, const Session& s, const NameColumn& names) {
  const Problem& p = s.prob;
  const DerivedData& d = s.derived;
  const FormatPattern rank(" ##0");
  out.Line("The dissimilarity rank orders are:");
  for (int i = 1; i <= p.NObjects; ++i) {
    std::string row = names.Cell(i);
    for (int j = 1; j <= i; ++j) {
      int k = d.FreePairIndex(i, j);
      if (j == i)
        row += " 0";
      else if (p.DissimMissing(i, j))
        row += " NA";
      else if (k <= 0 || k >= static_cast<int>(d.DissimRank.size()))
        row += " --";
      else
        rank.AppendTo(row, d.DissimRank[k]);
    }
    out.Line(row + ParkedEnd(s, i));
  }
}

void WriteErrorBoundsNote(TextWriter& out, const Settings& t) {
  if (!HasBounds(t.MDSAnalysisTypeNum)) return;
  if (t.ErrorBoundsTypeNum == 0)
    out.Line("The dissimilarity value's fixed error bounds are +-" +
             Format(t.FixedErrorBound, " 0.000") + ".");
  else if (t.ErrorBoundsTypeNum == 1)
    out.Line("The dissimilarity value's relative error bounds are +-" +
             Format(100.0 * t.RelErrorBound, " ##0.0") + " percent.");
}

void WriteDistances(TextWriter& out, const Session& s, const NameColumn& names) {
  const Problem& p = s.prob;
  int dims = std::min(s.set.DimensionsNum, kMaxDimensions);
  const FormatPattern distance(" 0.0000");
  out.Line("The" + Str(s.set.DimensionsNum) + " dimensional distances are:");
  std::string row;
  for (int i = 1; i <= p.NObjects; ++i) {
    row = names.Cell(i);
    for (int j = 1; j <= i; ++j) {
      float sum = 0.0f;
      for (int dim = 1; dim <= dims; ++dim) {
        float diff = p.LocDim[dim][i] - p.LocDim[dim][j];
        sum += diff * diff;
      }
      distance.AppendTo(row, std::sqrt(sum));
    }
    row += ParkedEnd(s, i);
    out.Line(row);
  }
  out.Line();
}

bool AnyWeightDiffersFromOne(const Problem& p) {
  for (int i = 2; i <= p.NObjects; ++i)
    for (int j = 1; j < i; ++j)
      if (!p.DissimMissing(i, j) && std::fabs(p.PairWeight(i, j) - 1.0f) > 0.0001f) return true;
  return false;
}

void WriteWeights(TextWriter& out, const Session& s, const NameColumn& names) {
  const Problem& p = s.prob;
  if (AnyWeightDiffersFromOne(p)) {
    const FormatPattern weight(", 0.000");
    out.Line();
    out.Line("WEIGHTLIST");
    std::string row;
    for (int i = 1; i <= p.NObjects; ++i) {
      row = names.Cell(i);
      for (int j = 1; j <= i; ++j) {
        if (p.DissimMissing(i, j))
          row += "    NA ";
        else
          weight.AppendTo(row, p.PairWeight(i, j));
      }
      row += ParkedEnd(s, i);
      out.Line(row);
    }
  }
  out.Line(" ");
}

}  // namespace

void WriteInputSection(TextWriter& out, const Session& s, const NameColumn& names) {
  const Problem& p = s.prob;
  out.Line(kUnderscores);
  out.Line("The input data follow: ");
  out.Line("These data and statements are formatted to allow this file ");
  out.Line("to be used as an input file if you want to restart the analysis.");
  out.Line(" ");
  if (!p.Title.empty()) out.Line("TITLE=" + p.Title);
  if (!p.Subtitle.empty()) out.Line("SUBTITLE=" + p.Subtitle);
  out.Line("NOBJECTS=" + std::to_string(p.NObjects));
  out.Line();
  WriteStartLines(out, s);
  WriteParkedLists(out, s);
  WriteDissimilarities(out, s, names);
  if (IsOrdinal(s.set.MDSAnalysisTypeNum)) WriteRanks(out, s, names);
  WriteErrorBoundsNote(out, s.set);
  out.Line();
  WriteDistances(out, s, names);
  WriteWeights(out, s, names);
  if (p.NAttributes >= 1) WriteAttributeSection(out, s, names);
}

}  // namespace quorel::output
