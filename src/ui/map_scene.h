// The map as a retained scene in twips: one circle item per object, the
// unit circle, the axes, the boundary and the parking area, with the label
// canvas beneath them.
#pragma once

#include <QGraphicsScene>
#include <QObject>
#include <QPen>
#include <vector>

#include "model/session.h"
#include "ui/circle_item.h"
#include "ui/label_canvas.h"
#include "ui/map_mouse.h"

class QGraphicsEllipseItem;
class QGraphicsLineItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QAbstractGraphicsShapeItem;

namespace quorel {

// A pen whose width is whole pixels of the screen: drawn in twips on the
// scene, it keeps its width at any display scaling instead of thinning to
// one device pixel.
QPen PixelPen(const QColor& color, int width_px);

class MapScene : public QObject, public MapSurface {
  Q_OBJECT

 public:
  explicit MapScene(Session& session, QObject* parent = nullptr);
  ~MapScene() override;

  QGraphicsScene* scene() { return &scene_; }
  LabelCanvas& canvas() { return canvas_; }

  // A new map area: the scene rectangle and a cleared canvas.
  void SetArea(int width_twips, int height_twips);
  // Places and shows the unit circle, the axes, the boundary and the parking
  // area from the geometry and the settings.
  void UpdateGuides();
  void SetParkingVisible(bool visible);
  // The parking area and its caption.
  std::vector<QGraphicsItem*> ParkingItems() const { return {shpParking, lblParking}; }

  // Removes the circles and creates one per object of the current problem.
  void CreateCircles();
  int CircleCount() const { return static_cast<int>(circles_.size()) - 1; }
  QGraphicsEllipseItem* Circle(int i) { return circles_[i]; }
  // Every circle takes the diameter, rim colour and rim width of the
  // settings; marked objects keep their wider rim when asked.
  void StyleCircles(bool with_marks);
  // The circles of parked objects shown or hidden; the others always shown.
  void ShowParkedCircles(bool shown);

  // Circle i moved in the session: now, or at the next Flush when deferred.
  void ObjectMoved(int i);
  void SetDeferMoves(bool defer);
  // Moves every circle whose position changed since the last flush.
  void Flush();

  int RimWidth(int i) const override;
  void SetRimWidth(int i, int width) override;
  void PrintLabel(int i, const std::string& text, unsigned rgb) override;
  QColor RimColor(int i) const;

  // The text that labels object i ("" when objects carry no label).
  QString LabelText(int i) const;
  // Prints `text` centred on circle i's label centre.
  void PrintAtCircle(int i, const QString& text, const QColor& color);
  // One label pass for object i: transparent circle, text in the rim colour.
  void LabelPass(int i) override;
  void LabelAllObjects();
  void LabelActiveObjects();
  void ClearMapCanvas();

  // The canvas changed: the view repaints.
  void CanvasChanged();

 private:
  void StyleGuide(QAbstractGraphicsShapeItem* item, QColor color, int width);

  Session& s_;
  QGraphicsScene scene_;
  LabelCanvas canvas_;
  RingSprites sprites_;
  std::vector<QGraphicsEllipseItem*> circles_{nullptr};
  std::vector<char> dirty_flag_{0};
  std::vector<int> dirty_;
  bool defer_moves_ = false;
  QGraphicsEllipseItem* shpUnitCircle = nullptr;
  QGraphicsLineItem *shpXAxis = nullptr, *shpYAxis = nullptr;
  QGraphicsEllipseItem* shpBoundaryCircle = nullptr;
  QGraphicsRectItem* shpBoundaryRect = nullptr;
  QGraphicsRectItem* shpParking = nullptr;
  QGraphicsSimpleTextItem* lblParking = nullptr;
};

}  // namespace quorel
