// The View menu: the view options dialog and what its OK does to the map.
#include "model/map_layout.h"
#include "ui/main_form.h"
#include "ui/map_scene.h"
#include "ui/view_parameters_form.h"

namespace quorel {

void MainForm::ViewOptionsCommand() {
  ViewParametersSelectionForm form(s_, this);
  connect(&form, &ViewParametersSelectionForm::OptionalButtonsChanged, this,
          [this] { ArrangeOnlineButtons(); });
  if (form.exec() == QDialog::Accepted) {
    ViewChoices choices = form.Choices();
    Command([this, &choices] { ApplyViewOptions(choices); });
  }
  EnableTimer1();
}

void MainForm::ApplyViewOptions(const ViewChoices& choices) {
  if (choices.ObjectIDMethodNum == kIdNone) map_->ClearMapCanvas();
  if (s_.map.FieldMode) {
    // A zoom or a move not yet written back is kept: the circles are placed
    // again from the coordinates below.
    field_->FinishMirror();
    field_->WriteBack();
  }
  ApplyViewChoices(s_, choices);
  map_->UpdateGuides();
  ArrangeOnlineButtons();
  map_->StyleCircles(true);
  // The circles grow or shrink about their centres: a new diameter moves no
  // object.
  PlaceAllObjects(s_, platform_);
  map_->ClearMapCanvas();
}

}  // namespace quorel
