// Statistics and ranks, the on-line rotation, parking and the refresh
// sequence of the attribute functions.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "attribute_test_support.h"
#include "input/data_file_reader.h"
#include "prep/attribute_refresh.h"
#include "support/temp_path.h"

namespace quorel {
namespace {

using testing::FakePlatform;
using testing::NA;
using testing::NewSession;
using testing::SetAttributeRows;

TEST(AttributeStatisticsTest, PresentValuesOnly) {
  auto s = NewSession();
  SetAttributeRows(*s, {{1, NA}, {3, 8}, {8, 2}});
  const Problem& p = s->prob;
  EXPECT_FLOAT_EQ(p.AttribMean[1], 4.0f);
  EXPECT_FLOAT_EQ(p.AttribMin[1], 1.0f);
  EXPECT_FLOAT_EQ(p.AttribMax[1], 8.0f);
  EXPECT_FLOAT_EQ(p.AttribRange[1], 7.0f);
  EXPECT_FLOAT_EQ(p.AttribMean[2], 5.0f);
  EXPECT_FLOAT_EQ(p.AttribRange[2], 6.0f);
  // A column without a present value never divides by zero.
  SetAttributeRows(*s, {{1, NA}, {3, NA}});
  EXPECT_EQ(p.AttribMean[2], 0.0f);
  EXPECT_EQ(p.AttribRange[2], 0.0f);
  EXPECT_EQ(p.AttribMax[2], -1e20f) << "kept at its start value, so the reader can refuse it";
}

TEST(AttributeRanksTest, DenseRanksWithTiesWithinTheTolerance) {
  auto s = NewSession();
  SetAttributeRows(*s, {{3}, {1}, {3.00005f}, {2}, {1}});
  const Problem& p = s->prob;
  EXPECT_EQ(p.AttribRank(1, 1), 3.0f);
  EXPECT_EQ(p.AttribRank(2, 1), 1.0f);
  EXPECT_EQ(p.AttribRank(3, 1), 3.0f);
  EXPECT_EQ(p.AttribRank(4, 1), 2.0f);
  EXPECT_EQ(p.AttribRank(5, 1), 1.0f);
  EXPECT_FLOAT_EQ(p.AttribMeanRank[1], 10.0f / 5.0f);
}

// 0.0001 as a single is 9.99999975e-05, which differs from 0 by less than
// 0.0001: it shares the rank of 0.  0.0002 (1.99999995e-04) starts rank 2;
// 0.0003 - 0.0002 in single precision is 1.00000019e-04, so 0.0003 starts
// rank 3.
TEST(AttributeRanksTest, TieToleranceIsTheExactTenThousandth) {
  auto s = NewSession();
  SetAttributeRows(*s, {{0.0003f}, {0.0001f}, {0.0f}, {0.0002f}});
  const Problem& p = s->prob;
  EXPECT_EQ(p.AttribRank(3, 1), 1.0f);
  EXPECT_EQ(p.AttribRank(2, 1), 1.0f);
  EXPECT_EQ(p.AttribRank(4, 1), 2.0f);
  EXPECT_EQ(p.AttribRank(1, 1), 3.0f);
  EXPECT_FLOAT_EQ(p.AttribMeanRank[1], 7.0f / 4.0f);
}

TEST(AttributeRanksTest, LongColumnIsSorted) {
  auto s = NewSession();
  std::vector<std::vector<float>> rows;
  for (int i = 0; i < 997; ++i) rows.push_back({static_cast<float>((i * 389) % 997)});
  SetAttributeRows(*s, rows);
  for (int i = 1; i <= 997; ++i)
    EXPECT_EQ(s->prob.AttribRank(i, 1), static_cast<float>(((i - 1) * 389) % 997 + 1)) << i;
}

struct RotationCase {
  int current, data_type;
  bool backward, proximities;
  int next;
};

class RotationTest : public ::testing::TestWithParam<RotationCase> {};

TEST_P(RotationTest, StepsWithinTheRangeOfTheDataType) {
  const RotationCase c = GetParam();
  EXPECT_EQ(NextAttributeFunction(c.current, c.data_type, c.backward, c.proximities), c.next);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RotationTest,
    ::testing::Values(RotationCase{3, 4, false, false, 7}, RotationCase{7, 4, true, false, 3},
                      RotationCase{12, 4, false, false, 1}, RotationCase{12, 4, false, true, 13},
                      RotationCase{1, 4, true, true, 13}, RotationCase{1, 4, true, false, 12},
                      RotationCase{12, 5, false, true, 13}, RotationCase{12, 5, false, false, 0},
                      RotationCase{13, 5, false, true, 0}, RotationCase{13, 5, true, true, 12},
                      RotationCase{0, 5, true, true, 13}, RotationCase{0, 5, true, false, 12},
                      RotationCase{6, 3, false, false, 6}, RotationCase{6, 3, false, true, 13},
                      RotationCase{4, 2, false, false, 5}, RotationCase{5, 2, false, false, 4},
                      RotationCase{3, 0, false, false, 0}, RotationCase{1, 1, true, false, 3},
                      RotationCase{2, 0, true, false, 1}));

class AttributeFileTest : public ::testing::Test {
 protected:
  std::unique_ptr<Session> s = NewSession();
  FakePlatform fake;
  std::string path = (::quorel::testing::TempPath("quorel_attribute_file.txt")).string();

