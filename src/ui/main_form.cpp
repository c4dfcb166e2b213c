#include "ui/main_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "control/run_status.h"
#include "ui/map_mouse.h"
#include "ui/map_scene.h"
#include "ui/map_view.h"
#include "ui/online_button.h"
#include "ui/quorel_application.h"
#include "ui/solver_driver.h"

namespace quorel {

MainForm::MainForm(Session& session, QtPlatform& platform) : s_(session), platform_(platform) {
  platform_.SetParent(this);
  setWindowTitle(QString(" QUOREL ") + VersionText +
                 " - Quorel Using Interactive Multidimensional Scaling");
  s_.ui.RotateBackward = s_.ui.CtrlDown = s_.ui.AltDown = false;
  s_.map.NCirclesLoaded = 0;
  driver_ = new SolverDriver(s_, platform_, this);
  CreateMenus();
  CreateControls();
  ConnectPlatform();
  ConnectCommands();
  ConnectFieldControls();
  ConnectMenus();
  qApp->installEventFilter(this);
  // A fault of the program caught by the application may have broken a run.
  if (auto* app = qobject_cast<QuorelApplication*>(qApp))
    connect(app, &QuorelApplication::internalError, this, [this] { driver_->Abandon(); });
  SizeAndCentre();
}

MainForm::~MainForm() {
  qApp->removeEventFilter(this);
  driver_->Shutdown();
  platform_.on_refresh_captions = nullptr;
  platform_.on_object_moved = nullptr;
  platform_.on_label_all = platform_.on_label_active = platform_.on_clear_canvas = nullptr;
  platform_.on_focus = nullptr;
  platform_.on_file_saved = nullptr;
  platform_.SetParent(nullptr);
}

void MainForm::CreateControls() {
  formArea = new QWidget(this);
  formArea->setObjectName("formArea");
  setCentralWidget(formArea);
  CreateMap();

  lblStartUpMsg = new QLabel(
      " QUOREL is ready.  Use the File Menu or the Special Cases Menu to load data.", formArea);
  lblStartUpMsg->setObjectName("lblStartUpMsg");
  lblStartUpMsg->setAlignment(Qt::AlignCenter);
  lblStartUpMsg->setAttribute(Qt::WA_TransparentForMouseEvents);

  frameBottomControlGroup = new QFrame(formArea);
  frameBottomControlGroup->setObjectName("frameBottomControlGroup");
  frameBottomControlGroup->setFrameShape(QFrame::StyledPanel);
  frameBottomControlGroup->setAutoFillBackground(true);
  auto* row = new QHBoxLayout(frameBottomControlGroup);
  // Access keys that no menu title or control panel heading uses.
  cmdStart = new QPushButton("&Start", frameBottomControlGroup);
  cmdStop = new QPushButton("St&op", frameBottomControlGroup);
  cmdContinue = new QPushButton("Cont&inue", frameBottomControlGroup);
  cmdJiggle = new OnlineButton("cmdJiggle", frameBottomControlGroup);
  cmdJiggle->setText("&Jiggle");
  cmdField = new QPushButton("Fie&ld", frameBottomControlGroup);
  cmdExit = new QPushButton("E&xit", frameBottomControlGroup);
  chkAutoRepeat = new QCheckBox("Auto &Repeat", frameBottomControlGroup);
  chkAutoStop = new QCheckBox("A&uto Stop", frameBottomControlGroup);
  for (QWidget* w : std::initializer_list<QWidget*>{cmdStart, cmdStop, cmdContinue, cmdJiggle,
                                                    cmdField, chkAutoRepeat, chkAutoStop, cmdExit})
    row->addWidget(w);
  cmdStart->setObjectName("cmdStart");
  cmdStop->setObjectName("cmdStop");
  cmdContinue->setObjectName("cmdContinue");
  cmdField->setObjectName("cmdField");
  cmdExit->setObjectName("cmdExit");
  chkAutoRepeat->setObjectName("chkAutoRepeat");
  chkAutoStop->setObjectName("chkAutoStop");
  chkAutoRepeat->setChecked(s_.set.AutoRepeat);
  chkAutoStop->setChecked(s_.set.AutoStop);
  CreateControlPanel();
  CreateFieldControls();
  CreateLabels();
  CreateAttributeFrames();
  CreateStatusBar();

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setSingleShot(true);
  Timer1->setInterval(250);
  formArea->installEventFilter(this);
}

void MainForm::CreateMap() {
  map_ = new MapScene(s_, this);
  view_ = new MapView(map_->scene(), map_->canvas(), formArea);
  field_ = std::make_unique<FieldView>(s_, platform_, *this);
  mouse_ = std::make_unique<MapMouse>(s_, platform_, *map_, *field_);
}

void MainForm::CreateControlPanel() {
  frameOnlineControls = new QFrame(formArea);
  frameOnlineControls->setObjectName("frameOnlineControls");
  frameOnlineControls->setFrameShape(QFrame::StyledPanel);
  frameOnlineControls->setAutoFillBackground(true);
  const std::pair<OnlineButton**, const char*> buttons[] = {
      {&cmdMDSType, "cmdMDSType"},           {&cmdBadnessFns, "cmdBadnessFns"},
      {&cmdDimensions, "cmdDimensions"},     {&cmdDistanceFns, "cmdDistanceFns"},
      {&cmdBoundary, "cmdBoundary"},         {&cmdDegrade, "cmdDegrade"},
      {&cmdMappingWtFns, "cmdMappingWtFns"}, {&cmdAttributeFns, "cmdAttributeFns"}};
  QList<QKeySequence> menu_keys;
  for (QAction* title : menuBar()->actions()) menu_keys << QKeySequence::mnemonic(title->text());
  int top = 6;
  for (auto [button, name] : buttons) {
    *button = new OnlineButton(name, frameOnlineControls);
    (*button)->SetMenuAccessKeys(menu_keys);
    (*button)->setGeometry(6, top, 150, 42);
    top += 46;
  }
  frameOnlineControls->resize(162, top);
  frameOnlineControls->hide();
}

void MainForm::CreateLabels() {
  auto make = [this](QLabel*& label, const char* name, const QString& text) {
    label = new QLabel(text, formArea);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
  };
  make(lblObjFn, "lblObjFn", "Objective Function Value = ");
  make(lblObjFnValue, "lblObjFnValue", "");
  make(lblBestObjFnValue, "lblBestObjFnValue", "");
  make(lblProvidedMsg, "lblProvidedMsg", "");
  make(lblProvidedSubMsg, "lblProvidedSubMsg", "");
  make(lblInitialPositionsMsg, "lblInitialPositionsMsg", "");
  QFont title = lblProvidedMsg->font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.2);
  lblProvidedMsg->setFont(title);
  for (QLabel* centred : {lblProvidedMsg, lblProvidedSubMsg, lblInitialPositionsMsg})
    centred->setAlignment(Qt::AlignCenter);
  QFont value = lblObjFnValue->font();
  value.setBold(true);
  lblObjFnValue->setFont(value);
}

