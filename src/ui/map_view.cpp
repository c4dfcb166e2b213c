#include "ui/map_view.h"

#include <QMouseEvent>

namespace quorel {

MapView::MapView(QGraphicsScene* scene, const LabelCanvas& canvas, QWidget* parent)
    : QGraphicsView(scene, parent), canvas_(canvas) {
  setObjectName("mapView");
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTransformationAnchor(QGraphicsView::NoAnchor);
  setResizeAnchor(QGraphicsView::NoAnchor);
  setDragMode(QGraphicsView::NoDrag);
  setInteractive(false);
  setMouseTracking(false);
  // Many circles move at once while the solver runs: one repaint of the
  // whole viewport per frame is cheaper than a region per item.
  setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
  setOptimizationFlags(QGraphicsView::DontSavePainterState);
  setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  setCacheMode(QGraphicsView::CacheNone);
  resetTransform();
  scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
}

void MapView::FitSceneToViewport(QSize size) {
  setSceneRect(0, 0, size.width() * kTwipsPerPixel, size.height() * kTwipsPerPixel);
  scene()->setSceneRect(sceneRect());
}

void MapView::drawBackground(QPainter* painter, const QRectF&) {
  // The canvas is drawn pixel for pixel, whatever the view transform, at the
  // screen's own pixel density.
  painter->save();
  painter->resetTransform();
  painter->fillRect(viewport()->rect(), Qt::white);
  if (!canvas_.Empty())
    painter->drawImage(mapFromScene(QPointF(0, 0)), canvas_.Image(viewport()->devicePixelRatioF()));
  painter->restore();
}

MapMouseEvent MapView::Translate(QMouseEvent* event, bool with_button) const {
  MapMouseEvent e;
  Qt::MouseButtons buttons = with_button ? Qt::MouseButtons(event->button()) : event->buttons();
  if (buttons & Qt::LeftButton) e.button |= 1;
  if (buttons & Qt::RightButton) e.button |= 2;
  if (buttons & Qt::MiddleButton) e.button |= 4;
  Qt::KeyboardModifiers mods = event->modifiers();
  if (mods & Qt::ShiftModifier) e.shift |= 1;
  if (mods & Qt::ControlModifier) e.shift |= 2;
  if (mods & Qt::AltModifier) e.shift |= 4;
  QPointF twips = mapToScene(event->position().toPoint());
  e.x = twips.x();
  e.y = twips.y();
  return e;
}

void MapView::mousePressEvent(QMouseEvent* event) {
  if (on_mouse_down) on_mouse_down(Translate(event, true));
  event->accept();
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
  if (on_mouse_move) on_mouse_move(Translate(event, false));
  event->accept();
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
  if (on_mouse_up) on_mouse_up(Translate(event, true));
  event->accept();
}

void MapView::mouseDoubleClickEvent(QMouseEvent* event) {
  // Only the left button double-clicks; a fast second press of another
  // button is a press like any other.
  if (event->button() != Qt::LeftButton) {
    mousePressEvent(event);
    return;
  }
  if (on_double_click) on_double_click();
  event->accept();
}

}  // namespace quorel