  void Load(const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    s->set.DataFileName = path;
    ReadDataFile(*s, fake);
    ASSERT_GT(s->prob.NObjects, 0) << (fake.messages.empty() ? "" : fake.messages.back());
  }
};

constexpr const char* kBoth =
    "NOBJECTS=3\nNATTRIBUTES=2\nSTARTATTRIBUTEDATATYPENUM=5\nSTARTATTRIBUTEFUNCTIONNUM=12\n"
    "ATTRIBUTELIST\nA, 0, 0\nB, 5, 5\nC, 10, 10\nDISSIMILARITYLIST\n0\n0.2\n0.4 0.1\n";

TEST_F(AttributeFileTest, RotationToNotInUseRestoresTheFileProximities) {
  Load(kBoth);
  s->run.BestObjFnValue = 0.5f;
  s->run.RunCount = 4;
  s->prob.ObjParked[3] = 1;
  cmdAttributeFns_Click(*s, fake);
  EXPECT_EQ(s->set.AttributeFunctionNum, 13);
  EXPECT_EQ(s->prob.NObjects, 3);
  EXPECT_FLOAT_EQ(s->prob.Dissim(2, 1), 0.5f);
  EXPECT_FLOAT_EQ(s->prob.Dissim(3, 2), 0.25f);
  EXPECT_FLOAT_EQ(s->prob.DissimOriginal(3, 1), 1.0f);
  EXPECT_EQ(s->prob.ObjParked[3], 1) << "the object set-up is kept";
  EXPECT_FALSE(s->prob.KeepObjSetup);
  EXPECT_EQ(s->captions.cmdAttributeFns, "&ATTRIBUTE  FNs:\r\n(not in use)");
  EXPECT_EQ(s->run.BestObjFnValue, 1e20f);
  EXPECT_EQ(s->run.RunCount, 0);
  EXPECT_EQ(fake.clicks, 1);
  EXPECT_TRUE(fake.messages.empty());
  // Forward again: back to the attributes, Cos(alpha) first.
  cmdAttributeFns_Click(*s, fake);
  EXPECT_EQ(s->set.AttributeFunctionNum, 0);
  EXPECT_EQ(s->captions.cmdAttributeFns, "&ATTRIBUTE  FNs:\r\nCos(alpha)");
  EXPECT_FLOAT_EQ(s->prob.Dissim(2, 1), 1.0f) << "a zero row has no direction";
  EXPECT_FLOAT_EQ(s->prob.Dissim(3, 2), 0.25f) << "parked object 3 keeps its values";
}

TEST_F(AttributeFileTest, ShiftRotatesBackward) {
  Load(kBoth);
  s->ui.RotateBackward = true;
  cmdAttributeFns_Click(*s, fake);
  EXPECT_EQ(s->set.AttributeFunctionNum, 11);
  EXPECT_EQ(s->captions.cmdAttributeFns, "&ATTRIBUTE  FNs:\r\nYule");
}

TEST_F(AttributeFileTest, MissingFileIsReportedAndStopsTheRun) {
  Load(kBoth);
  const float before = s->prob.Dissim(2, 1);
  std::filesystem::remove(path);
  cmdAttributeFns_Click(*s, fake);
  EXPECT_EQ(s->set.AttributeFunctionNum, 13);
  ASSERT_EQ(fake.messages.size(), 2u);
  EXPECT_TRUE(fake.messages[0].ends_with("ErrMsgRE1"));
  EXPECT_NE(fake.messages[1].find("non-existent file named  " + path), std::string::npos);
  EXPECT_TRUE(s->run.StopRequested);
  EXPECT_TRUE(s->run.FileOpenError);
  EXPECT_EQ(s->prob.Dissim(2, 1), before) << "the dissimilarities are left as they were";
  EXPECT_EQ(s->captions.cmdAttributeFns, "&ATTRIBUTE  FNs:\r\n(not in use)");
}

TEST_F(AttributeFileTest, NotInUseWithoutProximitiesSaysSo) {
  Load("NOBJECTS=3\nNATTRIBUTES=1\nATTRIBUTELIST\n1\n2\n4\n");
  s->set.AttributeFunctionNum = 13;
  ComputeAttributeDissimilarities(*s, fake);
  EXPECT_TRUE(fake.HasMessageEndingWith("\r\nRMsg-1"));
}

TEST_F(AttributeFileTest, WithoutAttributesTheButtonChangesNothing) {
  Load("NOBJECTS=2\nDISSIMILARITYLIST\n0\n0.5\n");
  cmdAttributeFns_Click(*s, fake);
  EXPECT_EQ(s->set.AttributeFunctionNum, 13);
  EXPECT_FLOAT_EQ(s->prob.Dissim(2, 1), 1.0f);
  EXPECT_EQ(fake.clicks, 1);
}

TEST_F(AttributeFileTest, ParkingAnAttributeRecomputes) {
  Load("NOBJECTS=3\nNATTRIBUTES=2\nATTRIBUTELIST\n0 0\n5 10\n10 5\n");
  EXPECT_FLOAT_EQ(s->prob.Dissim(2, 1), std::sqrt(1.25f / 2));
  s->run.BestObjFnValue = 0.5f;
  s->run.IterationCount = 9;
  // A "File Opening error" left over from an earlier rotation says nothing
  // about this computation: parking neither clears nor tests the flag.
  s->run.FileOpenError = true;
  EXPECT_TRUE(lstActiveAttributes_DblClick(*s, fake, 2));
  EXPECT_TRUE(s->run.FileOpenError);
  EXPECT_EQ(s->prob.AttribParked[2], 1);
  EXPECT_FLOAT_EQ(s->prob.Dissim(2, 1), 0.5f) << "attribute 1 only";
  EXPECT_FLOAT_EQ(s->prob.DissimOriginal(2, 1), 0.5f);
  EXPECT_EQ(s->run.BestObjFnValue, 1e20f);
  EXPECT_EQ(s->run.IterationCount, 0);
  EXPECT_FALSE(lstActiveAttributes_DblClick(*s, fake, 1)) << "the last active attribute stays";
  EXPECT_EQ(s->prob.AttribParked[1], 0);
  EXPECT_TRUE(lstParkedAttributes_DblClick(*s, fake, 2));
  EXPECT_EQ(s->prob.AttribParked[2], 0);
  EXPECT_FLOAT_EQ(s->prob.Dissim(2, 1), std::sqrt(1.25f / 2));
  EXPECT_FALSE(lstParkedAttributes_DblClick(*s, fake, 7)) << "no such attribute";
  EXPECT_TRUE(fake.messages.empty());
}

TEST(AttributeLimitsTest, ThousandObjectsAndHundredAttributes) {
  auto s = NewSession();
  std::vector<std::vector<float>> rows(1000, std::vector<float>(100));
  for (int i = 0; i < 1000; ++i)
    for (int k = 0; k < 100; ++k) rows[i][k] = static_cast<float>((i * 31 + k * 17) % 101);
  SetAttributeRows(*s, rows);
  FakePlatform fake;
  s->set.AttributeFunctionNum = 2;
  ComputeAttributeDissimilarities(*s, fake);
  EXPECT_EQ(s->prob.NObjects, 1000);
  EXPECT_TRUE(fake.messages.empty());
  // Normalized City Block of rows 1 and 2: every attribute differs by 31 of a
  // range of 100, except where the value wraps round 101.
  float sum = 0;
  for (int k = 0; k < 100; ++k) sum += std::fabs(rows[1][k] - rows[0][k]) / 100.0f;
  EXPECT_NEAR(s->prob.Dissim(2, 1), sum / 100.0f, 1e-5);
  EXPECT_EQ(s->prob.Dissim(1000, 999), s->prob.Dissim(999, 1000));
  EXPECT_LE(s->prob.MaxDissim, 1.0f);
}

TEST(NotInUseSpecialCaseTest, BuiltInProblemIsGeneratedAgain) {
  auto s = NewSession();
  FakePlatform fake;
  s->prob.SpecialCaseActive = true;
  s->set.SpecialCaseNum = 2;  // three perpendicular vectors, kept as attributes
  s->set.AttributeFunctionNum = 13;
  s->set.DataFileName = "";
  ComputeAttributeDissimilarities(*s, fake);
  EXPECT_EQ(s->prob.NObjects, 15);
  EXPECT_EQ(s->prob.NAttributes, 3);
  EXPECT_FALSE(s->run.FileOpenError) << "no file is needed";
  // The case has no proximities of its own.
  EXPECT_TRUE(fake.HasMessageEndingWith("\r\nRMsg-1"));
}

TEST(NotInUseRereadTest, RefusedRereadShowsOnlyItsOwnMessage) {
  auto s = NewSession();
  FakePlatform fake;
  const std::string path = (::quorel::testing::TempPath("quorel_attribute_reread.txt")).string();
  std::ofstream(path, std::ios::binary) << "NOBJECTS=3\nNATTRIBUTES=1\nATTRIBUTELIST\n1\n2\n4\n";
  s->set.DataFileName = path;
  ReadDataFile(*s, fake);
  ASSERT_EQ(s->prob.NObjects, 3);
  // The file changes under the program: its attribute list is now short.
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      << "NOBJECTS=3\nNATTRIBUTES=1\nATTRIBUTELIST\n1\n";
  s->set.AttributeFunctionNum = 13;
  ComputeAttributeDissimilarities(*s, fake);
  EXPECT_EQ(s->prob.NObjects, 0);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.LastCode(), "ErrMsgR12A");
}

}  // namespace
}  // namespace quorel
