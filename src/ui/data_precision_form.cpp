#include "ui/data_precision_form.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/settings.h"
#include "prep/data_precision.h"
#include "ui/dialog_parts.h"

namespace quorel {
namespace {

const char* const kComment =
    "          'Precision' refers to the degree of refinement with which a measurement is "
    "reported.  'Accuracy' refers to the degree of conformity between a measurement and its "
    "true value.   The first digit of an actual measurement that differs from a true "
    "measurement marks the start of the 'false figures.'  Because MDS frequently is applied to "
    "Dij data of low accuracy and high precision, sometimes its results are influenced by false "
    "figures.  \r\n"
    "          How does one decide if a MDS map is influenced by false figures?  Answer: One "
    "should degrade the Dij data until the false figures disappear 'inside the uncertainties.'  "
    "That is, make the uncertainties (error bounds) so large that all critics would agree that "
    "the true Dij values fall within the Dij bounds.  If the map remains unchanged during the "
    "degrading process then it must not be controlled by false figures. \r\n"
    "          Fortunately, MDS is a robust procedure.  That is, it usually produces results "
    "that are insensitive to small errors in its input data.  Because of this, most MDS maps "
    "change very little even after severe degradation of its data.\r\n"
    "          QUOREL allows on-line control of the precision of the Dij data.  Click the "
    "PRECISION button to reduce (degrade) the Dij precision.  Starting with the number of "
    "decimals places in the input data (or in its rescaled form, if necessary), with each "
    "button click QUOREL rounds down to the next lesser number of decimal places.  After "
    "reaching the tenths-level it starts rounding to the nearest fractional measurement "
    "interval (1/5, 1/4, 1/3, 1/2, 1).  At a measurement interval of 1, all Dij are 0 or 1 and "
    "each value has a + - 0.5 uncertainty.  Some Dij data sets can be degraded to (0,1) and the "
    "ensuing map is still recognizable as being related to the original map.  ";

// The examples line up in columns only in a fixed-pitch font.
QFont FixedPitch() {
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

}  // namespace

DataPrecisionForm::DataPrecisionForm(Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform), level_(kFinestExampleLevel) {
  setObjectName("DataPrecisionForm");
  setWindowTitle("Degrading Dij Precision Examples");

  QPlainTextEdit* comment = nullptr;
  QGroupBox* comments = DescriptionFrame("Comments", "txtComment", comment, this);
  comment->setPlainText(QString(kComment).replace("\r\n", "\n"));

  auto* examples = new QGroupBox("Numerical Examples", this);
  auto* examples_box = new QVBoxLayout(examples);
  auto* heading = new QLabel(kPrecisionExampleHeading, examples);
  heading->setFont(FixedPitch());
  txtDescription_ = new QPlainTextEdit(examples);
  txtDescription_->setObjectName("txtDescription");
  txtDescription_->setReadOnly(true);
  txtDescription_->setFont(FixedPitch());
  txtDescription_->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The heading and the text start at the same left edge.
  heading->setContentsMargins(txtDescription_->frameWidth() + 4, 0, 0, 0);
  examples_box->addWidget(heading);
  examples_box->addWidget(txtDescription_);

  auto* cmdClose = new QPushButton("Close", this);
  cmdClose->setObjectName("cmdClose");
  cmdClose->setToolTip("Ignore all changes and exit.");
  cmdClose->setDefault(true);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

  auto* lower = new QHBoxLayout;
  lower->addWidget(examples, 1);
  lower->addWidget(CreateControlFrame());
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  auto* column = new QVBoxLayout(this);
  column->addWidget(comments, 1);
  column->addLayout(lower);
  column->addLayout(buttons);

  // The examples box is as wide and as high as its four lines.
  QFontMetrics metrics(FixedPitch());
  txtDescription_->setMinimumWidth(metrics.horizontalAdvance(kPrecisionExampleHeading) +
                                   metrics.averageCharWidth() * 3);
  txtDescription_->setFixedHeight(metrics.lineSpacing() * 5 + 2 * txtDescription_->frameWidth());
  resize(720, 560);
  ShowLevel();
}

QWidget* DataPrecisionForm::CreateControlFrame() {
  auto* frame = new QGroupBox("Example Precision Control", this);
  auto* grid = new QGridLayout(frame);
  auto* up = new ArrowButton(Qt::UpArrow, "cmdUp", frame);
  auto* down = new ArrowButton(Qt::DownArrow, "cmdDown", frame);
  connect(up, &QToolButton::clicked, this, [this] { StepLevel(true); });
  connect(down, &QToolButton::clicked, this, [this] { StepLevel(false); });
  auto* arrows = new QVBoxLayout;
  arrows->addWidget(up);
  arrows->addWidget(down);
  grid->addLayout(arrows, 0, 0, 2, 1);
  grid->addWidget(new QLabel(" Change Precision", frame), 0, 1, 1, 2);
  lblPrecision_ = new QLabel(frame);
  lblPrecision_->setObjectName("lblPrecision");
  grid->addWidget(lblPrecision_, 1, 1, 1, 2);
  auto* grains = new QLabel("Uncertainty", frame);
  grains->setObjectName("lblNumGrains");
  grid->addWidget(grains, 2, 0, 1, 2);
  lblUncertainty_ = new QLabel(frame);
  lblUncertainty_->setObjectName("lblUncertainty");
  grid->addWidget(lblUncertainty_, 2, 2);
  grid->setRowStretch(3, 1);
  return frame;
}

void DataPrecisionForm::StepLevel(bool up) {
  level_ = StepExampleLevel(level_, up, platform_);
  ShowLevel();
}

void DataPrecisionForm::ShowLevel() {
  lblPrecision_->setText(QString::fromStdString(DataPrecisionName[level_]));
  lblUncertainty_->setText(QString::fromStdString("+ - " + DataUncertaintyName[level_]));
  QString examples = QString::fromStdString(PrecisionExamples(level_)).replace("\r\n", "\n");
  if (examples.endsWith('\n')) examples.chop(1);
  txtDescription_->setPlainText(examples);
}

}  // namespace quorel
