#include "ui/csv_import_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace quorel {
namespace {

constexpr int kPreviewRows = 12;
constexpr int kPreviewColumns = 10;
const QColor kProblemCell(255, 200, 200);

// Combo box entries in the order of the enums.
constexpr CsvKind kKinds[] = {CsvKind::kDissimilarities, CsvKind::kSimilarities,
                              CsvKind::kAttributes};
constexpr CsvSeparator kSeparators[] = {CsvSeparator::kComma, CsvSeparator::kSemicolon,
                                        CsvSeparator::kTab};

template <class T, size_t N>
int IndexOf(const T (&values)[N], T value) {
  return static_cast<int>(std::find(values, values + N, value) - values);
}

}  // namespace

CsvImportForm::CsvImportForm(std::string text, std::string source_name, QWidget* parent)
    : QDialog(parent), text_(std::move(text)), source_name_(std::move(source_name)) {
  setObjectName("CsvImportForm");
  setWindowTitle("Import CSV - " + QString::fromStdString(source_name_));

  cboKind_ = new QComboBox(this);
  cboKind_->setObjectName("cboKind");
  cboKind_->addItems({"Dissimilarities", "Similarities", "Attributes (objects in rows)"});
  cboSeparator_ = new QComboBox(this);
  cboSeparator_->setObjectName("cboSeparator");
  cboSeparator_->addItems({"Comma", "Semicolon", "Tab"});
  chkHeaderRow_ = new QCheckBox("The first row holds names", this);
  chkHeaderRow_->setObjectName("chkHeaderRow");
  chkNameColumn_ = new QCheckBox("The first column holds names", this);
  chkNameColumn_->setObjectName("chkNameColumn");

  grdPreview_ = new QTableWidget(this);
  grdPreview_->setObjectName("grdPreview");
  grdPreview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdPreview_->setSelectionMode(QAbstractItemView::NoSelection);
  grdPreview_->setToolTip("The first rows of the file, numbered by their lines.");
  lblSummary_ = new QLabel(this);
  lblSummary_->setObjectName("lblSummary");
  lblProblem_ = new QLabel(this);
  lblProblem_->setObjectName("lblProblem");
  lblProblem_->setWordWrap(true);
  lblProblem_->setStyleSheet("color: #b00000;");

  cmdOK_ = new QPushButton("OK", this);
  cmdOK_->setObjectName("cmdOK");
  cmdOK_->setToolTip("Load the table as the current problem.");
  cmdOK_->setDefault(true);
  auto* cmdCancel = new QPushButton("Cancel", this);
  cmdCancel->setObjectName("cmdCancel");
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* choices = new QFormLayout;
  choices->addRow("The values are:", cboKind_);
  choices->addRow("Cells are separated by:", cboSeparator_);
  choices->addRow(chkHeaderRow_);
  choices->addRow(chkNameColumn_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK_);
  buttons->addWidget(cmdCancel);
  auto* column = new QVBoxLayout(this);
  column->addLayout(choices);
  column->addWidget(grdPreview_, 1);
  column->addWidget(lblSummary_);
  column->addWidget(lblProblem_);
  column->addLayout(buttons);

  ReadTable(DetectSeparator(text_));
  connect(cboSeparator_, &QComboBox::activated, this,
          [this](int index) { ReadTable(kSeparators[index]); });
  connect(cboKind_, &QComboBox::activated, this, [this](int index) {
    layout_.kind = kKinds[index];
    BuildImport();
  });
  connect(chkHeaderRow_, &QCheckBox::toggled, this, [this](bool on) {
    layout_.header_row = on;
    BuildImport();
  });
  connect(chkNameColumn_, &QCheckBox::toggled, this, [this](bool on) {
    layout_.name_column = on;
    BuildImport();
  });
  resize(sizeHint().expandedTo(QSize(640, 480)));
}

void CsvImportForm::ShowLayout() {
  QSignalBlocker kind(cboKind_), separator(cboSeparator_), header(chkHeaderRow_),
      names(chkNameColumn_);
  cboKind_->setCurrentIndex(IndexOf(kKinds, layout_.kind));
  cboSeparator_->setCurrentIndex(IndexOf(kSeparators, layout_.separator));
  chkHeaderRow_->setChecked(layout_.header_row);
  chkNameColumn_->setChecked(layout_.name_column);
}

// The table as `separator` cuts it, with the names and the kind guessed
// again from it.
void CsvImportForm::ReadTable(CsvSeparator separator) {
  table_ = ParseCsv(text_, separator);
  layout_ = GuessCsvLayout(table_, separator);
  ShowLayout();
  BuildImport();
}

void CsvImportForm::BuildImport() {
  import_ = ImportCsvTable(table_, layout_, source_name_);
  const bool ok = import_.problem.empty();
  lblSummary_->setText("Found: " + QString::fromLatin1(import_.summary.c_str()));
  lblSummary_->setVisible(ok);
  lblProblem_->setText(QString::fromLatin1(import_.problem.c_str()));
  lblProblem_->setVisible(!ok);
  cmdOK_->setEnabled(ok);
  FillPreview();
}

// The first rows and columns as the separator cuts them; the cells that
// hold names are shown in bold, the cell of the problem on red.
void CsvImportForm::FillPreview() {
  const auto& rows = table_.rows;
  const int shown_rows = std::min<int>(kPreviewRows, rows.size());
  int widest = 0;
  for (int r = 0; r < shown_rows; ++r) widest = std::max<int>(widest, rows[r].cells.size());
  const int shown_columns = std::min(kPreviewColumns, widest);
  grdPreview_->clear();
  grdPreview_->setRowCount(shown_rows);
  grdPreview_->setColumnCount(shown_columns);
  QFont bold = grdPreview_->font();
  bold.setBold(true);
  for (int r = 0; r < shown_rows; ++r) {
    grdPreview_->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(rows[r].line)));
    const auto& cells = rows[r].cells;
    for (int c = 0; c < shown_columns; ++c) {
      auto* item = new QTableWidgetItem(
          c < static_cast<int>(cells.size()) ? QString::fromLatin1(cells[c].c_str()) : QString());
      if ((r == 0 && layout_.header_row) || (c == 0 && layout_.name_column)) item->setFont(bold);
      if (rows[r].line == import_.problem_line && c + 1 == import_.problem_column)
        item->setBackground(kProblemCell);
      grdPreview_->setItem(r, c, item);
    }
  }
  grdPreview_->resizeColumnsToContents();
}

}  // namespace quorel
