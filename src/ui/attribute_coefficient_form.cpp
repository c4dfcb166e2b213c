#include "ui/attribute_coefficient_form.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/settings.h"

namespace quorel {
namespace {

const char* const kFunctionCaptions[] = {"Cos(alpha)",
                                         "Euclidean",
                                         "City Block",
                                         "Pearson",
                                         "Spearman",
                                         "Guttman",
                                         "Nominal SMC",
                                         "Jaccard",
                                         "Gower/Russell/Rao",
                                         "Binary SMC/Sokal",
                                         "Hamman",
                                         "Yule",
                                         "Askin/Charles",
                                         "Use File Proximities"};

// The functions in groups by the data level they need, each with its label.
struct FunctionGroup {
  const char* label;
  int first, last;
};
const FunctionGroup kFunctionGroups[] = {
    {"Ratio Level Required", 0, 0},   {"Ratio, Interval, or Binary OK", 1, 3},
    {"Ordinal Level Required", 4, 5}, {"Nominal Level Required", 6, 6},
    {"Binary Level Required", 7, 12}, {"Ignore Attribute Information", 13, 13}};

const char* const kTypeCaptions[] = {"Ratio",   "Interval",       "Ordinal (Rank Order)",
                                     "Nominal", "Binary Nominal", "Unknown (Allow Any Fn)"};

// A framed description box that shows about `lines` lines without scrolling.
QGroupBox* DescriptionBox(const QString& caption, const char* name, QPlainTextEdit*& text,
                          int lines, QWidget* parent) {
  QGroupBox* frame = DescriptionFrame(caption, name, text, parent);
  text->setMinimumHeight(text->fontMetrics().lineSpacing() * lines + 12);
  return frame;
}

QRadioButton* AddOption(QButtonGroup* group, QWidget* parent, const QString& caption,
                        const QString& name, int id) {
  auto* option = new QRadioButton(caption, parent);
  option->setObjectName(QString("%1_%2").arg(name).arg(id));
  group->addButton(option, id);
  return option;
}

void Check(QButtonGroup* group, int id) {
  if (QAbstractButton* button = group->button(id)) button->setChecked(true);
}

}  // namespace

AttributeCoefficientSelectionForm::AttributeCoefficientSelectionForm(Session& s, Platform& platform,
                                                                     QWidget* parent)
    : PrintableDialog(parent), s_(s), platform_(platform), choice_(LoadAttributeChoice(s.set)) {
  setObjectName("AttributeCoefficientSelectionForm");
  setWindowTitle("Attributes");

  QGroupBox* description = DescriptionBox("Attribute-to-Dissimilarity Fn Description",
                                          "txtFunction", txtFunction_, 8, this);
  QGroupBox* level_description =
      DescriptionBox("Data Level Description", "txtDataType", txtDataType_, 5, this);
  QPushButton *cmdOK, *cmdCancel;
  QHBoxLayout* buttons = OkCancelRow(cmdOK, cmdCancel, this);
  connect(cmdOK, &QPushButton::clicked, this, [this] { Ok(); });
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(CreateTypeFrame());
  left->addWidget(CreateCoercionFrame());
  left->addWidget(CreateNormalizeFrame());
  left->addStretch();
  auto* grid = new QGridLayout(this);
  grid->addLayout(left, 0, 0);
  grid->addWidget(CreateFunctionFrame(), 0, 1);
  grid->addWidget(level_description, 1, 0, 1, 2);
  grid->addWidget(description, 2, 0, 1, 2);
  grid->addLayout(buttons, 3, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(2, 1);

  ShowChoice();
  // The description boxes start at the lines they need and grow with the
  // dialog.
  resize(sizeHint().width(), minimumSizeHint().height());
}

QWidget* AttributeCoefficientSelectionForm::CreateFunctionFrame() {
  auto* frame = new QGroupBox("Attribute-to-Dissimilarity Fns", this);
  auto* grid = new QGridLayout(frame);
  functions_ = new QButtonGroup(this);
  int row = 0;
  for (const FunctionGroup& group : kFunctionGroups) {
    if (row > 0) grid->setRowMinimumHeight(row++, fontMetrics().height() / 2);
    auto* label = new QLabel(group.label, frame);
    grid->addWidget(label, row, 1, group.last - group.first + 1, 1, Qt::AlignVCenter);
    for (int f = group.first; f <= group.last; ++f)
      grid->addWidget(AddOption(functions_, frame, kFunctionCaptions[f], "optAttribFunction", f),
                      row++, 0);
  }
  grid->setColumnStretch(1, 1);
  connect(functions_, &QButtonGroup::idClicked, this, [this](int f) { FunctionClicked(f); });
  return frame;
}

QWidget* AttributeCoefficientSelectionForm::CreateTypeFrame() {
  auto* frame = new QGroupBox("Input Data Level", this);
  auto* options = new QVBoxLayout(frame);
  types_ = new QButtonGroup(this);
  for (int t = 0; t <= kMaxAttributeDataType; ++t)
    options->addWidget(AddOption(types_, frame, kTypeCaptions[t], "optAttribType", t));
  connect(types_, &QButtonGroup::idClicked, this, [this](int t) { TypeClicked(t); });
  return frame;
}

QWidget* AttributeCoefficientSelectionForm::CreateCoercionFrame() {
  auto* frame = new QGroupBox("Conversion to Binary Rules", this);
  auto* options = new QVBoxLayout(frame);
  coercion_ = new QButtonGroup(this);
  options->addWidget(
      AddOption(coercion_, frame, "Values>0 map to 1, else 0", "optCoercionRules", 0));
  options->addWidget(
      AddOption(coercion_, frame, "Values>avg. map to 1, else 0", "optCoercionRules", 1));
  connect(coercion_, &QButtonGroup::idClicked, this, [this](int k) { choice_.coercion = k; });
  return frame;
}

QWidget* AttributeCoefficientSelectionForm::CreateNormalizeFrame() {
  auto* frame = new QGroupBox("Euclidean and City Block Fns", this);
  auto* options = new QVBoxLayout(frame);
  normalize_ = new QButtonGroup(this);
  options->addWidget(AddOption(normalize_, frame, "Normalized", "optNormalize", 0));
  options->addWidget(AddOption(normalize_, frame, "Unnormalized (Raw)", "optNormalize", 1));
  // The normalisation acts at once, even when the dialog is cancelled.
  connect(normalize_, &QButtonGroup::idClicked, this, [this](int k) {
    ChooseNormalizeAttribs(s_.set, k == 0);
    ShowEuclideanCaptions();
  });
  return frame;
}

// Shows the choice in force without running the handlers that replace the
// function by the level's default: opening the dialog changes nothing.
void AttributeCoefficientSelectionForm::ShowChoice() {
  for (int f = 0; f <= MaxAttributeFunctionNum; ++f)
    functions_->button(f)->setEnabled(
        AttributeFunctionEnabled(choice_.data_type, f, s_.prob.ProximitiesGiven));
  Check(functions_, choice_.function);
  Check(types_, choice_.data_type);
  Check(coercion_, choice_.coercion);
  Check(normalize_, s_.set.NormalizeAttribs ? 0 : 1);
  ShowEuclideanCaptions();
  txtFunction_->setPlainText(Latin1(AttributeFunctionDescription(choice_.function)));
  txtDataType_->setPlainText(Latin1(AttributeDataTypeDescription(choice_.data_type)));
}

void AttributeCoefficientSelectionForm::ShowEuclideanCaptions() {
  AttributeFunctionNames names = DefaultAttributeFunctionNames();
  SetEuclideanNames(names, s_.set.NormalizeAttribs);
  functions_->button(1)->setText(Latin1(names[1]));
  functions_->button(2)->setText(Latin1(names[2]));
}

void AttributeCoefficientSelectionForm::FunctionClicked(int function) {
  choice_.function = function;
  txtFunction_->setPlainText(Latin1(AttributeFunctionDescription(function)));
}

void AttributeCoefficientSelectionForm::TypeClicked(int data_type) {
  ChooseAttributeDataType(choice_, data_type);
  ShowChoice();
}

void AttributeCoefficientSelectionForm::Ok() {
  ApplyAttributeChoice(s_, platform_, choice_);
  accept();
}

}  // namespace quorel
