#include "cli/cli_csv.h"

#include <iostream>

#include "input/csv_import_command.h"
#include "model/safe_write.h"

namespace quorel::cli {

bool UseCsvDataFile(Options& o, StderrPlatform& platform, ScratchFolder& scratch) {
  if (!IsCsvFileName(o.data_file)) return true;
  CsvImport import = ImportCsvFile(o.data_file, o.csv_kind);
  if (!import.problem.empty()) {
    platform.ShowMessage(o.data_file + ": " + import.problem);
    return false;
  }
  if (scratch.Create().empty()) {
    platform.ShowMessage("No temporary folder could be made for the data file of " + o.data_file +
                         ".");
    return false;
  }
  std::string path = ImportedDataFilePath(scratch.Path(), o.data_file);
  WriteOutcome outcome = WriteFileSafely(path, import.text);
  if (outcome != WriteOutcome::kWritten) {
    platform.ShowMessage(WriteFailedMessage("The imported data file", path, outcome));
    return false;
  }
  if (!o.quiet) std::cerr << "quorel-solve: " << o.data_file << ": " << import.summary << "\n";
  o.data_file = path;
  return true;
}

}  // namespace quorel::cli
