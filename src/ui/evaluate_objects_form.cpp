#include "ui/evaluate_objects_form.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/eval_plot.h"
#include "ui/map_scene.h"

namespace quorel {
namespace {

const QColor kPlainBar(70, 110, 160);
// Room above the bars for the plot's title.
constexpr double kHeadroom = 0.3;

}  // namespace

EvaluateObjectsForm::EvaluateObjectsForm(Session& s, Platform& platform, MapScene& map,
                                         QWidget* parent)
    : EvaluationForm(s, platform, map, parent) {
  setObjectName("EvaluateObjectsForm");
  setWindowTitle("Objects Evaluation");
  SetAxisCaptions("Object", "  P e r c e n t");

  auto* frame = new QGroupBox("Analysis Options", this);
  auto* box = new QVBoxLayout(frame);
  const char* captions[3] = {"Quarter Ranges", "Relative Values", "Outliers"};
  const char* headings[2] = {"Objective Function Values", "Out-Of-Plane Tendencies"};
  const char* heading_names[2] = {"Label2", "Label3"};
  for (int group = 0; group < 2; ++group) {
    auto* heading = new QLabel(headings[group], frame);
    heading->setObjectName(heading_names[group]);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    box->addWidget(heading);
    for (int k = 3 * group; k < 3 * group + 3; ++k) {
      options_[k] = new QRadioButton(captions[k % 3], frame);
      options_[k]->setObjectName(QString("optEvalItem_%1").arg(k));
      connect(options_[k], &QRadioButton::clicked, this, [this, k] { ChooseOption(k); });
      box->addWidget(options_[k]);
    }
  }
  box->addStretch();
  OptionsColumn()->addWidget(frame, 1);

  measures_ = EvaluateObjects(s_);
  const int option = std::clamp(s_.set.EvalObjectsItemNum, 0, 5);
  options_[option]->setChecked(true);
  ChooseOption(option);
}

void EvaluateObjectsForm::ChooseOption(int option) {
  s_.set.EvalObjectsItemNum = option;
  const ObjectsView view = ShowObjectsOption(measures_, option);
  overlays_.ShowFills(view.fills);
  // The label pass that follows keeps the fills.
  overlays_.LabelKeepingFills();
  SetNotes(view.notes);
  DrawParetoPlot(view.plot);
}

void EvaluateObjectsForm::DrawParetoPlot(const ParetoPlot& pareto) {
  PlotPicture picture;
  picture.title = QString::fromStdString(pareto.title);
  const double n = std::max<size_t>(1, pareto.bars.size());
  picture.x1 = n;
  picture.y0 = pareto.is_signed ? -1.0 : 0.0;
  picture.y1 = 1.0 + kHeadroom * (pareto.is_signed ? 2 : 1);
  if (pareto.about_zero) {
    picture.message = "(all values are about zero)";
    plot_->SetPicture(std::move(picture));
    return;
  }
  const double gap = 0.15;
  for (size_t k = 0; k < pareto.bars.size(); ++k) {
    const ParetoBar& bar = pareto.bars[k];
    const QColor fill =
        bar.fill == CircleFill::kClear ? kPlainBar : MapOverlays::FillColor(bar.fill);
    picture.bars.push_back(
        {k + gap, k + 1 - gap, 0.0, bar.value, fill, QString::number(bar.object)});
  }
  if (pareto.is_signed)
    picture.lines.push_back({QPolygonF({QPointF(0, 0), QPointF(n, 0)}), QColor(128, 128, 128), 1});
  picture.lines.push_back(
      {QPolygonF({QPointF(0, pareto.average), QPointF(n, pareto.average)}), kDarkRed, 2});
  plot_->SetPicture(std::move(picture));
}

}  // namespace quorel
