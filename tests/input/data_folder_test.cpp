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

void Check(const Session& s, const testing::FakePlatform& fake, const Expectation& e) {
  const Problem& p = s.prob;
  const std::vector<int>& x = e.index;
  auto num = [&] { return std::stod(e.value); };
  auto whole = [&] { return std::stoi(e.value); };
  SCOPED_TRACE(e.key + "=" + e.value);
  if (e.key == "code") {
    EXPECT_EQ(fake.LastCode(), e.value);
  } else if (e.key == "hasmessage") {
    EXPECT_TRUE(fake.HasMessageEndingWith(e.value));
  } else if (e.key == "messages") {
    EXPECT_EQ(static_cast<int>(fake.messages.size()), whole());
  } else if (e.key == "nobjects") {
    EXPECT_EQ(p.NObjects, whole());
  } else if (e.key == "nattributes") {
    EXPECT_EQ(p.NAttributes, whole());
  } else if (e.key == "dissim") {
    EXPECT_NEAR(p.Dissim(x[0], x[1]), num(), 1e-6);
    EXPECT_EQ(p.Dissim(x[0], x[1]), p.Dissim(x[1], x[0])) << "mirrored";
  } else if (e.key == "missing") {
    EXPECT_EQ(p.DissimMissing(x[0], x[1]), whole());
    EXPECT_EQ(p.DissimMissing(x[1], x[0]), whole());
  } else if (e.key == "maxdissim") {
    EXPECT_NEAR(p.MaxDissim, num(), 1e-6);
  } else if (e.key == "name") {
    EXPECT_EQ(p.ObjName[x[0]], e.value);
  } else if (e.key == "attrib") {
    EXPECT_NEAR(p.AttribValue(x[0], x[1]), num(), 1e-6 * std::max(1.0, std::abs(num())));
  } else if (e.key == "attribmissing") {
    EXPECT_EQ(p.AttribMissing(x[0], x[1]), whole());
  } else if (e.key == "rank") {
    EXPECT_EQ(p.AttribRank(x[0], x[1]), num());
  } else if (e.key == "dims") {
    EXPECT_EQ(s.set.DimensionsNum, whole());
  } else if (e.key == "locdims") {
    EXPECT_EQ(p.LocDimensionsNum, whole());
  } else if (e.key == "loc") {
    EXPECT_NEAR(p.LocDim[x[0]][x[1]], num(), 1e-6);
  } else if (e.key == "weight") {
    EXPECT_NEAR(p.PairWeight(x[0], x[1]), num(), 1e-6);
    EXPECT_EQ(p.PairWeight(x[0], x[1]), p.PairWeight(x[1], x[0]));
  } else if (e.key == "effweight") {
    EXPECT_NEAR(p.EffWeight(x[0], x[1]), num(), 1e-6);
  } else if (e.key == "mapweight") {
    EXPECT_NEAR(p.MapWeight(x[0], x[1]), num(), 1e-6);
  } else if (e.key == "objparked") {
    EXPECT_EQ(p.ObjParked[x[0]], whole());
  } else if (e.key == "attribparked") {
    EXPECT_EQ(p.AttribParked[x[0]], whole());
  } else if (e.key == "title") {
    EXPECT_EQ(p.Title, e.value);
  } else if (e.key == "subtitle") {
    EXPECT_EQ(p.Subtitle, e.value);
  } else if (e.key == "degrade") {
    EXPECT_EQ(s.set.DegradeNum, whole());
  } else if (e.key == "datadegrade") {
    EXPECT_EQ(p.DataDegradeNum, whole());
  } else if (e.key == "fn") {
    EXPECT_EQ(s.set.AttributeFunctionNum, whole());
  } else if (e.key == "datatype") {
    EXPECT_EQ(s.set.AttributeDataTypeNum, whole());
  } else if (e.key == "mdstype") {
    EXPECT_EQ(s.set.MDSAnalysisTypeNum, whole());
  } else if (e.key == "ordinal") {
    EXPECT_EQ(s.set.IsOrdinalMDS, whole() != 0);
  } else if (e.key == "badness") {
    EXPECT_EQ(s.set.BadnessFunctionNum, whole());
  } else if (e.key == "distance") {
    EXPECT_EQ(s.set.DistanceFunctionNum, whole());
  } else if (e.key == "mapfn") {
    EXPECT_EQ(s.set.MappingWtFunctionNum, whole());
  } else if (e.key == "objid") {
    EXPECT_EQ(s.set.ObjectIDMethodNum, whole());
  } else if (e.key == "radius") {
    EXPECT_NEAR(s.set.ConstraintRadius, num(), 1e-6);
  } else if (e.key == "constant") {
    EXPECT_NEAR(p.IntervalConstant, num(), 1e-6);
  } else if (e.key == "normalize") {
    EXPECT_EQ(s.set.NormalizeAttribs, whole() != 0);
  } else if (e.key == "proximities") {
    EXPECT_EQ(p.ProximitiesGiven, whole() != 0);
  } else if (e.key == "attributes") {
    EXPECT_EQ(p.AttributesGiven, whole() != 0);
  } else if (e.key == "locations") {
    EXPECT_EQ(p.LocationsGiven, whole() != 0);
  } else if (e.key == "namesgiven") {
    EXPECT_EQ(p.ObjNamesGiven, whole() != 0);
  } else if (e.key == "weightsgiven") {
    EXPECT_EQ(p.PairWeightsGiven, whole() != 0);
  } else if (e.key == "mapweightsgiven") {
    EXPECT_EQ(p.MapWeightsGiven, whole() != 0);
  } else if (e.key == "nodatarangechecks") {
    EXPECT_EQ(p.NoDataRangeChecks, whole() != 0);
  } else if (e.key == "caption") {
    EXPECT_EQ(s.captions.cmdMDSType, "MDS &TYPE:\r\n" + e.value);
  } else if (e.key == "original") {
    EXPECT_NEAR(p.DissimOriginal(x[0], x[1]), num(), 1e-6);
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
