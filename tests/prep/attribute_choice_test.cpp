// The Attributes dialog's rules: functions offered per data level, the level
// moving the function, and what OK stores and recomputes.
#include "prep/attribute_choice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "attribute_test_support.h"
#include "input/data_file_reader.h"
#include "support/temp_path.h"

namespace quorel {
namespace {

using testing::FakePlatform;

TEST(AttributeChoiceTest, FunctionsOfferedPerDataLevel) {
  // Functions 0..12 offered, one character each; "(not in use)" follows the
  // proximities whatever the level.
  const struct {
    int type;
    const char* offered;
  } table[] = {{kNoDataType, "1111111111111"},   {kRatioData, "1111000000000"},
               {kIntervalData, "0111000000000"}, {kOrdinalData, "0000110000000"},
               {kNominalData, "0000001000000"},  {kBinaryData, "0111000111111"},
               {kUnknownData, "1111111111111"}};
  for (const auto& row : table) {
    std::string offered;
    for (int f = 0; f <= 12; ++f)
      offered += AttributeFunctionEnabled(row.type, f, true) ? '1' : '0';
    EXPECT_EQ(offered, row.offered) << row.type;
    EXPECT_TRUE(AttributeFunctionEnabled(row.type, 13, true));
    EXPECT_FALSE(AttributeFunctionEnabled(row.type, 13, false));
    EXPECT_FALSE(AttributeFunctionEnabled(row.type, -1, true));
  }
}

TEST(AttributeChoiceTest, ChoosingALevelMovesTheFunctionIntoIt) {
  const struct {
    int type, from, to;
  } table[] = {{kRatioData, 5, 0},
               {kRatioData, 13, 0},
               {kIntervalData, 2, 2},
               {kIntervalData, 0, 1},
               {kIntervalData, 13, 1},
               {kOrdinalData, 5, 4},
               {kNominalData, 1, 6},
               {kBinaryData, 3, 7},
               {kBinaryData, 9, 9},
               {kBinaryData, 13, 13},
               {kUnknownData, 13, 13},
               {kUnknownData, 5, 5},
               {kMaxAttributeDataType + 1, 5, 5}};
  for (const auto& row : table) {
    AttributeChoice choice{row.from, kUnknownData, 1};
    ChooseAttributeDataType(choice, row.type);
    EXPECT_EQ(choice.function, row.to) << row.type << " from " << row.from;
  }
}

class AttributeChoiceFileTest : public ::testing::Test {
 protected:
  std::unique_ptr<Session> s = testing::NewSession();
  FakePlatform fake;
  std::string path = ::quorel::testing::TempPath("quorel_attribute_choice.txt").string();

