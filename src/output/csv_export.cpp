#include "output/csv_export.h"

#include "input/csv_table.h"
#include "model/safe_write.h"
#include "model/text_file.h"
#include "model/text_format.h"
#include "output/save_commands.h"

namespace quorel {
namespace {

const char* TruthText(bool value) {
  return value ? "TRUE" : "FALSE";
}

}  // namespace

std::string CoordinatesCsv(const Session& s) {
  const Problem& p = s.prob;
  const int dimensions = s.set.DimensionsNum;
  TextWriter out;
  std::string header = "Number,Name";
  for (int d = 1; d <= dimensions; ++d) header += ",Dimension" + std::to_string(d);
  out.Line(header + ",Parked,Marked");
  for (int i = 1; i <= p.NObjects; ++i) {
    std::string row = std::to_string(i) + "," + CsvCell(Latin1ToUtf8(p.ObjName[i]));
    for (int d = 1; d <= dimensions; ++d) row += "," + ShortestText(p.LocDim[d][i]);
    row += std::string(",") + TruthText(p.ObjParked[i]) + "," + TruthText(p.ObjMarked[i]);
    out.Line(row);
  }
  return out.Text();
}

bool ExportCoordinates(Session& s, Platform& platform, const std::string& path) {
  if (!CheckSolutionToSave(s, platform)) return false;
  WriteOutcome outcome = WriteFileSafely(path, CoordinatesCsv(s));
  if (outcome != WriteOutcome::kWritten) {
    platform.ShowMessage(WriteFailedMessage("The coordinates file", path, outcome));
    return false;
  }
  platform.PlayClickSound();
  return true;
}

}  // namespace quorel
