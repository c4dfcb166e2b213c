#include "ui/evaluation_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/eval_plot.h"
#include "ui/map_scene.h"
#include "ui/special_cases_form.h"

namespace quorel {

EvaluationForm::EvaluationForm(Session& s, Platform& platform, MapScene& map, QWidget* parent)
    : QDialog(parent), s_(s), platform_(platform), map_(map), overlays_(s, map) {
  setSizeGripEnabled(true);
  plot_ = new EvalPlot(this);
  plot_->setObjectName("Picture1");
  x_caption_ = new AxisCaption(Qt::Horizontal, this);
  x_caption_->setObjectName("lblXaxis");
  y_caption_ = new AxisCaption(Qt::Vertical, this);
  y_caption_->setObjectName("lblYaxis");

  auto* notes_frame = new QGroupBox("Notes", this);
  notes_ = new QPlainTextEdit(notes_frame);
  notes_->setObjectName("txtDescription");
  notes_->setReadOnly(true);
  notes_->setMaximumHeight(notes_->fontMetrics().lineSpacing() * 6);
  (new QVBoxLayout(notes_frame))->addWidget(notes_);

  auto* export_button = new QPushButton("Export ...", this);
  export_button->setObjectName("cmdExport");
  export_button->setAutoDefault(false);
  connect(export_button, &QPushButton::clicked, this, &EvaluationForm::ExportRequested);
  auto* close = new QPushButton("Close", this);
  close->setObjectName("cmdClose");
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* grid = new QGridLayout;
  grid->setSpacing(0);
  grid->addWidget(y_caption_, 0, 0);
  grid->addWidget(plot_, 0, 1);
  grid->addWidget(x_caption_, 1, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(0, 1);

  options_ = new QVBoxLayout;
  auto* top = new QHBoxLayout;
  top->addLayout(grid, 1);
  top->addLayout(options_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(notes_frame, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addStretch();
  buttons->addWidget(export_button);
  buttons->addWidget(close);
  bottom->addLayout(buttons);
  auto* column = new QVBoxLayout(this);
  column->addLayout(top, 1);
  column->addLayout(bottom);
  resize(760, 540);
}

std::unique_ptr<ExportablePicture> EvaluationForm::Figure() const {
  return std::make_unique<PlotFigure>(*plot_, *x_caption_, *y_caption_);
}

void EvaluationForm::SetAxisCaptions(const QString& x, const QString& y) {
  x_caption_->setText(x);
  y_caption_->setText(y);
}

void EvaluationForm::SetNotes(const std::string& notes) {
  notes_->setPlainText(QString::fromLatin1(notes.c_str()).replace("\r\n", "\n"));
}

void EvaluationForm::RestoreMap() {
  s_.set.ObjectsFilled = false;
  overlays_.ClearFills();
  map_.LabelAllObjects();
}

void EvaluationForm::done(int result) {
  StoreOptions();
  overlays_.Clear();
  RestoreMap();
  QDialog::done(result);
}

void EvaluationForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_P && (event->modifiers() & Qt::ControlModifier)) {
    PrintWidget(this);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace quorel
