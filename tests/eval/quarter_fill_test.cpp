// The quarter shading of the objects window at the edges of each quarter:
// values just below and just above the quarter points of the range 0..10.
#include <gtest/gtest.h>

#include "eval/eval_objects.h"

namespace quorel {
namespace {

TEST(QuarterFill, EachQuarterPointSeparatesTwoShades) {
  using enum CircleFill;
  const std::vector<std::pair<float, CircleFill>> rows = {
      {0.0f, kClear}, {2.4f, kClear}, {2.6f, kLightGrey}, {4.9f, kLightGrey},
      {5.1f, kGrey},  {7.4f, kGrey},  {7.6f, kBlack},     {10.0f, kBlack}};
  std::vector<ObjectMeasure> measures;
  for (size_t k = 0; k < rows.size(); ++k)
    measures.push_back({static_cast<int>(k) + 1, rows[k].first, 0.0f, true});
  for (int option : {0, 3}) {  // the objective and the out-of-plane measure alike
    if (option == 3)
      for (ObjectMeasure& m : measures) std::swap(m.objective, m.out_of_plane);
    std::vector<CircleFill> shown(rows.size(), kClear);
    for (const ObjectFill& f : ShowObjectsOption(measures, option).fills)
      shown[f.object - 1] = f.fill;
    for (size_t k = 0; k < rows.size(); ++k)
      EXPECT_EQ(shown[k], rows[k].second) << "option " << option << ", value " << rows[k].first;
  }
}

}  // namespace
}  // namespace quorel
