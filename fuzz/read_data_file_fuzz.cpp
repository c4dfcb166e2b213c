// Any bytes as a data file: the reader must refuse or load them without a
// crash, an out-of-table access or a non-finite value in the tables.  When
// the file loads with attributes, one attribute function chosen by the first
// byte is applied through the refresh sequence.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "input/data_file_reader.h"
#include "prep/derived_data.h"
#include "support/fake_platform.h"
#include "support/temp_path.h"

namespace {

quorel::Session& TheSession() {
  static auto* session = new quorel::Session();
  return *session;
}

void CheckFinite(const quorel::Session& s) {
  const quorel::Problem& p = s.prob;
  for (int i = 1; i <= p.NObjects; ++i) {
    for (int j = 1; j <= p.NObjects; ++j) {
      if (!p.DissimMissing(i, j) && !std::isfinite(p.Dissim(i, j))) std::abort();
      if (!std::isfinite(p.PairWeight(i, j))) std::abort();
    }
    for (int d = 1; d <= s.set.DimensionsNum; ++d)
      if (!std::isfinite(p.LocDim[d][i])) std::abort();
  }
  if (s.set.DimensionsNum < 1 || s.set.DimensionsNum > quorel::kMaxDimensions) std::abort();
  if (s.set.DegradeNum < 1 || s.set.DegradeNum > quorel::MaxDegradeNum) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = quorel::testing::TempPath("fuzz_input.txt").string();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  quorel::Session& s = TheSession();
  s.set = quorel::Settings{};
  s.prob.NoDataRangeChecks = false;
  s.prob.KeepObjSetup = false;
  s.prob.SpecialCaseActive = false;
  s.set.DataFileName = path;
  quorel::testing::FakePlatform platform;
  quorel::ReadDataFile(s, platform);
  if (s.prob.NObjects > 0) {
    CheckFinite(s);
    if (s.prob.AttributesGiven && size > 0) {
      s.set.AttributeFunctionNum = data[0] % 14;
      quorel::RefreshDerivedData(s, platform, quorel::DataChange::kAttributes);
      if (s.prob.NObjects > 0) CheckFinite(s);
    }
  } else if (platform.messages.empty()) {
    std::abort();  // a refusal always says why
  }
  return 0;
}
