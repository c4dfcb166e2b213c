// The window that explains data precision degrading with worked examples.
// It changes no setting and no data.
#pragma once

#include <QDialog>

#include "model/platform.h"

class QLabel;
class QPlainTextEdit;

namespace quorel {

class DataPrecisionForm : public QDialog {
  Q_OBJECT

 public:
  DataPrecisionForm(Platform& platform, QWidget* parent);

 private:
  QWidget* CreateControlFrame();
  void StepLevel(bool up);
  void ShowLevel();

  Platform& platform_;
  int level_;
  QPlainTextEdit* txtDescription_ = nullptr;
  QLabel *lblPrecision_ = nullptr, *lblUncertainty_ = nullptr;
};

}  // namespace quorel
