// The map scene: circles in twips, the guides, the label rules of the
// persistent canvas, and the layout after a resize.
#include <QGraphicsItem>
#include <QPushButton>
#include <cmath>

#include "ui/label_canvas.h"
#include "ui/map_colors.h"
#include "ui/online_button.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Window;

namespace {

QGraphicsItem* GuideNear(QGraphicsScene* scene, QPointF at, int type) {
  for (QGraphicsItem* item : scene->items(at))
    if (item->type() == type) return item;
  return nullptr;
}

}  // namespace

class MapSceneTest : public QObject {
  Q_OBJECT

 private slots:
  void viewShowsFifteenTwipsPerPixel() {
    Window w;
    QPointF twips(1500, 3000);
    QCOMPARE(w.View()->mapFromScene(twips), QPoint(100, 200));
    QRectF area = w.View()->sceneRect();
    QCOMPARE(area.width(), w.View()->viewport()->width() * 15.0);
    QCOMPARE(w.form->map()->canvas().Image().width(), w.View()->viewport()->width());
  }

  void circlesHaveTheLookOfTheSettings() {
    Window w([](Session& s) {
      s.set.RimColorNum = 12;
      s.set.RimWidth = 2;
    });
    w.LoadCase(3);
    QGraphicsEllipseItem* c = w.form->map()->Circle(1);
    QCOMPARE(c->rect(), QRectF(0, 0, 400, 400));
    // Two pixels wide in twips, so that it keeps its width at any scaling.
    QCOMPARE(w.form->map()->RimWidth(1), 2);
    QCOMPARE(c->pen().widthF(), 30.0);
    QVERIFY(!c->pen().isCosmetic());
    QCOMPARE(c->brush().style(), Qt::NoBrush);
    QCOMPARE(c->pen().color(), PaletteColor(12));
  }

  void movesWaitForTheNextFrameWhileTheSolverRuns() {
    Window w;
    w.LoadCase(3);
    Session& s = *w.session;
    MapScene& map = *w.form->map();
    map.SetDeferMoves(true);
    s.map.CircleLeft[2] = 1234;
    s.map.CircleTop[2] = 2345;
    w.platform->ObjectMoved(2);
    w.platform->ObjectMoved(2);
    QVERIFY(map.Circle(2)->pos() != QPointF(1234, 2345));
    map.Flush();
    QCOMPARE(map.Circle(2)->pos(), QPointF(1234, 2345));
    s.map.CircleLeft[2] = 100;
    w.platform->ObjectMoved(2);
    map.SetDeferMoves(false);
    QCOMPARE(map.Circle(2)->pos(), QPointF(100, 2345));
    s.map.CircleLeft[2] = 200;
    w.platform->ObjectMoved(2);
    QCOMPARE(map.Circle(2)->pos(), QPointF(200, 2345));
  }

  void guidesFollowTheSettings() {
    Window w([](Session& s) {
      s.set.ShowAxes = true;
      s.set.ShowBoundaryButton = true;
    });
    w.LoadCase(3);
    Session& s = *w.session;
    QGraphicsScene* scene = w.form->map()->scene();
    QPointF right_of_unit(s.map.MapCentreX + s.map.UnitRadius, s.map.MapCentreY);
    auto* unit = qgraphicsitem_cast<QGraphicsEllipseItem*>(
        GuideNear(scene, right_of_unit, QGraphicsEllipseItem::Type));
    QVERIFY(unit);
    QVERIFY(unit->isVisible());
    QCOMPARE(unit->pen().color(), QColor(255, 192, 192));
    QCOMPARE(unit->pen().widthF(), 2 * 15.0);
    QVERIFY(GuideNear(scene, QPointF(s.map.MapCentreX - s.map.UnitRadius + 10, s.map.MapCentreY),
                      QGraphicsLineItem::Type));
    // A smaller boundary shows its own circle.
    QTest::mouseClick(w.Button("cmdBoundary"), Qt::LeftButton);
    QPointF on_boundary(s.map.MapCentreX + s.map.BoundaryRadiusPx, s.map.MapCentreY);
    bool found = false;
    for (QGraphicsItem* item : scene->items(on_boundary)) {
      auto* e = qgraphicsitem_cast<QGraphicsEllipseItem*>(item);
      if (e && e->isVisible() && e->pen().color() == QColor(192, 192, 192)) found = true;
    }
    QVERIFY(found);
  }

