// The map as a picture for export: what the window shows of the map (the
// guides, the active objects' circles and labels, and the marks of an open
// evaluation window), cut to what is drawn, with the problem's titles above.
// The parking area and the parked objects are left out.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

#include "model/session.h"
#include "ui/picture_export.h"

class QGraphicsItem;

namespace quorel {

class MapScene;

class MapPicture : public ExportablePicture {
 public:
  struct Caption {
    QString text;
    QFont font;
  };
  // The map as it stands now; `titles` are printed above it, centred.
  MapPicture(const Session& s, MapScene& map, std::vector<Caption> titles);

  QSizeF LogicalSize() const override;
  void Paint(QPainter& painter) const override;
  QString Title() const override;

 private:
  // Whether the item belongs in the picture.
  bool Shown(const QGraphicsItem* item) const;
  // Where the parked objects and their labels are kept (twips).
  QRectF ParkingArea() const;

  const Session& s_;
  MapScene& map_;
  std::vector<Caption> titles_;
  QRectF region_;  // twips
  double titles_height_ = 0;
  double width_ = 0;  // logical pixels
};

}  // namespace quorel
