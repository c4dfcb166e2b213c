// The objects window: each object's share of the objective function and its
// out-of-plane tendency, as shaded circles, a Pareto plot and outliers.
#pragma once

#include <vector>

#include "eval/eval_objects.h"
#include "ui/evaluation_form.h"

class QRadioButton;

namespace quorel {

class EvaluateObjectsForm : public EvaluationForm {
  Q_OBJECT

 public:
  EvaluateObjectsForm(Session& s, Platform& platform, MapScene& map, QWidget* parent);

 private:
  void ChooseOption(int option);
  void DrawParetoPlot(const ParetoPlot& pareto);

  std::vector<ObjectMeasure> measures_;
  QRadioButton* options_[6] = {};
};

}  // namespace quorel
