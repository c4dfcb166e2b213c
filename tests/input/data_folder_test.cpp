// Every data file in the test data folder carries its expected outcome in
// "#EXPECT" lines at its top (lines without a keyword, which the reader
// ignores).  Each file is read and every expectation checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "input/data_file_reader.h"
#include "support/fake_platform.h"

namespace quorel {
namespace {

namespace fs = std::filesystem;

struct Expectation {
  std::string key;         // "dissim"
  std::vector<int> index;  // (2,1)
  std::string value;
};

// key(i,j)=value or key=value; a value may be "quoted with blanks".
std::vector<Expectation> ParseExpectations(const std::string& path) {
  std::vector<Expectation> out;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("#EXPECT", 0) != 0) continue;
    size_t p = 7;
    while (p < line.size()) {
      while (p < line.size() && line[p] == ' ') ++p;
      if (p >= line.size()) break;
      Expectation e;
      while (p < line.size() && line[p] != '=' && line[p] != '(') e.key += line[p++];
      if (p < line.size() && line[p] == '(') {
        ++p;
        std::string number;
        while (p < line.size() && line[p] != ')') {
          if (line[p] == ',') {
            e.index.push_back(std::stoi(number));
            number.clear();
          } else {
            number += line[p];
          }
          ++p;
        }
        e.index.push_back(std::stoi(number));
        ++p;
      }
      ++p;  // '='
      if (p < line.size() && line[p] == '"') {
        size_t close = line.find('"', p + 1);
        e.value = line.substr(p + 1, close - p - 1);
        p = close + 1;
      } else {
        while (p < line.size() && line[p] != ' ') e.value += line[p++];
      }
      out.push_back(e);
    }
  }
  return out;
}

// The fields an expectation can name: numbers compared exactly (flags as 0
// or 1), numbers compared within 1e-6, and texts.
using Field = double (*)(const Session&, const std::vector<int>&);
#define FIELD(key, expr)                                                              \
  {                                                                                   \
    key, [](const Session& s, [[maybe_unused]] const std::vector<int>& x) -> double { \
      return (expr);                                                                  \
    }                                                                                 \
  }
// clang-format off
const std::map<std::string, Field> kExactFields = {
    FIELD("nobjects", s.prob.NObjects),           FIELD("nattributes", s.prob.NAttributes),
    FIELD("missing", s.prob.DissimMissing(x[0], x[1]) + 10 * s.prob.DissimMissing(x[1], x[0])),
    FIELD("attribmissing", s.prob.AttribMissing(x[0], x[1])),
    FIELD("rank", s.prob.AttribRank(x[0], x[1])), FIELD("dims", s.set.DimensionsNum),
    FIELD("locdims", s.prob.LocDimensionsNum),    FIELD("objparked", s.prob.ObjParked[x[0]]),
    FIELD("attribparked", s.prob.AttribParked[x[0]]),
    FIELD("degrade", s.set.DegradeNum),           FIELD("datadegrade", s.prob.DataDegradeNum),
    FIELD("fn", s.set.AttributeFunctionNum),      FIELD("datatype", s.set.AttributeDataTypeNum),
    FIELD("mdstype", s.set.MDSAnalysisTypeNum),   FIELD("ordinal", s.set.IsOrdinalMDS),
    FIELD("badness", s.set.BadnessFunctionNum),   FIELD("distance", s.set.DistanceFunctionNum),
    FIELD("mapfn", s.set.MappingWtFunctionNum),   FIELD("objid", s.set.ObjectIDMethodNum),
    FIELD("normalize", s.set.NormalizeAttribs),   FIELD("proximities", s.prob.ProximitiesGiven),
    FIELD("attributes", s.prob.AttributesGiven),  FIELD("locations", s.prob.LocationsGiven),
    FIELD("namesgiven", s.prob.ObjNamesGiven),    FIELD("weightsgiven", s.prob.PairWeightsGiven),
    FIELD("mapweightsgiven", s.prob.MapWeightsGiven),
    FIELD("nodatarangechecks", s.prob.NoDataRangeChecks),
    // Tables kept mirrored: the difference of the two halves must be 0.
    FIELD("dissim-mirror", s.prob.Dissim(x[0], x[1]) - s.prob.Dissim(x[1], x[0])),
    FIELD("weight-mirror", s.prob.PairWeight(x[0], x[1]) - s.prob.PairWeight(x[1], x[0])),
};
const std::map<std::string, Field> kNearFields = {
    FIELD("dissim", s.prob.Dissim(x[0], x[1])),   FIELD("maxdissim", s.prob.MaxDissim),
    FIELD("loc", s.prob.LocDim[x[0]][x[1]]),      FIELD("weight", s.prob.PairWeight(x[0], x[1])),
    FIELD("effweight", s.prob.EffWeight(x[0], x[1])),
    FIELD("mapweight", s.prob.MapWeight(x[0], x[1])),
    FIELD("radius", s.set.ConstraintRadius),      FIELD("constant", s.prob.IntervalConstant),
    FIELD("original", s.prob.DissimOriginal(x[0], x[1])),
    FIELD("attrib", s.prob.AttribValue(x[0], x[1])),
};
// clang-format on
#undef FIELD

