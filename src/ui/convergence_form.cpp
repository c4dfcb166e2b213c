#include "ui/convergence_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "control/run_control.h"
#include "ui/special_cases_form.h"

namespace quorel {

ConvergenceOptionsForm::ConvergenceOptionsForm(Session& s, QWidget* parent)
    : QDialog(parent), s_(s) {
  setObjectName("ConvergenceOptionsForm");
  setWindowTitle("Convergence Options");
  auto* limits = new QGroupBox("Auto Repeat Convergence Control", this);
  auto* limits_box = new QVBoxLayout(limits);
  const char* limit_captions[3] = {"Low precision (faster, for quick screening)",
                                   "Normal precision (about right for most cases)",
                                   "High precision (slower, highly reproducible)"};
  for (int k = 2; k >= 0; --k) {
    optConvergLimits[k] = new QRadioButton(limit_captions[k], limits);
    optConvergLimits[k]->setObjectName(QString("optConvergLimits%1").arg(k));
    limits_box->addWidget(optConvergLimits[k]);
  }
  auto* steps = new QGroupBox("Convergence Rate Control", this);
  auto* steps_box = new QVBoxLayout(steps);
  const char* step_captions[3] = {"Use a large step size (faster but less stable).",
                                  "Use a normal step size (about right for most cases).",
                                  "Us a smal step size (slower but more stable)."};
  for (int k = 2; k >= 0; --k) {
    optStepSize[k] = new QRadioButton(step_captions[k], steps);
    optStepSize[k]->setObjectName(QString("optStepSize%1").arg(k));
    steps_box->addWidget(optStepSize[k]);
  }
  steps_box->addWidget(new QLabel("(This setting is not saved in the defaults file.)", steps));

  cmdOK = new QPushButton("OK", this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setToolTip("Implement all changes and exit.");
  cmdOK->setDefault(true);
  cmdCancel = new QPushButton("Cancel", this);
  cmdCancel->setObjectName("cmdCancel");
  cmdCancel->setToolTip("Ignore all changes and exit.");
  connect(cmdOK, &QPushButton::clicked, this, [this] { Ok(); });
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  auto* column = new QVBoxLayout(this);
  column->addWidget(limits);
  column->addWidget(steps);
  column->addLayout(buttons);

  int level = s_.set.PrecisionLevelNum;
  if (level >= 0 && level <= 2) optConvergLimits[level]->setChecked(true);
  int step = s_.set.StepSizeNum;
  if (step >= 0 && step <= 2) optStepSize[step]->setChecked(true);
}

void ConvergenceOptionsForm::Ok() {
  int level = s_.set.PrecisionLevelNum;
  int step = s_.set.StepSizeNum;
  for (int k = 0; k <= 2; ++k) {
    if (optConvergLimits[k]->isChecked()) level = k;
    if (optStepSize[k]->isChecked()) step = k;
  }
  ApplyConvergenceOptions(s_, level, step);
  accept();
}

void ConvergenceOptionsForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_P && (event->modifiers() & Qt::ControlModifier)) {
    PrintWidget(this);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace quorel
