// The dialog that chooses one of the built-in problems.
#pragma once

#include <QDialog>
#include <vector>

#include "model/session.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace quorel {

class SpecialCasesForm : public QDialog {
  Q_OBJECT

 public:
  SpecialCasesForm(Session& s, QWidget* parent);

  // The case whose option is selected (the first, 0..18), or -1.
  int SelectedCase() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Every way of leaving without OK (the Cancel button, Escape, the close
  // box) is a Cancel.
  void reject() override;

 private:
  void ShowDescription(int case_num);
  void Ok();

  Session& s_;
  std::vector<QRadioButton*> optSpecialCase;
  QCheckBox* chkRandomOptions = nullptr;
  QPlainTextEdit* txtDescription = nullptr;
  QPlainTextEdit* Text1 = nullptr;
  QPushButton *cmdOK = nullptr, *cmdCancel = nullptr;
};

// Prints a dialog as it is on the screen after a print dialog (Ctrl+P).
void PrintWidget(QWidget* widget);

}  // namespace quorel
