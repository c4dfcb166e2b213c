// The Analysis Parameters menu: the dialogs of the MDS type and error
// bounds, the objective functions, the dimensions and boundaries and the
// precision examples, the mapping weights and the attribute functions.
#include <QAction>

#include "model/captions.h"
#include "ui/attribute_coefficient_form.h"
#include "ui/boundary_dimensions_form.h"
#include "ui/data_precision_form.h"
#include "ui/main_form.h"
#include "ui/map_scene.h"
#include "ui/mapping_weights_form.h"
#include "ui/mds_type_form.h"
#include "ui/objective_functions_form.h"

namespace quorel {

void MainForm::ConnectAnalysisMenus() {
  connect(mnuMDSTypeAndErrBounds, &QAction::triggered, this, [this] {
    MDSTypeAndErrorBoundsSelectionForm form(s_, platform_, this);
    ShowAnalysisDialog(form, [this] { s_.captions.cmdMDSType = MDSTypeCaption(s_); });
  });
  connect(mnuDistanceAndBadnessFns, &QAction::triggered, this, [this] {
    BadnessDistanceFunctionSelectionForm form(s_, platform_, this);
    ShowAnalysisDialog(form, [this] {
      s_.captions.cmdBadnessFns = BadnessCaption(s_);
      s_.captions.cmdDistanceFns = DistanceCaption(s_);
    });
  });
  connect(mnuBoundaryDimensions, &QAction::triggered, this, [this] {
    BoundaryDimensionsSelectionForm form(s_, platform_, this);
    ShowAnalysisDialog(form, [this] {
      s_.captions.cmdBoundary = BoundaryCaption(s_);
      s_.captions.cmdDimensions = DimensionsCaption(s_);
      map_->UpdateGuides();
    });
  });
  connect(mnuPrecision, &QAction::triggered, this, [this] {
    DataPrecisionForm form(platform_, this);
    ShowAnalysisDialog(form, [this] { s_.captions.cmdDegrade = DegradeCaption(s_); });
  });
  connect(mnuMappingWtFns, &QAction::triggered, this, [this] {
    MappingWeightsSelectionForm form(s_, platform_, this);
    ShowAnalysisDialog(form, [this] { s_.captions.cmdMappingWtFns = MappingWtCaption(s_); });
  });
  connect(mnuAttributeFns, &QAction::triggered, this, [this] {
    AttributeCoefficientSelectionForm form(s_, platform_, this);
    ShowAnalysisDialog(form, [this] { s_.captions.cmdAttributeFns = AttributeFnsCaption(s_); });
  });
}

void MainForm::ShowAnalysisDialog(QDialog& form, const std::function<void()>& rewrite_captions) {
  form.exec();
  rewrite_captions();
  RefreshCaptions();
  Command([] {});
  EnableTimer1();
}

}  // namespace quorel
