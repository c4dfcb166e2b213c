// The attributes window: the direction through the map that best predicts an
// attribute, drawn as a vector on the main map, with quartile fills, printed
// values, tie lines and the attribute fit plot.
#pragma once

#include "eval/eval_attributes.h"
#include "ui/evaluation_form.h"

class QCheckBox;
class QListWidget;
class QRadioButton;

namespace quorel {

class EvaluateAttributesForm : public EvaluationForm {
  Q_OBJECT

 public:
  EvaluateAttributesForm(Session& s, Platform& platform, MapScene& map, QWidget* parent);

 protected:
  void RestoreMap() override;

 private:
  // Clears the map, evaluates the chosen attribute and option, and draws.
  void Redraw();
  int ChosenAttribute() const;
  int ChosenOption() const;
  void DrawVector(const AttributeVector& v);
  void LabelWithValues(const std::vector<PrintedValue>& values);
  void DrawFitPlot(const FitPlot& fit);

  QListWidget* attributes_ = nullptr;
  QRadioButton* options_[5] = {};
  QCheckBox* tie_lines_ = nullptr;
};

}  // namespace quorel
