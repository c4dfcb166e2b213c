#include "ui/objective_functions_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/numeric.h"
#include "model/text_format.h"

namespace quorel {
namespace {

struct BadnessText {
  const char* badness;
  const char* objective;
  const char* numerator;
  const char* denominator;
};

const BadnessText kBadnessTexts[MaxBadnessFunctionNum + 1] = {
    {"Stress badness = Bij = Dij - dij.  ", "Stress objective function = ",
     "[Sum(all i, j < i) Wij * Bij^2] / ", "[Sum(all i, j < i) Wij * Dij^2]"},
    {"Stress1 badness = Bij = Dij - dij.  ", "Stress 1 objective function = ",
     "SQRT[Sum(all i, j < i) Wij * Bij^2] / ", "SQRT[Sum(all i, j < i) Wij * dij^2]"},
    {"SStress badness = Bij = Dij^2 - dij^2.  ", "SStress objective function = ",
     "[Sum(all i, j < i) Wij * Bij^2] / ", "[Sum(all i, j < i) Wij * Dij^4]"},
    {"Multiscale badness = Bij = ln(dij / Dij).  ", "Multiscale objective function = ",
     "[Sum(all i, j < i) Wij * Bij^2] / ", "[Sum(all i, j < i) Wij]"},
    {"Fractional badness = Bij = (Dij - dij) / Dij.  ", "Fractional objective function = ",
     "[Sum(all i, j < i) Wij * Bij^2] / ", "[Sum(all i, j < i) Wij]"}};

const char* const kDistanceCaptions[MaxDistanceFunctionNum + 1] = {
    "Euclidean   p = 2", "City Block   p = 1", "Minkowski   p ="};

const char* const kDistanceTexts[MaxDistanceFunctionNum + 1] = {
    "The Euclidean distance between two objects is the length of a straight line between the "
    "objects.  Thus, the 2D distance function is dij = SQRT((Xi-Xj)^2 + (Yi-Yj)^2).",
    "The CITY BLOCK distance between two objects is the sum of the vertical and horizontal "
    "differences between the objects.  Thus, the 2D distance function is dij = |Xi-Xj| + "
    "|Yi-Yj|.",
    "The 2D MINKOWSKI distance is the generalized distance dij = (|Xi-Xj|^p + |Yi-Yj|^p) "
    "^(1/p).   To eliminate this option from the shortcut rotation, set p equal to 2.0."};

const char* const kSuppressCaptions[3] = {"Suppress Stress in On-line Controls",
                                          "Suppress Stress1 in On-line Controls",
                                          "Keep Both in On-line Controls"};

const char* const kSuppressionText =
    "The Stress and Stress1 badness functions lead to exactly the same maps.  Only the "
    "objective function value changes.  ";

}  // namespace

BadnessDistanceFunctionSelectionForm::BadnessDistanceFunctionSelectionForm(Session& s,
                                                                           Platform& platform,
                                                                           QWidget* parent)
    : PrintableDialog(parent), s_(s), platform_(platform), working_(CurrentObjectiveChoice(s)) {
  setObjectName("BadnessDistanceFunctionSelectionForm");
  setWindowTitle("Objective Functions");

  auto* grid = new QGridLayout;
  grid->addWidget(CreateBadnessFrame(), 0, 0);
  grid->addWidget(DescriptionFrame("Badness Measure Comments", "txtObjFn", txtObjFn_, this), 0, 1);
  grid->addWidget(CreateDistanceFrame(), 1, 0);
  grid->addWidget(DescriptionFrame("Distance Measure Comments", "txtDistance", txtDistance_, this),
                  1, 1);
  grid->addWidget(CreateSuppressFrame(), 2, 0);
  grid->addWidget(
      DescriptionFrame("On-line Badness Button Comments", "txtSuppression", txtSuppression_, this),
      2, 1);
  grid->setColumnStretch(1, 1);

  QPushButton *ok = nullptr, *cancel = nullptr;
  auto* column = new QVBoxLayout(this);
  column->addLayout(grid);
  column->addLayout(OkCancelRow(ok, cancel, this));
  connect(ok, &QPushButton::clicked, this, [this] { Ok(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  resize(760, 540);

  // Load: the current choice selected and described.
  ShowExponent();
  if (working_.badness >= 0 && working_.badness <= MaxBadnessFunctionNum)
    optBadnessFunction_[working_.badness]->setChecked(true);
  if (working_.distance >= 0 && working_.distance <= MaxDistanceFunctionNum)
    optDistanceFunction_[working_.distance]->setChecked(true);
  ShowBadness(working_.badness);
  ShowDistance(working_.distance);
  txtSuppression_->setPlainText(kSuppressionText);
  optSuppress_[SuppressOptionOf(s_.set.SuppressNum)]->setChecked(true);
}

QWidget* BadnessDistanceFunctionSelectionForm::CreateBadnessFrame() {
  auto* frame = new QGroupBox("Badness Measures", this);
  auto* box = new QVBoxLayout(frame);
  for (int k = 0; k <= MaxBadnessFunctionNum; ++k) {
    auto* option = new QRadioButton(QString::fromStdString(BadnessFunctionName[k]), frame);
    option->setObjectName(QString("optBadnessFunction_%1").arg(k));
    connect(option, &QRadioButton::clicked, this, [this, k] { ShowBadness(k); });
    box->addWidget(option);
    optBadnessFunction_[k] = option;
  }
  return frame;
}

QWidget* BadnessDistanceFunctionSelectionForm::CreateDistanceFrame() {
  auto* frame = new QGroupBox("Distance Measures", this);
  auto* grid = new QGridLayout(frame);
  for (int k = 0; k <= MaxDistanceFunctionNum; ++k) {
    auto* option = new QRadioButton(kDistanceCaptions[k], frame);
    option->setObjectName(QString("optDistanceFunction_%1").arg(k));
    connect(option, &QRadioButton::clicked, this, [this, k] { ShowDistance(k); });
    grid->addWidget(option, k, 0);
    optDistanceFunction_[k] = option;
  }
  lblMinkowskiValue_ = new QLabel(frame);
  lblMinkowskiValue_->setObjectName("lblMinkowskiValue");
  auto* up = new ArrowButton(Qt::UpArrow, "cmdUpMinkowski", frame);
  auto* down = new ArrowButton(Qt::DownArrow, "cmdDnMinkowski", frame);
  connect(up, &QToolButton::clicked, this, [this] { StepExponent(true); });
  connect(down, &QToolButton::clicked, this, [this] { StepExponent(false); });
  grid->addWidget(lblMinkowskiValue_, 2, 1);
  grid->addWidget(up, 2, 2);
  grid->addWidget(down, 2, 3);
  grid->setColumnStretch(1, 1);
  return frame;
}

QWidget* BadnessDistanceFunctionSelectionForm::CreateSuppressFrame() {
  auto* frame = new QGroupBox("On-line Badness Button", this);
  auto* box = new QVBoxLayout(frame);
  for (int k = 0; k < 3; ++k) {
    auto* option = new QRadioButton(kSuppressCaptions[k], frame);
    option->setObjectName(QString("optSuppress_%1").arg(k));
    // Takes effect at once; Cancel does not undo it.
    connect(option, &QRadioButton::clicked, this, [this, k] { SetSuppressOption(s_, k); });
    box->addWidget(option);
    optSuppress_[k] = option;
  }
  return frame;
}

void BadnessDistanceFunctionSelectionForm::ShowBadness(int code) {
  working_.badness = code;
  if (code < 0 || code > MaxBadnessFunctionNum) return;
  const BadnessText& t = kBadnessTexts[code];
  txtObjFn_->setPlainText(QString(t.badness) + "\n\n" + t.objective + "\n" + t.numerator +
                          t.denominator);
}

void BadnessDistanceFunctionSelectionForm::ShowDistance(int code) {
  working_.distance = code;
  if (code >= 0 && code <= MaxDistanceFunctionNum) txtDistance_->setPlainText(kDistanceTexts[code]);
}

void BadnessDistanceFunctionSelectionForm::StepExponent(bool up) {
  working_.minkowski_exponent = StepMinkowskiExponent(working_.minkowski_exponent, up, platform_);
  ShowExponent();
}

void BadnessDistanceFunctionSelectionForm::ShowExponent() {
  lblMinkowskiValue_->setText(
      Latin1(Str(static_cast<float>(RoundHalfEven(working_.minkowski_exponent, 1)))));
}

void BadnessDistanceFunctionSelectionForm::Ok() {
  ApplyObjectiveChoice(s_, platform_, working_);
  accept();
}

}  // namespace quorel
