// Descriptions of the special cases, shown when a case is chosen in the
// selection dialog.
#include <array>
#include <string>

#include "cases/special_case_texts.h"
#include "model/settings.h"

namespace quorel {
namespace {

const std::array<const char*, 19> kDescriptions = {
    // 0
    "This case has twenty four objects forming a perfect circle in two dimensions.  The "
    "dissimilarities are generated using two attributes with twenty four possible values each.  In "
    "this case, the attribute values can be thought of as the X-Y coordinates of twenty four "
    "points on a circle drawn on a piece of graph paper.",
    // 1
    "This case has eighteen objects in a Stressed circle in 2D.  It fits perfectly in 3D as a "
    "puckered ring.  It is defined by three attributes, the first two give the X-Y coordinates of "
    "a circle (as in the above case).  The third attribute alternates between two values and can "
    "be interpreted as the height off the X-Y plane.  Try the multiscale badness to see a "
    "significantly different 2D representation.  ",
    // 2
    "This case has fifteen objects, five of each on one of the three principal axes.  It is "
    "defined by three attributes, each defining the distance along one axis.  Thus, if you remove "
    "any one attribute, the data set will be perfectly fit in 2D and if you remove any two "
    "attributes the map will show a straight line. ",
    // 3
    "This case has four objects at the points of a regular tetrahedron. Thus, all edges are of "
    "equal length, which is the same as saying all dissimilarities are equal.  The regular "
    "tetrahedron dissimilarity matrix  is a form of a 'simplex' matrix.  ",
    // 4
    "This case has fifteen objects that form a perfectly straight line running through four "
    "dimensions.  It is described by four attributes.  It can be fit perfectly by a straight line "
    "in two dimensions.  Any slight curvature is due to loss of significant figures in the problem "
    "specification.  Perfectly straight lines are very demanding for most numerical analysis "
    "algorithms. ",
    // 5
    "This case starts with the same dissimilarity matrix used in the preceeding straight line case "
    "and then adds 0.1 to all the non-diagonal dissimilarity values.  That is, it simulates the "
    "case where the Dij zero point is poorly known, as can happen when the Dij are subjectively "
    "evaluated.  You will find that the Ratio and Interval MDS results are significantly "
    "different.",
    // 6
    "This case has eight objects in two sets of four, where each set forms a square.  It is a "
    "simple three-dimensional figure.  The squares are termed remote because the dissimilarities "
    "between objects in different squares are all equal.  The effect of this (infinite distance) "
    "approximation is that while being parallel to each other, the two squares do not have one "
    "fixed rotational orientation with respect to each other.",
    // 7
    "This case has six objects in two sets of three, where each set forms a triangle.  The two "
    "triangles are idential, in parallel planes with the same orientation, and are separated by a "
    "relatively short distance.  This case is useful for showing what happens when you switch from "
    "a 2D to a 3D analysis.  Use ctrl-N (the Dimensions and Boundaries menu) and turn off the "
    "'Attempt to ...' option to learn more about 'views.'  ",
    // 8
    "This case has fifteen objects arranged in a tight helix in three dimensions.  The objects are "
    "described by three attributes and the equation for a helix.  Because the z-scale is small "
    "compared to the circle's scale in the X-Y plane, when using a two dimensional analysis the "
    "underlying relationship is difficult to see at first.  Use the View menu to turn on object "
    "numbering and then use Stop to reveal the helical structure of the solution.",
    // 9
    "This case has fifteen objects arranged in a long helix in three dimensions.  The objects are "
    "described by three attributes and the equation for a helix.  Because the z-scale is large "
    "compared to the circle scale in the X-Y plane, the slightly spiraling relationship can be "
    "spotted easily.  This gentle curve is surprisingly well fit in 2D.  ",
    // 10
    "This case has ten objects, with all non-diagonal dissimilarities being equal. Obviously, it "
    "cannot be well-fit in two dimensions.  It is an interesting pathological case that also "
    "serves as a warning against hasty generalizations.  That is, beware of reading too much into "
    "MDS circles.  Also, note its sensitivity to the Badness measure.  And, note that all simplex "
    "matricies produce a single point when using Interval MDS.  ",
    // 11
    "This case has twenty four objects, with all non-diagonal dissimilarities being equal.  It "
    "allows a better understanding of simplex matrices when its results are compared to the 10 "
    "point case mentioned above.  ",
    // 12
    "This case has 25 objects in a square 5 x 5 uniform matrix.  While this 5 x 5 matrix is "
    "stable, the 6 x 6 case is unstable even though a perfect 2D fit is possible.  This occurs "
    "because as the Stresses all go to zero the insignificant figures control the object movement. "
    " If you increase the step size to get faster solutions you will see transient instability "
    "(using Stress) even in this 5 x 5 case.  Use mapping weights to minimize the influence of the "
    "far points and thus stabilize the 25 point, Badness Measure = Stress, case.  ",
    // 13
    "This case has 27 objects in a 3 x 3 x 3 matrix.  It is perfectly fit in three dimensions.  As "
    "with the 5 x 5 case, it can become unstable as the optimal arrangement is approached.  For "
    "instance, if you use a too large of a step size and any but the Stress badness measure it "
    "might be unstable. ",
    nullptr,  // carries the object count, built below
    // 15
    "This case has fifteen objects with dissimilarities randomly generated from a uniform "
    "distribution and OBEYING the triangle inequality.  It provides a reality check.  Once you "
    "have convinced yourself that your 0.3 Stress solution is really good, check here to see what "
    "you can achieve with random distances.  Of course, your results will be strongly dependent on "
    "the number of objects in your problem.  You can see this by pruning the problem and observing "
    "the reduction in Stress as the number of objects decreases.  ",
    nullptr,  // case 15 with VIOLATING in place of OBEYING
    // 17
    "This case has fifteen objects that are characterized by ten attributes randomly generated "
    "from a uniform distribution over zero to one.  Thus, it gives 15 random points in 10D space.  "
    "Like the above cases, it provides a reality check.  Once you have convinced yourself that you "
    "undertand the importance of a particular attribute check here to see what you can achieve "
    "with random attributes.  Of course, your results will be strongly dependent on the number of "
    "objects in your problem.  You can see this by pruning the problem and observing the reduction "
    "in Stress as the number of objects decreases.  ",
    // 18
    "This case has 15 objects that are characterized by two defining attributes and nine randomly "
    "generated from a uniform distribution over zero to one.  Thus, it gives 15 points in 12D "
    "space.  Like the above cases, it provides a reality check.  But it has a twist.  You can see "
    "this by pruning the problem of the random attributes and observing the pattern (1&2 + 3). ",
};

constexpr const char* kLargeCaseHead = "This very large case has ";
constexpr const char* kLargeCaseTail =
    " objects lying on a plane  in six dimensional hyperspace.  It is possible to get Stress=0 in "
    "2D with no error bounds, but you will have to work at it.  Like most very large problems it "
    "is marginally stable so finding a solution might require changing the convergence step size "
    "and maybe other parameters.  ";

}  // namespace

std::string SpecialCaseDescription(int case_num) {
  if (case_num < 0 || case_num > MaxSpecialCaseNum)
    return "Something is seriously messed up in the Special Case Selector.";
  if (case_num == 14) return kLargeCaseHead + std::to_string(MaxConst300) + kLargeCaseTail;
  if (case_num == 16) {
    std::string text = kDescriptions[15];
    text.replace(text.find("OBEYING"), 7, "VIOLATING");
    return text;
  }
  return kDescriptions[case_num];
}

}  // namespace quorel
