// Problems from spreadsheet tables: a square or lower-triangular matrix of
// dissimilarities or similarities, or a table of attribute values (objects in
// rows), each with optional names in its first row and first column.  The
// table becomes the text of the equivalent data file, which the data file
// reader then reads with all its checks.
#pragma once

#include <string>

#include "input/csv_table.h"

namespace quorel {

enum class CsvKind { kDissimilarities, kSimilarities, kAttributes };

struct CsvLayout {
  CsvSeparator separator = CsvSeparator::kComma;
  CsvKind kind = CsvKind::kDissimilarities;
  bool header_row = false;   // the first row names the columns
  bool name_column = false;  // the first column names the rows
};

struct CsvImport {
  // The data file text; empty when a problem was found.
  std::string text;
  // The first problem found, naming its row and column ("" when none), and
  // that cell: the line of the file and the column, both from 1 (0 when the
  // problem is not in one cell).
  std::string problem;
  int problem_line = 0;
  int problem_column = 0;
  // What was found, for the preview ("21 objects, square matrix").
  std::string summary;
  int objects = 0;
  int attributes = 0;
};

// The layout a table most likely has: names where the first row or column
// holds text; a matrix when the values form a square or a triangle (of
// similarities when its diagonal holds the largest value throughout),
// otherwise attributes.
CsvLayout GuessCsvLayout(const CsvTable& table, CsvSeparator separator);

// The data file text of `table` read as `layout` says; `source_name` is named
// in its first comment line.
CsvImport ImportCsvTable(const CsvTable& table, const CsvLayout& layout,
                         const std::string& source_name);

// "dissimilarities", "similarities", "attributes".
const char* CsvKindName(CsvKind kind);

}  // namespace quorel
