// The evaluation JSON stays valid whatever the map holds: numbers read back
// exactly, non-finite values become null, names of any single-byte text are
// escaped UTF-8.
#include "eval/evaluation_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/json_flat.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

TEST(EvaluationJson, ValidForAnyNumbersAndNames) {
  auto s = testing::TinyProblem(3, {0.1f, 1e-30f, 3.4e38f});
  testing::Place(*s, 2, {1.0f / 3.0f, 0.0f});
  testing::Place(*s, 3, {std::numeric_limits<float>::quiet_NaN(), 0.0f});
  s->prob.ObjName[1] = "say \"hi\"\\";
  s->prob.ObjName[2] = "Z\xfcrich\t\x01";  // Latin-1 u-umlaut, a tab, a control character
  const auto links = testing::FlattenJson(EvaluationJson(*s, EvaluationKind::kLinks, true));
  ASSERT_TRUE(links);
  // Link (1,2) as computed; the links of the object at NaN have no distance.
  EXPECT_EQ(std::stof(links->at("links.0.dist")), 1.0f / 3.0f);
  EXPECT_EQ(std::stof(links->at("links.0.dissim")), 0.1f);
  EXPECT_EQ(links->at("links.1.dist"), "null");
  EXPECT_EQ(links->at("shepard_rsq"), "null");
  const auto objects = testing::FlattenJson(EvaluationJson(*s, EvaluationKind::kObjects, false));
  ASSERT_TRUE(objects);
  EXPECT_EQ(objects->at("objects.0.name"), "say \"hi\"\\");
  EXPECT_EQ(objects->at("objects.1.name"), "Z\xc3\xbcrich\t\x01");
  EXPECT_EQ(objects->at("objects.2.objective"), "null");
}

TEST(EvaluationJson, KindsByName) {
  for (EvaluationKind kind :
       {EvaluationKind::kLinks, EvaluationKind::kObjects, EvaluationKind::kAttributes})
    EXPECT_EQ(EvaluationKindNamed(EvaluationKindName(kind)), kind);
  EXPECT_FALSE(EvaluationKindNamed("Links"));
}

}  // namespace
}  // namespace quorel
