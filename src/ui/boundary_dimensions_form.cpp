#include "ui/boundary_dimensions_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "control/dimensions_boundary.h"
#include "model/text_format.h"

namespace quorel {
namespace {

const char* const kBoundaryHelp =
    "A boundary constrains the solution: every object is kept inside it.  Enter the boundary "
    "size, a value between 0 and 1, in the box above or change it with the arrows (Ctrl makes "
    "the change smaller, Shift reverses it).  A value of 1 is equivalent to 'no boundary' and 0 "
    "means all objects are fixed at one point (interesting instabilities can occur).  The "
    "on-line BOUNDARY button changes the size as well: each click makes it 0.1 smaller, Shift "
    "makes it larger and Ctrl changes it by 0.01.";

const char* const kDimensionsHelp =
    "Analyses can use 1 to 8 dimensions, but only 1 or 2 are shown on the map.  With more than "
    "two dimensions the X-Y plane shows the maximum cross-section of the solution when the box "
    "above is checked, or else a random projection of it.  One-dimensional analyses are subject "
    "to local minima: make the analysis in 2D first and then reduce it to 1D.  The on-line "
    "DIMENSIONS button adds one dimension at each click; Shift takes one away.";

const char* const kBoundaryCaptions[3] = {"Use a Circular Boundary", "Use a Path Boundary",
                                          "Use a Square Boundary"};

QPlainTextEdit* HelpText(const char* text, const QString& name, QWidget* parent) {
  auto* help = new QPlainTextEdit(text, parent);
  help->setObjectName(name);
  help->setReadOnly(true);
  return help;
}

}  // namespace

BoundaryDimensionsSelectionForm::BoundaryDimensionsSelectionForm(Session& s, Platform& platform,
                                                                 QWidget* parent)
    : PrintableDialog(parent),
      s_(s),
      platform_(platform),
      dimensions_(s.set.DimensionsNum),
      radius_(s.set.ConstraintRadius) {
  setObjectName("BoundaryDimensionsSelectionForm");
  setWindowTitle("Dimensions and Boundaries");

  QPushButton *ok = nullptr, *cancel = nullptr;
  auto* frames = new QHBoxLayout;
  frames->addWidget(CreateDimensionsFrame());
  frames->addWidget(CreateBoundaryFrame());
  auto* column = new QVBoxLayout(this);
  column->addLayout(frames);
  column->addLayout(OkCancelRow(ok, cancel, this));
  connect(ok, &QPushButton::clicked, this, [this] { Ok(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  resize(720, 440);

  chkXYSection_->setChecked(s_.set.XYSectionEmphasis);
  if (dimensions_ >= 1 && dimensions_ <= MaxDimensionsNum)
    optDimensions_[dimensions_ - 1]->setChecked(true);
  const int type = s_.set.BoundaryTypeNum;
  if (type >= 0 && type <= 2) optBdyType_[type]->setChecked(true);
  ShowRadius();
}

QWidget* BoundaryDimensionsSelectionForm::CreateDimensionsFrame() {
  auto* frame = new QGroupBox("Dimensions", this);
  auto* box = new QVBoxLayout(frame);
  auto* options = new QGridLayout;
  for (int k = 0; k < MaxDimensionsNum; ++k) {
    auto* option = new QRadioButton(QString("%1 D").arg(k + 1), frame);
    option->setObjectName(QString("optDimensions_%1").arg(k));
    connect(option, &QRadioButton::clicked, this, [this, k] { dimensions_ = k + 1; });
    options->addWidget(option, k / 4, k % 4);
    optDimensions_[k] = option;
  }
  box->addLayout(options);
  chkXYSection_ =
      new QCheckBox("Attempt to keep the maximum cross-section in the X-Y plane", frame);
  chkXYSection_->setObjectName("chkXYSection");
  box->addWidget(chkXYSection_);
  box->addWidget(HelpText(kDimensionsHelp, "text2", frame), 1);
  return frame;
}

QWidget* BoundaryDimensionsSelectionForm::CreateBoundaryFrame() {
  auto* frame = new QGroupBox("Boundaries", this);
  auto* box = new QVBoxLayout(frame);
  for (int k = 0; k < 3; ++k) {
    optBdyType_[k] = new QRadioButton(kBoundaryCaptions[k], frame);
    optBdyType_[k]->setObjectName(QString("optBdyType_%1").arg(k));
    box->addWidget(optBdyType_[k]);
  }
  auto* size = new QHBoxLayout;
  auto* label = new QLabel("Boundary Size  =", frame);
  label->setObjectName("lblRadius");
  txtRadius_ = new QLineEdit(frame);
  txtRadius_->setObjectName("txtRadius");
  auto* up = new ArrowButton(Qt::UpArrow, "cmdUpArrow", frame);
  auto* down = new ArrowButton(Qt::DownArrow, "cmdDownArrow", frame);
  connect(up, &QToolButton::clicked, this, [this, up] { StepRadius(up, true); });
  connect(down, &QToolButton::clicked, this, [this, down] { StepRadius(down, false); });
  connect(txtRadius_, &QLineEdit::editingFinished, this, [this] { TakeTypedRadius(); });
  size->addWidget(label);
  size->addWidget(txtRadius_);
  size->addWidget(up);
  size->addWidget(down);
  size->addStretch();
  box->addLayout(size);
  box->addWidget(HelpText(kBoundaryHelp, "text1", frame), 1);
  return frame;
}

void BoundaryDimensionsSelectionForm::StepRadius(const ArrowButton* arrow, bool up) {
  // A size typed just before counts, although the arrow took no focus.
  TakeTypedRadius();
  radius_ = StepDialogRadius(radius_, up, arrow->ShiftHeld(), arrow->CtrlHeld(), platform_);
  ShowRadius();
}

void BoundaryDimensionsSelectionForm::ShowRadius() {
  txtRadius_->setText(QString::fromStdString(Format(radius_, "0.00")));
  txtRadius_->setModified(false);
}

void BoundaryDimensionsSelectionForm::TakeTypedRadius() {
  if (!txtRadius_->isModified()) return;
  std::string shown;
  radius_ = DialogRadiusFromText(txtRadius_->text().toStdString(), shown, platform_);
  if (!shown.empty()) txtRadius_->setText(QString::fromStdString(shown));
  txtRadius_->setModified(false);
}

void BoundaryDimensionsSelectionForm::Ok() {
  TakeTypedRadius();
  int type = s_.set.BoundaryTypeNum;
  for (int k = 0; k < 3; ++k)
    if (optBdyType_[k]->isChecked()) type = k;
  ApplyDimensionsAndBoundary(s_, platform_, dimensions_, radius_, type, chkXYSection_->isChecked());
  accept();
}

}  // namespace quorel
