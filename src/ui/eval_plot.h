// The picture box of the evaluation windows: one plot widget that draws a
// described picture (markers, lines, bands, bars, texts) scaled to its size,
// anti-aliased, at the screen's full resolution; and the axis captions
// beside it.
#pragma once

#include <QColor>
#include <QImage>
#include <QPolygonF>
#include <QString>
#include <QWidget>
#include <vector>

#include "ui/picture_export.h"

namespace quorel {

// What a plot shows, in data coordinates (y upwards).
struct PlotPicture {
  QString title;
  QStringList notes;  // lines under the title ("Rsq=.973")
  QString message;    // centred in the plot area, when there is nothing to show
  double x0 = 0, x1 = 1, y0 = 0, y1 = 1;

  struct Area {
    QPolygonF polygon;
    QColor color;
  };
  struct Line {
    QPolygonF points;
    QColor color;
    double width = 1;
  };
  struct Bar {
    double left = 0, right = 0, bottom = 0, top = 0;
    QColor fill;
    QString label;  // shown beyond the bar's end while the bars are wide enough
  };
  std::vector<Area> areas;  // drawn first, in order
  std::vector<Bar> bars;
  std::vector<Line> lines;
  std::vector<QPointF> markers;  // small filled black circles, drawn last
};

class EvalPlot : public QWidget {
  Q_OBJECT

 public:
  explicit EvalPlot(QWidget* parent = nullptr);

  void SetPicture(PlotPicture picture);
  const PlotPicture& Picture() const { return picture_; }
  // The plot drawn into `bounds` (the widget's place): on the screen, and
  // with real circles and text for a vector picture.
  void Paint(QPainter& painter, const QRectF& bounds) const;

  // Blank pixels between the widget's edge and the plot's frame.
  static constexpr int kMargin = 10;

  QSize sizeHint() const override { return {420, 320}; }
  QSize minimumSizeHint() const override { return {160, 120}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The picture inside the frame `area`.  On the screen the result is kept
  // until the picture or the size changes, as a plot of many thousand links
  // is slow to draw.
  void PaintPicture(QPainter& painter, const QRectF& area) const;
  void PaintMarkers(QPainter& painter, const QRectF& area) const;
  // A point of the plot's data in `area`.
  QPointF ToArea(const QRectF& area, QPointF data) const;

  PlotPicture picture_;
  QImage cache_;
  bool cache_valid_ = false;
};

// An axis caption.  A text whose parts are set apart by long runs of blanks
// (" 0        Dij        1") is spread along the axis, its first part at the
// start and its last at the end; any other text is centred.  Vertical
// captions read from the top down, one character under the other when the
// characters are spaced ("  P e r c e n t").
class AxisCaption : public QWidget {
  Q_OBJECT

 public:
  AxisCaption(Qt::Orientation orientation, QWidget* parent = nullptr);

  void setText(const QString& text);
  QString text() const { return text_; }

  QSize sizeHint() const override;
  void Paint(QPainter& painter, const QRectF& bounds) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintText(QPainter& painter, double width, double height) const;

  Qt::Orientation orientation_;
  QString text_;
};

// The plot with its axis captions as the window shows them, at their size
// on the screen, for export.
class PlotFigure : public ExportablePicture {
 public:
  PlotFigure(const EvalPlot& plot, const AxisCaption& x, const AxisCaption& y);
  QSizeF LogicalSize() const override;
  void Paint(QPainter& painter) const override;
  QString Title() const override;

 private:
  const EvalPlot& plot_;
  const AxisCaption& x_;
  const AxisCaption& y_;
};

}  // namespace quorel
