// The links window: the Shepard plot of map distances against
// dissimilarities, the fit, and the Waern, stretched or compressed links
// drawn on the main map.
#pragma once

#include "eval/eval_links.h"
#include "ui/evaluation_form.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QSlider;

namespace quorel {

class EvaluateLinksForm : public EvaluationForm {
  Q_OBJECT

 public:
  EvaluateLinksForm(Session& s, Platform& platform, MapScene& map, QWidget* parent);

 protected:
  void StoreOptions() override;

 private:
  void ChooseOption(int option);
  void DrawShepardPlot();
  int Percent() const;

  LinkEvaluation eval_;
  QRadioButton* options_[7] = {};
  QSlider* slider_ = nullptr;
  QLabel* waern_caption_ = nullptr;
  QCheckBox* bands_ = nullptr;
};

}  // namespace quorel