  void labelPassPrintsNumbersNamesOrNothing() {
    Window w;
    w.session->set.DataFileName = std::string(QUOREL_REPO_DATA) + "/Example_A.txt";
    w.session->ui.ReadWithoutDialog = true;
    w.Action("mnuReadDataFile")->trigger();
    MapScene& map = *w.form->map();
    QCOMPARE(map.LabelText(3), QString("3"));
    w.session->set.ObjectIDMethodNum = 1;
    QCOMPARE(map.LabelText(2), QString("Berlin"));
    map.ClearMapCanvas();
    QCOMPARE(map.canvas().PrintsSinceClear(), 0);
    map.LabelAllObjects();
    QCOMPARE(map.canvas().PrintsSinceClear(), 13);
    w.session->set.ObjectIDMethodNum = 2;
    map.Circle(4)->setBrush(Qt::red);
    map.ClearMapCanvas();
    map.LabelAllObjects();
    QCOMPARE(map.canvas().PrintsSinceClear(), 0);
    QCOMPARE(map.Circle(4)->brush().style(), Qt::NoBrush);
    // Parked objects are left out by the active pass.
    w.session->set.ObjectIDMethodNum = 0;
    w.session->prob.ObjParked[5] = 1;
    map.ClearMapCanvas();
    map.LabelActiveObjects();
    QCOMPARE(map.canvas().PrintsSinceClear(), 12);
    // Nothing is labelled while automatic repeat runs.
    w.session->set.AutoRepeat = true;
    w.session->run.RunState = kRunning;
    map.ClearMapCanvas();
    map.LabelAllObjects();
    QCOMPARE(map.canvas().PrintsSinceClear(), 0);
    // Once the run has stopped every object is labelled again, but the
    // active pass stays silent as long as automatic repeat is on.
    w.session->run.RunState = kStopped;
    map.LabelAllObjects();
    QCOMPARE(map.canvas().PrintsSinceClear(), 13);
    map.ClearMapCanvas();
    map.LabelActiveObjects();
    QCOMPARE(map.canvas().PrintsSinceClear(), 0);
    // In field mode the full pass prints nothing, the active pass does.
    w.session->set.AutoRepeat = false;
    w.session->map.FieldMode = true;
    map.LabelAllObjects();
    QCOMPARE(map.canvas().PrintsSinceClear(), 0);
    map.LabelActiveObjects();
    QCOMPARE(map.canvas().PrintsSinceClear(), 12);
    w.session->map.FieldMode = false;
  }

  void labelIsCentredOnTheLabelCentre() {
    LabelCanvas canvas;
    canvas.Resize(3000, 3000);
    QSizeF size = canvas.TextSize("88");
    QVERIFY(size.width() > 0 && size.height() > 0);
    canvas.Print("88", 1500 - size.width() / 2, 1500 - size.height() / 2, Qt::black);
    QImage image = canvas.Image();
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
    QVERIFY(right > left);
    QVERIFY(std::abs((left + right) / 2 - 100) <= 2);
    // Printing the same text in white erases it completely.
    canvas.Print("88", 1500 - size.width() / 2, 1500 - size.height() / 2, Qt::white);
    image = canvas.Image();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) QCOMPARE(image.pixel(x, y), qRgb(255, 255, 255));
  }

  void resizeLaysOutAgainAndKeepsTheSolution() {
    Window w;
    w.LoadCase(0);
    Session& s = *w.session;
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.WaitForSweeps(100));
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());
    float x5 = s.prob.LocDim[1][5], y5 = s.prob.LocDim[2][5];
    int centre_x = s.map.MapCentreX;
    w.form->resize(w.form->width() + 150, w.form->height() + 90);
    QTRY_VERIFY(s.map.MapCentreX != centre_x);
    QCOMPARE(s.map.MapCentreX, w.Find<QWidget>("formArea")->width() * 15 / 2);
    QCOMPARE(s.map.MapCentreY, w.Find<QFrame>("frameBottomControlGroup")->y() * 15 / 2);
    QCOMPARE(s.prob.LocDim[1][5], x5);
    QCOMPARE(s.prob.LocDim[2][5], y5);
    QCOMPARE(w.form->map()->Circle(5)->pos().x(),
             std::round(x5 * s.map.UnitRadius + s.map.CentreLeft));
    QCOMPARE(w.View()->sceneRect().width(), w.Find<QWidget>("formArea")->width() * 15.0);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.Button("cmdStart")));
  }
};

QTEST_MAIN(MapSceneTest)
#include "map_scene_test.moc"
