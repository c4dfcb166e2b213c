#include "ui/label_canvas.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>

namespace quorel {

LabelCanvas::LabelCanvas() : font_(QApplication::font()) {
  // Without antialiasing a label printed again in white erases every pixel
  // it had set.
  font_.setStyleStrategy(QFont::NoAntialias);
  Resize(1, 1);
}

void LabelCanvas::Resize(int width_twips, int height_twips) {
  int w = std::max(1, static_cast<int>(width_twips / kTwipsPerPixel + 0.5));
  int h = std::max(1, static_cast<int>(height_twips / kTwipsPerPixel + 0.5));
  image_ = QImage(w, h, QImage::Format_RGB32);
  Clear();
}

void LabelCanvas::Clear() {
  image_.fill(Qt::white);
  prints_ = 0;
}

QSizeF LabelCanvas::TextSize(const QString& text) const {
  QFontMetricsF metrics(font_);
  return QSizeF(metrics.horizontalAdvance(text) * kTwipsPerPixel,
                metrics.height() * kTwipsPerPixel);
}

void LabelCanvas::Print(const QString& text, double x, double y, const QColor& color) {
  ++prints_;
  if (text.isEmpty()) return;
  QPainter painter(&image_);
  painter.setFont(font_);
  painter.setPen(color);
  QFontMetricsF metrics(font_);
  // Whole pixels, so that the same text at the same place always covers the
  // same pixels.
  int px = static_cast<int>(std::floor(x / kTwipsPerPixel + 0.5));
  int py = static_cast<int>(std::floor(y / kTwipsPerPixel + 0.5));
  painter.drawText(QPointF(px, py + metrics.ascent()), text);
}

}  // namespace quorel
