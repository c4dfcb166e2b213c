// The persistent drawing surface under the map items.  Text printed on it
// stays until it is over-printed (in white, to erase it) or the whole canvas
// is cleared.  Positions are twips of the map.
//
// The canvas keeps the printed labels as a list and draws them, anti-aliased,
// into an image at the screen's device pixel ratio, so that labels stay
// crisp at any scaling.  Printing a text again at the same place replaces
// the earlier print; printed in white it takes the earlier one away
// completely, as erasing a label should.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

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

  // The canvas drawn for a screen of the given device pixel ratio (its
  // logical size is the area's size in pixels at 15 twips each).
  const QImage& Image(qreal device_pixel_ratio) const;
  // The canvas at the ratio it was last drawn for.
  const QImage& Image() const { return Image(drawn_ratio_); }

  // The printed labels as text on `painter`, whose units are the canvas's
  // pixels (15 twips), with `origin` (twips) of the canvas at its (0, 0):
  // vector pictures keep every label as text.  Labels centred inside
  // `left_out` (twips) are not drawn.
  void PaintLabels(QPainter& painter, QPointF origin, const QRectF& left_out) const;
  // What the labels cover, in twips (empty when nothing shows), but for
  // those centred inside `left_out`.
  QRectF Bounds(const QRectF& left_out) const;

  bool Empty() const { return labels_.empty(); }
  // How often anything was printed since the last clear (for tests).
  int PrintsSinceClear() const { return prints_; }
  // The texts on the canvas in the order printed, erasing prints left out.
  QStringList TextsShown() const;

 private:
  struct Label {
    QString text;
    int x = 0;  // twips
    int y = 0;
    QRgb color = 0;
  };
  void Draw(QPainter& painter, const Label& label) const;
  QRectF Extent(const Label& label) const;

  QFont font_;
  qreal ascent_ = 0;
  int width_px_ = 1;
  int height_px_ = 1;
  std::vector<Label> labels_;
  int prints_ = 0;
  // The image and how much of the list it shows.
  mutable QImage image_;
  mutable qreal drawn_ratio_ = 1.0;
  mutable size_t drawn_count_ = 0;
  mutable bool redraw_ = true;
};

}  // namespace quorel
