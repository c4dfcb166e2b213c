// The window's side of the field views: the tool frame that replaces the run
// buttons, what is hidden while the mode is on, and the mirror's glide at
// the display rate.
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>

#include "ui/main_form.h"
#include "ui/map_mouse.h"
#include "ui/map_scene.h"

namespace quorel {

namespace {

// Display frames a mirror's glide takes, whatever its number of steps.
constexpr int kMirrorFrames = 36;
constexpr int kFrameIntervalMs = 16;

}  // namespace

void MainForm::CreateFieldControls() {
  frameFieldControls = new QFrame(formArea);
  frameFieldControls->setObjectName("frameFieldControls");
  frameFieldControls->setFrameShape(QFrame::StyledPanel);
  frameFieldControls->setAutoFillBackground(true);
  auto* row = new QHBoxLayout(frameFieldControls);
  auto make = [this, row](QPushButton*& button, const char* name, const QString& caption,
                          const QString& tip) {
    button = new QPushButton(caption, frameFieldControls);
    button->setObjectName(name);
    button->setToolTip(tip);
    row->addWidget(button);
  };
  make(cmdZoom, "cmdZoom", "Zoom",
       "Drag away from the centre to enlarge the map, towards it to shrink it.");
  make(cmdMove, "cmdMove", "Move", "Drag to move the whole map.");
  make(cmdRotate, "cmdRotate", "Rotate", "Drag around the centre to rotate the map.");
  make(cmdMirror, "cmdMirror", "Mirror",
       "Click beside the centre to turn the map upside down, above or below it to swap left "
       "and right.");
  make(cmdFieldClose, "cmdFieldClose", "Close", "Leave the field view.");
  for (QPushButton* tool : {cmdZoom, cmdMove, cmdRotate, cmdMirror}) tool->setCheckable(true);
  frameFieldControls->hide();

  mirror_timer_ = new QTimer(this);
  mirror_timer_->setObjectName("mirrorTimer");
  mirror_timer_->setInterval(kFrameIntervalMs);
  mirror_timer_->setTimerType(Qt::PreciseTimer);
}

void MainForm::ConnectFieldControls() {
  const std::pair<QPushButton*, FieldTool> tools[] = {{cmdZoom, FieldTool::kZoom},
                                                      {cmdMove, FieldTool::kMove},
                                                      {cmdRotate, FieldTool::kRotate},
                                                      {cmdMirror, FieldTool::kMirror}};
  for (auto [button, tool] : tools)
    connect(button, &QPushButton::clicked, this,
            [this, tool = tool] { Command([this, tool] { field_->ToggleTool(tool); }); });
  connect(cmdField, &QPushButton::clicked, this,
          [this] { Command([this] { mouse_->EnterFieldMode(); }); });
  connect(cmdFieldClose, &QPushButton::clicked, this,
          [this] { Command([this] { field_->Leave(true); }); });
  connect(mirror_timer_, &QTimer::timeout, this, [this] { AdvanceMirrorFrame(); });
}

void MainForm::PlaceFieldControls() {
  QSize size = frameFieldControls->sizeHint();
  int w = formArea->width();
  int width = std::min(size.width(), w - 8);
  frameFieldControls->setGeometry((w - width) / 2, formArea->height() - size.height() - 6, width,
                                  size.height());
}

void MainForm::ShowFieldMode(bool on) {
  bool attributes = s_.prob.NAttributes > 0;
  frameOnlineControls->setVisible(!on);
  frameActiveAttribs->setVisible(!on && attributes);
  frameParkedAttribs->setVisible(!on && attributes);
  map_->SetParkingVisible(!on);
  map_->ShowParkedCircles(!on);
  frameBottomControlGroup->setVisible(!on);
  frameFieldControls->setVisible(on);
  if (on) {
    PlaceFieldControls();
    cmdFieldClose->setFocus();
  } else {
    mirror_timer_->stop();
  }
}

void MainForm::ShowFieldTool(FieldTool tool) {
  cmdZoom->setChecked(tool == FieldTool::kZoom);
  cmdMove->setChecked(tool == FieldTool::kMove);
  cmdRotate->setChecked(tool == FieldTool::kRotate);
  cmdMirror->setChecked(tool == FieldTool::kMirror);
}

void MainForm::AnimateMirror() {
  mirror_timer_->start();
}

void MainForm::AdvanceMirrorFrame() {
  int per_frame = (field_->Steps() + kMirrorFrames - 1) / kMirrorFrames;
  bool more = false;
  Command([this, per_frame, &more] { more = field_->AdvanceMirror(per_frame); });
  if (!more) mirror_timer_->stop();
}

void MainForm::EndFieldMode() {
  if (s_.map.FieldMode) Command([this] { field_->Leave(true); });
}

}  // namespace quorel
