// The evaluation of a solved real problem against a hand computation:
// data/example_a_1d.txt is a solution of Example_A in one dimension (Stress,
// ratio analysis) as the batch solver wrote it; data/hand_check.py computes
// the same figures from that file without the program's code.
#include <gtest/gtest.h>

#include "eval/eval_links.h"
#include "eval/eval_objects.h"
#include "input/data_file_reader.h"
#include "prep/dissim_ranks.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

TEST(EvaluateSolvedExample, AgreesWithTheHandComputation) {
  auto s = std::make_unique<Session>();
  testing::FakePlatform platform;
  s->set.DataFileName = std::string(QUOREL_TEST_DATA) + "/example_a_1d.txt";
  ReadDataFile(*s, platform);
  ASSERT_EQ(s->prob.NObjects, 13);
  ASSERT_EQ(s->set.BadnessFunctionNum, 0);

  // hand_check.py: ratio Rsq 0.750119, std. error 0.121676; ordinal Rsq
  // 0.712834, std. error 0.130438.
  LinkEvaluation links = EvaluateLinks(*s);
  ASSERT_EQ(links.links.size(), 78u);
  EXPECT_NEAR(links.fit.rsq, 0.750119f, 2e-6);
  EXPECT_NEAR(links.fit.std_error, 0.121676f, 2e-6);
  s->set.MDSAnalysisTypeNum = 4;
  EnsureRanks(*s, platform);  // as the window does when it opens
  links = EvaluateLinks(*s);
  EXPECT_NEAR(links.fit.rsq, 0.712834f, 2e-6);
  EXPECT_NEAR(links.fit.std_error, 0.130438f, 2e-6);

  // hand_check.py: the Stress share of each object, summing to the Stress
  // value the solver reported (0.074152).
  s->set.MDSAnalysisTypeNum = 0;
  const float shares[13] = {0.002978f, 0.001170f, 0.002267f, 0.002548f, 0.015896f,
                            0.003131f, 0.006041f, 0.003977f, 0.003302f, 0.002164f,
                            0.022112f, 0.002122f, 0.006444f};
  const std::vector<ObjectMeasure> objects = EvaluateObjects(*s);
  ASSERT_EQ(objects.size(), 13u);
  double total = 0;
  for (int k = 0; k < 13; ++k) {
    EXPECT_NEAR(objects[k].objective, shares[k], 1e-6) << objects[k].object;
    total += objects[k].objective;
  }
  EXPECT_NEAR(total, 0.074152, 2e-6);
}

}  // namespace
}  // namespace quorel
