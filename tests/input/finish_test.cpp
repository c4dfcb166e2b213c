// The checks at the end of a read that no data file can reach, because a list
// reader refuses the same input first: called on a prepared problem.
#include <gtest/gtest.h>

#include <memory>

#include "input/data_file_finish.h"
#include "input/start_settings.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

class FinishTest : public ::testing::Test {
 protected:
  std::unique_ptr<Session> s = std::make_unique<Session>();
  testing::FakePlatform fake;

  void SetUp() override {
    Problem& p = s->prob;
    p.NObjects = 2;
    SizePairTables(*s, 2);
    p.ProximitiesGiven = true;
    p.ProxDegradeNum = 6;
    p.Dissim(2, 1) = p.Dissim(1, 2) = 1.0f;
  }
};

TEST_F(FinishTest, WeightOutsideTheUnitRangeIsRefused) {
  s->prob.PairWeightsGiven = true;
  s->prob.PairWeight(2, 1) = 1.5f;
  FinishDataFile(*s, fake, false);
  EXPECT_EQ(s->prob.NObjects, 0);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0],
            "The data file has an invalid weight entry in row 2.  Processing will stop to let you "
            "check the data file.  ErrMsgR4");
}

TEST_F(FinishTest, AttributeListWithoutCountIsRefused) {
  s->prob.AttributesGiven = true;
  s->prob.NAttributes = 0;
  FinishDataFile(*s, fake, false);
  EXPECT_EQ(s->prob.NObjects, 0);
  EXPECT_EQ(fake.LastCode(), "ErrMsgR3");
}

TEST_F(FinishTest, ValidWeightsBecomeEffectiveWeights) {
  s->prob.PairWeightsGiven = true;
  s->prob.PairWeight(2, 1) = s->prob.PairWeight(1, 2) = 0.25f;
  FinishDataFile(*s, fake, false);
  EXPECT_EQ(s->prob.NObjects, 2);
  EXPECT_EQ(s->prob.EffWeight(1, 2), 0.25f);
  EXPECT_EQ(s->set.AttributeFunctionNum, 13) << "no attributes";
  EXPECT_EQ(s->prob.DissimOriginal(2, 1), 1.0f);
}

TEST_F(FinishTest, StartDegradeWinsOverTheDataLevel) {
  s->prob.StartDegradeNum = 3;
  FinishDataFile(*s, fake, false);
  EXPECT_EQ(s->set.DegradeNum, 3);
  EXPECT_EQ(s->prob.DataDegradeNum, 3);
}

struct TruthCase {
  const char* line;
  bool value;
};

class NormalizeSettingTest : public ::testing::TestWithParam<TruthCase> {};

TEST_P(NormalizeSettingTest, ReadsTruthValuesAndNumbers) {
  auto s = std::make_unique<Session>();
  testing::FakePlatform fake;
  s->set.NormalizeAttribs = !GetParam().value;
  ASSERT_TRUE(ApplyStartSetting(*s, fake, "STARTNORMALIZEATTRIBS", GetParam().line));
  EXPECT_EQ(s->set.NormalizeAttribs, GetParam().value);
  EXPECT_EQ(s->set.AttributeFunctionName[1],
            GetParam().value ? "Euclidean (norm.)" : "Euclidean (raw)");
  EXPECT_TRUE(fake.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Forms, NormalizeSettingTest,
                         ::testing::Values(TruthCase{"STARTNormalizeAttribs=True", true},
                                           TruthCase{"STARTNormalizeAttribs= false ", false},
                                           TruthCase{"STARTNORMALIZEATTRIBS=TRUE", true},
                                           TruthCase{"STARTNormalizeAttribs=0", false},
                                           TruthCase{"STARTNormalizeAttribs=-1", true},
                                           TruthCase{"STARTNormalizeAttribs=2", true}));

TEST(StartSettingTest, UnknownStartKeywordIsIgnored) {
  auto s = std::make_unique<Session>();
  testing::FakePlatform fake;
  EXPECT_FALSE(ApplyStartSetting(*s, fake, "STARTSOMETHING", "STARTSOMETHING=3"));
  EXPECT_FALSE(ApplyStartSetting(*s, fake, "TITLE", "TITLE=3"));
  EXPECT_TRUE(fake.messages.empty());
}

TEST(StartSettingTest, HalvesRoundToEven) {
  auto s = std::make_unique<Session>();
  testing::FakePlatform fake;
  ApplyStartSetting(*s, fake, "STARTBADNESSFUNCTIONNUM", "STARTBadnessFunctionNum=2.5");
  EXPECT_EQ(s->set.BadnessFunctionNum, 2);
  ApplyStartSetting(*s, fake, "STARTBADNESSFUNCTIONNUM", "STARTBadnessFunctionNum=3.5");
  EXPECT_EQ(s->set.BadnessFunctionNum, 4);
  ApplyStartSetting(*s, fake, "STARTBADNESSFUNCTIONNUM", "STARTBadnessFunctionNum=4.5");
  EXPECT_EQ(s->set.BadnessFunctionNum, 4) << "4.5 rounds to 4, inside the range";
  ApplyStartSetting(*s, fake, "STARTBADNESSFUNCTIONNUM", "STARTBadnessFunctionNum=1e300");
  EXPECT_EQ(s->set.BadnessFunctionNum, 0);
  EXPECT_EQ(fake.LastCode(), "ErrMsgD2");
}

}  // namespace
}  // namespace quorel
