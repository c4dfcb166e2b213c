#include "ui/mapping_weights_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/settings.h"

namespace quorel {
namespace {

// Each option's function name and its m; the names and the m values line up
// in two columns.
const char* const kOptionNames[] = {"None", "Weak", "Linear", "Strong", "Adjustable"};
const char* const kOptionParams[] = {"m = 1.000", "m = 0.950", "m = 0.000", "m = - 20.0", "m ="};

// Thickness of the plot's axis strips, in pixels.
constexpr int kAxisStrip = 2;
// The plot is sampled at D = 0.01, 0.02, ... 0.99.
constexpr int kCurveSamples = 99;

// The caption of a plot axis: its words (separated by wide gaps in the text)
// placed at the start, the middle and the end of the axis, so that "0" and
// "1" stand at the ends of the plot whatever its size.
class AxisCaption : public QWidget {
 public:
  AxisCaption(const QString& text, Qt::Orientation orientation, QWidget* parent)
      : QWidget(parent),
        words_(text.split(QRegularExpression(" {3,}"), Qt::SkipEmptyParts)),
        orientation_(orientation) {
    for (QString& word : words_) word = word.trimmed();
    const QFontMetrics metrics = fontMetrics();
    if (orientation_ == Qt::Vertical) {
      int widest = 0;
      for (const QString& word : words_) widest = std::max(widest, metrics.horizontalAdvance(word));
      setFixedWidth(widest + metrics.averageCharWidth());
    } else {
      setFixedHeight(metrics.height());
    }
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const int n = static_cast<int>(words_.size());
    for (int k = 0; k < n; ++k) {
      const Qt::Alignment along =
          k == 0       ? (orientation_ == Qt::Vertical ? Qt::AlignTop : Qt::AlignLeft)
          : k == n - 1 ? (orientation_ == Qt::Vertical ? Qt::AlignBottom : Qt::AlignRight)
                       : Qt::AlignCenter;
      const Qt::Alignment across =
          orientation_ == Qt::Vertical ? Qt::AlignHCenter : Qt::AlignVCenter;
      painter.drawText(rect(), static_cast<int>(along | across), words_[k]);
    }
  }

 private:
  QStringList words_;
  Qt::Orientation orientation_;
};

}  // namespace

MappingCurvePlot::MappingCurvePlot(QWidget* parent) : QWidget(parent) {
  setObjectName("Picture1");
  const int side = fontMetrics().height() * 12;
  setFixedSize(side, side);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
}

void MappingCurvePlot::AddCurve(const QPolygonF& curve) {
  // Choosing the same curve again draws nothing new.
  if (!curves_.empty() && curves_.back() == curve) return;
  curves_.push_back(curve);
  update();
}

void MappingCurvePlot::Clear() {
  curves_.clear();
  update();
}

void MappingCurvePlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const qreal h = height() - kAxisStrip;
  const qreal w = width() - kAxisStrip;
  // Weight 1 a pen's width below the top edge, so that its line is whole.
  const qreal top = kAxisStrip;
  painter.fillRect(QRectF(0, h, width(), kAxisStrip), Qt::black);
  painter.fillRect(QRectF(0, 0, kAxisStrip, height()), Qt::black);
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(QColor(255, 0, 0), 1.5);
  pen.setCosmetic(true);
  painter.setPen(pen);
  for (const QPolygonF& curve : curves_) {
    QPolygonF points;
    for (const QPointF& p : curve)
      points << QPointF(kAxisStrip + w * p.x(), top + (h - top) * (1.0 - p.y()));
    painter.drawPolyline(points);
  }
}

MappingWeightsSelectionForm::MappingWeightsSelectionForm(Session& s, Platform& platform,
                                                         QWidget* parent)
    : PrintableDialog(parent), s_(s), platform_(platform), choice_(LoadMappingWeightsChoice(s)) {
  setObjectName("MappingWeightsSelectionForm");
  setWindowTitle("Mapping Weights");

  QGroupBox* description =
      DescriptionFrame("Option Description", "txtDescription", txtDescription_, this);
  // A fixed-width font keeps the columns of the weight table aligned.
  QFont table_font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  table_font.setPointSize(8);
  txtDescription_->setFont(table_font);
  const QFontMetrics table_metrics(table_font);
  txtDescription_->setMinimumWidth(table_metrics.horizontalAdvance(QString(44, 'M')) + 24);
  txtDescription_->setMinimumHeight(table_metrics.lineSpacing() * 14 + 12);
  QGroupBox* comments = DescriptionFrame("Comments", "txtComment", txtComment_, this);
  txtComment_->setMinimumHeight(txtComment_->fontMetrics().lineSpacing() * 5 + 12);
  QPushButton *cmdOK, *cmdCancel;
  QHBoxLayout* buttons = OkCancelRow(cmdOK, cmdCancel, this);
  connect(cmdOK, &QPushButton::clicked, this, [this] { Ok(); });
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(CreateOptionsFrame());
  left->addWidget(CreatePlot());
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(description, 2);
  right->addWidget(comments, 1);
  auto* grid = new QGridLayout(this);
  grid->addLayout(left, 0, 0);
  grid->addLayout(right, 0, 1);
  grid->addLayout(buttons, 1, 0, 1, 2);
  grid->setColumnStretch(1, 1);

  ShowChoice();
}

