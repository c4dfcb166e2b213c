// The dialog of the badness and distance functions, the Minkowski exponent
// and the badness function left out of the on-line rotation.
#pragma once

#include "control/objective_choice.h"
#include "model/platform.h"
#include "model/session.h"
#include "ui/dialog_parts.h"

class QLabel;
class QPlainTextEdit;
class QRadioButton;

namespace quorel {

class BadnessDistanceFunctionSelectionForm : public PrintableDialog {
  Q_OBJECT

 public:
  BadnessDistanceFunctionSelectionForm(Session& s, Platform& platform, QWidget* parent);

 private:
  QWidget* CreateBadnessFrame();
  QWidget* CreateDistanceFrame();
  QWidget* CreateSuppressFrame();
  void ShowBadness(int code);
  void ShowDistance(int code);
  void StepExponent(bool up);
  void ShowExponent();
  void Ok();

  Session& s_;
  Platform& platform_;
  ObjectiveChoice working_;
  QRadioButton* optBadnessFunction_[MaxBadnessFunctionNum + 1] = {};
  QRadioButton* optDistanceFunction_[MaxDistanceFunctionNum + 1] = {};
  QRadioButton* optSuppress_[3] = {};
  QLabel* lblMinkowskiValue_ = nullptr;
  QPlainTextEdit *txtObjFn_ = nullptr, *txtDistance_ = nullptr, *txtSuppression_ = nullptr;
};

}  // namespace quorel
