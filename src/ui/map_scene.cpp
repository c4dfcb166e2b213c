#include "ui/map_scene.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QPen>
#include <cmath>

#include "model/numeric.h"
#include "ui/map_colors.h"

namespace quorel {
namespace {

constexpr double kGuideZ = 1.0;
constexpr double kCircleZ = 2.0;

QPen CosmeticPen(const QColor& color, int width) {
  QPen pen(color);
  pen.setCosmetic(true);
  pen.setWidth(std::max(1, width));
  return pen;
}

}  // namespace

MapScene::MapScene(Session& session, QObject* parent) : QObject(parent), s_(session) {
  scene_.setItemIndexMethod(QGraphicsScene::NoIndex);
  scene_.setBackgroundBrush(Qt::NoBrush);
  shpUnitCircle = scene_.addEllipse(QRectF());
  shpXAxis = scene_.addLine(QLineF());
  shpYAxis = scene_.addLine(QLineF());
  shpBoundaryCircle = scene_.addEllipse(QRectF());
  shpBoundaryRect = scene_.addRect(QRectF());
  shpParking = scene_.addRect(QRectF());
  lblParking = scene_.addSimpleText("Parked Objects");
  for (QGraphicsItem* item :
       std::initializer_list<QGraphicsItem*>{shpUnitCircle, shpXAxis, shpYAxis, shpBoundaryCircle,
                                             shpBoundaryRect, shpParking, lblParking})
    item->setZValue(kGuideZ);
  // The caption keeps its pixel size on the twips scene.
  lblParking->setFlag(QGraphicsItem::ItemIgnoresTransformations);
  shpParking->setPen(CosmeticPen(Qt::black, 1));
  SetParkingVisible(false);
}

MapScene::~MapScene() = default;

void MapScene::SetArea(int width_twips, int height_twips) {
  scene_.setSceneRect(0, 0, width_twips, height_twips);
  canvas_.Resize(width_twips, height_twips);
  CanvasChanged();
}

void MapScene::StyleGuide(QAbstractGraphicsShapeItem* item, QColor color, int width) {
  item->setPen(CosmeticPen(color, width));
  item->setBrush(Qt::NoBrush);
}

void MapScene::UpdateGuides() {
  const MapGeometry& g = s_.map;
  const Settings& set = s_.set;
  QColor guide = ColorFromBgr(set.GuideColor);
  double r = g.UnitRadius;
  QRectF unit(g.MapCentreX - r, g.MapCentreY - r, 2 * r, 2 * r);
  shpUnitCircle->setRect(unit);
  StyleGuide(shpUnitCircle, guide, set.GuideWidth);
  shpUnitCircle->setVisible(set.ShowUnitCircle);
  shpXAxis->setLine(unit.left(), g.MapCentreY, unit.right(), g.MapCentreY);
  shpYAxis->setLine(g.MapCentreX, unit.top(), g.MapCentreX, unit.bottom());
  for (QGraphicsLineItem* axis : {shpXAxis, shpYAxis}) {
    axis->setPen(CosmeticPen(guide, 1));
    axis->setVisible(set.ShowAxes);
  }

  double b = g.BoundaryRadiusPx;
  QColor boundary = ColorFromBgr(set.BoundaryColor);
  StyleGuide(shpBoundaryCircle, boundary, set.GuideWidth);
  StyleGuide(shpBoundaryRect, boundary, set.GuideWidth);
  shpBoundaryCircle->setRect(g.MapCentreX - b, g.MapCentreY - b, 2 * b, 2 * b);
  if (set.BoundaryTypeNum == 1) {
    // The path boundary: a band in which coordinate 1 is free.
    QRectF area = scene_.sceneRect();
    shpBoundaryRect->setRect(area.left() - 30, g.MapCentreY - b, area.width() + 60, 2 * b);
  } else {
    shpBoundaryRect->setRect(g.MapCentreX - b, g.MapCentreY - b, 2 * b, 2 * b);
  }
  bool shown = s_.prob.NObjects > 0 &&
               (std::fabs(set.ConstraintRadius - 1.0f) >= 0.0005f || set.BoundaryTypeNum != 0);
  shpBoundaryCircle->setVisible(shown && set.BoundaryTypeNum == 0);
  shpBoundaryRect->setVisible(shown && set.BoundaryTypeNum != 0);

  shpParking->setRect(g.ParkingLeft, g.ParkingTop, g.ParkingWidth, g.ParkingHeight);
  QRectF caption = lblParking->boundingRect();
  lblParking->setPos(g.ParkingLeft + (g.ParkingWidth - caption.width() * kTwipsPerPixel) / 2,
                     g.ParkingTop - (caption.height() + 2) * kTwipsPerPixel);
}

void MapScene::SetParkingVisible(bool visible) {
  shpParking->setVisible(visible);
  lblParking->setVisible(visible);
}

void MapScene::CreateCircles() {
  for (size_t i = 1; i < circles_.size(); ++i) delete circles_[i];
  int n = s_.prob.NObjects;
  circles_.assign(n + 1, nullptr);
  dirty_flag_.assign(n + 1, 0);
  dirty_.clear();
  int d = s_.set.CircleDiameter;
  QPen rim = CosmeticPen(PaletteColor(s_.set.RimColorNum), s_.set.RimWidth);
  for (int i = 1; i <= n; ++i) {
    auto* circle = new QGraphicsEllipseItem(0, 0, d, d);
    circle->setPen(rim);
    circle->setBrush(Qt::NoBrush);
    circle->setZValue(kCircleZ);
    circle->setPos(s_.map.CircleLeft[i], s_.map.CircleTop[i]);
    scene_.addItem(circle);
    circles_[i] = circle;
  }
}

void MapScene::ObjectMoved(int i) {
  if (i < 1 || i >= static_cast<int>(circles_.size())) return;
  if (!defer_moves_) {
    circles_[i]->setPos(s_.map.CircleLeft[i], s_.map.CircleTop[i]);
    return;
  }
  if (!dirty_flag_[i]) {
    dirty_flag_[i] = 1;
    dirty_.push_back(i);
  }
}

void MapScene::SetDeferMoves(bool defer) {
  if (!defer) Flush();
  defer_moves_ = defer;
}

void MapScene::Flush() {
  for (int i : dirty_) {
    circles_[i]->setPos(s_.map.CircleLeft[i], s_.map.CircleTop[i]);
    dirty_flag_[i] = 0;
  }
  dirty_.clear();
}

int MapScene::RimWidth(int i) const {
  return circles_[i]->pen().width();
}

void MapScene::SetRimWidth(int i, int width) {
  QPen pen = circles_[i]->pen();
  pen.setWidth(std::max(1, width));
  circles_[i]->setPen(pen);
}

void MapScene::PrintLabel(int i, const std::string& text, unsigned rgb) {
  if (i < 1 || i > CircleCount()) return;
  PrintAtCircle(i, QString::fromLatin1(text.c_str()), QColor::fromRgb(rgb));
}

QColor MapScene::RimColor(int i) const {
  return circles_[i]->pen().color();
}

QString MapScene::LabelText(int i) const {
  switch (s_.set.ObjectIDMethodNum) {
    case 0:
      return QString::number(i);
    case 1:
      return QString::fromLatin1(s_.prob.ObjName[i].c_str());
    default:
      return QString();
  }
}

void MapScene::PrintAtCircle(int i, const QString& text, const QColor& color) {
  QSizeF size = canvas_.TextSize(text);
  int pick = s_.set.PickRadius;
  int x = pick + s_.map.CircleLeft[i] - IntDiv(RoundHalfEven(size.width()), 2);
  int y = pick + s_.map.CircleTop[i] - IntDiv(RoundHalfEven(size.height()), 2);
  canvas_.Print(text, x, y, color);
  CanvasChanged();
}

void MapScene::LabelPass(int i) {
  if (i < 1 || i > CircleCount()) return;
  if (!s_.set.ObjectsFilled) circles_[i]->setBrush(Qt::NoBrush);
  if (s_.set.ObjectIDMethodNum == 2) return;
  PrintAtCircle(i, LabelText(i), RimColor(i));
}

void MapScene::LabelAllObjects() {
  if (s_.map.FieldMode) return;
  if (s_.set.AutoRepeat && s_.run.RunState == kRunning) return;
  Flush();
  for (int i = 1; i <= std::min(s_.prob.NObjects, CircleCount()); ++i) LabelPass(i);
}

void MapScene::LabelActiveObjects() {
  if (s_.set.AutoRepeat) return;
  Flush();
  for (int i = 1; i <= std::min(s_.prob.NObjects, CircleCount()); ++i)
    if (!s_.prob.ObjParked[i]) LabelPass(i);
}

void MapScene::ClearMapCanvas() {
  canvas_.Clear();
  CanvasChanged();
}

void MapScene::CanvasChanged() {
  scene_.update();
}

}  // namespace quorel
