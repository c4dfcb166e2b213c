// The view of the map scene: 15 twips per pixel, the scene's top-left corner
// at the view's top-left corner, the label canvas as its background, and the
// mouse events handed on in twips.
#pragma once

#include <QGraphicsView>
#include <functional>

#include "ui/label_canvas.h"

namespace quorel {

// A mouse event on the map in twips, with the buttons and keys of VB style:
// button 1 left, 2 right, 4 middle; shift bits 1 Shift, 2 Ctrl, 4 Alt.
struct MapMouseEvent {
  int button = 0;
  int shift = 0;
  double x = 0;
  double y = 0;
};

class MapView : public QGraphicsView {
  Q_OBJECT

 public:
  MapView(QGraphicsScene* scene, const LabelCanvas& canvas, QWidget* parent);

  // Sets the scene rectangle to a viewport of the given size in pixels (the
  // view has no frame and no scroll bars), in twips.
  void FitSceneToViewport(QSize pixels);

  std::function<void(const MapMouseEvent&)> on_mouse_down, on_mouse_move, on_mouse_up;
  std::function<void()> on_double_click;

 protected:
  void drawBackground(QPainter* painter, const QRectF& rect) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  MapMouseEvent Translate(QMouseEvent* event, bool with_button) const;

  const LabelCanvas& canvas_;
};

}  // namespace quorel
