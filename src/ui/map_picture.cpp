#include "ui/map_picture.h"

#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QPainter>
#include <algorithm>

#include "ui/map_scene.h"

namespace quorel {
namespace {

constexpr double kMarginTwips = 20 * kTwipsPerPixel;  // white around the map
constexpr double kTitlePadding = 8;                   // logical pixels

// The item's extent on the scene in twips; captions that keep their pixel
// size measure in pixels.
QRectF SceneExtent(const QGraphicsItem* item) {
  if (!(item->flags() & QGraphicsItem::ItemIgnoresTransformations))
    return item->sceneBoundingRect();
  const QRectF box = item->boundingRect();
  return QRectF(item->scenePos() + box.topLeft() * kTwipsPerPixel, box.size() * kTwipsPerPixel);
}

// For the time of one drawing: items left out hidden, and every item drawn
// afresh rather than from a picture cached at the screen's pixels.
class ExportScope {
 public:
  explicit ExportScope(const std::vector<QGraphicsItem*>& hidden, QGraphicsScene& scene) {
    for (QGraphicsItem* item : hidden) {
      item->setVisible(false);
      hidden_.push_back(item);
    }
    for (QGraphicsItem* item : scene.items()) {
      if (item->cacheMode() == QGraphicsItem::NoCache) continue;
      cached_.emplace_back(item, item->cacheMode());
      item->setCacheMode(QGraphicsItem::NoCache);
    }
  }
  ~ExportScope() {
    for (QGraphicsItem* item : hidden_) item->setVisible(true);
    for (auto [item, mode] : cached_) item->setCacheMode(mode);
  }

 private:
  std::vector<QGraphicsItem*> hidden_;
  std::vector<std::pair<QGraphicsItem*, QGraphicsItem::CacheMode>> cached_;
};

}  // namespace

MapPicture::MapPicture(const Session& s, MapScene& map, std::vector<Caption> titles)
    : s_(s), map_(map), titles_(std::move(titles)) {
  std::erase_if(titles_, [](const Caption& c) { return c.text.trimmed().isEmpty(); });
  // The unit circle frames the map even when hidden: it keeps the centre
  // and the scale of the map plain to see.
  const MapGeometry& g = s_.map;
  region_ = QRectF(g.MapCentreX - g.UnitRadius, g.MapCentreY - g.UnitRadius, 2.0 * g.UnitRadius,
                   2.0 * g.UnitRadius);
  for (const QGraphicsItem* item : map_.scene()->items())
    if (item->isVisible() && Shown(item)) region_ |= SceneExtent(item);
  region_ |= map_.canvas().Bounds(ParkingArea());
  region_.adjust(-kMarginTwips, -kMarginTwips, kMarginTwips, kMarginTwips);

  width_ = region_.width() / kTwipsPerPixel;
  for (const Caption& c : titles_) {
    const QFontMetricsF metrics(c.font);
    width_ = std::max(width_, metrics.horizontalAdvance(c.text) + 2 * kTitlePadding);
    titles_height_ += metrics.height();
  }
  if (!titles_.empty()) titles_height_ += 2 * kTitlePadding;
}

bool MapPicture::Shown(const QGraphicsItem* item) const {
  const std::vector<QGraphicsItem*> parking = map_.ParkingItems();
  if (std::find(parking.begin(), parking.end(), item) != parking.end()) return false;
  for (int i = 1; i <= std::min(map_.CircleCount(), s_.prob.NObjects); ++i)
    if (map_.Circle(i) == item) return !s_.prob.ObjParked[i];
  return true;
}

QRectF MapPicture::ParkingArea() const {
  const MapGeometry& g = s_.map;
  return QRectF(g.ParkingLeft, g.ParkingTop, g.ParkingWidth, g.ParkingHeight);
}

QSizeF MapPicture::LogicalSize() const {
  return {width_, titles_height_ + region_.height() / kTwipsPerPixel};
}

QString MapPicture::Title() const {
  return titles_.empty() ? QString("Quorel map") : titles_.front().text;
}

void MapPicture::Paint(QPainter& painter) const {
  double top = kTitlePadding;
  painter.setPen(Qt::black);
  for (const Caption& c : titles_) {
    const double height = QFontMetricsF(c.font).height();
    painter.setFont(c.font);
    painter.drawText(QRectF(0, top, width_, height), Qt::AlignHCenter | Qt::AlignTop, c.text);
    top += height;
  }
  const QRectF target((width_ - region_.width() / kTwipsPerPixel) / 2, titles_height_,
                      region_.width() / kTwipsPerPixel, region_.height() / kTwipsPerPixel);
  // The labels lie under the items, as on the screen.
  painter.save();
  painter.translate(target.topLeft());
  map_.canvas().PaintLabels(painter, region_.topLeft(), ParkingArea());
  painter.restore();

  std::vector<QGraphicsItem*> hidden;
  for (QGraphicsItem* item : map_.scene()->items())
    if (item->isVisible() && !Shown(item)) hidden.push_back(item);
  ExportScope scope(hidden, *map_.scene());
  map_.scene()->render(&painter, target, region_, Qt::IgnoreAspectRatio);
}

}  // namespace quorel
