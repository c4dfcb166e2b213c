// The File menu's entries for spreadsheet tables: a problem imported from a
// CSV file (with its preview), the imported problem kept as a data file, and
// the coordinates exported as CSV.
#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "input/csv_import_command.h"
#include "output/csv_export.h"
#include "output/save_commands.h"
#include "ui/csv_import_form.h"
#include "ui/main_form.h"

namespace quorel {
namespace {

constexpr const char* kDefaultCoordinatesFile = "QuorelCoordinates.csv";

// The entry of `menu` that follows `action`, for inserting before it.
QAction* EntryAfter(QMenu* menu, QAction* action) {
  const QList<QAction*> entries = menu->actions();
  qsizetype k = entries.indexOf(action);
  return k >= 0 && k + 1 < entries.size() ? entries[k + 1] : nullptr;
}

QAction* NewEntry(QMenu* menu, const QString& caption, const QString& name, QAction* before) {
  auto* action = new QAction(caption, menu);
  action->setObjectName(name);
  menu->insertAction(before, action);
  return action;
}

}  // namespace

void MainForm::CreateExchangeMenus() {
  QAction* import_csv = NewEntry(mnuFile, "&Import CSV ...", "mnuImportCsv",
                                 EntryAfter(mnuFile, mnuReadSpecialCaseFile));
  QAction* save_imported = NewEntry(mnuFile, "Save I&mported Problem As ...", "mnuSaveImportedAs",
                                    mnuSaveSettingsAsDefaults);
  QAction* export_csv = NewEntry(mnuFile, "&Export Coordinates (CSV) ...", "mnuExportCoordinates",
                                 mnuSaveSettingsAsDefaults);
  connect(import_csv, &QAction::triggered, this, [this] { ImportCsvCommand(); });
  connect(save_imported, &QAction::triggered, this, [this] { SaveImportedProblemCommand(); });
  connect(export_csv, &QAction::triggered, this, [this] { ExportCoordinatesCommand(); });
  connect(mnuFile, &QMenu::aboutToShow, this,
          [this, save_imported] { save_imported->setEnabled(ImportedProblemLoaded()); });
}

bool MainForm::ImportedProblemLoaded() const {
  const std::string& folder = scratch_.Path();
  return s_.prob.NObjects > 0 && !folder.empty() && s_.set.DataFileName.rfind(folder, 0) == 0;
}

void MainForm::ImportCsvCommand() {
  QString chosen = AskFileName("Import CSV", QString(), false, kCsvFiles);
  if (chosen.isEmpty()) return;
  const std::string csv_path = chosen.toStdString();
  std::string text;
  std::string error;
  if (!ReadWholeFile(csv_path, text, error)) {
    platform_.ShowMessage(error);
    return;
  }
  CsvImportForm form(std::move(text), QFileInfo(chosen).fileName().toStdString(), this);
  const bool accepted = form.exec() == QDialog::Accepted;
  EnableTimer1();
  if (!accepted) return;
  if (scratch_.Create().empty()) {
    platform_.ShowMessage("No temporary folder could be made for the imported problem.");
    return;
  }
  const std::string data_path = ImportedDataFilePath(scratch_.Path(), csv_path);
  const std::string data_text = form.Import().text;
  Command([&] { LoadImportedProblem(s_, platform_, data_text, data_path); });
  ProblemLoaded();
}

void MainForm::SaveImportedProblemCommand() {
  if (!ImportedProblemLoaded()) return;
  const std::string imported = s_.set.DataFileName;
  QString initial = QFileInfo(QString::fromStdString(imported)).fileName();
  QString chosen = AskFileName("Save Imported Problem As", initial, true);
  if (chosen.isEmpty()) return;
  Command([&] { SaveImportedProblemAs(s_, platform_, imported, chosen.toStdString()); });
}

void MainForm::ExportCoordinatesCommand() {
  if (!CheckSolutionToSave(s_, platform_)) return;
  QString chosen = AskFileName("Export Coordinates", kDefaultCoordinatesFile, true, kCsvFiles);
  if (chosen.isEmpty()) return;
  Command([&] { ExportCoordinates(s_, platform_, chosen.toStdString()); });
}

}  // namespace quorel
