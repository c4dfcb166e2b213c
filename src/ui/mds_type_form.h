// The dialog of the MDS type, the error bounds and the centring inside them.
#pragma once

#include "model/platform.h"
#include "model/session.h"
#include "prep/error_bounds.h"
#include "ui/dialog_parts.h"

class QLabel;
class QPlainTextEdit;
class QRadioButton;

namespace quorel {

class MDSTypeAndErrorBoundsSelectionForm : public PrintableDialog {
  Q_OBJECT

 public:
  MDSTypeAndErrorBoundsSelectionForm(Session& s, Platform& platform, QWidget* parent);

 private:
  QWidget* CreateTypeFrame();
  QWidget* CreateBoundsFrame();
  QWidget* CreateCentringFrame();
  void ShowType(int type);
  void ShowBoundKind(BoundKind kind);
  void ShowCentring(bool centre);
  void StepBound(BoundKind kind, bool up);
  void ShowBoundLabels();
  void Ok();

  Session& s_;
  Platform& platform_;
  MDSTypeChoice working_;
  QRadioButton* optMDSAnalysisType_[MaxMDSTypeNum + 1] = {};
  QRadioButton* optErrBoundsType_[2] = {};
  QRadioButton* optCenteringInBounds_[2] = {};
  QLabel *lblFixedBoundsValue_ = nullptr, *lblFractBoundsValue_ = nullptr;
  QPlainTextEdit *txtMDSType_ = nullptr, *txtErrorBounds_ = nullptr,
                 *txtInternalVariation_ = nullptr;
};

}  // namespace quorel
