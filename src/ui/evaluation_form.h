// What the three evaluation windows share: the plot with its axis captions,
// the notes, the Close button, the overlay on the main map, and the map
// restored when the window closes.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "model/platform.h"
#include "model/session.h"
#include "ui/map_overlays.h"
#include "ui/picture_export.h"

class QBoxLayout;
class QPlainTextEdit;
class QPushButton;

namespace quorel {

class AxisCaption;
class EvalPlot;
class MapScene;

class EvaluationForm : public QDialog {
  Q_OBJECT

 public:
  EvaluationForm(Session& s, Platform& platform, MapScene& map, QWidget* parent);

  // The plot with its axis captions as shown now, for export.
  std::unique_ptr<ExportablePicture> Figure() const;

 signals:
  // The Export button: the main window asks what to export and where.
  void ExportRequested();

 protected:
  // The column right of the plot, where each window puts its options.
  QBoxLayout* OptionsColumn() { return options_; }
  void SetAxisCaptions(const QString& x, const QString& y);
  void SetNotes(const std::string& notes);
  void done(int result) override;
  // The window's settings kept for the next opening.
  virtual void StoreOptions() {}
  // The map without the window's marks and fills, labelled again.
  virtual void RestoreMap();
  void keyPressEvent(QKeyEvent* event) override;

  Session& s_;
  Platform& platform_;
  MapScene& map_;
  MapOverlays overlays_;
  EvalPlot* plot_ = nullptr;

 private:
  QBoxLayout* options_ = nullptr;
  AxisCaption *x_caption_ = nullptr, *y_caption_ = nullptr;
  QPlainTextEdit* notes_ = nullptr;
};

// The windows' colours of the plots.
inline const QColor kDarkRed(192, 0, 0);

}  // namespace quorel
