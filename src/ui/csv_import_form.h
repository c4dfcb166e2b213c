// The preview of File > Import CSV: what the values are, how the cells are
// separated, whether the first row and column hold names, the first rows of
// the table as read, and the problem found, if any.  OK is offered only for
// a table that gives a problem.
#pragma once

#include <QDialog>
#include <string>

#include "input/csv_import.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace quorel {

class CsvImportForm : public QDialog {
  Q_OBJECT

 public:
  // `text` is the whole CSV file, `source_name` its file name.
  CsvImportForm(std::string text, std::string source_name, QWidget* parent);

  // The import as the dialog shows it: the data file text, or the problem.
  const CsvImport& Import() const { return import_; }

 private:
  void ShowLayout();
  void ReadTable(CsvSeparator separator);
  void BuildImport();
  void FillPreview();

  std::string text_;
  std::string source_name_;
  CsvLayout layout_;
  CsvTable table_;
  CsvImport import_;

  QComboBox* cboKind_ = nullptr;
  QComboBox* cboSeparator_ = nullptr;
  QCheckBox* chkHeaderRow_ = nullptr;
  QCheckBox* chkNameColumn_ = nullptr;
  QTableWidget* grdPreview_ = nullptr;
  QLabel* lblSummary_ = nullptr;
  QLabel* lblProblem_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
};

}  // namespace quorel
