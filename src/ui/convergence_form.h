// The dialog of the convergence precision and the step size.
#pragma once

#include <QDialog>

#include "model/session.h"

class QRadioButton;
class QPushButton;

namespace quorel {

class ConvergenceOptionsForm : public QDialog {
  Q_OBJECT

 public:
  ConvergenceOptionsForm(Session& s, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Ok();
  Session& s_;
  QRadioButton* optConvergLimits[3] = {};
  QRadioButton* optStepSize[3] = {};
  QPushButton *cmdOK = nullptr, *cmdCancel = nullptr;
};

}  // namespace quorel
