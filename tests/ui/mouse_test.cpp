// Direct manipulation of the map: pick, drag, drop inside and outside the
// boundary, park and unpark, mark, double click, and the clicks on the empty
// map that stop and continue a run.
#include <cmath>

#include "model/map_layout.h"
#include "ui/map_mouse.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Window;

namespace {

QPoint ParkingCentre(const Window& w) {
  const MapGeometry& g = w.session->map;
  return w.At(g.ParkingLeft + g.ParkingWidth / 2, g.ParkingTop + g.ParkingHeight / 2);
}
// The map's lower left corner, where no circle lies.
QPoint EmptyCorner(const Window& w) {
  return w.At(60, w.session->map.MapCentreY * 2 - 60);
}

}  // namespace

class MouseTest : public QObject {
  Q_OBJECT

 private slots:
  // A dropped label is black whatever the rim colour; a click picks, a drop
  // moves, a drop outside lands on the boundary.
  void pickClickAndDropOnTheMap() {
    Window w(3, [](Session& s) { s.set.RimColorNum = 12; });
    Session& s = *w.session;
    QTRY_VERIFY(w.form->map()->canvas().PrintsSinceClear() >= 4);
    // Pixels of the label of object i: red ones and black ones.
    auto count = [&](int i, QRgb colour) {
      const QImage& image = w.form->map()->canvas().Image();
      int cx = (s.map.CircleLeft[i] + s.set.PickRadius) / 15;
      int cy = (s.map.CircleTop[i] + s.set.PickRadius) / 15;
      int n = 0;
      for (int y = cy - 8; y <= cy + 8; ++y)
        for (int x = cx - 8; x <= cx + 8; ++x)
          if (image.valid(x, y) && image.pixel(x, y) == colour) ++n;
      return n;
    };
    const QRgb red = qRgb(255, 0, 0), black = qRgb(0, 0, 0);
    // The label pass prints in the rim colour.
    QVERIFY(count(2, red) > 0);
    QCOMPARE(count(2, black), 0);
    // The pick erases the label; the drop prints it again, in black.
    QTest::mousePress(w.Viewport(), Qt::LeftButton, Qt::NoModifier, w.LabelCentre(2));
    QCOMPARE(count(2, red), 0);
    const QPoint drop = w.At(s.map.MapCentreX - 300, s.map.MapCentreY - 1800);
    QTest::mouseMove(w.Viewport(), drop);
    QTest::mouseRelease(w.Viewport(), Qt::LeftButton, Qt::NoModifier, drop);
    QVERIFY(count(2, black) > 0);
    QCOMPARE(count(2, red), 0);

    const float x = s.prob.LocDim[1][2], y = s.prob.LocDim[2][2];
    w.Click(w.LabelCentre(2));
    QCOMPARE(s.prob.LocDim[1][2], x);
    QCOMPARE(s.prob.LocDim[2][2], y);
    QCOMPARE(w.form->mouse()->PickedObject(), 2);
    QPoint target =
        w.At(s.map.MapCentreX + 0.5 * s.map.UnitRadius, s.map.MapCentreY - 0.25 * s.map.UnitRadius);
    w.Drag(w.LabelCentre(1), target);
    QVERIFY(std::fabs(s.prob.LocDim[1][1] - 0.5f) < 0.02f);
    QVERIFY(std::fabs(s.prob.LocDim[2][1] - 0.25f) < 0.02f);
    QCOMPARE(w.form->map()->Circle(1)->pos(), QPointF(s.map.CircleLeft[1], s.map.CircleTop[1]));
    // A drop outside lands on the boundary.
    double far_left = s.map.MapCentreX - s.map.BoundaryRadiusPx - 900;
    w.Drag(w.LabelCentre(2), w.At(far_left, s.map.MapCentreY - 300));
    QPointF centre = w.ItemCentre(2);
    double dx = centre.x() - s.map.MapCentreX, dy = centre.y() - s.map.MapCentreY;
    QVERIFY(std::fabs(std::sqrt(dx * dx + dy * dy) - s.map.BoundaryRadiusPx) < 3.0);
    QVERIFY(dx < 0);
    float r = std::hypot(s.prob.LocDim[1][2], s.prob.LocDim[2][2]);
    QVERIFY(std::fabs(r - 1.0f) < 0.005f);
    QVERIFY(s.prob.LocDim[1][2] < -0.9f);
    QVERIFY(!s.prob.ObjParked[2]);
    // A pick is strict at the pick radius; of two circles on the same spot
    // the lower index is picked.
    MapMouse& mouse = *w.form->mouse();
    int cx = s.map.CircleLeft[2] + s.set.PickRadius;
    int cy = s.map.CircleTop[2] + s.set.PickRadius;
    mouse.MouseDown(kLeftButton, 0, cx + s.set.PickRadius, cy);
    QCOMPARE(mouse.SelectedObject(), 0);
    mouse.MouseUp(kLeftButton, 0, cx + s.set.PickRadius, cy);
    mouse.MouseDown(kLeftButton, 0, cx + s.set.PickRadius - 1, cy);
    QCOMPARE(mouse.SelectedObject(), 2);
    mouse.MouseUp(kLeftButton, 0, cx + s.set.PickRadius - 1, cy);
    QCOMPARE(mouse.SelectedObject(), 0);
    QCOMPARE(mouse.PickedObject(), 2);
    s.map.CircleLeft[3] = s.map.CircleLeft[4] = 6000;
    s.map.CircleTop[3] = s.map.CircleTop[4] = 3000;
    mouse.MouseDown(kLeftButton, 0, 6198, 3198);
    QCOMPARE(mouse.SelectedObject(), 3);
  }

