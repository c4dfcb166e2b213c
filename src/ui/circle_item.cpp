#include "ui/circle_item.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>

namespace quorel {

namespace {
constexpr qsizetype kMaxSprites = 512;
}  // namespace

const QPixmap& RingSprites::Ring(qreal diameter_px, const QPen& pen, const QBrush& brush, qreal dpr,
                                 qreal* margin) {
  qreal width_px = pen.widthF();
  *margin = std::ceil(width_px / 2 + 1);
  QString key = QString("%1/%2/%3/%4/%5/%6")
                    .arg(diameter_px, 0, 'f', 3)
                    .arg(width_px, 0, 'f', 3)
                    .arg(pen.color().rgba())
                    .arg(int(brush.style()))
                    .arg(brush.color().rgba())
                    .arg(dpr, 0, 'f', 3);
  auto found = sprites_.constFind(key);
  if (found != sprites_.constEnd()) return *found;
  // Fills of many shades could make many looks; the pictures are cheap to
  // make again.
  if (sprites_.size() >= kMaxSprites) sprites_.clear();
  int side = static_cast<int>(std::ceil((diameter_px + 2 * *margin) * dpr));
  QPixmap sprite(side, side);
  sprite.setDevicePixelRatio(dpr);
  sprite.fill(Qt::transparent);
  QPainter p(&sprite);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(pen);
  p.setBrush(brush);
  p.drawEllipse(QRectF(*margin, *margin, diameter_px, diameter_px));
  p.end();
  return *sprites_.insert(key, sprite);
}

void CircleItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) {
  const QTransform& t = painter->worldTransform();
  // Pictures only stand in for circles that are scaled alike in x and y and
  // not turned, as on the map, and only on pixels: an exported SVG or PDF
  // gets real circles.
  if (painter->paintEngine()->type() != QPaintEngine::Raster || t.type() > QTransform::TxScale ||
      t.m11() != t.m22() || t.m11() <= 0) {
    QGraphicsEllipseItem::paint(painter, option, widget);
    return;
  }
  qreal scale = t.m11();  // logical pixels per twip
  QPen pen = this->pen();
  pen.setWidthF(pen.widthF() * scale);
  QBrush brush = this->brush();
  qreal dpr = painter->device()->devicePixelRatioF();
  qreal margin = 0;
  const QPixmap& sprite = sprites_.Ring(rect().width() * scale, pen, brush, dpr, &margin);
  QPointF corner = t.map(rect().topLeft()) - QPointF(margin, margin);
  // On whole device pixels, so that the picture is copied, not resampled.
  QPointF snapped(std::round(corner.x() * dpr) / dpr, std::round(corner.y() * dpr) / dpr);
  painter->save();
  painter->resetTransform();
  painter->drawPixmap(snapped, sprite);
  painter->restore();
}

}  // namespace quorel
