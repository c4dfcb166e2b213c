#include "ui/map_scene.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QPen>
#include <cmath>

#include "model/map_layout.h"
#include "model/numeric.h"
#include "ui/circle_item.h"
#include "ui/map_colors.h"

namespace quorel {
namespace {

constexpr double kGuideZ = 1.0;
constexpr double kCircleZ = 2.0;

// The middle of the pixel that holds `twips`: a one-pixel line drawn there
// covers whole pixels and stays sharp with anti-aliasing.
double PixelCentre(double twips) {
  return (std::floor(twips / kTwipsPerPixel) + 0.5) * kTwipsPerPixel;
}

}  // namespace

QPen PixelPen(const QColor& color, int width_px) {
  QPen pen(color);
  pen.setWidthF(std::max(1, width_px) * kTwipsPerPixel);
  return pen;
}

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
  shpParking->setPen(PixelPen(Qt::black, 1));
  SetParkingVisible(false);
}

MapScene::~MapScene() = default;

void MapScene::SetArea(int width_twips, int height_twips) {
  scene_.setSceneRect(0, 0, width_twips, height_twips);
  canvas_.Resize(width_twips, height_twips);
  CanvasChanged();
}

void MapScene::StyleGuide(QAbstractGraphicsShapeItem* item, QColor color, int width) {
  item->setPen(PixelPen(color, width));
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
  shpXAxis->setLine(unit.left(), PixelCentre(g.MapCentreY), unit.right(),
                    PixelCentre(g.MapCentreY));
  shpYAxis->setLine(PixelCentre(g.MapCentreX), unit.top(), PixelCentre(g.MapCentreX),
                    unit.bottom());
  for (QGraphicsLineItem* axis : {shpXAxis, shpYAxis}) {
    axis->setPen(PixelPen(guide, 1));
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

  double parking_left = PixelCentre(g.ParkingLeft), parking_top = PixelCentre(g.ParkingTop);
  shpParking->setRect(parking_left, parking_top,
                      PixelCentre(g.ParkingLeft + g.ParkingWidth) - parking_left,
                      PixelCentre(g.ParkingTop + g.ParkingHeight) - parking_top);
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
  for (int i = 1; i <= n; ++i) {
    auto* circle = new CircleItem(sprites_);
    circle->setBrush(Qt::NoBrush);
    circle->setZValue(kCircleZ);
    circle->setPos(s_.map.CircleLeft[i], s_.map.CircleTop[i]);
    scene_.addItem(circle);
    circles_[i] = circle;
  }
  StyleCircles(false);
}

void MapScene::StyleCircles(bool with_marks) {
  const Settings& t = s_.set;
  int d = t.CircleDiameter;
  sprites_.Clear();
  for (int i = 1; i <= CircleCount(); ++i) {
    bool marked = with_marks && s_.prob.ObjMarked[i];
    circles_[i]->setRect(0, 0, d, d);
    circles_[i]->setPen(
        PixelPen(PaletteColor(t.RimColorNum), marked ? t.MarkedRimWidth : t.RimWidth));
  }
}

void MapScene::ShowParkedCircles(bool shown) {
  for (int i = 1; i <= std::min(s_.prob.NObjects, CircleCount()); ++i)
    circles_[i]->setVisible(shown || !s_.prob.ObjParked[i]);
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
  return RoundToInt(circles_[i]->pen().widthF() / kTwipsPerPixel);
}

void MapScene::SetRimWidth(int i, int width) {
  circles_[i]->setPen(PixelPen(circles_[i]->pen().color(), width));
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
  ScreenPoint at = LabelCorner(s_.map.CircleLeft[i], s_.map.CircleTop[i], s_.set.PickRadius,
                               size.width(), size.height());
  canvas_.Print(text, at.left, at.top, color);
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
