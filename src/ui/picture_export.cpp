#include "ui/picture_export.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "model/safe_write.h"
#include "ui/label_canvas.h"

namespace quorel {
namespace {

// Logical pixels per inch: the map's twips per inch over its twips per pixel.
constexpr double kLogicalDpi = 1440.0 / kTwipsPerPixel;
constexpr double kInchesPerMetre = 1 / 0.0254;
// A PNG beyond this many pixels would take gigabytes to draw.
constexpr qint64 kMaxPngPixels = 200'000'000;

void PaintOn(QPaintDevice& device, const ExportablePicture& picture) {
  QPainter painter(&device);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
  painter.fillRect(QRectF(QPointF(0, 0), picture.LogicalSize()), Qt::white);
  picture.Paint(painter);
}

void DrawSvg(const ExportablePicture& picture, QBuffer& out) {
  const QSizeF size = picture.LogicalSize();
  QSvgGenerator svg;
  svg.setOutputDevice(&out);
  svg.setResolution(static_cast<int>(kLogicalDpi));
  svg.setSize(size.toSize());
  svg.setViewBox(QRectF(QPointF(0, 0), size));
  // The generator of Debian's Qt writes the title as it stands: a problem
  // title such as "R&D <2024>" would break the XML.
  svg.setTitle(picture.Title().toHtmlEscaped());
  svg.setDescription("Drawn by Quorel");
  PaintOn(svg, picture);
}

void DrawPdf(const ExportablePicture& picture, QBuffer& out) {
  const QSizeF size = picture.LogicalSize();
  QPdfWriter pdf(&out);
  pdf.setCreator("Quorel");
  pdf.setTitle(picture.Title());
  // One page the size of the picture, drawn in logical pixels.
  pdf.setResolution(static_cast<int>(kLogicalDpi));
  pdf.setPageSize(
      QPageSize(size * (72.0 / kLogicalDpi), QPageSize::Point, QString(), QPageSize::ExactMatch));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  PaintOn(pdf, picture);
}

std::string DrawPng(const ExportablePicture& picture, int dpi, QBuffer& out) {
  const QSize pixels = PngPixelSize(picture.LogicalSize(), dpi);
  if (qint64(pixels.width()) * pixels.height() > kMaxPngPixels)
    return "A picture of " + std::to_string(pixels.width()) + " x " +
           std::to_string(pixels.height()) +
           " pixels is too large to draw.  Choose a lower resolution.  ErrMsgP2";
  QImage image(pixels, QImage::Format_RGB32);
  if (image.isNull())
    return "There is not enough memory to draw a picture of " + std::to_string(pixels.width()) +
           " x " + std::to_string(pixels.height()) +
           " pixels.  Choose a lower resolution.  ErrMsgP2";
  image.fill(Qt::white);  // to the last whole pixel, past the picture's edge
  // Drawn in logical pixels at the screen's density of text, then marked
  // with the resolution chosen.
  image.setDevicePixelRatio(dpi / kLogicalDpi);
  const int logical_dpm = static_cast<int>(std::lround(kLogicalDpi * kInchesPerMetre));
  image.setDotsPerMeterX(logical_dpm);
  image.setDotsPerMeterY(logical_dpm);
  PaintOn(image, picture);
  image.setDevicePixelRatio(1.0);
  image.setDotsPerMeterX(static_cast<int>(std::lround(dpi * kInchesPerMetre)));
  image.setDotsPerMeterY(static_cast<int>(std::lround(dpi * kInchesPerMetre)));
  image.save(&out, "PNG");
  return {};
}

}  // namespace

QString PictureSuffix(PictureFormat format) {
  switch (format) {
    case PictureFormat::kSvg:
      return "svg";
    case PictureFormat::kPdf:
      return "pdf";
    case PictureFormat::kPng:
      return "png";
  }
  return "png";
}

QSize PngPixelSize(QSizeF logical, int dpi) {
  const double scale = dpi / kLogicalDpi;
  return QSize(static_cast<int>(std::ceil(logical.width() * scale - 1e-6)),
               static_cast<int>(std::ceil(logical.height() * scale - 1e-6)));
}

std::string WritePicture(const ExportablePicture& picture, const PictureChoice& choice,
                         const QString& path) {
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  switch (choice.format) {
    case PictureFormat::kSvg:
      DrawSvg(picture, out);
      break;
    case PictureFormat::kPdf:
      DrawPdf(picture, out);
      break;
    case PictureFormat::kPng:
      if (std::string refused = DrawPng(picture, choice.dpi, out); !refused.empty()) return refused;
      break;
  }
  out.close();
  const std::string name = path.toStdString();
  switch (WriteFileSafely(name, std::string_view(bytes.constData(), bytes.size()))) {
    case WriteOutcome::kWritten:
      return {};
    case WriteOutcome::kNotARegularFile:
      return "The picture file " + name +
             " could not be written: that name belongs to a folder or a device, not to a file.  "
             "Nothing was changed.  ErrMsgP1";
    case WriteOutcome::kFailed:
      break;
  }
  return "The picture file " + name +
         " could not be written.  The folder may not exist or may be read-only, or the disk may "
         "be full.  Any earlier file of that name was left unchanged.  ErrMsgP1";
}

}  // namespace quorel
