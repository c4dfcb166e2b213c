// The long and the short layout compared line by line with files written by
// hand from the layout rules.
#include <gtest/gtest.h>

#include "output/output_test_support.h"
#include "output/solution_writer.h"
#include "prep/attribute_functions.h"
#include "prep/dissim_ranks.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

using testing::FakePlatform;

// Three unnamed objects, two attributes (one value missing, attribute 2
// parked), ordinal MDS in three dimensions at data level 12.
std::unique_ptr<Session> ProblemB(Platform& platform) {
  auto s = testing::TinyProblem(3, {0.4f, 1.0f, 0.6f});
  Problem& p = s->prob;
  p.NAttributes = 2;
  p.AttributesGiven = true;
  p.AttribValue(1, 1) = 1.5f;
  p.AttribValue(1, 2) = 20.0f;
  p.AttribValue(2, 1) = 2.5f;
  p.AttribMissing(2, 2) = 1;
  p.AttribValue(3, 1) = 0.5f;
  p.AttribValue(3, 2) = 10.0f;
  p.AttribParked[2] = 1;
  ComputeAttributeStatistics(*s);
  testing::Place(*s, 1, {0.1f, 0.2f, 0.3f});
  testing::Place(*s, 2, {-0.4f, 0.0f, 0.5f});
  testing::Place(*s, 3, {0.0f, -0.6f, -0.123456f});
  Settings& t = s->set;
  t.MDSAnalysisTypeNum = 4;
  t.IsOrdinalMDS = true;
  t.BadnessFunctionNum = 0;
  t.DistanceFunctionNum = 1;
  t.MappingWtFunctionNum = 2;
  t.PrecisionLevelNum = 2;
  t.ObjectIDMethodNum = 0;
  t.DimensionsNum = 3;
  t.ConstraintRadius = 1.2f;
  t.AttributeFunctionNum = 1;
  t.NormalizeAttribs = true;
  t.AttributeDataTypeNum = 0;
  t.DegradeNum = 12;
  p.DataDegradeNum = 12;
  s->run.ObjFnValue = 1.5f;
  ComputeDissimRanks(*s, platform);
  return s;
}

// Writes the problem and compares the file with the expected one, whose
// "@FILE@" stands for the name written on the Results File line.
void ExpectMatchesGolden(Session& s, FakePlatform& platform, bool long_format,
                         const std::string& golden) {
  testing::ScratchFolder folder("golden");
  std::string target = (folder / golden).string();
  ASSERT_TRUE(WriteSolution(s, platform, target, long_format));
  EXPECT_EQ(platform.clicks, 1);
  EXPECT_TRUE(platform.messages.empty());

  std::string expected_text = testing::FileText(std::string(QUOREL_TEST_DATA) + "/" + golden);
  ASSERT_FALSE(expected_text.empty()) << "missing expected file " << golden;
  std::vector<std::string> expected = testing::CrLfLines(expected_text);
  for (auto& line : expected)
    if (line == "Results File = @FILE@") line = "Results File = " + target;
  std::vector<std::string> actual = testing::CrLfLines(testing::FileText(target));

  size_t common = std::min(expected.size(), actual.size());
  for (size_t k = 0; k < common; ++k)
    EXPECT_EQ(actual[k], expected[k]) << golden << " line " << k + 1;
  EXPECT_EQ(actual.size(), expected.size()) << golden << ": line count differs";
  if (actual.size() > common) ADD_FAILURE() << "first extra line: [" << actual[common] << "]";
  if (expected.size() > common) ADD_FAILURE() << "first missing line: [" << expected[common] << "]";
}

TEST(SolutionGolden, ProblemALongFormat) {
  FakePlatform platform;
  auto s = testing::ProblemA();
  ExpectMatchesGolden(*s, platform, true, "problem_a_long.txt");
}

TEST(SolutionGolden, ProblemAShortFormatStopsAfterCoordinates) {
  FakePlatform platform;
  auto s = testing::ProblemA();
  ExpectMatchesGolden(*s, platform, false, "problem_a_short.txt");
}

TEST(SolutionGolden, ProblemBLongFormatWithAttributesAndRanks) {
  FakePlatform platform;
  auto s = ProblemB(platform);
  ASSERT_EQ(s->derived.NRankedPairs, 3);
  ExpectMatchesGolden(*s, platform, true, "problem_b_long.txt");
}

}  // namespace
}  // namespace quorel