void MainForm::CreateAttributeFrames() {
  auto make = [this](QGroupBox*& frame, QListWidget*& list, const char* frame_name,
                     const char* list_name, const QString& caption) {
    frame = new QGroupBox(caption, formArea);
    frame->setObjectName(frame_name);
    frame->setAutoFillBackground(true);
    auto* box = new QVBoxLayout(frame);
    box->setContentsMargins(4, 4, 4, 4);
    list = new QListWidget(frame);
    list->setObjectName(list_name);
    box->addWidget(list);
    frame->hide();
  };
  make(frameActiveAttribs, lstActiveAttributes, "frameActiveAttribs", "lstActiveAttributes",
       "Active");
  make(frameParkedAttribs, lstParkedAttributes, "frameParkedAttribs", "lstParkedAttributes",
       "Parked");
}

void MainForm::CreateStatusBar() {
  auto make = [this](QLabel*& label, const char* name) {
    label = new QLabel(this);
    label->setObjectName(name);
    statusBar()->addPermanentWidget(label);
  };
  make(stsProblem, "stsProblem");
  make(stsRunState, "stsRunState");
  make(stsSweeps, "stsSweeps");
  stsSweeps->setMinimumWidth(stsSweeps->fontMetrics().horizontalAdvance("Sweep 0000000"));
  ShowStatus();
}

void MainForm::ShowStatus() {
  const RunStatus status = DescribeRun(s_);
  auto show = [](QLabel* label, const std::string& text) {
    QString shown = QString::fromStdString(text);
    if (label->text() != shown) label->setText(shown);
    label->setVisible(!shown.isEmpty());
  };
  show(stsRunState, status.state);
  show(stsSweeps, status.sweeps);
  show(stsProblem, status.problem);
}

void MainForm::SizeAndCentre() {
  // 1.2 times as wide as the bottom control group, centred on the screen.
  int width = static_cast<int>(1.2 * frameBottomControlGroup->sizeHint().width());
  resize(width, 720);
  if (QScreen* screen = QApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
}

void MainForm::closeEvent(QCloseEvent* event) {
  // Closing ends the program at once: the solver is not driven any more.
  closing_ = true;
  driver_->Shutdown();
  Timer1->stop();
  if (s_.run.RunState == kRunning) s_.run.RunState = kStopped;
  s_.run.StopRequested = true;
  event->accept();
}

}  // namespace quorel
