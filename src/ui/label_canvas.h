// The persistent drawing surface under the map items.  Text printed on it
// stays until it is over-printed (in white, to erase it) or the whole canvas
// is cleared.  Positions are twips of the map; the image itself holds one
// pixel per kTwipsPerPixel twips.
#pragma once

#include <QFont>
#include <QImage>
#include <QSizeF>
#include <QString>

namespace quorel {

inline constexpr double kTwipsPerPixel = 15.0;

class LabelCanvas {
 public:
  LabelCanvas();

  // A new, white canvas for a map area of the given size in twips.
  void Resize(int width_twips, int height_twips);
  // Erases everything printed.
  void Clear();

  // The text's width and height in twips in the canvas font.
  QSizeF TextSize(const QString& text) const;
  // Prints the text with its top-left corner at (x, y) twips.
  void Print(const QString& text, double x, double y, const QColor& color);

  const QImage& Image() const { return image_; }
  // How often anything was printed since the last clear (for tests).
  int PrintsSinceClear() const { return prints_; }

 private:
  QImage image_;
  QFont font_;
  int prints_ = 0;
};

}  // namespace quorel
