// The attribute table of the long format.
#include <cmath>
#include <string>

#include "output/solution_sections.h"

namespace quorel::output {
namespace {

// The plain pattern "####0.0####" keeps five decimals; the exponent pattern
// is used when the table holds values it would distort: a largest value above
// 10000, or a present non-zero value below 1E-05 in magnitude (which the
// plain pattern would write as 0).
bool UseExponentForm(const Problem& p) {
  float largest = -1e20f;
  for (int a = 1; a <= p.NAttributes; ++a)
    if (p.AttribMax[a] > largest) largest = p.AttribMax[a];
  float smallest = 1e20f;
  for (int i = 1; i <= p.NObjects; ++i)
    for (int a = 1; a <= p.NAttributes; ++a) {
      float magnitude = std::fabs(p.AttribValue(i, a));
      if (!p.AttribMissing(i, a) && magnitude > 0.0f && magnitude < smallest) smallest = magnitude;
    }
  return !(largest <= 10000.0f && smallest >= 1e-05f);
}

std::string AttributeValueText(const Session& s, int i, int a, bool exponent) {
  const Problem& p = s.prob;
  // A blank before NA keeps it apart from a value written just before it.
  if (p.AttribMissing(i, a)) return " NA ";
  int fn = s.set.AttributeFunctionNum;
  if (fn == 4 || fn == 5) return Format(p.AttribRank(i, a), "###0  ");
  return " " + Format(p.AttribValue(i, a), exponent ? "0.0000E+00" : "####0.0####");
}

}  // namespace

void WriteAttributeSection(TextWriter& out, const Session& s, const NameColumn& names) {
  const Problem& p = s.prob;
  out.Line("NATTRIBUTES=" + std::to_string(p.NAttributes));
  out.Line();
  out.Line("The attributes are:");
  out.Line("ATTRIBUTELIST");
  bool exponent = UseExponentForm(p);
  for (int i = 1; i <= p.NObjects; ++i) {
    std::string row = names.Cell(i);
    for (int a = 1; a <= p.NAttributes; ++a) row += AttributeValueText(s, i, a, exponent);
    out.Line(row + ParkedEnd(s, i));
  }
  std::string parked;
  for (int a = 1; a <= p.NAttributes; ++a)
    if (p.AttribParked[a]) parked += " " + Str(a);
  if (parked.empty()) {
    out.Line();
  } else {
    out.Line("The following attributes are parked ");
    out.Line("and were not used in the calculations: " + parked);
  }
}

}  // namespace quorel::output
