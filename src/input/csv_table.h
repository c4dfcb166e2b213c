// Tables of comma-, semicolon- or tab-separated values as spreadsheets write
// them (RFC 4180 quoting), parsed with libcsv.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorel {

enum class CsvSeparator { kComma, kSemicolon, kTab };

char SeparatorChar(CsvSeparator separator);

struct CsvRow {
  int line = 0;                    // the line of the file the row starts on, from 1
  std::vector<std::string> cells;  // single-byte text, blanks around unquoted cells removed
};

struct CsvTable {
  std::vector<CsvRow> rows;  // empty lines are left out
  // Why the text could not be read as a table ("" when it could), and the
  // line where that was found.
  std::string error;
  int error_line = 0;
};

// The separator a text most likely uses: a semicolon or a tab outside quotes
// in its first lines wins over the comma, because files with semicolons
// often write numbers with a decimal comma.
CsvSeparator DetectSeparator(std::string_view text);

// Reads the whole text.  A UTF-8 byte order mark is skipped; rows end with
// CR LF, LF or CR; a quoted cell may hold separators, doubled quotes and
// line breaks.  Text in UTF-8 becomes single-byte text (Latin-1, with "?"
// for characters outside it), as the program keeps names.
CsvTable ParseCsv(std::string_view text, CsvSeparator separator);

// A cell as it is written into a CSV file: in quotes, with its quotes
// doubled, when it holds a separator, a quote, a line break or blanks at an
// end.
std::string CsvCell(std::string_view text, CsvSeparator separator = CsvSeparator::kComma);

// UTF-8 back to single-byte (Latin-1) text (Latin1ToUtf8, model/text_format.h,
// goes the other way).
bool IsValidUtf8(std::string_view text);
std::string Utf8ToLatin1(std::string_view text);

}  // namespace quorel
