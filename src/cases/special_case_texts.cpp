#include "cases/special_case_texts.h"

#include <array>

#include "model/settings.h"
#include "model/text_format.h"

namespace quorel {
namespace {

const std::array<const char*, 19> kTitles = {
    "Perfect Circle in Two Dimensions",
    "Puckered Ring in Three Dimensions",
    "Three Perpendicular Vectors",
    "Regular Tetrahedron",
    "Straight Line Cutting Through 4D",
    "Straight Line Dij With A Nonzero Intercept",
    "Two Remote, Parallel Squares (Box Kite)",
    "Two Stacked Equilateral Triangles (Edges=0.5 or 0.25)",
    "Short-Period Helix in Three Dimensions",
    "Long-Period Helix in Three Dimensions",
    "Ten Point Simplex (All Non-diagonal Dij Equal)",
    " Point Simplex (All Non-diagonal Dij Equal)",
    "5 by 5 Uniform Matrix (2D)",
    "3 by 3 by 3 Matrix (3D)",
    " Objects Residing In 6D Hyperspace",
    "Fifteen Objects, Random Dissimilarities, Obeys Triangle Rule",
    "Fifteen Objects, Random Dissimilarities, VIOLATES Triangle Rule",
    "Twenty Objects Each With 10 Random Attribute Values",
    "Fifteen Objects Each With 2 Correlated, 3 Significant, and 10 Random Attribute Values"};

const std::array<const char*, 19> kCaptions = {"Perfect Circle in 2D",
                                               "Puckered Ring in 3D",
                                               "Three Perpendicular Vectors 3D",
                                               "Regular Tetrahedron in 3D",
                                               "Straight Line in 4D",
                                               "Nonzero Dij Base Value",
                                               "Long Box Kite in 3D",
                                               "Two Stacked Triangles in 3D",
                                               "Short-Period Helix in 3D",
                                               "Long-Period Helix in 3D",
                                               "Ten Object Simplex",
                                               "Twenty Four Object Simplex",
                                               "5 by 5 Matrix in 2D",
                                               "3 by 3 by 3 Matrix in 3D",
                                               " Objects From Hyperspace",
                                               "Random Dissims, Obeys T-Rule",
                                               "Random Dissims, Violates T-Rule",
                                               "Random Attributes",
                                               "2 Corr., 3 Sig.., 9  Rnd. Attributes"};

}  // namespace

std::string SpecialCaseTitle(int case_num) {
  if (case_num < 0 || case_num > MaxSpecialCaseNum) return "";
  if (case_num == 11) return Str(24) + kTitles[11];
  if (case_num == 14) return Str(MaxConst300) + kTitles[14];
  return kTitles[case_num];
}

std::string SpecialCaseSubtitle(int case_num) {
  switch (case_num) {
    case 5:
      return "(Use interval MDS to best reveal the hidden structure.)";
    case 14:
      return "Somewhat unstable but you still can get Stress1=0 in 2D using numeric MDS and no "
             "error bounds.";
    case 17:
      return "(20 random points in 10 dimensional space)";
    default:
      return "";
  }
}

std::string SpecialCaseOptionCaption(int case_num) {
  if (case_num < 0 || case_num > MaxSpecialCaseNum) return "";
  // The option of the large case is captioned with its object count, plain.
  if (case_num == 14) return std::to_string(MaxConst300) + kCaptions[14];
  return kCaptions[case_num];
}

}  // namespace quorel
