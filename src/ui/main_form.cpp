#include "ui/main_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "model/defaults_file.h"

namespace quorel {

MainForm::MainForm(Session& session, QtPlatform& platform) : s_(session), platform_(platform) {
  platform_.SetParent(this);
  setWindowTitle(QString(" QUOREL ") + VersionText +
                 " - Quorel Using Interactive Multidimensional Scaling");
  s_.ui.RotateBackward = s_.ui.CtrlDown = s_.ui.AltDown = false;
  s_.map.NCirclesLoaded = 0;
  CreateMenus();
  CreateControls();
  ConnectCommands();
  SizeAndCentre();
}

MainForm::~MainForm() = default;

void MainForm::CreateControls() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);

  lblStartUpMsg = new QLabel(
      " QUOREL is ready.  Use the File Menu or the Special Cases Menu to load data.", central);
  lblStartUpMsg->setObjectName("lblStartUpMsg");
  lblStartUpMsg->setAlignment(Qt::AlignCenter);
  column->addWidget(lblStartUpMsg, 1);

  frameBottomControlGroup = new QFrame(central);
  frameBottomControlGroup->setObjectName("frameBottomControlGroup");
  frameBottomControlGroup->setFrameShape(QFrame::StyledPanel);
  auto* row = new QHBoxLayout(frameBottomControlGroup);
  cmdStart = new QPushButton("&Start", frameBottomControlGroup);
  cmdStop = new QPushButton("Sto&p", frameBottomControlGroup);
  cmdContinue = new QPushButton("&Continue", frameBottomControlGroup);
  cmdJiggle = new QPushButton("&Jiggle", frameBottomControlGroup);
  cmdField = new QPushButton("&Field", frameBottomControlGroup);
  cmdExit = new QPushButton("E&xit", frameBottomControlGroup);
  chkAutoRepeat = new QCheckBox("Auto Repeat", frameBottomControlGroup);
  chkAutoStop = new QCheckBox("Auto Stop", frameBottomControlGroup);
  for (QWidget* w : std::initializer_list<QWidget*>{cmdStart, cmdStop, cmdContinue, cmdJiggle,
                                                    cmdField, chkAutoRepeat, chkAutoStop, cmdExit})
    row->addWidget(w);
  cmdStart->setObjectName("cmdStart");
  cmdStop->setObjectName("cmdStop");
  cmdContinue->setObjectName("cmdContinue");
  cmdJiggle->setObjectName("cmdJiggle");
  cmdField->setObjectName("cmdField");
  cmdExit->setObjectName("cmdExit");
  chkAutoRepeat->setChecked(s_.set.AutoRepeat);
  chkAutoStop->setChecked(s_.set.AutoStop);
  for (QWidget* later : std::initializer_list<QWidget*>{cmdStart, cmdStop, cmdContinue, cmdJiggle,
                                                        cmdField, chkAutoRepeat, chkAutoStop})
    later->setEnabled(false);
  column->addWidget(frameBottomControlGroup);
  setCentralWidget(central);
}

void MainForm::ConnectCommands() {
  connect(cmdExit, &QPushButton::clicked, this, [this] { close(); });
  connect(mnuExit, &QAction::triggered, cmdExit, &QPushButton::click);
  connect(mnuSaveSettingsAsDefaults, &QAction::triggered, this,
          [this] { SaveDefaults(s_, platform_); });
  connect(mnuClear, &QAction::triggered, this, [this] { ClearToBuiltInDefaults(s_, platform_); });
}

void MainForm::SizeAndCentre() {
  // 1.2 times as wide as the bottom control group, centred on the screen.
  int width = static_cast<int>(1.2 * frameBottomControlGroup->sizeHint().width());
  resize(std::max(width, 900), 680);
  if (QScreen* screen = QApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
}

}  // namespace quorel
