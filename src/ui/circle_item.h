// The object circles of the map.  A map of a thousand objects redraws every
// circle at every display frame while the solver runs; stroking that many
// anti-aliased ellipses costs far more than copying small pictures, above
// all at high display scaling.  So each look of a circle (size, rim, fill,
// pixel density) is drawn once into a picture, and the circles copy it.
#pragma once

#include <QGraphicsEllipseItem>
#include <QHash>
#include <QPixmap>

namespace quorel {

// The pictures of the circles' looks, shared by every circle of a map.
class RingSprites {
 public:
  // The picture of a circle of `diameter_px` logical pixels with `pen` and
  // `brush` (pen width in logical pixels), for a screen of ratio `dpr`; the
  // circle's bounding square starts `margin` logical pixels inside it.
  const QPixmap& Ring(qreal diameter_px, const QPen& pen, const QBrush& brush, qreal dpr,
                      qreal* margin);
  void Clear() { sprites_.clear(); }

 private:
  QHash<QString, QPixmap> sprites_;
};

class CircleItem : public QGraphicsEllipseItem {
 public:
  explicit CircleItem(RingSprites& sprites) : sprites_(sprites) {}
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 private:
  RingSprites& sprites_;
};

}  // namespace quorel
