#include "output/solution_writer.h"

#include "model/safe_write.h"
#include "model/text_file.h"
#include "output/name_column.h"
#include "output/solution_sections.h"
#include "prep/dissim_ranks.h"

namespace quorel {
namespace {

std::string SolutionText(Session& s, const std::string& file_name, const DateTime& when,
                         bool long_format) {
  TextWriter out;
  NameColumn names(s);
  output::WriteHeader(out, s, file_name, when);
  output::WriteSolutionPart(out, s, names);
  if (long_format) output::WriteInputSection(out, s, names);
  return out.Text();
}

}  // namespace

bool WriteSolution(Session& s, Platform& platform, const std::string& file_name, bool long_format) {
  // The long format lists the ranks under ordinal MDS.
  if (long_format && s.set.MDSAnalysisTypeNum == MaxMDSTypeNum) EnsureRanks(s, platform);
  std::string text = SolutionText(s, file_name, platform.Now(), long_format);
  WriteOutcome outcome = WriteFileSafely(file_name, text);
  if (outcome != WriteOutcome::kWritten) {
    platform.ShowMessage(WriteFailedMessage("The solution file", file_name, outcome));
    return false;
  }
  platform.PlayClickSound();
  platform.FileSaved(file_name);
  return true;
}

}  // namespace quorel
