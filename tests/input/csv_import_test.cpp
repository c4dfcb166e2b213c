// CSV tables as problems: the data file text an import builds must give, read
// through the data file reader, the same problem as the equivalent data file;
// each malformed table is refused with its row and column.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "input/csv_import_command.h"
#include "input/data_file_reader.h"
#include "output/csv_export.h"
#include "output/solution_writer.h"
#include "support/fake_platform.h"
#include "support/temp_path.h"

namespace quorel {
namespace {

std::string Data(const std::string& name) {
  return std::string(QUOREL_TEST_DATA) + "/" + name;
}

std::unique_ptr<Session> ReadFile(const std::string& path, testing::FakePlatform& fake) {
  auto s = std::make_unique<Session>();
  s->set.DataFileName = path;
  ReadDataFile(*s, fake);
  return s;
}

CsvImport Import(const std::string& csv, std::optional<CsvKind> kind = {}) {
  CsvLayout layout = DetectCsvLayout(csv);
  if (kind) layout.kind = *kind;
  return ImportCsvTable(ParseCsv(csv, layout.separator), layout, "table.csv");
}

// The import read through the data file reader.
std::unique_ptr<Session> ReadImport(const CsvImport& import) {
  EXPECT_EQ(import.problem, "");
  std::string path = testing::TempPath("quorel_csv_import.txt").string();
  std::ofstream(path, std::ios::binary) << import.text;
  testing::FakePlatform fake;
  auto s = ReadFile(path, fake);
  EXPECT_TRUE(fake.messages.empty()) << fake.messages.front();
  return s;
}

std::unique_ptr<Session> ImportAndRead(const std::string& csv, std::optional<CsvKind> kind = {}) {
  return ReadImport(Import(csv, kind));
}

void ExpectSameProblem(const Session& a, const Session& b, bool names = true) {
  ASSERT_EQ(a.prob.NObjects, b.prob.NObjects);
  ASSERT_GT(a.prob.NObjects, 0);
  EXPECT_EQ(a.set.DegradeNum, b.set.DegradeNum);
  for (int i = 1; i <= a.prob.NObjects; ++i) {
    if (names) {
      EXPECT_EQ(a.prob.ObjName[i], b.prob.ObjName[i]);
    }
    for (int j = 1; j <= a.prob.NObjects; ++j) {
      EXPECT_NEAR(a.prob.Dissim(i, j), b.prob.Dissim(i, j), 1e-6) << i << "," << j;
      EXPECT_EQ(a.prob.DissimMissing(i, j), b.prob.DissimMissing(i, j));
    }
  }
}

const int kCapitals[6][6] = {{0, 3313, 2963, 3175, 3339, 2762}, {3313, 0, 1318, 1326, 1294, 1498},
                             {2963, 1318, 0, 204, 583, 206},    {3175, 1326, 204, 0, 460, 409},
                             {3339, 1294, 583, 460, 0, 785},    {2762, 1498, 206, 409, 785, 0}};

enum class Form { kSquare, kLowerWithDiagonal, kLowerWithoutDiagonal, kPaddedLower };

// The capitals' distances in one of the forms spreadsheets and scripts write.
std::string CapitalsCsv(Form form, const std::string& sep, const std::string& line_end = "\n") {
  std::string text;
  for (int i = 0; i < 6; ++i) {
    int last = form == Form::kSquare ? 5 : form == Form::kLowerWithoutDiagonal ? i - 1 : i;
    if (last < 0) continue;
    for (int j = 0; j <= last; ++j) text += (j ? sep : "") + std::to_string(kCapitals[i][j]);
    if (form == Form::kPaddedLower)
      for (int j = i + 1; j < 6; ++j) text += sep;
    text += line_end;
  }
  return text;
}

TEST(CsvImport, CapitalsTableGivesTheProblemOfItsDataFile) {
  testing::FakePlatform fake;
  auto expected = ReadFile(Data("csv_capitals.txt"), fake);
  CsvImport import = ImportCsvFile(Data("csv_capitals.csv"), std::nullopt);
  EXPECT_EQ(import.objects, 6);
  auto imported = ReadImport(import);
  ExpectSameProblem(*expected, *imported);
  // The BOM is gone and the quoted name keeps its comma and its quotes.
  EXPECT_EQ(imported->prob.ObjName[1], "Athens");
  EXPECT_EQ(imported->prob.ObjName[4], "Calais, \"Pas-de-Calais\"");
}

TEST(CsvImport, EveryFormAndSeparatorGivesTheSameMatrix) {
  testing::FakePlatform fake;
  auto expected = ReadFile(Data("csv_capitals.txt"), fake);
  const std::string variants[] = {
      CapitalsCsv(Form::kSquare, ","),
      CapitalsCsv(Form::kLowerWithDiagonal, ",", "\r\n"),
      CapitalsCsv(Form::kLowerWithoutDiagonal, ","),
      CapitalsCsv(Form::kPaddedLower, ";"),
      CapitalsCsv(Form::kSquare, "\t", "\r"),
      "Athens\nB,3313\nC,2963,1318\nD,3175,1326,204\nE,3339,1294,583,460\n"
      "F,2762,1498,206,409,785\n",
  };
  for (const std::string& csv : variants) {
    SCOPED_TRACE(csv);
    ExpectSameProblem(*expected, *ImportAndRead(csv), false);
  }
}

TEST(CsvImport, DecimalCommaAndMissingValues) {
  auto s = ImportAndRead("0;0,5;NA\n0,5;0;2,5\nNA;2,5;0\n");
  ASSERT_EQ(s->prob.NObjects, 3);
  EXPECT_FLOAT_EQ(s->prob.Dissim(2, 1), 0.2f);
  EXPECT_TRUE(s->prob.DissimMissing(3, 1));
  // A row that starts with a missing value is not taken for a name.
  auto lower = ImportAndRead("0\n\n1,0\nNA,2,0\n");
  ASSERT_EQ(lower->prob.NObjects, 3);
  EXPECT_TRUE(lower->prob.DissimMissing(3, 1));
}

TEST(CsvImport, SimilaritiesAndAttributesReachTheReader) {
  auto similar = ImportAndRead("10\n4,10\n2,6,10\n");
  EXPECT_TRUE(similar->prob.ProximitiesAreSimilarities);
  EXPECT_FLOAT_EQ(similar->prob.Dissim(3, 2), 0.4f);

  testing::FakePlatform fake;
  std::string path = testing::TempPath("quorel_csv_attributes.txt").string();
  std::ofstream(path, std::ios::binary)
      << "NOBJECTS=3\nNATTRIBUTES=2\nATTRIBUTELIST\nAlpha 1 2\nBeta 3 NA\nGamma 5 7\n";
  auto expected = ReadFile(path, fake);
  auto imported = ImportAndRead("name,height,weight\nAlpha,1,2\nBeta,3,\nGamma,5,7\n");
  ExpectSameProblem(*expected, *imported);
  EXPECT_EQ(imported->prob.NAttributes, 2);
  EXPECT_TRUE(imported->prob.AttribMissing(2, 2));
}

TEST(CsvImport, ReaderRefusalsStillApply) {
  CsvImport import = Import("x,y\nNA,1\nB,2\n", CsvKind::kAttributes);
  ASSERT_EQ(import.problem, "");
  std::string path = testing::TempPath("quorel_csv_na.txt").string();
  std::ofstream(path, std::ios::binary) << import.text;
  testing::FakePlatform fake;
  EXPECT_EQ(ReadFile(path, fake)->prob.NObjects, 0);
  EXPECT_EQ(fake.LastCode(), "ErrMsgR6B") << "the name NA is reserved";
}

std::string Rows(int rows, int columns) {
  std::string text;
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= columns; ++c)
      text += std::to_string(r * c % 7 + c) + (c < columns ? "," : "");
    text += "\n";
  }
  return text;
}

