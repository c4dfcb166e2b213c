// The Map Evaluation menu: each window judges the map as it stands, so a
// running series ends first, as Stop ends it.
#include <QTimer>
#include <memory>

#include "control/run_control.h"
#include "prep/dissim_ranks.h"
#include "ui/evaluate_attributes_form.h"
#include "ui/evaluate_links_form.h"
#include "ui/evaluate_objects_form.h"
#include "ui/main_form.h"
#include "ui/map_scene.h"

namespace quorel {

void MainForm::OpenEvaluationWindow(EvaluationWindow which) {
  if (s_.prob.NObjects == 0) return;
  if (s_.run.RunState == kRunning) Command([this] { cmdStop_Click(s_, platform_); });
  // The window labels the map itself; a pending relabel would wipe its fills.
  Timer1->stop();
  map_->Flush();
  // The links and objects windows judge ordinal maps by their rank bands.
  EnsureRanks(s_, platform_);
  std::unique_ptr<EvaluationForm> form;
  switch (which) {
    case EvaluationWindow::kObjects:
      form = std::make_unique<EvaluateObjectsForm>(s_, platform_, *map_, this);
      break;
    case EvaluationWindow::kLinks:
      form = std::make_unique<EvaluateLinksForm>(s_, platform_, *map_, this);
      break;
    case EvaluationWindow::kAttributes:
      if (s_.prob.NAttributes == 0) return;
      form = std::make_unique<EvaluateAttributesForm>(s_, platform_, *map_, this);
      break;
  }
  connect(form.get(), &EvaluationForm::ExportRequested, this,
          [this, window = form.get()] { ExportPictureCommand(window); });
  form->exec();
  form.reset();
  EnableTimer1();
}

}  // namespace quorel