  void Load(const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    s->set.DataFileName = path;
    ReadDataFile(*s, fake);
    s->run.RunState = kLoadedIdle;
    ASSERT_GT(s->prob.NObjects, 0) << (fake.messages.empty() ? "" : fake.messages.back());
  }
};

constexpr const char* kAttributesAndProximities =
    "NOBJECTS=3\nNATTRIBUTES=2\nATTRIBUTELIST\nA, 0, 1\nB, 5, 0\nC, 10, 10\n"
    "DISSIMILARITYLIST\n0\n0.234567\n0.4 0.1\n";

// Opening the dialog and pressing OK changes nothing, whatever valid
// combination was in force (the handlers that pick a level's default
// function are not run on opening).
TEST_F(AttributeChoiceFileTest, OkWithoutChangesKeepsEveryValidCombination) {
  Load(kAttributesAndProximities);
  const struct {
    int type, function;
  } table[] = {{kRatioData, 3}, {kOrdinalData, 5}, {kBinaryData, 2}, {kNominalData, 6}};
  for (const auto& row : table) {
    s->set.AttributeDataTypeNum = row.type;
    s->set.AttributeFunctionNum = row.function;
    ApplyAttributeChoice(*s, fake, LoadAttributeChoice(s->set));
    EXPECT_EQ(s->set.AttributeFunctionNum, row.function) << row.type;
    EXPECT_EQ(s->set.AttributeDataTypeNum, row.type);
  }
}

TEST_F(AttributeChoiceFileTest, OkStoresTheChoiceAndRefreshes) {
  Load(kAttributesAndProximities);
  s->set.NormalizeAttribs = true;
  s->run.BestObjFnValue = 0.3f;
  s->run.RunCount = 5;
  AttributeChoice choice = LoadAttributeChoice(s->set);
  ChooseAttributeDataType(choice, kBinaryData);
  choice.coercion = 0;
  ChooseNormalizeAttribs(s->set, false);
  EXPECT_FALSE(s->set.NormalizeAttribs) << "at once";
  EXPECT_EQ(s->set.AttributeFunctionName[1], "Euclidean (norm.)") << "names follow on OK";
  ApplyAttributeChoice(*s, fake, choice);
  EXPECT_EQ(s->set.AttributeDataTypeNum, kBinaryData);
  EXPECT_EQ(s->set.AttributeFunctionNum, 7);
  EXPECT_EQ(s->set.CoercionRulesNum, 0);
  // Jaccard with values > 0 present: A = 1 of A + B + C = 2 for objects 1, 2.
  EXPECT_FLOAT_EQ(s->prob.Dissim(2, 1), 1.0f);
  EXPECT_FLOAT_EQ(s->prob.DissimOriginal(3, 2), 0.5f);
  EXPECT_EQ(s->set.AttributeFunctionName[1], "Euclidean (raw)");
  EXPECT_EQ(s->captions.cmdAttributeFns, "&ATTRIBUTE  FNs:\r\nJaccard");
  EXPECT_EQ(s->run.BestObjFnValue, 1e20f);
  EXPECT_EQ(s->run.RunCount, 0);
  EXPECT_TRUE(fake.messages.empty());
}

// A proximity-only problem has no attribute function to choose: OK must not
// turn the proximities into missing pairs.
TEST_F(AttributeChoiceFileTest, WithoutAttributesOkChangesNothing) {
  Load("NOBJECTS=3\nDISSIMILARITYLIST\n0\n0.5\n0.4 0.1\n");
  EXPECT_FALSE(AttributeFunctionsAvailable(s->prob));
  ApplyAttributeChoice(*s, fake, {1, kUnknownData, 1});
  EXPECT_EQ(s->set.AttributeFunctionNum, 13);
  EXPECT_FALSE(s->prob.DissimMissing(2, 1));
  EXPECT_FLOAT_EQ(s->prob.DissimOriginal(2, 1), 1.0f);
}

// "(not in use)" whose data file is gone: both messages, the run stopped, and
// the degraded and the full-precision tables both kept.
TEST_F(AttributeChoiceFileTest, MissingFileKeepsBothTables) {
  Load(kAttributesAndProximities);
  s->set.AttributeFunctionNum = 1;
  s->prob.Dissim(2, 1) = s->prob.Dissim(1, 2) = 0.23f;  // as a degraded copy
  s->prob.DissimOriginal(2, 1) = s->prob.DissimOriginal(1, 2) = 0.234567f;
  std::filesystem::remove(path);
  ApplyAttributeChoice(*s, fake, {13, kUnknownData, 1});
  ASSERT_EQ(fake.messages.size(), 2u);
  EXPECT_TRUE(fake.messages[0].ends_with("ErrMsgRE1"));
  EXPECT_EQ(fake.messages[1].rfind("File Opening error.  You requested opening", 0), 0u);
  EXPECT_TRUE(s->run.StopRequested);
  EXPECT_EQ(s->set.AttributeFunctionNum, 13);
  EXPECT_EQ(s->prob.Dissim(2, 1), 0.23f);
  EXPECT_EQ(s->prob.DissimOriginal(2, 1), 0.234567f);
}

}  // namespace
}  // namespace quorel
