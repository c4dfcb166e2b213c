// The View Options dialog: the rim colour, rim width and size of the object
// circles, how objects are identified, the axes and the unit circle, the
// centring choice, and which optional buttons the control panel carries,
// with a preview of three sample objects.
#pragma once

#include <QDialog>

#include "model/session.h"
#include "model/view_options.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace quorel {

class ViewPreview;

class ViewParametersSelectionForm : public QDialog {
  Q_OBJECT

 public:
  ViewParametersSelectionForm(Session& s, QWidget* parent);

  // The values chosen, for OK to apply.
  const ViewChoices& Choices() const { return choices_; }

 signals:
  // One of the four optional-button check boxes changed its setting: the
  // control panel is restacked at once.
  void OptionalButtonsChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* CreateCircleControls();
  QWidget* CreateIdentification();
  QWidget* CreateGuides();
  QWidget* CreateCentering();
  QWidget* CreateOptionalButtons();
  void Explain(const char* text);
  void Changed();

  Session& s_;
  ViewChoices choices_;
  ViewPreview* preview_ = nullptr;
  QLabel* values_[3] = {};  // rim colour, rim width, circle size
  QPlainTextEdit* txtExplaination = nullptr;
  QButtonGroup* optObjectID = nullptr;
  QButtonGroup* optCenteringInBounds = nullptr;
  QCheckBox *chkShowAxes = nullptr, *chkShowBoundary = nullptr;
};

}  // namespace quorel
