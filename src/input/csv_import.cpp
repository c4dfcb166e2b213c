#include "input/csv_import.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include "input/line_tokenizer.h"
#include "model/tables.h"
#include "model/text_file.h"
#include "output/name_column.h"

namespace quorel {
namespace {

// Two mirrored values count as equal within this share of the larger one:
// the program keeps single precision, whose resolution is about 6e-8.
constexpr double kSymmetryTolerance = 1e-6;
// A diagonal value of a dissimilarity matrix counts as 0 within this share
// of the largest value, the tolerance the reader applies after scaling.
constexpr double kZeroDiagonalShare = 1e-4;

enum class MatrixForm { kSquare, kLowerWithDiagonal, kLowerWithoutDiagonal };

const char* FormName(MatrixForm form) {
  switch (form) {
    case MatrixForm::kSquare:
      return "square matrix";
    case MatrixForm::kLowerWithDiagonal:
      return "lower triangle with its diagonal";
    case MatrixForm::kLowerWithoutDiagonal:
      break;
  }
  return "lower triangle without its diagonal";
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsMissingToken(const std::string& cell) {
  std::string upper = UpperAscii(cell);
  return upper.empty() || upper == "NA" || upper == "N/A" || upper == "NAN" || upper == ".";
}

// A number as a data file holds it: optional sign, digits with at most one
// decimal point, optional exponent.  Where cells are not separated by commas
// a decimal comma is taken too, as such files often write numbers.
std::optional<std::string> NumberText(std::string text, CsvSeparator separator) {
  if (separator != CsvSeparator::kComma && text.find('.') == std::string::npos)
    std::replace(text.begin(), text.end(), ',', '.');
  size_t p = 0;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
  int digits = 0;
  for (; p < text.size() && IsDigit(text[p]); ++p) ++digits;
  if (p < text.size() && text[p] == '.')
    for (++p; p < text.size() && IsDigit(text[p]); ++p) ++digits;
  if (digits == 0) return std::nullopt;
  if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
    ++p;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
    int exponent_digits = 0;
    for (; p < text.size() && IsDigit(text[p]); ++p) ++exponent_digits;
    if (exponent_digits == 0) return std::nullopt;
  }
  if (p != text.size()) return std::nullopt;
  return text;
}

double NumberValue(const std::string& number_text) {
  std::string_view text = number_text;
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// A name as the program keeps it: one line, no blanks at the ends.
std::string CleanName(std::string name) {
  for (char& c : name)
    if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
  return TrimBlanks(name);
}

std::string Values(int n) {
  return std::to_string(n) + (n == 1 ? " value" : " values");
}

// The values of the table: the rows after the header, the cells after the
// name column.  Rows and columns here count from 0.
class Grid {
 public:
  Grid(const CsvTable& table, const CsvLayout& layout)
      : table_(table),
        separator_(layout.separator),
        first_row_(layout.header_row ? 1 : 0),
        first_col_(layout.name_column ? 1 : 0) {}

  int Rows() const { return std::max(0, static_cast<int>(table_.rows.size()) - first_row_); }
  int Cells(int r) const { return std::max(0, static_cast<int>(Row(r).cells.size()) - first_col_); }
  // The cells up to the last one that is not empty.
  int Filled(int r) const {
    int n = Cells(r);
    while (n > 0 && Cell(r, n - 1).empty()) --n;
    return n;
  }
  std::string Cell(int r, int c) const {
    return c < Cells(r) ? TrimBlanks(Row(r).cells[first_col_ + c]) : std::string();
  }
  bool IsText(int r, int c) const {
    std::string cell = Cell(r, c);
    return !IsMissingToken(cell) && !NumberText(cell, separator_);
  }
  int Line(int r) const { return Row(r).line; }
  int Column(int c) const { return first_col_ + c + 1; }
  std::string RowName(int r) const {
    return first_col_ && !Row(r).cells.empty() ? CleanName(Row(r).cells[0]) : std::string();
  }
  // The names in the header over `columns` columns of values: the corner
  // cell above the name column may be there or not.
  std::vector<std::string> HeaderNames(int columns) const {
    if (!first_row_) return {};
    std::vector<std::string> cells = table_.rows[0].cells;
    while (!cells.empty() && TrimBlanks(cells.back()).empty()) cells.pop_back();
    if (first_col_ && static_cast<int>(cells.size()) > columns) cells.erase(cells.begin());
    for (std::string& name : cells) name = CleanName(name);
    return cells;
  }
  int HeaderLine() const { return table_.rows[0].line; }
  CsvSeparator Separator() const { return separator_; }

 private:
  const CsvRow& Row(int r) const { return table_.rows[first_row_ + r]; }

  const CsvTable& table_;
  CsvSeparator separator_;
  int first_row_;
  int first_col_;
};

// One import: the checks in reading order, then the data file text.  Each
// check returns false after recording the first problem.
class TableImport {
 public:
  TableImport(const CsvTable& table, const CsvLayout& layout, std::string source)
      : grid_(table, layout), layout_(layout), source_(CleanName(std::move(source))) {}

  CsvImport Run() {
    if (grid_.Rows() == 0) {
      Fail("The file holds no rows of values.");
    } else if (layout_.kind == CsvKind::kAttributes) {
      if (Attributes()) WriteAttributes();
    } else if (Matrix()) {
      WriteMatrix();
    }
    if (!result_.problem.empty()) result_.text.clear();
    return result_;
  }

 private:
  bool Fail(const std::string& problem) {
    result_.problem = problem;
    return false;
  }
  bool Fail(int line, int column, const std::string& problem) {
    result_.problem_line = line;
    result_.problem_column = column;
    return Fail("Row " + std::to_string(line) + ", column " + std::to_string(column) + ": " +
                problem);
  }

  // The cell as a data file writes it ("NA" when missing); false for text.
  bool Value(int r, int c, std::string& out) {
    std::string cell = grid_.Cell(r, c);
    if (IsMissingToken(cell)) {
      out = "NA";
      return true;
    }
    if (auto number = NumberText(cell, grid_.Separator())) {
      out = *number;
      return true;
    }
    return Fail(grid_.Line(r), grid_.Column(c),
                "\"" + cell + "\" is neither a number nor a missing value (NA or an empty cell).");
  }

  bool CheckRowLength(int r, int expected) {
    if (grid_.Cells(r) < expected)
      return Fail(grid_.Line(r), grid_.Column(grid_.Cells(r)),
                  "the row has " + Values(grid_.Cells(r)) + " where " + std::to_string(expected) +
                      (expected == 1 ? " was" : " were") + " expected.");
    if (grid_.Filled(r) > expected)
      return Fail(grid_.Line(r), grid_.Column(expected),
                  "the row has a value beyond the " + std::to_string(expected) +
                      " expected, where the table has no column for it.");
    return true;
  }

  bool CheckHeader(int columns) {
    names_from_header_ = grid_.HeaderNames(columns);
    if (layout_.header_row && static_cast<int>(names_from_header_.size()) != columns)
      return Fail(grid_.HeaderLine(), 1,
                  "the first row holds " + std::to_string(names_from_header_.size()) +
                      " names, but the table has " + std::to_string(columns) +
                      " columns of values.");
    return true;
  }

  std::string ObjectName(int i) const {
    int r = i - row_offset_;
    if (layout_.name_column && r >= 0) return grid_.RowName(r);
    return i < static_cast<int>(names_from_header_.size()) ? names_from_header_[i] : "";
  }

  bool CheckObjectCount(int objects) {
    if (objects <= kMaxObjects) return true;
    int r = std::min(kMaxObjects - row_offset_, grid_.Rows() - 1);
    return Fail(grid_.Line(r), 1,
                "the table has " + std::to_string(objects) + " objects; at most " +
                    std::to_string(kMaxObjects) + " are allowed.");
  }

  // The form of the matrix from the lengths of its rows: values above the
  // diagonal make it square; otherwise it is a lower triangle, with its
  // diagonal unless the first row is empty or (for dissimilarities) the
  // last value of each row is not 0, which then makes each row one object
  // longer than its number and the first object a row of its own.
  void FindMatrixForm() {
    const int n = grid_.Rows();
    bool above_diagonal = false;
    bool diagonal_seen = false;
    for (int r = 0; r < n; ++r) {
      above_diagonal |= grid_.Filled(r) > r + 1;
      diagonal_seen |= grid_.Filled(r) == r + 1;
    }
    row_offset_ = 0;
    if (above_diagonal) {
      form_ = MatrixForm::kSquare;
    } else if (grid_.Filled(0) == 0) {
      form_ = diagonal_seen ? MatrixForm::kLowerWithDiagonal : MatrixForm::kLowerWithoutDiagonal;
    } else if (layout_.kind == CsvKind::kDissimilarities && !DiagonalIsZero()) {
      form_ = MatrixForm::kLowerWithoutDiagonal;
      row_offset_ = 1;
    } else {
      form_ = MatrixForm::kLowerWithDiagonal;
    }
    objects_ = n + row_offset_;
  }

  bool DiagonalIsZero() const {
    for (int r = 0; r < grid_.Rows(); ++r) {
      auto number = NumberText(grid_.Cell(r, r), grid_.Separator());
      if (number && NumberValue(*number) != 0) return false;
    }
    return true;
  }

  // The cells object i needs: the whole row of a square matrix, else the
  // columns up to the diagonal.
  int NeededCells(int i) const {
    switch (form_) {
      case MatrixForm::kSquare:
        return objects_;
      case MatrixForm::kLowerWithDiagonal:
        return i + 1;
      case MatrixForm::kLowerWithoutDiagonal:
        break;
    }
    return i;
  }

  bool Matrix() {
    FindMatrixForm();
    if (!CheckObjectCount(objects_)) return false;
    for (int r = 0; r < grid_.Rows(); ++r)
      if (!CheckRowLength(r, NeededCells(r + row_offset_))) return false;
    if (!CheckHeader(objects_)) return false;
    if (layout_.kind == CsvKind::kSimilarities && form_ == MatrixForm::kLowerWithoutDiagonal)
      return Fail(grid_.Line(0), grid_.Column(0),
                  "a similarity matrix needs its diagonal, which holds the largest similarity.");
    // The lower triangle with the diagonal, object by object.
    lower_.assign(objects_, {});
    for (int i = 0; i < objects_; ++i) {
      int r = i - row_offset_;
      lower_[i].assign(i + 1, "0");
      int given = form_ == MatrixForm::kLowerWithoutDiagonal ? i : i + 1;
      for (int j = 0; j < given; ++j)
        if (!Value(r, j, lower_[i][j])) return false;
    }
    return CheckSymmetry() && CheckZeroDiagonal();
  }

  bool CheckSymmetry() {
    if (form_ != MatrixForm::kSquare) return true;
    for (int i = 0; i < objects_; ++i) {
      for (int j = i + 1; j < objects_; ++j) {
        std::string upper;
        if (!Value(i, j, upper)) return false;
        const std::string& lower = lower_[j][i];
        bool same = upper == "NA" || lower == "NA"
                        ? upper == lower
                        : std::fabs(NumberValue(upper) - NumberValue(lower)) <=
                              kSymmetryTolerance * std::max(std::fabs(NumberValue(upper)),
                                                            std::fabs(NumberValue(lower)));
        if (!same)
          return Fail(grid_.Line(i), grid_.Column(j),
                      upper + " differs from " + lower + " in row " +
                          std::to_string(grid_.Line(j)) + ", column " +
                          std::to_string(grid_.Column(i)) + ": a square matrix must be symmetric.");
      }
    }
    return true;
  }

  bool CheckZeroDiagonal() {
    if (layout_.kind != CsvKind::kDissimilarities || form_ == MatrixForm::kLowerWithoutDiagonal)
      return true;
    double largest = 0;
    for (const auto& row : lower_)
      for (const std::string& v : row)
        if (v != "NA") largest = std::max(largest, std::fabs(NumberValue(v)));
    for (int i = 0; i < objects_; ++i) {
      const std::string& d = lower_[i][i];
      if (d != "NA" && std::fabs(NumberValue(d)) > kZeroDiagonalShare * largest)
        return Fail(grid_.Line(i - row_offset_), grid_.Column(i),
                    "the diagonal of a dissimilarity matrix holds " + d +
                        " where 0 belongs.  Are these similarities?");
    }
    return true;
  }

  bool Attributes() {
    const int n = grid_.Rows();
    row_offset_ = 0;
    if (!CheckObjectCount(n)) return false;
    int columns = 0;
    if (layout_.header_row) {
      columns = static_cast<int>(grid_.HeaderNames(grid_.Cells(0)).size());
    } else {
      for (int r = 0; r < n; ++r) columns = std::max(columns, grid_.Filled(r));
    }
    if (columns > kMaxAttributes) {
      int line = grid_.HeaderLine();
      for (int r = n - 1; r >= 0; --r)
        if (grid_.Filled(r) > kMaxAttributes) line = grid_.Line(r);
      return Fail(line, grid_.Column(kMaxAttributes),
                  "the table has " + std::to_string(columns) + " attributes; at most " +
                      std::to_string(kMaxAttributes) + " are allowed.");
    }
    if (columns == 0) return Fail("The file holds no attribute values.");
    if (!CheckHeader(columns)) return false;
    attributes_ = columns;
    values_.assign(n, std::vector<std::string>(columns));
    for (int r = 0; r < n; ++r) {
      if (!CheckRowLength(r, columns)) return false;
      for (int c = 0; c < columns; ++c)
        if (!Value(r, c, values_[r][c])) return false;
    }
    objects_ = n;
    return true;
  }

  void WriteHeading(TextWriter& w, const std::string& what) {
    result_.objects = objects_;
    result_.attributes = attributes_;
    result_.summary = what;
    w.Line("* Imported from " + source_ + ": " + what);
  }

  // Each row carries its name in the form the tokenizer keeps (so that a
  // leading missing value is never taken for a name and the name "NA" meets
  // the reader's refusal); the exact names follow in an OBJECTNAMESLIST,
  // which the reader takes line by line, commas and all.
  void WriteNames(TextWriter& w) {
    bool any = false;
    for (int i = 0; i < objects_; ++i) any |= !ObjectName(i).empty();
    if (!any) return;
    w.Line("OBJECTNAMESLIST");
    for (int i = 0; i < objects_; ++i) w.Line("'" + ObjectName(i));
  }

  void WriteMatrix() {
    const bool similarities = layout_.kind == CsvKind::kSimilarities;
    TextWriter w;
    WriteHeading(w, std::to_string(objects_) + " objects, " + CsvKindName(layout_.kind) + ", " +
                        FormName(form_));
    w.Line("NOBJECTS=" + std::to_string(objects_));
    w.Line(similarities ? "SIMILARITYLIST" : "DISSIMILARITYLIST");
    for (int i = 0; i < objects_; ++i) {
      std::string row = NameColumn::EncodeName(ObjectName(i));
      // A dissimilarity row's diagonal is not read; it is written as 0.
      for (int j = 0; j <= i; ++j) row += ", " + (similarities || j < i ? lower_[i][j] : "0");
      w.Line(row);
    }
    WriteNames(w);
    result_.text = w.Text();
  }

  void WriteAttributes() {
    TextWriter w;
    WriteHeading(
        w, std::to_string(objects_) + " objects, " + std::to_string(attributes_) + " attributes");
    if (!names_from_header_.empty()) {
      std::string names;
      for (const std::string& name : names_from_header_)
        names += (names.empty() ? "" : "; ") + name;
      w.Line("* Attributes: " + names);
    }
    w.Line("NOBJECTS=" + std::to_string(objects_));
    w.Line("NATTRIBUTES=" + std::to_string(attributes_));
    w.Line("ATTRIBUTELIST");
    for (int i = 0; i < objects_; ++i) {
      std::string row = NameColumn::EncodeName(ObjectName(i));
      for (const std::string& v : values_[i]) row += ", " + v;
      w.Line(row);
    }
    WriteNames(w);
    result_.text = w.Text();
  }

  Grid grid_;
  CsvLayout layout_;
  std::string source_;
  CsvImport result_;
  MatrixForm form_ = MatrixForm::kSquare;
  int objects_ = 0;
  int attributes_ = 0;
  int row_offset_ = 0;  // 1 when the first object has no row of its own
  std::vector<std::string> names_from_header_;
  std::vector<std::vector<std::string>> lower_;   // matrices: [i][j], j <= i
  std::vector<std::vector<std::string>> values_;  // attributes: [object][attribute]
};

// The diagonal holds one positive value, the largest of the table.
bool LooksLikeSimilarities(const Grid& grid) {
  double diagonal = -1;
  double largest = 0;
  for (int r = 0; r < grid.Rows(); ++r) {
    auto d = NumberText(grid.Cell(r, r), grid.Separator());
    if (!d || (diagonal >= 0 && NumberValue(*d) != diagonal)) return false;
    diagonal = NumberValue(*d);
    for (int c = 0; c < grid.Filled(r); ++c)
      if (auto v = NumberText(grid.Cell(r, c), grid.Separator()))
        largest = std::max(largest, NumberValue(*v));
  }
  return diagonal > 0 && diagonal >= largest;
}

}  // namespace

const char* CsvKindName(CsvKind kind) {
  switch (kind) {
    case CsvKind::kSimilarities:
      return "similarities";
    case CsvKind::kAttributes:
      return "attributes";
    case CsvKind::kDissimilarities:
      break;
  }
  return "dissimilarities";
}

CsvLayout GuessCsvLayout(const CsvTable& table, CsvSeparator separator) {
  CsvLayout layout;
  layout.separator = separator;
  if (table.rows.empty()) return layout;
  Grid all(table, layout);
  for (int r = 1; r < all.Rows() && !layout.name_column; ++r)
    layout.name_column = all.Cells(r) > 0 && all.IsText(r, 0);
  for (int c = layout.name_column ? 1 : 0; c < all.Cells(0) && !layout.header_row; ++c)
    layout.header_row = all.IsText(0, c);

  Grid values(table, layout);
  const int n = values.Rows();
  int widest = 0;
  bool triangle = true;
  for (int r = 0; r < n; ++r) {
    widest = std::max(widest, values.Filled(r));
    triangle &= values.Filled(r) <= r + 1;
  }
  const bool square = widest == n;
  triangle &= widest >= n - 1;
  if (n < 2 || !(square || triangle))
    layout.kind = CsvKind::kAttributes;
  else if (LooksLikeSimilarities(values))
    layout.kind = CsvKind::kSimilarities;
  return layout;
}

CsvImport ImportCsvTable(const CsvTable& table, const CsvLayout& layout,
                         const std::string& source_name) {
  if (!table.error.empty()) {
    CsvImport failed;
    failed.problem = "Row " + std::to_string(table.error_line) + ": " + table.error;
    failed.problem_line = table.error_line;
    return failed;
  }
  return TableImport(table, layout, source_name).Run();
}

}  // namespace quorel