QWidget* MappingWeightsSelectionForm::CreateOptionsFrame() {
  auto* frame = new QGroupBox("Mapping Weights Options", this);
  auto* grid = new QGridLayout(frame);
  functions_ = new QButtonGroup(this);
  for (int k = 0; k <= MaxMappingWtFunctionNum; ++k) {
    auto* option = new QRadioButton(kOptionNames[k], frame);
    option->setObjectName(QString("optMappingWtFunction_%1").arg(k));
    functions_->addButton(option, k);
    grid->addWidget(option, k, 0);
    grid->addWidget(new QLabel(kOptionParams[k], frame), k, 1);
  }
  connect(functions_, &QButtonGroup::idClicked, this, [this](int k) {
    ChooseMappingWtFunction(s_.set, choice_, k);
    ShowChoice();
  });

  lblMappingWtConstValue_ = new QLabel(frame);
  lblMappingWtConstValue_->setObjectName("lblMappingWtConstValue");
  lblMappingWtConstValue_->setMinimumWidth(fontMetrics().horizontalAdvance("-000.00"));
  auto arrow = [this, frame](const char* name, Qt::ArrowType type, bool up) {
    auto* button = new ArrowButton(type, name, frame);
    connect(button, &QToolButton::clicked, this, [this, up] {
      StepAdjustableMappingWt(s_.set, platform_, choice_, up);
      ShowChoice();
    });
    return button;
  };
  auto* adjust = new QHBoxLayout;
  adjust->addWidget(lblMappingWtConstValue_);
  adjust->addWidget(arrow("cmdUpMappingWt", Qt::UpArrow, true));
  adjust->addWidget(arrow("cmdDnMappingWt", Qt::DownArrow, false));
  adjust->addStretch();
  grid->addLayout(adjust, MaxMappingWtFunctionNum, 2);

  chkComplementary_ = new QCheckBox("Do the inverse case.", frame);
  chkComplementary_->setObjectName("chkComplementary");
  grid->addWidget(chkComplementary_, MaxMappingWtFunctionNum + 1, 0, 1, 3);
  connect(chkComplementary_, &QCheckBox::clicked, this, [this](bool checked) {
    Picture1_->Clear();
    ChooseComplementary(s_.set, choice_, checked);
    ShowChoice();
  });
  grid->setColumnStretch(2, 1);
  return frame;
}

QWidget* MappingWeightsSelectionForm::CreatePlot() {
  auto* area = new QWidget(this);
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  Picture1_ = new MappingCurvePlot(area);
  auto* lblYaxis = new AxisCaption(" 1                            Wij                          0",
                                   Qt::Vertical, area);
  lblYaxis->setObjectName("lblYaxis");
  auto* lblXaxis =
      new AxisCaption("  0                     Dij  -->                   1", Qt::Horizontal, area);
  lblXaxis->setObjectName("lblXaxis");
  auto* cmdClear = new QPushButton("Clear", area);
  cmdClear->setObjectName("cmdClear");
  connect(cmdClear, &QPushButton::clicked, Picture1_, &MappingCurvePlot::Clear);
  grid->addWidget(lblYaxis, 0, 0);
  grid->addWidget(Picture1_, 0, 1);
  grid->addWidget(lblXaxis, 1, 1);
  grid->addWidget(cmdClear, 2, 1, Qt::AlignRight);
  grid->setColumnStretch(2, 1);
  return area;
}

void MappingWeightsSelectionForm::ShowChoice() {
  if (QAbstractButton* option = functions_->button(choice_.function)) option->setChecked(true);
  lblMappingWtConstValue_->setText(QString::fromStdString(choice_.adjustable_label));
  chkComplementary_->setVisible(choice_.complementary_shown);
  chkComplementary_->setChecked(choice_.complementary);
  const float floor = s_.set.MapWeightFloor;
  txtDescription_->setPlainText(Latin1(MappingWtDescription(choice_, floor)));
  txtComment_->setPlainText(Latin1(MappingWtComment(choice_, floor)));
  QPolygonF curve;
  for (int k = 1; k <= kCurveSamples; ++k) {
    const float d = 0.01f * static_cast<float>(k);
    curve << QPointF(d, PlottedMappingWeight(choice_, floor, d));
  }
  Picture1_->AddCurve(curve);
}

void MappingWeightsSelectionForm::Ok() {
  ApplyMappingWeightsChoice(s_, platform_, choice_);
  accept();
}

// Every click on the dialog records Ctrl and Alt; both together reveal the
// inverse option.
void MappingWeightsSelectionForm::mousePressEvent(QMouseEvent* event) {
  QDialog::mousePressEvent(event);
  const Qt::KeyboardModifiers mods = event->modifiers();
  const bool was_complementary = choice_.complementary;
  MappingWeightsMouseDown(s_.set, s_.ui, choice_, mods & Qt::ControlModifier,
                          mods & Qt::AltModifier, chkComplementary_->isChecked());
  chkComplementary_->setVisible(choice_.complementary_shown);
  if (choice_.complementary != was_complementary) ShowChoice();
}

}  // namespace quorel
