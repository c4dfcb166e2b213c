#include "ui/map_overlays.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsSimpleTextItem>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "model/session.h"
#include "ui/label_canvas.h"
#include "ui/map_scene.h"

namespace quorel {
namespace {

// Above the guides and the canvas, below the circles; captions on top.
constexpr double kOverlayZ = 1.5;
constexpr double kCaptionZ = 3.0;

// Sized in twips like the map's own lines, so that the marks keep their
// width at any display scaling.
QPen OverlayPen(const QColor& color, int width_px) {
  QPen pen = PixelPen(color, width_px);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

}  // namespace

SegmentsItem::SegmentsItem(std::vector<QLineF> lines, const QPen& pen)
    : lines_(std::move(lines)), pen_(pen) {
  QRectF bounds;
  for (const QLineF& line : lines_) bounds |= QRectF(line.p1(), line.p2()).normalized();
  // Room for the pen (twips) and for anti-aliasing.
  const double margin = pen_.widthF() / 2 + kTwipsPerPixel;
  bounds_ = bounds.adjusted(-margin, -margin, margin, margin);
  // Drawn once into a picture of the view's pixels: the map is repainted
  // as a whole, and thousands of long lines take a while to draw.
  setCacheMode(DeviceCoordinateCache);
}

void SegmentsItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  painter->setPen(pen_);
  painter->drawLines(lines_.data(), static_cast<int>(lines_.size()));
}

MapOverlays::MapOverlays(Session& s, MapScene& map) : s_(s), map_(map) {}

MapOverlays::~MapOverlays() {
  Clear();
}

void MapOverlays::Adopt(QGraphicsItem* item) {
  item->setData(0, QString(kItemTag));
  map_.scene()->addItem(item);
  items_.push_back(item);
}

void MapOverlays::Clear() {
  for (QGraphicsItem* item : items_) {
    map_.scene()->removeItem(item);
    delete item;
  }
  items_.clear();
  fill_labels_.clear();
}

void MapOverlays::AddLinks(const std::vector<std::pair<int, int>>& pairs, const QColor& color,
                           int width) {
  auto centre = [this](int k) {
    QGraphicsEllipseItem* circle = map_.Circle(k);
    return circle->mapToScene(circle->rect().center());
  };
  std::vector<MapSegment> lines;
  lines.reserve(pairs.size());
  for (const auto& [i, j] : pairs) {
    if (i < 1 || j < 1 || i > map_.CircleCount() || j > map_.CircleCount()) continue;
    const QPointF a = centre(i), b = centre(j);
    lines.push_back({a.x(), a.y(), b.x(), b.y()});
  }
  AddLines(lines, color, width);
}

void MapOverlays::AddLines(const std::vector<MapSegment>& lines, const QColor& color, int width) {
  if (lines.empty()) return;
  std::vector<QLineF> segments;
  segments.reserve(lines.size());
  for (const MapSegment& line : lines) segments.emplace_back(line.x1, line.y1, line.x2, line.y2);
  auto* item = new SegmentsItem(std::move(segments), OverlayPen(color, width));
  item->setZValue(kOverlayZ);
  Adopt(item);
}

void MapOverlays::AddOutline(const std::vector<PlotPoint>& points, const QColor& color, int width) {
  QPolygonF polygon;
  for (const PlotPoint& p : points) polygon << QPointF(p.x, p.y);
  auto* item = new QGraphicsPolygonItem(polygon);
  item->setPen(OverlayPen(color, width));
  item->setBrush(Qt::NoBrush);
  item->setZValue(kOverlayZ);
  Adopt(item);
}

void MapOverlays::AddCaption(const QString& text, const PlotPoint& at, bool left) {
  auto* item = new QGraphicsSimpleTextItem(text);
  // The caption keeps its pixel size on the twips scene.
  item->setFlag(QGraphicsItem::ItemIgnoresTransformations);
  item->setZValue(kCaptionZ);
  const QRectF box = item->boundingRect();
  const double shift_x = left ? -box.width() * kTwipsPerPixel : 0.0;
  item->setPos(at.x + shift_x, at.y - box.height() * kTwipsPerPixel / 2);
  Adopt(item);
}

QColor MapOverlays::FillColor(CircleFill fill) {
  switch (fill) {
    case CircleFill::kLightGrey:
      return {224, 224, 224};
    case CircleFill::kGrey:
      return {128, 128, 128};
    case CircleFill::kBlack:
      return Qt::black;
    case CircleFill::kRed:
      return {255, 0, 0};
    default:
      return {};
  }
}

void MapOverlays::ShowFills(const std::vector<ObjectFill>& fills) {
  ClearFills();
  for (const ObjectFill& f : fills) {
    if (f.object < 1 || f.object > map_.CircleCount() || f.fill == CircleFill::kClear) continue;
    QGraphicsEllipseItem* circle = map_.Circle(f.object);
    circle->setBrush(FillColor(f.fill));
    // The fill hides the label printed beneath the circle: the label is
    // shown again on top, in a colour that stands out from the fill.
    const QString label = map_.LabelText(f.object);
    if (label.isEmpty()) continue;
    auto* item = new QGraphicsSimpleTextItem(label);
    item->setFlag(QGraphicsItem::ItemIgnoresTransformations);
    item->setBrush(f.fill == CircleFill::kLightGrey ? QColor(Qt::black) : QColor(Qt::white));
    item->setZValue(kCaptionZ);
    const QRectF box = item->boundingRect();
    const QPointF centre = circle->mapToScene(circle->rect().center());
    item->setPos(centre.x() - box.width() * kTwipsPerPixel / 2,
                 centre.y() - box.height() * kTwipsPerPixel / 2);
    Adopt(item);
    fill_labels_.push_back(item);
  }
}

void MapOverlays::LabelKeepingFills() {
  const bool kept = s_.set.ObjectsFilled;
  s_.set.ObjectsFilled = true;
  map_.LabelAllObjects();
  s_.set.ObjectsFilled = kept;
}

void MapOverlays::ClearFills() {
  for (QGraphicsItem* item : fill_labels_) {
    items_.erase(std::find(items_.begin(), items_.end(), item));
    map_.scene()->removeItem(item);
    delete item;
  }
  fill_labels_.clear();
  for (int i = 1; i <= map_.CircleCount(); ++i) map_.Circle(i)->setBrush(Qt::NoBrush);
}

}  // namespace quorel
