#include "ui/eval_plot.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace quorel {
namespace {

const QColor kFrameColor(128, 128, 128);
constexpr double kMarkerRadius = 2.5;  // pixels

// The parts of a caption that are set apart by three or more blanks.
QStringList SpreadParts(const QString& text) {
  return text.trimmed().split(QRegularExpression(" {3,}"), Qt::SkipEmptyParts);
}

}  // namespace

EvalPlot::EvalPlot(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void EvalPlot::SetPicture(PlotPicture picture) {
  picture_ = std::move(picture);
  cache_valid_ = false;
  update();
}

void EvalPlot::paintEvent(QPaintEvent*) {
  // At the screen's resolution, so that the plot is as sharp at 200 %.
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  if (!cache_valid_ || cache_.size() != pixels || cache_.devicePixelRatio() != ratio) {
    cache_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    cache_.setDevicePixelRatio(ratio);
    QPainter painter(&cache_);
    Paint(painter, rect());
    cache_valid_ = true;
  }
  QPainter(this).drawImage(QPointF(0, 0), cache_);
}

void EvalPlot::Paint(QPainter& painter, const QRectF& bounds) const {
  painter.save();
  painter.setFont(font());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(bounds, Qt::white);
  PaintPicture(painter, bounds.adjusted(kMargin, kMargin, -kMargin, -kMargin));
  painter.restore();
}

void EvalPlot::PaintPicture(QPainter& painter, const QRectF& area) const {
  if (area.width() <= 1 || area.height() <= 1) return;

  const PlotPicture& p = picture_;
  auto at = [&](QPointF d) { return ToArea(area, d); };
  auto map_polygon = [&](const QPolygonF& polygon) {
    QPolygonF out;
    out.reserve(polygon.size());
    for (const QPointF& d : polygon) out << at(d);
    return out;
  };

  painter.save();
  painter.setClipRect(area);
  painter.setPen(Qt::NoPen);
  for (const PlotPicture::Area& a : p.areas) {
    painter.setBrush(a.color);
    // Cut to the frame here: an SVG picture keeps no clipping.
    painter.drawPolygon(map_polygon(a.polygon).intersected(QPolygonF(area)));
  }
  for (const PlotPicture::Bar& b : p.bars) {
    const QRectF bar = QRectF(at({b.left, b.top}), at({b.right, b.bottom})).normalized();
    painter.setBrush(b.fill);
    // Thin bars are outlined only when there is room for an outline.
    painter.setPen(bar.width() >= 4 ? QPen(Qt::black, 0.8) : QPen(Qt::NoPen));
    painter.drawRect(bar);
    const QFontMetricsF fm(font());
    if (b.label.isEmpty() || fm.horizontalAdvance(b.label) + 2 > bar.width()) continue;
    painter.setPen(Qt::black);
    const bool up = b.top >= b.bottom;
    const QRectF room(bar.left(), up ? bar.top() - fm.height() - 1 : bar.bottom() + 1, bar.width(),
                      fm.height());
    painter.drawText(room, Qt::AlignCenter, b.label);
  }
  for (const PlotPicture::Line& l : p.lines) {
    QPen pen(l.color, l.width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(map_polygon(l.points));
  }
  PaintMarkers(painter, area);
  painter.restore();

  painter.setPen(QPen(kFrameColor, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area);

  painter.setPen(Qt::black);
  QFont title_font = font();
  title_font.setBold(true);
  painter.setFont(title_font);
  const QRectF text_area = area.adjusted(6, 4, -6, -4);
  painter.drawText(text_area, Qt::AlignLeft | Qt::AlignTop, p.title);
  painter.setFont(font());
  const QRectF notes_area = text_area.adjusted(0, QFontMetricsF(title_font).height() + 2, 0, 0);
  painter.drawText(notes_area, Qt::AlignLeft | Qt::AlignTop, p.notes.join('\n'));
  if (!p.message.isEmpty()) painter.drawText(area, Qt::AlignCenter, p.message);
}

QPointF EvalPlot::ToArea(const QRectF& area, QPointF data) const {
  const PlotPicture& p = picture_;
  const double sx = area.width() / std::max(1e-12, p.x1 - p.x0);
  const double sy = area.height() / std::max(1e-12, p.y1 - p.y0);
  return {area.left() + (data.x() - p.x0) * sx, area.bottom() - (data.y() - p.y0) * sy};
}

void EvalPlot::PaintMarkers(QPainter& painter, const QRectF& area) const {
  if (painter.paintEngine()->type() != QPaintEngine::Raster) {
    // Real circles in a vector picture.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const QPointF& m : picture_.markers)
      painter.drawEllipse(ToArea(area, m), kMarkerRadius, kMarkerRadius);
    return;
  }
  // One dot drawn once and stamped at every marker: fast enough for the
  // half million links of a thousand objects.
  const qreal ratio = painter.device()->devicePixelRatioF();
  const int side = static_cast<int>(std::ceil((2 * kMarkerRadius + 2) * ratio));
  QImage dot(side, side, QImage::Format_ARGB32_Premultiplied);
  dot.fill(Qt::transparent);
  {
    QPainter stamp(&dot);
    stamp.setRenderHint(QPainter::Antialiasing);
    stamp.setPen(Qt::NoPen);
    stamp.setBrush(Qt::black);
    stamp.drawEllipse(QPointF(side / 2.0, side / 2.0), kMarkerRadius * ratio,
                      kMarkerRadius * ratio);
  }
  dot.setDevicePixelRatio(ratio);
  const double half = side / (2.0 * ratio);
  for (const QPointF& m : picture_.markers) {
    const QPointF centre = ToArea(area, m);
    // On the device's pixel grid, so that every dot looks the same.
    painter.drawImage(QPointF(std::round((centre.x() - half) * ratio) / ratio,
                              std::round((centre.y() - half) * ratio) / ratio),
                      dot);
  }
}

AxisCaption::AxisCaption(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation) {
  if (orientation_ == Qt::Horizontal)
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  else
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void AxisCaption::setText(const QString& text) {
  text_ = text;
  updateGeometry();
  update();
}

QSize AxisCaption::sizeHint() const {
  const QFontMetrics fm(font());
  if (orientation_ == Qt::Horizontal) return {fm.horizontalAdvance(text_), fm.height() + 2};
  int widest = 0;
  for (const QString& part : SpreadParts(text_))
    widest = std::max(widest, fm.horizontalAdvance(part));
  return {widest + 6, fm.height() * 4};
}

void AxisCaption::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Paint(painter, rect());
}

void AxisCaption::Paint(QPainter& painter, const QRectF& bounds) const {
  painter.save();
  painter.translate(bounds.topLeft());
  painter.setFont(font());
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setPen(palette().color(QPalette::WindowText));
  PaintText(painter, bounds.width(), bounds.height());
  painter.restore();
}

void AxisCaption::PaintText(QPainter& painter, double width, double height) const {
  const QFontMetricsF fm(font());
  // Along the plot's frame, inside its margins.
  const double start = EvalPlot::kMargin;
  const double length = (orientation_ == Qt::Horizontal ? width : height) - 2.0 * EvalPlot::kMargin;
  const QStringList parts = SpreadParts(text_);
  if (orientation_ == Qt::Horizontal) {
    if (parts.size() < 2) {
      painter.drawText(QRectF(0, 0, width, height), Qt::AlignCenter, text_.trimmed());
      return;
    }
    for (int k = 0; k < parts.size(); ++k) {
      const double w = fm.horizontalAdvance(parts[k]);
      const double centre = start + length * k / (parts.size() - 1);
      const double left = std::clamp(centre - w / 2, 0.0, width - w);
      painter.drawText(QPointF(left, fm.ascent() + 1), parts[k]);
    }
    return;
  }
  if (parts.size() >= 2) {
    for (int k = 0; k < parts.size(); ++k) {
      const double centre = start + length * k / (parts.size() - 1);
      const double top = std::clamp(centre - fm.height() / 2, 0.0, height - fm.height());
      painter.drawText(QRectF(0, top, width, fm.height()), Qt::AlignHCenter, parts[k]);
    }
    return;
  }
  // Spaced characters, one under the other; a double blank leaves a gap.
  const QString spaced = text_.trimmed().replace("  ", " \u00a0 ");
  const QStringList letters = spaced.split(' ', Qt::SkipEmptyParts);
  const double line = fm.height() * 0.9;
  double top = (height - line * letters.size()) / 2;
  for (const QString& letter : letters) {
    painter.drawText(QRectF(0, top, width, line), Qt::AlignHCenter, letter.trimmed());
    top += line;
  }
}

PlotFigure::PlotFigure(const EvalPlot& plot, const AxisCaption& x, const AxisCaption& y)
    : plot_(plot), x_(x), y_(y) {}

QSizeF PlotFigure::LogicalSize() const {
  return {static_cast<qreal>(y_.width() + plot_.width()),
          static_cast<qreal>(plot_.height() + x_.height())};
}

void PlotFigure::Paint(QPainter& painter) const {
  const QRectF plot(y_.width(), 0, plot_.width(), plot_.height());
  y_.Paint(painter, QRectF(0, 0, y_.width(), plot_.height()));
  plot_.Paint(painter, plot);
  x_.Paint(painter, QRectF(plot.left(), plot.bottom(), plot.width(), x_.height()));
}

QString PlotFigure::Title() const {
  return plot_.Picture().title;
}

}  // namespace quorel
