// The program's main window: the map, the control panel, the run buttons
// and the menu bar.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "model/field_view.h"
#include "model/scratch_folder.h"
#include "model/session.h"
#include "model/view_options.h"
#include "output/edit_commands.h"
#include "ui/file_dialog_filter.h"
#include "ui/picture_export.h"
#include "ui/qt_platform.h"

class QAction;
class QCheckBox;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QTimer;

namespace quorel {

class EvaluationForm;
class MapScene;
class MapView;
class MapMouse;
class OnlineButton;
class SolverDriver;
struct MapMouseEvent;

class MainForm : public QMainWindow, public FieldHost {
  Q_OBJECT

 public:
  MainForm(Session& session, QtPlatform& platform);
  ~MainForm() override;

  Platform& platform() { return platform_; }
  MapScene* map() { return map_; }
  MapMouse* mouse() { return mouse_.get(); }
  SolverDriver* driver() { return driver_; }
  FieldView* field() { return field_.get(); }

  // Loads the start-up problem named in the settings (a data file or a
  // special case); nothing when it names neither.
  void LoadStartupProblem();
  // Shows the window for a newly loaded problem: circles, layout, first
  // placement, control panel.
  void ProblemLoaded();

  // File dialogs can be answered without showing them: the hook returns the
  // chosen path, or an empty text for Cancel.
  std::function<QString(const QString& caption, const QString& initial, bool save)>
      file_dialog_hook;
  // The special-case dialog likewise: returns false for Cancel.
  std::function<bool()> special_case_dialog_hook;

  // Shows the captions and labels of the session again (deferred while the
  // solver runs, then shown on the next display frame).
  void RefreshCaptions();
  // Runs a command of the core and then what every command needs: the
  // solver driven when the command asked for a run, captions shown.
  void Command(const std::function<void()>& command);
  // Places the controls, lays out the map and (with a problem) places the
  // objects again.
  void LayOutForm();
  void ArrangeOnlineButtons();
  void FillAttributeLists();
  // Enables Timer1 unless a run is in progress (after a dialog closed).
  void EnableTimer1();

  // The window's side of the field views.
  void ShowFieldMode(bool on) override;
  void ShowFieldTool(FieldTool tool) override;
  void AnimateMirror() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Menu entries and controls, named as the program names them (tests find
  // them by these object names).
  QAction *mnuReadDataFile = nullptr, *mnuReadSpecialCaseFile = nullptr, *mnuSave = nullptr,
          *mnuSaveAs = nullptr, *mnuSaveAbbreviated = nullptr, *mnuSaveSettingsAsDefaults = nullptr,
          *mnuClear = nullptr, *mnuPrinterWindows = nullptr, *mnuExit = nullptr;
  QAction* mnuExportMap = nullptr;
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

  QWidget* formArea = nullptr;
  QLabel* lblStartUpMsg = nullptr;
  QFrame* frameBottomControlGroup = nullptr;
  QPushButton *cmdStart = nullptr, *cmdStop = nullptr, *cmdContinue = nullptr, *cmdField = nullptr,
              *cmdExit = nullptr;
  OnlineButton* cmdJiggle = nullptr;
  QCheckBox *chkAutoRepeat = nullptr, *chkAutoStop = nullptr;
  QFrame* frameOnlineControls = nullptr;
  OnlineButton *cmdMDSType = nullptr, *cmdBadnessFns = nullptr, *cmdAttributeFns = nullptr,
               *cmdDimensions = nullptr, *cmdBoundary = nullptr, *cmdDegrade = nullptr,
               *cmdDistanceFns = nullptr, *cmdMappingWtFns = nullptr;
  QLabel *lblObjFn = nullptr, *lblObjFnValue = nullptr, *lblBestObjFnValue = nullptr;
  QLabel *lblProvidedMsg = nullptr, *lblProvidedSubMsg = nullptr, *lblInitialPositionsMsg = nullptr;
  QGroupBox *frameActiveAttribs = nullptr, *frameParkedAttribs = nullptr;
  QListWidget *lstActiveAttributes = nullptr, *lstParkedAttributes = nullptr;
  QTimer* Timer1 = nullptr;
  // The status bar: the run's state and sweep count and the problem loaded,
  // with the path of a file just written shown for a moment.
  QLabel *stsRunState = nullptr, *stsSweeps = nullptr, *stsProblem = nullptr;

  void CreateMenus();
  void NameMenuEntries();
  void CreateControls();
  void CreateControlPanel();
  void CreateLabels();
  void CreateAttributeFrames();
  void CreateStatusBar();
  void ShowStatus();
  void CreateMap();
  void CreateFieldControls();
  void ConnectFieldControls();
  void PlaceFieldControls();
  void AdvanceMirrorFrame();
  // Leaves the field views (as the close button does) before a new problem
  // replaces the one on the map.
  void EndFieldMode();
  void ConnectCommands();
  void ConnectMenus();
  void ConnectAnalysisMenus();
  // Shows a dialog of the Analysis Parameters menu modally; afterwards the
  // captions of the buttons it concerns are rewritten and, unless a run is
  // in progress, the map relabelled.
  void ShowAnalysisDialog(QDialog& form, const std::function<void()>& rewrite_captions);
  void ConnectEditMenus();
  void ConnectPlatform();
  void SizeAndCentre();
  void ApplyCaptionsNow();
  void ShowRunLabels();
  void ShowProblemControls();
  void EnableProblemMenus();
  bool KeyFilter(QObject* watched, QEvent* event);
  bool HandleShortcut(int key_char);
  void RecordKeyDown(Qt::KeyboardModifiers mods);
  void Focus(FocusTarget target);

  // Menu commands.
  void ReadDataFileCommand();
  void SpecialCaseCommand();
  void SaveCommand(bool long_format, bool always_ask);
  void PrintWindow();
  void ClearCommand();
  enum class EvaluationWindow { kObjects, kLinks, kAttributes };
  // Stops a running solver and shows the evaluation window modally.
  void OpenEvaluationWindow(EvaluationWindow which);
  void ViewOptionsCommand();
  // OK of the view options: the settings, then the circles restyled and
  // re-placed about their centres, the guides and the canvas.
  void ApplyViewOptions(const ViewChoices& choices);
  void EditFileCommand(EditCommand command);
  QString AskFileName(const QString& caption, const QString& initial, bool save,
                      const FileDialogKind& kind = kDataFiles);
  // File > Export Map, or the Export button of the evaluation window
  // `window`: asks what to export, in which format and where, then draws the
  // map or the plot as it stands and writes it.
  void ExportPictureCommand(const EvaluationForm* window);
  QString InitialDataFileName() const;
  // File menu entries for CSV tables and imported problems.
  void CreateExchangeMenus();
  void ImportCsvCommand();
  void SaveImportedProblemCommand();
  void ExportCoordinatesCommand();
  bool ImportedProblemLoaded() const;

  Session& s_;
  QtPlatform& platform_;
  MapScene* map_ = nullptr;
  MapView* view_ = nullptr;
  std::unique_ptr<FieldView> field_;
  std::unique_ptr<MapMouse> mouse_;
  QFrame* frameFieldControls = nullptr;
  QPushButton *cmdZoom = nullptr, *cmdMove = nullptr, *cmdRotate = nullptr, *cmdMirror = nullptr,
              *cmdFieldClose = nullptr;
  QTimer* mirror_timer_ = nullptr;
  SolverDriver* driver_ = nullptr;
  PictureChoice picture_choice_;
  // Holds the data files of imported problems while the program runs.
  ScratchFolder scratch_;
  bool captions_pending_ = false;
  bool closing_ = false;
};

}  // namespace quorel
