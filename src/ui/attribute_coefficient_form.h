// The Attributes dialog: the attribute-to-dissimilarity function, the data
// level that limits it, the binary conversion rule and the normalisation of
// Euclidean and City Block.
#pragma once

#include <vector>

#include "model/platform.h"
#include "model/session.h"
#include "prep/attribute_choice.h"
#include "ui/dialog_parts.h"

class QButtonGroup;
class QPlainTextEdit;
class QRadioButton;

namespace quorel {

class AttributeCoefficientSelectionForm : public PrintableDialog {
  Q_OBJECT

 public:
  AttributeCoefficientSelectionForm(Session& s, Platform& platform, QWidget* parent);

 private:
  QWidget* CreateFunctionFrame();
  QWidget* CreateTypeFrame();
  QWidget* CreateCoercionFrame();
  QWidget* CreateNormalizeFrame();
  void ShowChoice();
  void ShowEuclideanCaptions();
  void FunctionClicked(int function);
  void TypeClicked(int data_type);
  void Ok();

  Session& s_;
  Platform& platform_;
  AttributeChoice choice_;
  QButtonGroup *functions_ = nullptr, *types_ = nullptr, *coercion_ = nullptr,
               *normalize_ = nullptr;
  QPlainTextEdit *txtFunction_ = nullptr, *txtDataType_ = nullptr;
};

}  // namespace quorel
