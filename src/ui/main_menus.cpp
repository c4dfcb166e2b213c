// The menu tree of the main window and the commands of the File menu.
#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>

#include "cases/special_case_command.h"
#include "input/load_command.h"
#include "model/captions.h"
#include "model/defaults_file.h"
#include "model/program_files.h"
#include "output/save_commands.h"
#include "ui/convergence_form.h"
#include "ui/file_dialog_filter.h"
#include "ui/main_form.h"
#include "ui/map_scene.h"
#include "ui/special_cases_form.h"

namespace quorel {

void MainForm::CreateMenus() {
  QMenuBar* bar = menuBar();

  mnuFile = bar->addMenu("&File    ");
  mnuReadDataFile = mnuFile->addAction("Load Data From a Text &File         ");
  mnuReadSpecialCaseFile = mnuFile->addAction("Load Data From a Special &Case ");
  mnuFile->addSeparator();
  mnuSave = mnuFile->addAction("&Save Solution (Long Format)          ");
  mnuSaveAs = mnuFile->addAction("Save Solution &As ... (Long Format)");
  mnuSaveAbbreviated = mnuFile->addAction("Save Solution (Sho&rt Format)         ");
  mnuExportMap = mnuFile->addAction("Expor&t Map ...");
  mnuExportMap->setObjectName("mnuExportMap");
  mnuSaveSettingsAsDefaults = mnuFile->addAction("Save Current Settings as &Defaults    ");
  mnuFile->addSeparator();
  mnuClear = mnuFile->addAction("Reload &Original Default Values");
  mnuFile->addSeparator();
  mnuPrinterWindows = mnuFile->addAction("&Print Screen (Std. Windows)");
  mnuFile->addSeparator();
  mnuExit = mnuFile->addAction("E&xit");

  mnuEdit = bar->addMenu("&Edit    ");
  mnuEditOnlineHelpFile = mnuEdit->addAction("Edit &Help File");
  mnuEditActiveDataFile = mnuEdit->addAction("Edit Data &Input File");
  mnuSavedSolutionFile = mnuEdit->addAction("Edit Saved Solution (&Long) File");
  mnuSavedSolutionShortFile = mnuEdit->addAction("Edit Saved Solution (&Short) File");
  mnuBestSolutionFile = mnuEdit->addAction("Edit &Best Solution File");

  mnuView = bar->addAction("&View    ");

  mnuAnalysis = bar->addMenu("&Analysis Parameters      ");
  mnuMDSTypeAndErrBounds = mnuAnalysis->addAction("MDS &Types and Error Bounds ...");
  mnuDistanceAndBadnessFns = mnuAnalysis->addAction("&Objective Functions ...");
  mnuBoundaryDimensions = mnuAnalysis->addAction("&Dimensions and Boundaries ...");
  mnuMappingWtFns = mnuAnalysis->addAction("&Mapping Weights ...");
  mnuPrecision = mnuAnalysis->addAction("&Precision Degradation ...");
  mnuAttributeFns = mnuAnalysis->addAction("Attri&butes    ");

  mnuEvaluation = bar->addMenu("Ma&p Evaluation     ");
  mnuObjects = mnuEvaluation->addAction("&Objects ...");
  mnuLinks = mnuEvaluation->addAction("&Links ...");
  mnuAttributes = mnuEvaluation->addAction("&Attributes ...");

  mnuConvergence = bar->addAction("Co&nvergence    ");
  mnuSpecialCases = bar->addAction("Special &Cases    ");

  mnuHelp = bar->addMenu("&Help");
  mnuHelpSources = mnuHelp->addMenu("&Help Sources ...");
  mnuOnlineHelp = mnuHelpSources->addAction("Read the Brief Online Help &File ...           F1");
  mnuReadManual = mnuHelpSources->addAction("Read the Offline Quorel Manual");
  mnuEmailTamsel = mnuHelpSources->addAction("Last Resort: Email the Quorel team");
  CreateExchangeMenus();

  NameMenuEntries();

  // The map's picture and the evaluation windows stay visible but disabled
  // until a problem is loaded.
  for (QAction* later : {mnuExportMap, mnuObjects, mnuLinks, mnuAttributes})
    later->setEnabled(false);
  // Until a problem with attributes is loaded (see ApplyCaptionsNow).
  mnuAttributeFns->setEnabled(false);
}

void MainForm::NameMenuEntries() {
  const std::pair<QObject*, const char*> entries[] = {
      {mnuFile, "mnuFile"},
      {mnuReadDataFile, "mnuReadDataFile"},
      {mnuReadSpecialCaseFile, "mnuReadSpecialCaseFile"},
      {mnuSave, "mnuSave"},
      {mnuSaveAs, "mnuSaveAs"},
      {mnuSaveAbbreviated, "mnuSaveAbbreviated"},
      {mnuSaveSettingsAsDefaults, "mnuSaveSettingsAsDefaults"},
      {mnuClear, "mnuClear"},
      {mnuPrinterWindows, "mnuPrinterWindows"},
      {mnuExit, "mnuExit"},
      {mnuEdit, "mnuEdit"},
      {mnuEditOnlineHelpFile, "mnuEditOnlineHelpFile"},
      {mnuEditActiveDataFile, "mnuEditActiveDataFile"},
      {mnuSavedSolutionFile, "mnuSavedSolutionFile"},
      {mnuSavedSolutionShortFile, "mnuSavedSolutionShortFile"},
      {mnuBestSolutionFile, "mnuBestSolutionFile"},
      {mnuView, "mnuView"},
      {mnuAnalysis, "mnuAnalysis"},
      {mnuMDSTypeAndErrBounds, "mnuMDSTypeAndErrBounds"},
      {mnuDistanceAndBadnessFns, "mnuDistanceAndBadnessFns"},
      {mnuBoundaryDimensions, "mnuBoundaryDimensions"},
      {mnuMappingWtFns, "mnuMappingWtFns"},
      {mnuPrecision, "mnuPrecision"},
      {mnuAttributeFns, "mnuAttributeFns"},
      {mnuEvaluation, "mnuEvaluation"},
      {mnuObjects, "mnuObjects"},
      {mnuLinks, "mnuLinks"},
      {mnuAttributes, "mnuAttributes"},
      {mnuConvergence, "mnuConvergence"},
      {mnuSpecialCases, "mnuSpecialCases"},
      {mnuHelp, "mnuHelp"},
      {mnuHelpSources, "mnuHelpSources"},
      {mnuOnlineHelp, "mnuOnlineHelp"},
      {mnuReadManual, "mnuReadManual"},
      {mnuEmailTamsel, "mnuEmailTamsel"},
  };
  for (const auto& [entry, name] : entries) entry->setObjectName(name);
}

void MainForm::ConnectMenus() {
  connect(mnuExit, &QAction::triggered, cmdExit, &QPushButton::click);
  connect(mnuReadDataFile, &QAction::triggered, this, [this] { ReadDataFileCommand(); });
  connect(mnuReadSpecialCaseFile, &QAction::triggered, this, [this] { SpecialCaseCommand(); });
  connect(mnuSpecialCases, &QAction::triggered, this, [this] { SpecialCaseCommand(); });
  connect(mnuSave, &QAction::triggered, this, [this] { SaveCommand(true, false); });
  connect(mnuSaveAs, &QAction::triggered, this, [this] { SaveCommand(true, true); });
  connect(mnuSaveAbbreviated, &QAction::triggered, this, [this] { SaveCommand(false, false); });
  connect(mnuSaveSettingsAsDefaults, &QAction::triggered, this, [this] {
    // Writing the file plays the click sound.
    Command([this] { SaveDefaults(s_, platform_); });
  });
  connect(mnuClear, &QAction::triggered, this, [this] { ClearCommand(); });
  connect(mnuPrinterWindows, &QAction::triggered, this, [this] { PrintWindow(); });
  connect(mnuExportMap, &QAction::triggered, this, [this] { ExportPictureCommand(nullptr); });
  connect(mnuView, &QAction::triggered, this, [this] { ViewOptionsCommand(); });
  connect(mnuObjects, &QAction::triggered, this,
          [this] { OpenEvaluationWindow(EvaluationWindow::kObjects); });
  connect(mnuLinks, &QAction::triggered, this,
          [this] { OpenEvaluationWindow(EvaluationWindow::kLinks); });
  connect(mnuAttributes, &QAction::triggered, this,
          [this] { OpenEvaluationWindow(EvaluationWindow::kAttributes); });
  connect(mnuConvergence, &QAction::triggered, this, [this] {
    ConvergenceOptionsForm form(s_, this);
    form.exec();
    Command([] {});
    EnableTimer1();
  });
  ConnectAnalysisMenus();
  ConnectEditMenus();
}

QString MainForm::AskFileName(const QString& caption, const QString& initial, bool save,
                              const FileDialogKind& kind) {
  if (file_dialog_hook) return file_dialog_hook(caption, initial, save);
  QFileDialog dialog(this, caption);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  QStringList filters = QtNameFilters(kind.filter);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.value(kind.filter_index - 1));
  if (save) dialog.setDefaultSuffix(kind.default_suffix);
  dialog.selectFile(initial);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

// The data file the open dialog starts with: a plain name that is not in
// the current folder is looked for among the program's own files, where an
// installed program keeps its example.
QString MainForm::InitialDataFileName() const {
  const std::string& name = s_.set.DataFileName;
  QString as_given = QString::fromStdString(name);
  if (name.empty() || name.find('/') != std::string::npos || QFileInfo::exists(as_given))
    return as_given;
  QString program_file = QString::fromStdString(ProgramFilePath(s_, name));
  return QFileInfo::exists(program_file) ? program_file : as_given;
}

void MainForm::ReadDataFileCommand() {
  if (!s_.ui.ReadWithoutDialog) {
    QString chosen = AskFileName("Open", InitialDataFileName(), false);
    if (chosen.isEmpty()) return;
    s_.set.DataFileName = chosen.toStdString();
  }
  EndFieldMode();
  Command([this] { LoadDataFileCommand(s_, platform_); });
  s_.ui.ReadWithoutDialog = false;
  ProblemLoaded();
}

void MainForm::SpecialCaseCommand() {
  bool accepted = false;
  if (special_case_dialog_hook) {
    accepted = special_case_dialog_hook();
  } else {
    SpecialCasesForm form(s_, this);
    accepted = form.exec() == QDialog::Accepted;
  }
  EnableTimer1();
  if (!accepted) return;
  EndFieldMode();
  Command([this] { RunSpecialCaseCommand(s_, platform_); });
  ProblemLoaded();
}

void MainForm::SaveCommand(bool long_format, bool always_ask) {
  std::string& name = long_format ? s_.set.SolnLongFileName : s_.set.SolnShortFileName;
  if (always_ask) {
    if (!CheckSolutionToSave(s_, platform_)) return;
    QString chosen = AskFileName("Save As", QString::fromStdString(name), true);
    if (chosen.isEmpty()) return;
    Command([this, chosen] { SaveSolutionAsCommand(s_, platform_, chosen.toStdString()); });
    return;
  }
  SaveOutcome outcome = SaveSolutionCommand(s_, platform_, long_format);
  if (outcome != SaveOutcome::kNeedsFileName) return;
  QString chosen = AskFileName("Save As", QString::fromStdString(name), true);
  if (chosen.isEmpty()) return;
  name = chosen.toStdString();
  Command([this, long_format] { SaveSolutionCommand(s_, platform_, long_format); });
}

void MainForm::ClearCommand() {
  EndFieldMode();
  Command([this] { ClearToBuiltInDefaults(s_, platform_); });
  ProblemLoaded();
  Focus(FocusTarget::cmdExit);
}

void MainForm::PrintWindow() {
  PrintWidget(this);
}

}  // namespace quorel
