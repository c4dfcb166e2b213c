// Pictures of the map and of the evaluation plots written as files for
// papers and slides: SVG and PDF as real vectors with text kept as text, PNG
// at the resolution the user chooses.
#pragma once

#include <QSizeF>
#include <QString>
#include <string>

class QPainter;

namespace quorel {

enum class PictureFormat { kSvg = 0, kPdf = 1, kPng = 2 };
inline constexpr int kPictureFormats = 3;

// What the export dialog chooses; kept for the next export.
struct PictureChoice {
  PictureFormat format = PictureFormat::kPng;
  int dpi = 300;    // PNG only
  bool map = true;  // the map, or the plot of an evaluation window
};
inline constexpr int kMinPictureDpi = 72;
inline constexpr int kMaxPictureDpi = 1200;

// Something that draws itself for export: a picture of a fixed size in
// logical pixels (96 to the inch, as the map's 15 twips to a pixel), drawn
// with real lines, shapes and text whatever the painter's device.
class ExportablePicture {
 public:
  virtual ~ExportablePicture() = default;
  virtual QSizeF LogicalSize() const = 0;
  virtual void Paint(QPainter& painter) const = 0;
  virtual QString Title() const = 0;
};

// "svg", "pdf" or "png".
QString PictureSuffix(PictureFormat format);
// The pixels of a picture of `logical` size drawn at `dpi`.
QSize PngPixelSize(QSizeF logical, int dpi);

// Draws the picture in the format and writes it to `path` in one piece (an
// earlier file stays whole on failure).  Returns "" or the message to show.
std::string WritePicture(const ExportablePicture& picture, const PictureChoice& choice,
                         const QString& path);

}  // namespace quorel
