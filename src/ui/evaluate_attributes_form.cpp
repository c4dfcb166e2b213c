#include "ui/evaluate_attributes_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/eval_plot.h"
#include "ui/map_scene.h"

namespace quorel {
namespace {

const QColor kTieLineColor(96, 96, 96);

}  // namespace

EvaluateAttributesForm::EvaluateAttributesForm(Session& s, Platform& platform, MapScene& map,
                                               QWidget* parent)
    : EvaluationForm(s, platform, map, parent) {
  setObjectName("EvaluateAttributesForm");
  setWindowTitle("Attributes Evaluation");
  SetAxisCaptions("    Actual Value  ->", "L i n e  V a l");

  auto* list_frame = new QGroupBox("Attribute Selection List", this);
  attributes_ = new QListWidget(list_frame);
  attributes_->setObjectName("lstAllAttribsList");
  for (int a = 1; a <= s_.prob.NAttributes; ++a)
    attributes_->addItem(QString("A%1%2").arg(a).arg(s_.prob.AttribParked[a] ? "  (parked)" : ""));
  (new QVBoxLayout(list_frame))->addWidget(attributes_);

  auto* frame = new QGroupBox("Analysis Options", this);
  auto* box = new QVBoxLayout(frame);
  const char* captions[5] = {"Ai Vector Only", "Ai Vector and Quartiles", "Ai Vector and Values",
                             "All Active Vectors", "All Available Vectors"};
  for (int k = 0; k < 5; ++k) {
    options_[k] = new QRadioButton(captions[k], frame);
    options_[k]->setObjectName(QString("optAttribIdentifiers_%1").arg(k));
    connect(options_[k], &QRadioButton::clicked, this, [this] { Redraw(); });
    box->addWidget(options_[k]);
  }
  tie_lines_ = new QCheckBox("Show Vector Tie-Lines", frame);
  tie_lines_->setObjectName("chkShowTieLines");
  tie_lines_->setChecked(s_.set.ShowTieLines);
  box->addWidget(tie_lines_);
  OptionsColumn()->addWidget(list_frame, 1);
  OptionsColumn()->addWidget(frame);

  options_[0]->setChecked(true);
  if (attributes_->count() > 0) attributes_->setCurrentRow(0);
  connect(tie_lines_, &QCheckBox::toggled, this, [this](bool on) {
    s_.set.ShowTieLines = on;
    Redraw();
  });
  connect(attributes_, &QListWidget::currentRowChanged, this, [this] { Redraw(); });
  Redraw();
}

int EvaluateAttributesForm::ChosenAttribute() const {
  return attributes_->currentRow() + 1;
}

int EvaluateAttributesForm::ChosenOption() const {
  for (int k = 0; k < 5; ++k)
    if (options_[k]->isChecked()) return k;
  return 0;
}

void EvaluateAttributesForm::Redraw() {
  const int attribute = ChosenAttribute();
  if (attribute < 1) return;
  const QString k = QString::number(attribute);
  options_[0]->setText("A" + k + " Vector Only");
  options_[1]->setText("A" + k + " Vector and Quartiles");
  options_[2]->setText("A" + k + " Vector and Values");

  map_.ClearMapCanvas();
  overlays_.Clear();
  overlays_.ClearFills();
  const AttributesView view =
      ShowAttributesOption(s_, attribute, ChosenOption(), tie_lines_->isChecked());
  if (view.no_values) {
    platform_.ShowMessage(kNoAttributeValuesMessage);
    SetNotes("");
    plot_->SetPicture({});
    map_.LabelAllObjects();
    return;
  }
  for (const AttributeVector& v : view.vectors) DrawVector(v);
  overlays_.AddLines(view.tie_lines, kTieLineColor, 1);
  overlays_.ShowFills(view.fills);
  if (view.values.empty())
    overlays_.LabelKeepingFills();
  else
    LabelWithValues(view.values);
  SetNotes(view.notes);
  DrawFitPlot(view.plot);
}

void EvaluateAttributesForm::DrawVector(const AttributeVector& v) {
  overlays_.AddLines({v.shaft}, Qt::black, 1);
  overlays_.AddOutline(v.head, Qt::black, 1);
  overlays_.AddCaption(QString::fromStdString(v.label), v.label_at, v.label_left);
}

void EvaluateAttributesForm::LabelWithValues(const std::vector<PrintedValue>& values) {
  // Each valued object shows its value in place of its label.
  map_.Flush();
  std::vector<const PrintedValue*> by_object(map_.CircleCount() + 1, nullptr);
  for (const PrintedValue& v : values)
    if (v.object >= 1 && v.object <= map_.CircleCount()) by_object[v.object] = &v;
  for (int i = 1; i <= map_.CircleCount(); ++i) {
    if (by_object[i])
      map_.PrintAtCircle(i, QString::fromStdString(by_object[i]->text), map_.RimColor(i));
    else
      map_.LabelPass(i);
  }
}

void EvaluateAttributesForm::DrawFitPlot(const FitPlot& fit) {
  PlotPicture picture;
  picture.title = "Attribute Fit Plot";
  picture.notes << QString::fromStdString(fit.rsq_text) << QString::fromStdString(fit.caption);
  // Room above the points for the title.
  const double span = fit.high - fit.low;
  picture.x0 = picture.y0 = fit.low - 0.05 * span;
  picture.x1 = fit.high + 0.05 * span;
  picture.y1 = fit.high + 0.3 * span;
  picture.lines.push_back(
      {QPolygonF({QPointF(picture.x0, picture.x0), QPointF(picture.x1, picture.x1)}), kDarkRed, 2});
  for (const PlotPoint& p : fit.points) picture.markers.push_back({p.x, p.y});
  plot_->SetPicture(std::move(picture));
}

void EvaluateAttributesForm::RestoreMap() {
  map_.ClearMapCanvas();
  EvaluationForm::RestoreMap();
}

}  // namespace quorel
