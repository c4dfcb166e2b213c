#include "input/csv_import_command.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "input/line_tokenizer.h"
#include "input/load_command.h"
#include "model/safe_write.h"
#include "model/text_file.h"

namespace quorel {
namespace {

// A square matrix of 1000 objects with 30 characters a cell stays well below
// this; anything larger is not a table this program can use.
constexpr std::uintmax_t kMaxCsvBytes = 64u << 20;

std::string FileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& text, std::string& error) {
  LoadedText file = LoadTextFile(path, kMaxCsvBytes);
  switch (file.outcome) {
    case LoadOutcome::kLoaded:
      text = std::move(file.text);
      return true;
    case LoadOutcome::kMissing:
      error = path + " does not exist.";
      break;
    case LoadOutcome::kNotARegularFile:
      error = path + " is a folder, a device or a pipe rather than a plain text file.";
      break;
    case LoadOutcome::kTooLarge:
      error = path + " is larger than " + std::to_string(kMaxCsvBytes >> 20) +
              " MB, more than a table of 1000 objects needs.";
      break;
    case LoadOutcome::kFailed:
      error = path + " could not be read: " + file.error + ".";
      break;
  }
  return false;
}

CsvLayout DetectCsvLayout(const std::string& text) {
  CsvSeparator separator = DetectSeparator(text);
  return GuessCsvLayout(ParseCsv(text, separator), separator);
}

CsvImport ImportCsvFile(const std::string& path, std::optional<CsvKind> kind) {
  std::string text;
  CsvImport failed;
  if (!ReadWholeFile(path, text, failed.problem)) return failed;
  CsvLayout layout = DetectCsvLayout(text);
  if (kind) layout.kind = *kind;
  return ImportCsvTable(ParseCsv(text, layout.separator), layout, FileNameOf(path));
}

bool IsCsvFileName(const std::string& path) {
  return path.size() >= 4 && UpperAscii(path.substr(path.size() - 4)) == ".CSV";
}

std::string ImportedDataFilePath(const std::string& folder, const std::string& csv_path) {
  std::string stem = std::filesystem::path(csv_path).stem().string();
  return folder + (stem.empty() ? "imported" : stem) + ".txt";
}

void LoadImportedProblem(Session& s, Platform& platform, const std::string& data_text,
                         const std::string& data_path) {
  WriteOutcome outcome = WriteFileSafely(data_path, data_text);
  if (outcome != WriteOutcome::kWritten) {
    platform.ShowMessage(WriteFailedMessage("The imported data file", data_path, outcome));
    return;
  }
  s.set.DataFileName = data_path;
  LoadDataFileCommand(s, platform);
  if (s.prob.NObjects > 0) s.set.StartupProblem.clear();
}

bool SaveImportedProblemAs(Session& s, Platform& platform, const std::string& imported_path,
                           const std::string& target) {
  std::string text;
  std::string error;
  if (!ReadWholeFile(imported_path, text, error)) {
    platform.ShowMessage(error);
    return false;
  }
  WriteOutcome outcome = WriteFileSafely(target, text);
  if (outcome != WriteOutcome::kWritten) {
    platform.ShowMessage(WriteFailedMessage("The data file", target, outcome));
    return false;
  }
  if (s.set.DataFileName == imported_path) {
    s.set.DataFileName = target;
    s.set.StartupProblem = target;
  }
  platform.PlayClickSound();
  return true;
}

}  // namespace quorel
