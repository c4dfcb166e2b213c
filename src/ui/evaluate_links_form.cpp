#include "ui/evaluate_links_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/eval_plot.h"
#include "ui/map_colors.h"
#include "ui/map_scene.h"

namespace quorel {
namespace {

constexpr int kSmallestPercent = 1, kLargestPercent = 50;
const QColor kInnerBand(255, 192, 192), kOuterBand(255, 128, 128);

struct LinkPen {
  QColor color;
  int width;
};

LinkPen PenOf(LinkMark mark) {
  switch (mark) {
    case LinkMark::kWaernSmallest:
      return {QColor(0, 0, 255), 2};
    case LinkMark::kWaernLargest:
      return {QColor(0, 255, 0), 2};
    case LinkMark::kOutlier1:
      return {QColor(255, 0, 0), 2};
    case LinkMark::kOutlier5:
      return {Qt::black, 2};
    default:
      return {PaletteColor(8), 1};
  }
}

// The reference line moved up (or down) by `offset` on the distance axis,
// closed back along the other side: a band about the line.
QPolygonF Band(const std::vector<PlotPoint>& line, float offset) {
  QPolygonF band;
  for (const PlotPoint& p : line) band << QPointF(p.x, p.y + offset);
  for (auto it = line.rbegin(); it != line.rend(); ++it) band << QPointF(it->x, it->y - offset);
  return band;
}

}  // namespace

EvaluateLinksForm::EvaluateLinksForm(Session& s, Platform& platform, MapScene& map, QWidget* parent)
    : EvaluationForm(s, platform, map, parent) {
  setObjectName("EvaluateLinksForm");
  setWindowTitle("Links Evaluation");

  auto* frame = new QGroupBox("Analysis Options", this);
  auto* box = new QVBoxLayout(frame);
  const char* captions[7] = {"Smallest", "Largest", "Invisible", "All ",
                             "Outliers", "All",     "Outliers"};
  for (int k = 0; k < 7; ++k) {
    options_[k] = new QRadioButton(captions[k], frame);
    options_[k]->setObjectName(QString("optEvalItem_%1").arg(k));
    connect(options_[k], &QRadioButton::clicked, this, [this, k] { ChooseOption(k); });
  }
  options_[2]->hide();  // the neutral choice: no links
  auto heading = [frame](const char* text, const char* name) {
    auto* label = new QLabel(text, frame);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
  };
  box->addWidget(heading("Stretched Links", "Label1"));
  box->addWidget(options_[3]);
  box->addWidget(options_[4]);
  box->addWidget(heading("Compressed Links", "Label3"));
  box->addWidget(options_[5]);
  box->addWidget(options_[6]);
  waern_caption_ = heading("Waern Links (33%)", "Label4");
  // As wide as its longest text, so that the plot keeps its size.
  waern_caption_->setMinimumWidth(
      waern_caption_->fontMetrics().horizontalAdvance("Waern Links (smallest 50%)") + 4);
  box->addWidget(waern_caption_);
  box->addWidget(options_[0]);
  box->addWidget(options_[1]);
  box->addWidget(options_[2]);
  slider_ = new QSlider(Qt::Horizontal, frame);
  slider_->setObjectName("WaernSlide");
  slider_->setRange(kSmallestPercent, kLargestPercent);
  box->addWidget(slider_);
  box->addStretch();
  bands_ = new QCheckBox("Show Std. Dev. Bands", this);
  bands_->setObjectName("chkShowStdDevBounds");
  OptionsColumn()->addWidget(frame, 1);
  OptionsColumn()->addWidget(bands_);

  eval_ = EvaluateLinks(s_);
  slider_->setValue(std::clamp(s_.set.WaernSlideValue, kSmallestPercent, kLargestPercent));
  bands_->setChecked(s_.set.EvalLinksOptionA);
  // Without a spread of the fit there are no bands to show.
  bands_->setEnabled(eval_.fit.std_error > 0);
  DrawShepardPlot();
  connect(bands_, &QCheckBox::toggled, this, [this] { DrawShepardPlot(); });
  connect(slider_, &QSlider::valueChanged, this, [this](int value) {
    s_.set.WaernSlideValue = value;
    ChooseOption(s_.set.EvalLinksItemNum);
  });
  const int option = std::clamp(s_.set.EvalLinksItemNum, 0, 6);
  options_[option]->setChecked(true);
  ChooseOption(option);
}

int EvaluateLinksForm::Percent() const {
  return slider_->value();
}

void EvaluateLinksForm::ChooseOption(int option) {
  // The marks of the previous option go first, whatever comes next.
  overlays_.Clear();
  overlays_.ClearFills();
  s_.set.EvalLinksItemNum = option;
  const LinksView view = ShowLinksOption(eval_, option, Percent());
  waern_caption_->setText(QString::fromStdString(view.waern_caption));
  slider_->setEnabled(view.slider_enabled);
  // One item per look: the marks in the order of their weight, red last.
  for (LinkMark mark : {LinkMark::kBeyondHalfPercent, LinkMark::kWaernSmallest,
                        LinkMark::kWaernLargest, LinkMark::kOutlier5, LinkMark::kOutlier1}) {
    std::vector<std::pair<int, int>> pairs;
    for (const MarkedLink& m : view.marked)
      if (m.mark == mark) pairs.push_back({eval_.links[m.link].i, eval_.links[m.link].j});
    const LinkPen pen = PenOf(mark);
    overlays_.AddLinks(pairs, pen.color, pen.width);
  }
  SetNotes(view.notes);
  map_.LabelAllObjects();
}

void EvaluateLinksForm::DrawShepardPlot() {
  const ShepardPlot data = ShepardPlotData(eval_);
  PlotPicture picture;
  picture.title = "Shepard Plot";
  picture.notes << QString::fromStdString(data.rsq_text);
  picture.x1 = picture.y1 = data.top;
  // Both axes reach past 1 when a distance does, and their captions say so.
  const QString top = data.top > 1.0f ? QString::number(data.top, 'f', 2) : QString("1");
  SetAxisCaptions(
      (IsInterval(s_.set.MDSAnalysisTypeNum) ? " 0      IC+Dij       " : " 0        Dij        ") +
          top,
      top + "               dij            0 ");
  if (bands_->isChecked() && data.inner_band > 0) {
    picture.areas.push_back({Band(data.reference, data.outer_band), kOuterBand});
    picture.areas.push_back({Band(data.reference, data.inner_band), kInnerBand});
  }
  QPolygonF reference;
  for (const PlotPoint& p : data.reference) reference << QPointF(p.x, p.y);
  picture.lines.push_back({reference, kDarkRed, 2});
  for (const PlotPoint& p : data.points) picture.markers.push_back({p.x, p.y});
  if (data.points.empty()) picture.message = "(no links)";
  plot_->SetPicture(std::move(picture));
}

void EvaluateLinksForm::StoreOptions() {
  if (bands_->isEnabled()) s_.set.EvalLinksOptionA = bands_->isChecked();
  s_.set.WaernSlideValue = slider_->value();
}

}  // namespace quorel
