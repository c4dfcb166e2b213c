// What the evaluation windows add to the map while they are open: lines
// (links, attribute vectors, tie lines), arrow heads and captions as scene
// items above the label canvas and below the circles, and fills of the
// object circles.  Everything goes away on Clear and when the overlay ends.
#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QLineF>
#include <QPen>
#include <QString>
#include <utility>
#include <vector>

#include "eval/eval_common.h"

namespace quorel {

class MapScene;
struct Session;

// Straight lines of one look drawn as one item.
class SegmentsItem : public QGraphicsItem {
 public:
  enum { Type = UserType + 1 };
  SegmentsItem(std::vector<QLineF> lines, const QPen& pen);

  int type() const override { return Type; }
  QRectF boundingRect() const override { return bounds_; }
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  const std::vector<QLineF>& Lines() const { return lines_; }
  const QPen& Pen() const { return pen_; }

 private:
  std::vector<QLineF> lines_;
  QPen pen_;
  QRectF bounds_;
};

class MapOverlays {
 public:
  MapOverlays(Session& s, MapScene& map);
  ~MapOverlays();
  MapOverlays(const MapOverlays&) = delete;
  MapOverlays& operator=(const MapOverlays&) = delete;

  // Removes every item this overlay added.
  void Clear();
  // Lines between the centres of the circles of each pair of objects.
  void AddLinks(const std::vector<std::pair<int, int>>& pairs, const QColor& color, int width);
  // Lines of one look go into one item, so that even the links of a
  // thousand objects stay cheap to draw.
  void AddLines(const std::vector<MapSegment>& lines, const QColor& color, int width);
  // A closed outline through the points (twips).
  void AddOutline(const std::vector<PlotPoint>& points, const QColor& color, int width);
  // A caption whose left edge (or right edge, when `left`) is at `at`,
  // centred on it vertically.
  void AddCaption(const QString& text, const PlotPoint& at, bool left);

  // Makes every circle transparent, then fills the given ones and shows
  // their labels on top of the fill.
  void ShowFills(const std::vector<ObjectFill>& fills);
  // Labels every object with ObjectsFilled set, so that the fills survive
  // the label pass.
  void LabelKeepingFills();
  // Transparent circles again, without the labels on top.
  void ClearFills();

  static QColor FillColor(CircleFill fill);
  // The data (key 0) of every item an overlay adds.
  static constexpr const char* kItemTag = "evalOverlay";

 private:
  void Adopt(QGraphicsItem* item);

  Session& s_;
  MapScene& map_;
  std::vector<QGraphicsItem*> items_;
  std::vector<QGraphicsItem*> fill_labels_;  // among items_
};

}  // namespace quorel
