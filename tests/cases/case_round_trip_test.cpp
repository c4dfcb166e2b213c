// Generated problems saved in the long format and read back.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cases/special_cases.h"
#include "input/data_file_reader.h"
#include "output/solution_writer.h"
#include "support/fake_platform.h"
#include "support/temp_path.h"

namespace quorel {
namespace {

using testing::FakePlatform;

// Every generated case, with object 2 parked and object 1 named, comes back
// from its long-format file with its counts, parking, name, precision level
// and dissimilarities (five decimals).
TEST(CaseRoundTrip, EveryCaseComesBack) {
  for (int c = 0; c <= 18; ++c) {
    SCOPED_TRACE("case " + std::to_string(c));
    Session s, back;
    FakePlatform platform;
    s.set.SpecialCaseNum = c;
    s.set.ReuseRandomNumbers = true;
    GenerateSpecialCase(s, platform);
    s.prob.ObjParked[2] = 1;
    s.prob.ObjName[1] = "First one";
    for (int i = 1; i <= s.prob.NObjects; ++i) {
      s.prob.LocDim[1][i] = 0.001f * i;
      s.prob.LocDim[2][i] = -0.002f * i;
    }
    auto path = ::quorel::testing::TempPath("quorel_every_case.txt");
    ASSERT_TRUE(WriteSolution(s, platform, path.string(), true));
    back.set.DataFileName = path.string();
    ReadDataFile(back, platform);
    std::filesystem::remove(path);
    ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
    ASSERT_EQ(back.prob.NObjects, s.prob.NObjects);
    EXPECT_EQ(back.prob.NAttributes, s.prob.NAttributes);
    // The reader trims titles: " 24 Point Simplex ..." comes back without its blank.
    std::string title = s.prob.Title;
    title.erase(0, title.find_first_not_of(' '));
    EXPECT_EQ(back.prob.Title, title);
    EXPECT_EQ(back.prob.Subtitle, s.prob.Subtitle);
    EXPECT_EQ(back.prob.AttributesGiven, s.prob.AttributesGiven);
    EXPECT_EQ(back.set.AttributeFunctionNum, s.set.AttributeFunctionNum);
    if (s.prob.NAttributes > 0) {
      EXPECT_EQ(back.set.NormalizeAttribs, s.set.NormalizeAttribs);
    }
    EXPECT_TRUE(back.prob.ObjParked[2]);
    EXPECT_FALSE(back.prob.ObjParked[3]);
    EXPECT_EQ(back.prob.ObjName[1], "First one");
    EXPECT_EQ(back.set.DegradeNum, s.set.DegradeNum);
    for (int i = 1; i <= s.prob.NObjects; ++i)
      ASSERT_NEAR(back.prob.LocDim[2][i], s.prob.LocDim[2][i], 5.1e-5) << i;
    // Kept attributes come back with five decimals and the dissimilarities are
    // computed again from them; pairs of the parked object keep their old
    // values then, so they are left out.
    const double tolerance = s.prob.NAttributes > 0 ? 2e-5 : 5.1e-6;
    for (int i = 1; i <= s.prob.NObjects; ++i)
      for (int a = 1; a <= s.prob.NAttributes; ++a)
        ASSERT_NEAR(back.prob.AttribValue(i, a), s.prob.AttribValue(i, a), 5.1e-6) << i << "," << a;
    for (int i = 3; i <= s.prob.NObjects; ++i)
      for (int j = 1; j < i; ++j) {
        if (j == 2) continue;
        ASSERT_NEAR(back.prob.Dissim(i, j), s.prob.Dissim(i, j), tolerance) << i << "," << j;
      }
  }
}

}  // namespace
}  // namespace quorel