  // A drop on the parking area parks, a drop on the map unparks; either
  // restarts the best-record series, and the unpark labels every object.
  // Then marks and a park by double click.
  void dropParksAndUnparksCtrlClickMarksDoubleClickParks() {
    Window w(0);
    Session& s = *w.session;
    QTRY_VERIFY(!w.Find<QTimer>("Timer1")->isActive());
    const float normaliser = s.derived.ObjFnNormaliser;
    auto spoil = [&s] {
      s.run.BestObjFnValue = 0.125f;
      s.run.RunCount = 4;
      s.run.BestHitCount = 2;
    };
    auto best_record_reset = [&s] {
      return s.run.BestObjFnValue == 1e20f && s.run.RunCount == 0 && s.run.BestHitCount == 0;
    };
    spoil();
    w.Drag(w.LabelCentre(7), ParkingCentre(w));
    QVERIFY(s.prob.ObjParked[7]);
    QCOMPARE(s.prob.NParkedObjects, 1);
    QVERIFY(s.derived.ObjFnNormaliser != normaliser);
    QVERIFY(best_record_reset());
    ScreenPoint slot = ParkingSlot(s, 7);
    QCOMPARE(w.form->map()->Circle(7)->pos(), QPointF(slot.left, slot.top));

    // Dropped on the map, it is free again.
    spoil();
    w.form->map()->ClearMapCanvas();
    w.Drag(w.LabelCentre(7), w.At(s.map.MapCentreX, s.map.MapCentreY + 900));
    QVERIFY(!s.prob.ObjParked[7]);
    QCOMPARE(s.prob.NParkedObjects, 0);
    QCOMPARE(s.derived.ObjFnNormaliser, normaliser);
    QVERIFY(std::fabs(s.prob.LocDim[2][7] + 900.0f / s.map.UnitRadius) < 0.01f);
    QVERIFY(best_record_reset());
    // The pick erased one label; the unpark labelled every object.
    QCOMPARE(w.form->map()->canvas().PrintsSinceClear(), 1 + s.prob.NObjects);

    // Ctrl+click marks, a second one takes the mark off; Ctrl+Alt is no mark.
    w.Click(w.LabelCentre(4), Qt::ControlModifier);
    QVERIFY(s.prob.ObjMarked[4]);
    QVERIFY(s.prob.AnyObjMarked);
    QCOMPARE(w.form->map()->RimWidth(4), s.set.MarkedRimWidth);
    w.Click(w.LabelCentre(4), Qt::ControlModifier);
    QVERIFY(!s.prob.ObjMarked[4]);
    QVERIFY(!s.prob.AnyObjMarked);
    QCOMPARE(w.form->map()->RimWidth(4), s.set.RimWidth);
    w.Click(w.LabelCentre(4), Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(!s.prob.ObjMarked[4]);
    QCOMPARE(w.form->map()->RimWidth(4), s.set.RimWidth);
    QVERIFY(s.ui.CtrlDown && s.ui.AltDown);
    // A double click parks; at the start only parked objects keep a label.
    w.DoubleClick(w.LabelCentre(3));
    QVERIFY(s.prob.ObjParked[3]);
    ScreenPoint slot3 = ParkingSlot(s, 3);
    QCOMPARE(w.form->map()->Circle(3)->pos(), QPointF(slot3.left, slot3.top));
    QVERIFY(!w.form->mouse()->SkipUpAfterPark());
    w.Press("cmdStart");
    QCOMPARE(w.form->map()->canvas().PrintsSinceClear(), 1);
    QVERIFY(w.Stop());
  }

  // While a run goes on, a picked object is held like a marked one: its
  // circle stays under the pointer through many sweeps, a drop on the
  // parking area parks it, and a drop on the map frees it again.
  void draggingDuringARunHoldsTheObject() {
    Window w(0);
    Session& s = *w.session;
    w.Press("cmdStart");
    QVERIFY(w.WaitForSweeps(10));
    for (int object : {7, 8}) {
      QPoint from = w.LabelCentre(object);
      QPoint to = w.At(s.map.MapCentreX + 300, s.map.MapCentreY + 700);
      QTest::mousePress(w.Viewport(), Qt::LeftButton, Qt::NoModifier, from);
      QTest::mouseMove(w.Viewport(), to);
      const QPoint corner(s.map.CircleLeft[object], s.map.CircleTop[object]);
      QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 30));
      QCOMPARE(QPoint(s.map.CircleLeft[object], s.map.CircleTop[object]), corner);
      QPoint drop = object == 8 ? to : w.At(s.map.ParkingLeft + 300, s.map.ParkingTop + 300);
      QTest::mouseMove(w.Viewport(), drop);
      QTest::mouseRelease(w.Viewport(), Qt::LeftButton, Qt::NoModifier, drop);
      QCOMPARE(s.ui.SelectedObject, 0);
    }
    QVERIFY(s.prob.ObjParked[7]);
    QVERIFY(!s.prob.ObjParked[8]);
    // Released, object 8 is moved by the solver again.
    const QPoint dropped(s.map.CircleLeft[8], s.map.CircleTop[8]);
    QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 30));
    QVERIFY(QPoint(s.map.CircleLeft[8], s.map.CircleTop[8]) != dropped);
    QVERIFY(w.Stop());
  }

  void parkingTestUsesThePickDiscAgainstThreeEdges() {
    Window w(0);
    Session& s = *w.session;
    MapMouse& mouse = *w.form->mouse();
    const int pr = s.set.PickRadius, inset = s.set.PickInset, d = s.set.CircleDiameter;
    const MapGeometry& g = s.map;
    // Drags object i so that its circle's corner lands on (left, top):
    // 0 when the object was not picked, 1 dropped on the map, 2 parked.
    auto drop = [&](int i, int left, int top) {
      mouse.MouseDown(kLeftButton, 0, g.CircleLeft[i] + pr, g.CircleTop[i] + pr);
      if (mouse.SelectedObject() != i) return 0;
      mouse.MouseMove(left + pr, top + pr);
      mouse.MouseUp(kLeftButton, 0, left + pr, top + pr);
      return s.prob.ObjParked[i] ? 2 : 1;
    };
    const int mid = g.ParkingTop + g.ParkingHeight / 2, x = g.ParkingLeft + 100;
    // At each tested edge the last corner left on the map, and one step
    // inwards the first that parks.  Left: the disc's right edge
    // A = D + Left - PickInset must pass it; bottom: the disc's top
    // B = PickInset + Top must lie above it; top: the disc's bottom
    // C = B + PickDiameter must lie below it.
    const QPoint last_out[] = {{g.ParkingLeft - d + inset, mid},
                               {x, g.ParkingTop + g.ParkingHeight - inset},
                               {x, g.ParkingTop - inset - s.set.PickDiameter}};
    const QPoint inwards[] = {{1, 0}, {0, -1}, {0, 1}};
    for (int k = 0; k < 3; ++k) {
      QCOMPARE(drop(2 * k + 1, last_out[k].x(), last_out[k].y()), 1);
      const QPoint in = last_out[k] + inwards[k];
      QCOMPARE(drop(2 * k + 2, in.x(), in.y()), 2);
    }
    // The right edge is not tested.
    QCOMPARE(drop(7, g.ParkingLeft + g.ParkingWidth + 2000, mid), 2);
    QCOMPARE(s.prob.NParkedObjects, 4);
  }

  // On the empty map a click while idle labels every object, a double click
  // starts, a click during the run stops it and the next one continues.
  void emptyMapClicksLabelStartStopAndContinue() {
    Window w(14);
    Session& s = *w.session;
    const QPoint empty = EmptyCorner(w);
    QTRY_VERIFY(!w.Find<QTimer>("Timer1")->isActive());
    w.form->map()->ClearMapCanvas();
    QTest::mousePress(w.Viewport(), Qt::LeftButton, Qt::NoModifier, empty);
    QCOMPARE(w.form->map()->canvas().PrintsSinceClear(), s.prob.NObjects);
    QTest::mouseRelease(w.Viewport(), Qt::LeftButton, Qt::NoModifier, empty);
    QCOMPARE(s.run.RunState, kLoadedIdle);
    QVERIFY(!w.Running());
    w.DoubleClick(empty);
    QCOMPARE(s.run.RunState, kRunning);
    QVERIFY(w.WaitForSweeps(10));
    QTest::mousePress(w.Viewport(), Qt::LeftButton, Qt::NoModifier, empty);
    QCOMPARE(s.run.RunState, kStopped);
    QVERIFY(w.form->mouse()->SkipUpAfterStop());
    QTest::mouseRelease(w.Viewport(), Qt::LeftButton, Qt::NoModifier, empty);
    QVERIFY(!w.form->mouse()->SkipUpAfterStop());
    QVERIFY(w.WaitUntilIdle());
    QCOMPARE(s.run.RunState, kStopped);
    const int iterations = s.run.IterationCount;
    w.Click(empty);
    QTRY_COMPARE(s.run.RunState, kRunning);
    QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 5));
    QVERIFY(w.Stop());
    QVERIFY(s.run.IterationCount > iterations);
  }
};

QTEST_MAIN(MouseTest)
#include "mouse_test.moc"
