// The commands around a CSV import: reading the file, loading the data file
// text it gives as the current problem, and keeping that text as a data file.
#pragma once

#include <optional>
#include <string>

#include "input/csv_import.h"
#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// The whole text of a CSV file (or of an imported data file); false, with
// `error` set, when it cannot be read or is too large to hold a problem.
bool ReadWholeFile(const std::string& path, std::string& text, std::string& error);

// The layout found in `text`: its separator detected, then names and kind
// guessed from the table.
CsvLayout DetectCsvLayout(const std::string& text);

// Reads, detects and imports a CSV file in one step (the batch solver's way):
// the layout guessed, the kind as given when there is one.  An unreadable
// file is a problem of the import.
CsvImport ImportCsvFile(const std::string& path, std::optional<CsvKind> kind);

// True for a file name that ends in ".csv" (any case).
bool IsCsvFileName(const std::string& path);

// The data file an import of `csv_path` is kept in: the CSV's name with
// ".txt", in `folder` (with a trailing "/").
std::string ImportedDataFilePath(const std::string& folder, const std::string& csv_path);

// Loads the data file text of an import as File > Load Data reads a file (a
// running solver is stopped first): written to `data_path`, which becomes
// DataFileName, and read through the data file reader with all its checks.
// The file lives only while the program runs, so the start-up problem is
// cleared until the problem is saved as a data file.
void LoadImportedProblem(Session& s, Platform& platform, const std::string& data_text,
                         const std::string& data_path);

// Save Imported Problem As: the imported data file written to `target`,
// which becomes the problem's data file and the start-up problem.  False,
// after a message, when it could not be read or written.
bool SaveImportedProblemAs(Session& s, Platform& platform, const std::string& imported_path,
                           const std::string& target);

}  // namespace quorel
