// The wiring of the window's controls to the commands of the core, and the
// display of what the core changed.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include "control/dimensions_boundary.h"
#include "control/online_buttons.h"
#include "control/run_control.h"
#include "control/run_status.h"
#include "prep/attribute_choice.h"
#include "prep/attribute_refresh.h"
#include "ui/main_form.h"
#include "ui/map_mouse.h"
#include "ui/map_scene.h"
#include "ui/map_view.h"
#include "ui/online_button.h"
#include "ui/solver_driver.h"

namespace quorel {

void MainForm::ConnectPlatform() {
  platform_.on_refresh_captions = [this] { RefreshCaptions(); };
  platform_.on_object_moved = [this](int i) { map_->ObjectMoved(i); };
  platform_.on_label_all = [this] { map_->LabelAllObjects(); };
  platform_.on_label_active = [this] { map_->LabelActiveObjects(); };
  platform_.on_clear_canvas = [this] { map_->ClearMapCanvas(); };
  platform_.on_focus = [this](FocusTarget target) { Focus(target); };
  platform_.on_file_saved = [this](const std::string& path) {
    constexpr int kSavedNoteMs = 5000;
    statusBar()->showMessage(QString::fromStdString(SavedFileNote(path)), kSavedNoteMs);
  };

  connect(driver_, &SolverDriver::RunningChanged, this, [this](bool running) {
    map_->SetDeferMoves(running);
    if (!running) ApplyCaptionsNow();
  });
  connect(driver_, &SolverDriver::FrameDue, this, [this] {
    map_->Flush();
    if (captions_pending_) ApplyCaptionsNow();
  });
}

void MainForm::Command(const std::function<void()>& command) {
  if (closing_) return;
  command();
  driver_->Kick();
  if (!driver_->Running() && captions_pending_) ApplyCaptionsNow();
}

void MainForm::ConnectCommands() {
  // The keys held at a button's mouse-down, as each button records them.
  auto shift_only = [this](Qt::KeyboardModifiers mods) {
    s_.ui.RotateBackward = mods & Qt::ShiftModifier;
  };
  auto shift_ctrl = [this](Qt::KeyboardModifiers mods) {
    s_.ui.RotateBackward = mods & Qt::ShiftModifier;
    s_.ui.CtrlDown = mods & Qt::ControlModifier;
  };
  auto shift_ctrl_alt = [this](Qt::KeyboardModifiers mods) {
    s_.ui.RotateBackward = mods & Qt::ShiftModifier;
    s_.ui.CtrlDown = mods & Qt::ControlModifier;
    s_.ui.AltDown = mods & Qt::AltModifier;
  };
  for (OnlineButton* b :
       {cmdDistanceFns, cmdAttributeFns, cmdMappingWtFns, cmdMDSType, cmdDimensions, cmdDegrade})
    b->on_mouse_down = shift_only;
  cmdBadnessFns->on_mouse_down = shift_ctrl;
  cmdBoundary->on_mouse_down = shift_ctrl;
  cmdJiggle->on_mouse_down = shift_ctrl_alt;

  auto wire = [this](QPushButton* button, void (*handler)(Session&, Platform&)) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { Command([this, handler] { handler(s_, platform_); }); });
  };
  wire(cmdMDSType, cmdMDSType_Click);
  wire(cmdBadnessFns, cmdBadnessFns_Click);
  wire(cmdAttributeFns, cmdAttributeFns_Click);
  wire(cmdDimensions, cmdDimensions_Click);
  wire(cmdDegrade, cmdDegrade_Click);
  wire(cmdDistanceFns, cmdDistanceFns_Click);
  wire(cmdMappingWtFns, cmdMappingWtFns_Click);
  connect(cmdStart, &QPushButton::clicked, this, [this] {
    Command([this] {
      cmdStart_Click(s_, platform_);
      // Start clears the map; the parked objects keep their labels.
      for (int i = 1; i <= std::min(s_.prob.NObjects, map_->CircleCount()); ++i)
        if (s_.prob.ObjParked[i]) map_->LabelPass(i);
    });
  });
  wire(cmdStop, cmdStop_Click);
  wire(cmdContinue, cmdContinue_Click);
  wire(cmdJiggle, cmdJiggle_Click);
  connect(cmdBoundary, &QPushButton::clicked, this, [this] {
    Command([this] {
      cmdBoundary_Click(s_, platform_);
      map_->UpdateGuides();
    });
  });
  connect(chkAutoRepeat, &QCheckBox::clicked, this, [this](bool checked) {
    Command([this, checked] { chkAutoRepeat_Click(s_, platform_, checked); });
  });
  connect(chkAutoStop, &QCheckBox::clicked, this, [this](bool checked) {
    Command([this, checked] { chkAutoStop_Click(s_, platform_, checked); });
  });
  connect(cmdExit, &QPushButton::clicked, this, [this] { close(); });
  connect(Timer1, &QTimer::timeout, this,
          [this] { Command([this] { Timer1_Timer(s_, platform_); }); });

  connect(lstActiveAttributes, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) {
            int k = item->text().mid(3).toInt();
            Command([this, k] {
              if (!lstActiveAttributes_DblClick(s_, platform_, k))
                lstActiveAttributes->clearSelection();
            });
            FillAttributeLists();
          });
  connect(lstParkedAttributes, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) {
            int k = item->text().mid(3).toInt();
            Command([this, k] { lstParkedAttributes_DblClick(s_, platform_, k); });
            FillAttributeLists();
          });

  view_->on_mouse_down = [this](const MapMouseEvent& e) {
    Command([&] { mouse_->MouseDown(e.button, e.shift, e.x, e.y); });
  };
  view_->on_mouse_move = [this](const MapMouseEvent& e) {
    Command([&] { mouse_->MouseMove(e.x, e.y); });
  };
  view_->on_mouse_up = [this](const MapMouseEvent& e) {
    Command([&] { mouse_->MouseUp(e.button, e.shift, e.x, e.y); });
  };
  view_->on_double_click = [this] { Command([this] { mouse_->DblClick(); }); };
  mouse_->press_start = [this] {
    cmdStart->setFocus();
    cmdStart->click();
  };
}

