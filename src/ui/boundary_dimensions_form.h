// The dialog of the number of dimensions, the boundary type and size and the
// X-Y emphasis.
#pragma once

#include "model/platform.h"
#include "model/session.h"
#include "ui/dialog_parts.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace quorel {

class BoundaryDimensionsSelectionForm : public PrintableDialog {
  Q_OBJECT

 public:
  BoundaryDimensionsSelectionForm(Session& s, Platform& platform, QWidget* parent);

 private:
  QWidget* CreateDimensionsFrame();
  QWidget* CreateBoundaryFrame();
  void StepRadius(const ArrowButton* arrow, bool up);
  void ShowRadius();
  // Takes the typed size when the box was edited since the last check,
  // clamped into 0..1 with a beep.
  void TakeTypedRadius();
  void Ok();

  Session& s_;
  Platform& platform_;
  int dimensions_;
  float radius_;
  QRadioButton* optDimensions_[MaxDimensionsNum] = {};
  QRadioButton* optBdyType_[3] = {};
  QCheckBox* chkXYSection_ = nullptr;
  QLineEdit* txtRadius_ = nullptr;
};

}  // namespace quorel
