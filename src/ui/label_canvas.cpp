#include "ui/label_canvas.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quorel {

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

// Twips to device pixels, whole ones, so that a label sits on the pixel grid
// of the screen and every print of it covers the same pixels.
double DevicePixel(double twips, qreal ratio) {
  return std::floor(twips / kTwipsPerPixel * ratio + 0.5) / ratio;
}

}  // namespace

LabelCanvas::LabelCanvas() : font_(QApplication::font()) {
  font_.setStyleStrategy(QFont::PreferAntialias);
  ascent_ = QFontMetricsF(font_).ascent();
  Resize(1, 1);
}

void LabelCanvas::Resize(int width_twips, int height_twips) {
  width_px_ = std::max(1, static_cast<int>(width_twips / kTwipsPerPixel + 0.5));
  height_px_ = std::max(1, static_cast<int>(height_twips / kTwipsPerPixel + 0.5));
  Clear();
}

void LabelCanvas::Clear() {
  labels_.clear();
  prints_ = 0;
  redraw_ = true;
}

QSizeF LabelCanvas::TextSize(const QString& text) const {
  QFontMetricsF metrics(font_);
  return QSizeF(metrics.horizontalAdvance(text) * kTwipsPerPixel,
                metrics.height() * kTwipsPerPixel);
}

void LabelCanvas::Print(const QString& text, double x, double y, const QColor& color) {
  ++prints_;
  if (text.isEmpty()) return;
  Label label{text, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)),
              color.rgb()};
  auto same_place = [&label](const Label& l) {
    return l.x == label.x && l.y == label.y && l.text == label.text;
  };
  auto covered = std::remove_if(labels_.begin(), labels_.end(), same_place);
  bool replaced = covered != labels_.end();
  if (replaced) {
    labels_.erase(covered, labels_.end());
    redraw_ = true;
  }
  // White over the same text leaves nothing of it; white elsewhere erases
  // what lies beneath, as it is drawn.
  if (replaced && label.color == kWhite) return;
  labels_.push_back(std::move(label));
}

void LabelCanvas::Draw(QPainter& painter, const Label& label) const {
  painter.setPen(QColor::fromRgb(label.color));
  qreal ratio = image_.devicePixelRatio();
  double px = DevicePixel(label.x, ratio);
  double baseline = DevicePixel(label.y + ascent_ * kTwipsPerPixel, ratio);
  painter.drawText(QPointF(px, baseline), label.text);
}

const QImage& LabelCanvas::Image(qreal ratio) const {
  if (ratio <= 0) ratio = 1.0;
  QSize device(static_cast<int>(std::ceil(width_px_ * ratio)),
               static_cast<int>(std::ceil(height_px_ * ratio)));
  if (image_.size() != device || drawn_ratio_ != ratio) {
    image_ = QImage(device, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    drawn_ratio_ = ratio;
    redraw_ = true;
  }
  if (redraw_) {
    image_.fill(Qt::white);
    drawn_count_ = 0;
    redraw_ = false;
  }
  if (drawn_count_ < labels_.size()) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font_);
    for (; drawn_count_ < labels_.size(); ++drawn_count_) Draw(painter, labels_[drawn_count_]);
  }
  return image_;
}

QRectF LabelCanvas::Extent(const Label& label) const {
  return QRectF(QPointF(label.x, label.y), TextSize(label.text));
}

void LabelCanvas::PaintLabels(QPainter& painter, QPointF origin, const QRectF& left_out) const {
  painter.save();
  painter.setFont(font_);
  for (const Label& l : labels_) {
    if (left_out.contains(Extent(l).center())) continue;
    painter.setPen(QColor::fromRgb(l.color));
    painter.drawText(
        QPointF((l.x - origin.x()) / kTwipsPerPixel, (l.y - origin.y()) / kTwipsPerPixel + ascent_),
        l.text);
  }
  painter.restore();
}

QRectF LabelCanvas::Bounds(const QRectF& left_out) const {
  QRectF bounds;
  for (const Label& l : labels_)
    if (l.color != kWhite && !left_out.contains(Extent(l).center())) bounds |= Extent(l);
  return bounds;
}

QStringList LabelCanvas::TextsShown() const {
  QStringList texts;
  for (const Label& l : labels_)
    if (l.color != kWhite) texts << l.text;
  return texts;
}

}  // namespace quorel
