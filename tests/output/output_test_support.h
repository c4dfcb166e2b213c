// Problems and file helpers shared by the solution file tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "model/session.h"
#include "output/solution_writer.h"
#include "support/fake_platform.h"
#include "support/temp_path.h"
#include "support/tiny_problem.h"

namespace quorel::testing {

// The lines of a CR LF file; a line end other than CR LF is kept in the line
// so that the comparison shows it.
inline std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// Four named objects (one name cut, one empty), object 3 parked, pair (4,1)
// missing, pair (3,2) weighted 0.5, Ratio + Bounds with 5 pct bounds.
// Writes the solution of `s` to a fresh folder and returns its lines.
inline std::vector<std::string> WrittenLines(Session& s, bool long_format = true) {
  ScratchFolder folder("written");
  std::string path = (folder / "soln.txt").string();
  FakePlatform platform;
  EXPECT_TRUE(WriteSolution(s, platform, path, long_format));
  auto lines = CrLfLines(FileText(path));
  return lines;
}

inline bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The `count` lines after the first line equal to `heading`.
inline std::vector<std::string> LinesAfter(const std::vector<std::string>& lines,
                                           const std::string& heading, int count) {
  auto at = std::find(lines.begin(), lines.end(), heading);
  if (at == lines.end() || lines.end() - at <= count) {
    ADD_FAILURE() << "no line " << heading << " followed by " << count << " lines";
    return std::vector<std::string>(count);
  }
  return std::vector<std::string>(at + 1, at + 1 + count);
}

inline std::unique_ptr<Session> ProblemA() {
  auto s = TinyProblem(4, {0.5f, 1.0f, 0.25f, 0.0f, 0.125f, 0.75f});
  Problem& p = s->prob;
  p.Title = "Test A";
  p.Subtitle = "Weights and parking";
  p.ObjName[1] = "Alpha";
  p.ObjName[2] = "Beta Gamma";
  p.ObjName[3] = "Charlie Delta X";
  p.ObjNamesGiven = true;
  p.ObjParked[3] = 1;
  p.NParkedObjects = 1;
  SetMissing(*s, 4, 1);
  p.PairWeight(3, 2) = p.PairWeight(2, 3) = 0.5f;
  p.PairWeightsGiven = true;
  Place(*s, 1, {0.25f, -0.25f});
  Place(*s, 2, {-0.00005f, 0.5f});
  Place(*s, 3, {0.125f, -0.75f});
  Place(*s, 4, {-0.0001f, 1.0f});
  Settings& t = s->set;
  t.MDSAnalysisTypeNum = 1;
  t.ErrorBoundsTypeNum = 1;
  t.RelErrorBound = 0.05f;
  t.BadnessFunctionNum = 1;
  t.ObjectIDMethodNum = 1;
  t.DimensionsNum = 2;
  t.DegradeNum = 10;
  p.DataDegradeNum = 10;
  s->run.ObjFnValue = 0.0123456f;
  return s;
}

}  // namespace quorel::testing
