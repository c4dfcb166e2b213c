// The program's main window: the map, the control panel, the run buttons
// and the menu bar.
#pragma once

#include <QMainWindow>
#include <memory>

#include "model/session.h"
#include "ui/qt_platform.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace quorel {

class MainForm : public QMainWindow {
  Q_OBJECT

 public:
  MainForm(Session& session, QtPlatform& platform);
  ~MainForm() override;

  Platform& platform() { return platform_; }

  // Menu entries, named as the program names them.
  QAction *mnuReadDataFile = nullptr, *mnuReadSpecialCaseFile = nullptr, *mnuSave = nullptr,
          *mnuSaveAs = nullptr, *mnuSaveAbbreviated = nullptr, *mnuSaveSettingsAsDefaults = nullptr,
          *mnuClear = nullptr, *mnuPrinterWindows = nullptr, *mnuExit = nullptr;
  QAction *mnuEditOnlineHelpFile = nullptr, *mnuEditActiveDataFile = nullptr,
          *mnuSavedSolutionFile = nullptr, *mnuSavedSolutionShortFile = nullptr,
          *mnuBestSolutionFile = nullptr;
  QAction* mnuView = nullptr;
  QAction *mnuMDSTypeAndErrBounds = nullptr, *mnuDistanceAndBadnessFns = nullptr,
          *mnuBoundaryDimensions = nullptr, *mnuMappingWtFns = nullptr, *mnuPrecision = nullptr,
          *mnuAttributeFns = nullptr;
  QAction *mnuObjects = nullptr, *mnuLinks = nullptr, *mnuAttributes = nullptr;
  QAction *mnuConvergence = nullptr, *mnuSpecialCases = nullptr;
  QAction *mnuOnlineHelp = nullptr, *mnuReadManual = nullptr, *mnuEmailTamsel = nullptr;
  QMenu *mnuFile = nullptr, *mnuEdit = nullptr, *mnuAnalysis = nullptr, *mnuEvaluation = nullptr,
        *mnuHelp = nullptr, *mnuHelpSources = nullptr;

  // Controls.
  QLabel* lblStartUpMsg = nullptr;
  QFrame* frameBottomControlGroup = nullptr;
  QPushButton *cmdStart = nullptr, *cmdStop = nullptr, *cmdContinue = nullptr, *cmdJiggle = nullptr,
              *cmdField = nullptr, *cmdExit = nullptr;
  QCheckBox *chkAutoRepeat = nullptr, *chkAutoStop = nullptr;

 private:
  void CreateMenus();
  void CreateControls();
  void ConnectCommands();
  void SizeAndCentre();

  Session& s_;
  QtPlatform& platform_;
};

}  // namespace quorel