void MainForm::Focus(FocusTarget target) {
  QPushButton* button = target == FocusTarget::cmdStart  ? cmdStart
                        : target == FocusTarget::cmdStop ? cmdStop
                                                         : cmdExit;
  if (button->isVisible() && button->isEnabled()) button->setFocus();
}

void MainForm::EnableTimer1() {
  if (s_.run.RunState != kRunning) Timer1->start();
}

void MainForm::RefreshCaptions() {
  captions_pending_ = true;
  if (!driver_->Running()) ApplyCaptionsNow();
}

void MainForm::ApplyCaptionsNow() {
  captions_pending_ = false;
  ShowStatus();
  const Captions& c = s_.captions;
  cmdMDSType->SetCaption(c.cmdMDSType);
  cmdBadnessFns->SetCaption(c.cmdBadnessFns);
  cmdAttributeFns->SetCaption(c.cmdAttributeFns);
  cmdDimensions->SetCaption(c.cmdDimensions);
  cmdBoundary->SetCaption(c.cmdBoundary);
  cmdDegrade->SetCaption(c.cmdDegrade);
  cmdDistanceFns->SetCaption(c.cmdDistanceFns);
  cmdMappingWtFns->SetCaption(c.cmdMappingWtFns);
  auto set = [](QLabel* label, const std::string& text) {
    QString q = QString::fromLatin1(text.c_str());
    if (label->text() != q) label->setText(q);
  };
  set(lblObjFnValue, c.lblObjFnValue);
  set(lblBestObjFnValue, c.lblBestObjFnValue);
  set(lblInitialPositionsMsg, c.lblInitialPositionsMsg);
  set(lblProvidedMsg, s_.prob.Title);
  set(lblProvidedSubMsg, s_.prob.Subtitle);
  QSignalBlocker block_repeat(chkAutoRepeat), block_stop(chkAutoStop);
  chkAutoRepeat->setChecked(s_.set.AutoRepeat);
  chkAutoStop->setChecked(s_.set.AutoStop);
  const bool attributes = AttributeFunctionsAvailable(s_.prob);
  cmdAttributeFns->setEnabled(attributes);
  mnuAttributeFns->setEnabled(attributes);
  ShowRunLabels();
}

// The objective labels show while a run is going on or has stopped; the
// count of loaded objects shows before the first run.
void MainForm::ShowRunLabels() {
  const RunState state = s_.run.RunState;
  bool loaded = s_.prob.NObjects > 0 && ProblemIsLoaded(state);
  bool run = loaded && RunHasBegun(state);
  lblObjFn->setVisible(run);
  lblObjFnValue->setVisible(run);
  lblBestObjFnValue->setVisible(loaded && s_.set.AutoRepeat);
  lblInitialPositionsMsg->setVisible(loaded && state == kLoadedIdle &&
                                     !s_.captions.lblInitialPositionsMsg.empty());
  lblProvidedMsg->setVisible(loaded && !s_.prob.Title.empty());
  lblProvidedSubMsg->setVisible(loaded && !s_.prob.Subtitle.empty());
}

}  // namespace quorel