void Check(const Session& s, const testing::FakePlatform& fake, const Expectation& e) {
  const Problem& p = s.prob;
  SCOPED_TRACE(e.key + "=" + e.value);
  if (auto exact = kExactFields.find(e.key); exact != kExactFields.end()) {
    double expected = std::stod(e.value);
    if (e.key == "missing") expected *= 11;  // both halves of the pair
    EXPECT_EQ(exact->second(s, e.index), expected);
  } else if (auto near = kNearFields.find(e.key); near != kNearFields.end()) {
    const double expected = std::stod(e.value);
    EXPECT_NEAR(near->second(s, e.index), expected, 1e-6 * std::max(1.0, std::abs(expected)));
    if (e.key == "dissim" || e.key == "weight") {
      EXPECT_EQ(kExactFields.at(e.key + "-mirror")(s, e.index), 0.0) << "mirrored";
    }
  } else if (e.key == "code") {
    EXPECT_EQ(fake.LastCode(), e.value);
  } else if (e.key == "hasmessage") {
    EXPECT_TRUE(fake.HasMessageEndingWith(e.value));
  } else if (e.key == "messages") {
    EXPECT_EQ(static_cast<int>(fake.messages.size()), std::stoi(e.value));
  } else if (e.key == "name") {
    EXPECT_EQ(p.ObjName[e.index[0]], e.value);
  } else if (e.key == "title") {
    EXPECT_EQ(p.Title, e.value);
  } else if (e.key == "subtitle") {
    EXPECT_EQ(p.Subtitle, e.value);
  } else if (e.key == "caption") {
    EXPECT_EQ(s.captions.cmdMDSType, "MDS &TYPE:\r\n" + e.value);
  } else {
    ADD_FAILURE() << "unknown expectation key " << e.key;
  }
}

std::vector<std::string> DataFiles() {
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(QUOREL_TEST_DATA))
    if (entry.path().extension() == ".txt") files.push_back(entry.path().filename().string());
  std::sort(files.begin(), files.end());
  return files;
}

class DataFolderTest : public ::testing::TestWithParam<std::string> {};

TEST_P(DataFolderTest, ReadGivesExpectedOutcome) {
  const std::string path = std::string(QUOREL_TEST_DATA) + "/" + GetParam();
  std::vector<Expectation> expectations = ParseExpectations(path);
  ASSERT_FALSE(expectations.empty()) << "no #EXPECT line in " << path;
  auto s = std::make_unique<Session>();
  testing::FakePlatform fake;
  s->set.DataFileName = path;
  ReadDataFile(*s, fake);
  for (const Expectation& e : expectations) Check(*s, fake, e);
  // A refusal leaves no problem; a success always has objects.
  bool refused = false;
  for (const Expectation& e : expectations)
    if (e.key == "nobjects" && e.value == "0") refused = true;
  if (refused) {
    EXPECT_EQ(s->prob.NObjects, 0);
  } else {
    EXPECT_GT(s->prob.NObjects, 0);
  }
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param.substr(0, info.param.size() - 4);
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Files, DataFolderTest, ::testing::ValuesIn(DataFiles()), TestName);

}  // namespace
}  // namespace quorel
