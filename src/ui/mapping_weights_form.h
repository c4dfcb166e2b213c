// The Mapping Weights dialog: the mapping-weight function, the adjustable m
// with its arrows, the hidden inverse option, the curve plot that keeps the
// curves of earlier choices until Clear, and the table of weights.
#pragma once

#include <QDialog>
#include <QPolygonF>
#include <vector>

#include "model/platform.h"
#include "model/session.h"
#include "prep/mapping_weights_choice.h"
#include "ui/dialog_parts.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace quorel {

// The curve plot: weight 1 at the top, 0 at the bottom, D from 0 to 1 to the
// right.  Curves are kept as data and drawn at the plot's size, so they stay
// sharp at any scale.
class MappingCurvePlot : public QWidget {
  Q_OBJECT

 public:
  explicit MappingCurvePlot(QWidget* parent);

  // A curve through (D, weight) points.
  void AddCurve(const QPolygonF& curve);
  void Clear();
  int CurveCount() const { return static_cast<int>(curves_.size()); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<QPolygonF> curves_;
};

class MappingWeightsSelectionForm : public PrintableDialog {
  Q_OBJECT

 public:
  MappingWeightsSelectionForm(Session& s, Platform& platform, QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QWidget* CreateOptionsFrame();
  QWidget* CreatePlot();
  // Shows the working choice: selection, label, texts, and its curve.
  void ShowChoice();
  void Ok();

  Session& s_;
  Platform& platform_;
  MappingWeightsChoice choice_;
  QButtonGroup* functions_ = nullptr;
  QLabel* lblMappingWtConstValue_ = nullptr;
  QCheckBox* chkComplementary_ = nullptr;
  MappingCurvePlot* Picture1_ = nullptr;
  QPlainTextEdit *txtDescription_ = nullptr, *txtComment_ = nullptr;
};

}  // namespace quorel
