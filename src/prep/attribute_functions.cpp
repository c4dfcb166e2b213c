// Dissimilarities from the attribute table under AttributeFunctionNum, or,
// for "(not in use)", the proximities of the data file restored; then the
// validity scan.
#include "prep/attribute_functions.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "cases/special_cases.h"
#include "input/data_file_reader.h"
#include "model/settings.h"
#include "prep/attribute_coefficients.h"

namespace quorel {
namespace {

void ComputeFromAttributes(Session& s, int code) {
  Problem& p = s.prob;
  const int n = p.NObjects;
  const bool raw = (code == 1 || code == 2) && !s.set.NormalizeAttribs;
  float largest = -1e20f;
  AttributeRows rows;
  for (int i = 1; i <= n; ++i) {
    if (p.ObjParked[i]) continue;
    p.Dissim(i, i) = 0.0f;
    p.DissimMissing(i, i) = 0;
    for (int j = 1; j < i; ++j) {
      if (p.ObjParked[j]) continue;
      PairDissimilarity pair = AttributePairDissimilarity(s, code, i, j, rows);
      float d = pair.d;
      if (pair.usable == 0) {
        // No usable attribute: the pair is missing and its value means
        // nothing; the distances start from 0, the others keep the old value.
        d = (code == 1 || code == 2) ? 0.0f : p.Dissim(i, j);
        if (code == 0 || code == 3 || code == 4 || code == 5)
          d = std::fabs(d) > 1.0f ? (d > 0 ? 1.0f : -1.0f) : d;
      } else if (raw) {
        largest = std::max(largest, d);
      }
      const Flag missing = pair.usable == 0 ? 1 : 0;
      p.Dissim(i, j) = p.Dissim(j, i) = d;
      p.DissimMissing(i, j) = p.DissimMissing(j, i) = missing;
    }
  }
  if (!raw || largest <= 1.0f) return;
  for (int i = 2; i <= n; ++i) {
    if (p.ObjParked[i]) continue;
    for (int j = 1; j < i; ++j) {
      if (p.ObjParked[j]) continue;
      p.Dissim(i, j) /= largest;
      p.Dissim(j, i) = p.Dissim(i, j);
    }
  }
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::exists(path, ec) &&
         !std::filesystem::is_directory(path, ec);
}

// "(not in use)": the built-in problem is generated again, or the data file
// is read again keeping the object set-up.  False when the file is missing.
bool RestoreFileProximities(Session& s, Platform& platform) {
  Problem& p = s.prob;
  if (p.SpecialCaseActive) {
    GenerateSpecialCase(s, platform);
  } else {
    const std::string& name = s.set.DataFileName;
    if (!FileExists(name)) {
      platform.ShowMessage((name.empty() ? std::string("Your specified file does not exist ")
                                         : name + " does not exist ") +
                           "or else the file is empty.  Use the File menu and select a new data "
                           "file.  ErrMsgRE1");
      s.run.FileOpenError = true;
      return false;
    }
    p.KeepObjSetup = true;
    ReadDataFile(s, platform);
    p.KeepObjSetup = false;
    s.set.AttributeFunctionNum = MaxAttributeFunctionNum;
  }
  // A refused re-read has already said why.
  if (p.NObjects > 0 && !p.ProximitiesGiven)
    platform.ShowMessage(
        "No similarities or dissimilarities were found in the data file.  However, you rotated to "
        "an attribute command that requested finding dissimilarities in the data file.  "
        "Processing will stop to let you check the data file.\r\nRMsg-1");
  return true;
}

void ValidityScan(Session& s, Platform& platform) {
  Problem& p = s.prob;
  if (p.NAttributes == 0) return;
  p.MaxDissim = -1.0f;
  for (int i = 1; i <= p.NObjects; ++i) {
    for (int j = 1; j <= i; ++j) {
      if (p.DissimMissing(i, j)) continue;
      if (p.Dissim(i, j) < -0.0001f) {
        platform.ShowMessage(
            "You have a proximity value that is less than zero.  Something is really wrong since "
            "it "
            "is a calculated dissimilarity.  ErrMsgR7A");
        p.NObjects = 0;
        return;
      }
      p.MaxDissim = std::max(p.MaxDissim, p.Dissim(i, j));
    }
  }
}

}  // namespace

void ComputeAttributeDissimilarities(Session& s, Platform& platform) {
  const int code = s.set.AttributeFunctionNum;
  if (code == MaxAttributeFunctionNum) {
    if (!RestoreFileProximities(s, platform)) return;
  } else if (code >= 0 && code < MaxAttributeFunctionNum) {
    ComputeFromAttributes(s, code);
  }
  ValidityScan(s, platform);
}

}  // namespace quorel
