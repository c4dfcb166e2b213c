// The menu tree of the main window.
#include <QMenuBar>

#include "ui/main_form.h"

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

  // Entries whose windows are not part of this build stay visible but
  // disabled.
  for (QAction* later : {mnuReadDataFile,
                         mnuReadSpecialCaseFile,
                         mnuSave,
                         mnuSaveAs,
                         mnuSaveAbbreviated,
                         mnuPrinterWindows,
                         mnuEditOnlineHelpFile,
                         mnuEditActiveDataFile,
                         mnuSavedSolutionFile,
                         mnuSavedSolutionShortFile,
                         mnuBestSolutionFile,
                         mnuView,
                         mnuMDSTypeAndErrBounds,
                         mnuDistanceAndBadnessFns,
                         mnuBoundaryDimensions,
                         mnuMappingWtFns,
                         mnuPrecision,
                         mnuAttributeFns,
                         mnuObjects,
                         mnuLinks,
                         mnuAttributes,
                         mnuConvergence,
                         mnuSpecialCases,
                         mnuOnlineHelp,
                         mnuReadManual,
                         mnuEmailTamsel})
    later->setEnabled(false);
}

}  // namespace quorel
