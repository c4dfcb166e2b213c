#include "ui/mds_type_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/text_format.h"

namespace quorel {
namespace {

const char* const kTypeCaptions[MaxMDSTypeNum + 1] = {
    "Ratio (metric)", "Ratio + Error Bounds  (nonmetric)", "Interval  (metric)",
    "Interval + Error Bounds  (nonmetric)", "Ordinal  (nonmetric)"};

const char* const kTypeDescriptions[MaxMDSTypeNum + 1] = {
    "This is classical metric MDS.  The analysis seeks a map with distances dij such that "
    "dij/Dij = K for all i,j where the constant K sets the size of the map.  Dij = 0 implies i "
    "and j are identical.",
    "Same as ratio MDS except the objective function is not penalized unless the error eij = "
    "|Dij - dij| exceeds the error bounds assigned in the option box below.  ",
    "The analysis seeks a map with distances dij such that (dij-dlm)/(Dij-Dlm) = K for all "
    "i,j,l,m where the constant K sets the size of the map.  This is the same as ratio MDS "
    "except K1, in dij = K1 + K Dij, may be non-zero.  ",
    "Same as interval MDS except the objective function is not penalized unless the error eij = "
    "|Dij - dij| exceeds the error bounds assigned in the option box below.  ",
    "Ordinal (rank order) MDS seeks a map with each dij in the same rank order as Dij. That is, "
    "if Dij < Dkl then dij < dkl.   Dij = Dkl does not imply that dij = dkl  (the Option 1 "
    "convention)."};

const char* const kZeroBoundsDescription =
    "The error bounds have been set to zero so the error bounds case is not different from the "
    "errorless case.  Therefore, the error bounds cases will not appear in the shortcut "
    "rotation. ";

const char* const kCentringDescriptions[2] = {
    "The objective function is modified to encourage the objects to seek the center of any "
    "range of equally acceptable positions.  This modification very slightly increases the "
    "optimal value of the objective function.  ",
    "No adjustment is made to an object's position once it is within its prescribed bounds.  "
    "Thus, while very unlikely, there may be an infinite number of solutions.  Use the Jiggle "
    "button to explore these multiple solutions."};

QLabel* Note(const char* text, QWidget* parent) {
  auto* note = new QLabel(text, parent);
  note->setWordWrap(true);
  return note;
}

}  // namespace

MDSTypeAndErrorBoundsSelectionForm::MDSTypeAndErrorBoundsSelectionForm(Session& s,
                                                                       Platform& platform,
                                                                       QWidget* parent)
    : PrintableDialog(parent), s_(s), platform_(platform), working_(CurrentMDSTypeChoice(s)) {
  setObjectName("MDSTypeAndErrorBoundsSelectionForm");
  setWindowTitle("MDS Type and Error Bounds");

  auto* grid = new QGridLayout;
  grid->addWidget(CreateTypeFrame(), 0, 0);
  grid->addWidget(
      DescriptionFrame("MDS Analysis Type Description", "txtMDSType", txtMDSType_, this), 0, 1);
  grid->addWidget(CreateBoundsFrame(), 1, 0);
  grid->addWidget(
      DescriptionFrame("Error Bounds Description", "txtErrorBounds", txtErrorBounds_, this), 1, 1);
  grid->addWidget(CreateCentringFrame(), 2, 0);
  grid->addWidget(DescriptionFrame("Object Centering Description", "txtInternalVariation",
                                   txtInternalVariation_, this),
                  2, 1);
  grid->setColumnStretch(1, 1);

  QPushButton *ok = nullptr, *cancel = nullptr;
  auto* column = new QVBoxLayout(this);
  column->addLayout(grid);
  column->addLayout(OkCancelRow(ok, cancel, this));
  connect(ok, &QPushButton::clicked, this, [this] { Ok(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  resize(760, 560);

  // Load: the current choice selected and described.
  ShowBoundLabels();
  if (working_.mds_type >= 0 && working_.mds_type <= MaxMDSTypeNum)
    optMDSAnalysisType_[working_.mds_type]->setChecked(true);
  optErrBoundsType_[static_cast<int>(working_.bound_kind)]->setChecked(true);
  optCenteringInBounds_[working_.centre_in_bounds ? 0 : 1]->setChecked(true);
  ShowType(working_.mds_type);
  ShowBoundKind(working_.bound_kind);
  ShowCentring(working_.centre_in_bounds);
}

QWidget* MDSTypeAndErrorBoundsSelectionForm::CreateTypeFrame() {
  auto* frame = new QGroupBox("MDS Type", this);
  auto* box = new QVBoxLayout(frame);
  for (int k = 0; k <= MaxMDSTypeNum; ++k) {
    auto* option = new QRadioButton(kTypeCaptions[k], frame);
    option->setObjectName(QString("optMDSAnalysisType_%1").arg(k));
    connect(option, &QRadioButton::clicked, this, [this, k] { ShowType(k); });
    box->addWidget(option);
    optMDSAnalysisType_[k] = option;
  }
  return frame;
}

QWidget* MDSTypeAndErrorBoundsSelectionForm::CreateBoundsFrame() {
  auto* frame = new QGroupBox("Error Bounds", this);
  auto* grid = new QGridLayout(frame);
  const char* captions[2] = {"Fixed Amt.", "Percentage"};
  const char* arrow_names[2][2] = {{"cmdUpFixedBounds", "cmdDnFixedBounds"},
                                   {"cmdUpFractBounds", "cmdDnFractBounds"}};
  for (int k = 0; k < 2; ++k) {
    const auto kind = static_cast<BoundKind>(k);
    auto* option = new QRadioButton(captions[k], frame);
    option->setObjectName(QString("optErrBoundsType_%1").arg(k));
    connect(option, &QRadioButton::clicked, this, [this, kind] { ShowBoundKind(kind); });
    optErrBoundsType_[k] = option;
    auto* value = new QLabel(frame);
    value->setObjectName(k == 0 ? "lblFixedBoundsValue" : "lblFractBoundsValue");
    (k == 0 ? lblFixedBoundsValue_ : lblFractBoundsValue_) = value;
    auto* up = new ArrowButton(Qt::UpArrow, arrow_names[k][0], frame);
    auto* down = new ArrowButton(Qt::DownArrow, arrow_names[k][1], frame);
    connect(up, &QToolButton::clicked, this, [this, kind] { StepBound(kind, true); });
    connect(down, &QToolButton::clicked, this, [this, kind] { StepBound(kind, false); });
    grid->addWidget(option, k, 0);
    grid->addWidget(value, k, 1);
    grid->addWidget(up, k, 2);
    grid->addWidget(down, k, 3);
  }
  grid->setColumnStretch(1, 1);
  grid->addWidget(Note("Reminder: These values are operative only with the \"+ Error Bounds\" "
                       "objective functions.",
                       frame),
                  2, 0, 1, 4);
  return frame;
}

QWidget* MDSTypeAndErrorBoundsSelectionForm::CreateCentringFrame() {
  auto* frame = new QGroupBox("Object Centering", this);
  auto* box = new QVBoxLayout(frame);
  const char* captions[2] = {"Bounds or Rank Centered", "Centering Indifferent"};
  for (int k = 0; k < 2; ++k) {
    auto* option = new QRadioButton(captions[k], frame);
    option->setObjectName(QString("optCenteringInBounds_%1").arg(k));
    connect(option, &QRadioButton::clicked, this, [this, k] { ShowCentring(k == 0); });
    box->addWidget(option);
    optCenteringInBounds_[k] = option;
  }
  box->addWidget(
      Note("Reminder: Centering is operative only with the \"+ Error Bounds\" and "
           "Ordinal objective functions.",
           frame));
  return frame;
}

void MDSTypeAndErrorBoundsSelectionForm::ShowType(int type) {
  working_.mds_type = type;
  if (type >= 0 && type <= MaxMDSTypeNum) txtMDSType_->setPlainText(kTypeDescriptions[type]);
}

void MDSTypeAndErrorBoundsSelectionForm::ShowBoundKind(BoundKind kind) {
  working_.bound_kind = kind;
  const bool fixed = kind == BoundKind::kFixed;
  const float bound = fixed ? working_.fixed_bound : working_.relative_bound;
  const std::string b = Format(bound, "0.00");
  std::string text;
  if (bound <= 0.001f)
    text = kZeroBoundsDescription;
  else if (fixed)
    text = "All dij values from Dij + " + b + " to Dij - " + b + " are acceptable.  ";
  else
    text = "All dij values from Dij + " + b + " Dij to Dij - " + b + " Dij are acceptable.  ";
  if (bound > 0.001f)
    text += "The objective function is not penalized if dij falls within these bounds. ";
  txtErrorBounds_->setPlainText(Latin1(text));
}

void MDSTypeAndErrorBoundsSelectionForm::ShowCentring(bool centre) {
  working_.centre_in_bounds = centre;
  txtInternalVariation_->setPlainText(kCentringDescriptions[centre ? 0 : 1]);
}

void MDSTypeAndErrorBoundsSelectionForm::StepBound(BoundKind kind, bool up) {
  float& bound = kind == BoundKind::kFixed ? working_.fixed_bound : working_.relative_bound;
  bound = StepErrorBound(bound, up, kind, platform_);
  ShowBoundLabels();
  // The description follows the kind selected, whichever arrows were used.
  ShowBoundKind(working_.bound_kind);
}

void MDSTypeAndErrorBoundsSelectionForm::ShowBoundLabels() {
  lblFixedBoundsValue_->setText(Latin1(ErrorBoundLabel(working_.fixed_bound, BoundKind::kFixed)));
  lblFractBoundsValue_->setText(
      Latin1(ErrorBoundLabel(working_.relative_bound, BoundKind::kPercentage)));
}

void MDSTypeAndErrorBoundsSelectionForm::Ok() {
  ApplyMDSTypeChoice(s_, platform_, working_);
  accept();
}

}  // namespace quorel