std::string Triangle(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j < i; ++j) text += std::to_string(i + j) + ",";
    text += "0\n";
  }
  return text;
}

TEST(CsvImport, MalformedTablesNameRowAndColumn) {
  struct Case {
    std::string csv;
    CsvKind kind;
    std::string starts;
  } cases[] = {
      {"0\n1,0\n2,3\n", CsvKind::kDissimilarities, "Row 3, column 3: the row has 2 values"},
      {"0,1,2\n1,0,3\n2,4,0\n", CsvKind::kDissimilarities, "Row 2, column 3: 3 differs from 4"},
      {"0\r\n\r\n1,0\r\n2,x,0\r\n", CsvKind::kDissimilarities, "Row 4, column 2: \"x\" is neither"},
      {"0,1\n1,5\n", CsvKind::kDissimilarities, "Row 2, column 2: the diagonal"},
      {"1,2\n3,4\n5\n", CsvKind::kAttributes, "Row 3, column 2: the row has 1 value "},
      {"0\n\"1,0\n", CsvKind::kDissimilarities, "Row 2: The quotes"},
      {"A\nB,4\nC,2,6\n", CsvKind::kSimilarities, "Row 1, column 2: a similarity matrix needs"},
      {Triangle(1001), CsvKind::kDissimilarities, "Row 1001, column 1: the table has 1001 objects"},
      {Rows(3, 101), CsvKind::kAttributes, "Row 1, column 101: the table has 101 attributes"},
  };
  for (const Case& c : cases) {
    CsvImport import = Import(c.csv, c.kind);
    EXPECT_EQ(import.problem.rfind(c.starts, 0), 0u) << import.problem;
    EXPECT_EQ(import.text, "") << "nothing is loaded";
  }
  EXPECT_EQ(Import(Triangle(1000)).objects, 1000);
  EXPECT_EQ(Import(Rows(3, 100), CsvKind::kAttributes).attributes, 100);
}

