// The dialog of File > Export Map and of the evaluation windows' Export
// button: the picture's format, the resolution of a PNG (with the pixels it
// makes), and in an evaluation window whether the map or the plot.
#pragma once

#include <QSizeF>

#include "ui/dialog_parts.h"
#include "ui/picture_export.h"

class QLabel;
class QRadioButton;
class QSpinBox;

namespace quorel {

class ExportPictureForm : public PrintableDialog {
  Q_OBJECT

 public:
  // `plot_size` empty: the map only (File > Export Map).
  ExportPictureForm(const PictureChoice& choice, QSizeF map_size, QSizeF plot_size,
                    QWidget* parent);

  PictureChoice Choice() const;

 private:
  void ShowChoice();

  QSizeF map_size_, plot_size_;
  QRadioButton* optExportSubject[2] = {};
  QRadioButton* optPictureFormat[kPictureFormats] = {};
  QSpinBox* txtResolution = nullptr;
  QLabel* lblPixelSize = nullptr;
};

}  // namespace quorel
