#include "prep/data_precision.h"

#include <gtest/gtest.h>

#include <cctype>

#include "support/fake_platform.h"
#include "support/tiny_problem.h"

namespace quorel {
namespace {

using testing::TinyProblem;

// Degrades the three values of a 3-object problem at level L of data read at
// level 12 and returns the working values of (2,1), (3,1), (3,2).
std::vector<float> DegradeAt(int level, std::vector<float> values) {
  auto s = TinyProblem(3, values);
  s->prob.DataDegradeNum = 12;
  s->set.DegradeNum = level;
  ApplyDataPrecision(*s);
  return {s->prob.Dissim(2, 1), s->prob.Dissim(3, 1), s->prob.Dissim(3, 2)};
}

TEST(DataPrecision, LevelOfTheDataCopiesEveryValueUnchanged) {
  auto s = TinyProblem(3, {0.1234567f, 0.7654321f, 0.5f});
  s->prob.DataDegradeNum = 9;
  s->set.DegradeNum = 9;
  s->prob.Dissim(2, 1) = 0.0f;  // overwritten from the original
  ApplyDataPrecision(*s);
  EXPECT_EQ(s->prob.Dissim(2, 1), 0.1234567f);
  EXPECT_EQ(s->prob.Dissim(1, 2), 0.1234567f);
  EXPECT_EQ(s->prob.Dissim(3, 1), 0.7654321f);
  // A level above the data's own level is no degradation either.
  s->set.DegradeNum = 12;
  ApplyDataPrecision(*s);
  EXPECT_EQ(s->prob.Dissim(3, 2), 0.5f);
}

// Each level's steps, with true halves going to the even neighbour.
TEST(DataPrecision, EachLevelRoundsToItsSteps) {
  const struct {
    int level;
    std::vector<float> values, degraded;
  } rows[] = {
      {1, {0.5f, 0.51f, 0.49f}, {0.0f, 1.0f, 0.0f}},
      // 0.25 * 2 = 0.5 -> 0; 0.75 * 2 = 1.5 -> 2 -> 1; 0.6 * 2 = 1.2 -> 1 -> 0.5.
      {2, {0.25f, 0.75f, 0.6f}, {0.0f, 1.0f, 0.5f}},
      // Thirds to two decimals: 0.5 * 3 = 1.5 -> 2 -> 0.67; 0.2 * 3 -> 1 -> 0.33.
      {3, {0.5f, 0.2f, 0.1f}, {0.67f, 0.33f, 0.0f}},
      {4, {0.125f, 0.375f, 0.3f}, {0.0f, 0.5f, 0.25f}},
      {5, {0.33f, 0.5f, 0.91f}, {0.4f, 0.4f, 1.0f}},
      // 0.25 is exact in binary: a true half, to even.
      {6, {0.25f, 0.75f, 0.14f}, {0.2f, 0.8f, 0.1f}},
      {7, {0.125f, 0.375f, 0.456f}, {0.12f, 0.38f, 0.46f}},
  };
  for (const auto& r : rows) EXPECT_EQ(DegradeAt(r.level, r.values), r.degraded) << r.level;
}

TEST(DataPrecision, EveryCellIncludingMissingAndParkedPairsIsRebuilt) {
  auto s = TinyProblem(3, {0.44f, 0.66f, 0.77f});
  s->prob.DataDegradeNum = 12;
  s->set.DegradeNum = 6;
  testing::SetMissing(*s, 3, 1);
  s->prob.ObjParked[2] = 1;
  ApplyDataPrecision(*s);
  EXPECT_EQ(s->prob.Dissim(2, 1), 0.4f);
  EXPECT_EQ(s->prob.Dissim(1, 3), 0.7f);
  EXPECT_EQ(s->prob.Dissim(2, 3), 0.8f);
  EXPECT_EQ(s->prob.Dissim(2, 2), 0.0f);
  // The original is never touched.
  EXPECT_EQ(s->prob.DissimOriginal(2, 1), 0.44f);
}

TEST(PrecisionExamples, LevelArrowsStayWithinOneToNineAndBeepAtTheEnds) {
  testing::FakePlatform platform;
  int level = kFinestExampleLevel;
  EXPECT_EQ(StepExampleLevel(level, true, platform), 9);
  EXPECT_EQ(platform.beeps, 1);
  for (int expected = 8; expected >= 1; --expected) {
    level = StepExampleLevel(level, false, platform);
    EXPECT_EQ(level, expected);
  }
  EXPECT_EQ(StepExampleLevel(level, false, platform), 1);
  EXPECT_EQ(StepExampleLevel(level, true, platform), 2);
  EXPECT_EQ(platform.beeps, 2);
}

TEST(PrecisionExamples, DegradedValuesHalvesToEven) {
  // Line by line: 0.1111 0.5001 / 0.2001 0.7499 / 0.4449 0.75 / 0.5 0.9996.
  struct Case {
    int level;
    int line;
    const char* text;
  };
  for (const Case& c : std::initializer_list<Case>{
           {9, 0, "0.1111  ~  0.1111         0.5001  ~  0.5001"},
           {8, 2, "0.4449  ~   0.445         0.7500  ~   0.750"},
           {6, 1, "0.2001  ~    0.20         0.7499  ~    0.70"},
           {3, 3, "0.5000  ~    0.67         0.9996  ~    1.00"},
           {2, 2, "0.4449  ~     0.5         0.7500  ~     1.0"},
           {1, 3, "0.5000  ~       0         0.9996  ~       1"},
       }) {
    std::string text = PrecisionExamples(c.level);
    size_t start = 0;
    for (int k = 0; k < c.line; ++k) start = text.find("\r\n", start) + 2;
    EXPECT_EQ(text.substr(start, text.find("\r\n", start) - start), c.text) << c.level;
  }
}

TEST(PrecisionExamples, EveryDegradedValueSitsUnderItsHeading) {
  const std::string heading = kPrecisionExampleHeading;
  const size_t first = heading.find("Degraded"), second = heading.rfind("Degraded");
  for (int level = 1; level <= 9; ++level) {
    std::string text = PrecisionExamples(level);
    int lines = 0;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2, ++lines) {
      std::string line = text.substr(start, end - start);
      // Each value's last digit ends inside its heading word.
      for (size_t word : {first, second}) {
        size_t last = line.find_last_not_of(' ', word + 7);
        ASSERT_NE(last, std::string::npos);
        EXPECT_TRUE(last >= word && last < word + 8) << level << ": " << line;
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(line[last]))) << line;
      }
    }
    EXPECT_EQ(lines, 4);
  }
}

}  // namespace
}  // namespace quorel