TEST(CsvImport, OnlyPlainFilesAreRead) {
  std::string folder = testing::TempPath("quorel_csv_folder.csv").string();
  std::filesystem::create_directories(folder);
  for (const std::string& path : {folder, folder + "/missing.csv"}) {
    CsvImport import = ImportCsvFile(path, std::nullopt);
    EXPECT_EQ(import.problem.rfind(path + " ", 0), 0u) << import.problem;
    EXPECT_EQ(import.text, "");
  }
}

TEST(CsvImport, LayoutIsGuessedFromTheTable) {
  struct Case {
    std::string csv;
    CsvKind kind;
    bool header, names;
    CsvSeparator separator;
  } cases[] = {
      {"\"\",A,B\nA,0,1\nB,1,0\n", CsvKind::kDissimilarities, true, true, CsvSeparator::kComma},
      {"10;4;2\n4;10;6\n2;6;10\n", CsvKind::kSimilarities, false, false, CsvSeparator::kSemicolon},
      {"x\ty\n1\t2\n3\t4\n5\t6\n", CsvKind::kAttributes, true, false, CsvSeparator::kTab},
      {"A,1,2\nB,3,4\nC,5,6\n", CsvKind::kAttributes, false, true, CsvSeparator::kComma},
  };
  for (const Case& c : cases) {
    CsvLayout layout = DetectCsvLayout(c.csv);
    EXPECT_EQ(layout.kind, c.kind) << c.csv;
    EXPECT_EQ(layout.header_row, c.header) << c.csv;
    EXPECT_EQ(layout.name_column, c.names) << c.csv;
    EXPECT_EQ(layout.separator, c.separator) << c.csv;
  }
}

// The coordinates written as CSV read back as the coordinates that the long
// format, read as a data file, gives (to its four decimals).
TEST(CsvExport, CoordinatesReadBackAsInTheLongFormat) {
  testing::FakePlatform fake;
  auto s = ReadFile(Data("csv_capitals.txt"), fake);
  ASSERT_EQ(s->prob.NObjects, 6);
  s->set.DimensionsNum = 3;
  s->run.RunState = kStopped;
  for (int i = 1; i <= 6; ++i)
    for (int d = 1; d <= 3; ++d) s->prob.LocDim[d][i] = 0.9f * std::sin(1.7f * i + d) / d;
  s->prob.ObjParked[5] = 1;
  s->prob.ObjName[2] = "Gen\xE8ve";
  std::string csv_path = testing::TempPath("quorel_coordinates.csv").string();
  std::string long_path = testing::TempPath("quorel_coordinates_long.txt").string();
  ASSERT_TRUE(ExportCoordinates(*s, fake, csv_path));
  ASSERT_TRUE(WriteSolution(*s, fake, long_path, true));
  auto back = ReadFile(long_path, fake);
  ASSERT_EQ(back->prob.NObjects, 6);

  std::string text;
  std::string error;
  ASSERT_TRUE(ReadWholeFile(csv_path, text, error));
  CsvTable table = ParseCsv(text, CsvSeparator::kComma);
  ASSERT_EQ(table.rows.size(), 7u);
  EXPECT_EQ(table.rows[0].cells.size(), 7u) << "number, name, three dimensions, parked, marked";
  for (int i = 1; i <= 6; ++i) {
    const auto& cells = table.rows[i].cells;
    EXPECT_EQ(cells[0], std::to_string(i));
    EXPECT_EQ(cells[1], s->prob.ObjName[i]);
    for (int d = 1; d <= 3; ++d) {
      EXPECT_EQ(std::stof(cells[1 + d]), s->prob.LocDim[d][i]) << "exactly, in shortest form";
      EXPECT_NEAR(std::stof(cells[1 + d]), back->prob.LocDim[d][i], 5.1e-5);
    }
    EXPECT_EQ(cells[5], i == 5 ? "TRUE" : "FALSE");
  }
}

}  // namespace
}  // namespace quorel
