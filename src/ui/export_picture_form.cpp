#include "ui/export_picture_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quorel {

ExportPictureForm::ExportPictureForm(const PictureChoice& choice, QSizeF map_size, QSizeF plot_size,
                                     QWidget* parent)
    : PrintableDialog(parent), map_size_(map_size), plot_size_(plot_size) {
  setObjectName("ExportPictureForm");
  const bool offer_plot = !plot_size.isEmpty();
  setWindowTitle(offer_plot ? "Export Picture" : "Export Map");
  auto* column = new QVBoxLayout(this);

  if (offer_plot) {
    auto* subject = new QGroupBox("Picture", this);
    auto* subject_box = new QVBoxLayout(subject);
    const char* captions[2] = {"The &plot of this window", "The &map with this window's marks"};
    for (int k = 0; k < 2; ++k) {
      optExportSubject[k] = new QRadioButton(captions[k], subject);
      optExportSubject[k]->setObjectName(QString("optExportSubject_%1").arg(k));
      subject_box->addWidget(optExportSubject[k]);
    }
    optExportSubject[choice.map ? 1 : 0]->setChecked(true);
    column->addWidget(subject);
  }

  auto* format = new QGroupBox("Format", this);
  auto* format_box = new QVBoxLayout(format);
  const char* captions[kPictureFormats] = {"&SVG: vectors, for drawing programs and the web",
                                           "P&DF: vectors, for papers",
                                           "P&NG: pixels, at the resolution below"};
  for (int k = 0; k < kPictureFormats; ++k) {
    optPictureFormat[k] = new QRadioButton(captions[k], format);
    optPictureFormat[k]->setObjectName(QString("optPictureFormat_%1").arg(k));
    format_box->addWidget(optPictureFormat[k]);
  }
  optPictureFormat[static_cast<int>(choice.format)]->setChecked(true);

  auto* resolution_row = new QHBoxLayout;
  auto* resolution_label = new QLabel("&Resolution:", format);
  txtResolution = new QSpinBox(format);
  txtResolution->setObjectName("txtResolution");
  txtResolution->setRange(kMinPictureDpi, kMaxPictureDpi);
  txtResolution->setSingleStep(50);
  txtResolution->setSuffix(" dpi");
  txtResolution->setValue(choice.dpi);
  resolution_label->setBuddy(txtResolution);
  lblPixelSize = new QLabel(format);
  lblPixelSize->setObjectName("lblPixelSize");
  resolution_row->addSpacing(20);
  resolution_row->addWidget(resolution_label);
  resolution_row->addWidget(txtResolution);
  resolution_row->addWidget(lblPixelSize, 1);
  format_box->addLayout(resolution_row);
  column->addWidget(format);

  QPushButton *ok = nullptr, *cancel = nullptr;
  column->addLayout(OkCancelRow(ok, cancel, this));
  ok->setToolTip("Choose the file and write the picture.");
  cancel->setToolTip("Write nothing.");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // Every choice shows what it makes.
  for (QRadioButton* option : optPictureFormat)
    connect(option, &QRadioButton::toggled, this, [this] { ShowChoice(); });
  for (QRadioButton* option : optExportSubject)
    if (option) connect(option, &QRadioButton::toggled, this, [this] { ShowChoice(); });
  connect(txtResolution, &QSpinBox::valueChanged, this, [this] { ShowChoice(); });
  ShowChoice();
}

PictureChoice ExportPictureForm::Choice() const {
  PictureChoice choice;
  for (int k = 0; k < kPictureFormats; ++k)
    if (optPictureFormat[k]->isChecked()) choice.format = static_cast<PictureFormat>(k);
  choice.dpi = txtResolution->value();
  choice.map = optExportSubject[1] == nullptr || optExportSubject[1]->isChecked();
  return choice;
}

void ExportPictureForm::ShowChoice() {
  const PictureChoice choice = Choice();
  const bool png = choice.format == PictureFormat::kPng;
  txtResolution->setEnabled(png);
  const QSize pixels = PngPixelSize(choice.map ? map_size_ : plot_size_, choice.dpi);
  lblPixelSize->setText(png ? QString("%1 x %2 pixels").arg(pixels.width()).arg(pixels.height())
                            : QString());
}

}  // namespace quorel
