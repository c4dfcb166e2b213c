// The map scene: circles in twips, the guides, the label rules of the
// persistent canvas, and the layout after a resize; the View Options dialog
// driven through the View menu: identification, circle size about the
// centres, the optional buttons that act at once.
#include <QAbstractButton>
#include <QGraphicsItem>
#include <QPlainTextEdit>
#include <cmath>

#include "model/map_layout.h"
#include "model/view_options.h"
#include "ui/label_canvas.h"
#include "ui/map_colors.h"
#include "ui/view_parameters_form.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Window;

namespace {

// The visible guide of type T through `at`, in `color` if one is given.
template <class T>
T* Guide(QGraphicsScene* scene, QPointF at, QColor color = {}) {
  for (QGraphicsItem* item : scene->items(at))
    if (auto* guide = qgraphicsitem_cast<T*>(item);
        guide && guide->isVisible() && (!color.isValid() || guide->pen().color() == color))
      return guide;
  return nullptr;
}

// Runs the View menu with `act` done on the open dialog (then OK or Cancel
// by the caller's clicks inside `act`).
void WithDialog(Window& w, const std::function<void(QDialog&)>& act) {
  QVERIFY(quorel::testing::Answer<ViewParametersSelectionForm>(
      w.Action("mnuView"), [&act](QDialog* form) { act(*form); }));
}

void Click(QDialog& form, const char* name) {
  auto* button = form.findChild<QAbstractButton*>(name);
  QVERIFY2(button, name);
  QVERIFY2(button->isEnabled(), name);
  button->click();
}

}  // namespace

class MapSceneTest : public QObject {
  Q_OBJECT

 private slots:
  void viewScaleCirclesAndGuidesWithTheLookOfTheSettings() {
    Window w(3, [](Session& s) {
      s.set.RimColorNum = 12;
      s.set.RimWidth = 2;
      s.set.ShowAxes = s.set.ShowBoundaryButton = true;
    });
    Session& s = *w.session;
    // The view shows fifteen twips to the pixel.
    QCOMPARE(w.View()->mapFromScene(QPointF(1500, 3000)), QPoint(100, 200));
    QCOMPARE(w.View()->sceneRect().width(), w.View()->viewport()->width() * 15.0);
    QCOMPARE(w.form->map()->canvas().Image().width(), w.View()->viewport()->width());
    QGraphicsEllipseItem* c = w.form->map()->Circle(1);
    QCOMPARE(c->rect(), QRectF(0, 0, 400, 400));
    // Two pixels wide in twips, so that it keeps its width at any scaling.
    QCOMPARE(w.form->map()->RimWidth(1), 2);
    QCOMPARE(c->pen().widthF(), 30.0);
    QVERIFY(!c->pen().isCosmetic());
    QCOMPARE(c->brush().style(), Qt::NoBrush);
    QCOMPARE(c->pen().color(), PaletteColor(12));
    // The unit circle and the axes.
    QGraphicsScene* scene = w.form->map()->scene();
    const double x = s.map.MapCentreX, y = s.map.MapCentreY;
    auto* unit =
        Guide<QGraphicsEllipseItem>(scene, {x + s.map.UnitRadius, y}, QColor(255, 192, 192));
    QVERIFY(unit);
    QCOMPARE(unit->pen().widthF(), 2 * 15.0);
    QVERIFY(Guide<QGraphicsLineItem>(scene, {x - s.map.UnitRadius + 10, y}));
    // A smaller boundary shows its own circle.
    w.Press("cmdBoundary");
    QVERIFY(
        Guide<QGraphicsEllipseItem>(scene, {x + s.map.BoundaryRadiusPx, y}, QColor(192, 192, 192)));
  }

  void labelIsCentredOnTheLabelCentre() {
    LabelCanvas canvas;
    canvas.Resize(3000, 3000);
    QSizeF size = canvas.TextSize("88");
    QVERIFY(size.width() > 0 && size.height() > 0);
    canvas.Print("88", 1500 - size.width() / 2, 1500 - size.height() / 2, Qt::black);
    const QRect inked = quorel::testing::Inked(canvas.Image());
    QVERIFY(inked.width() > 0);
    QVERIFY(std::abs(inked.center().x() - 100) <= 2);
    // Printing the same text in white erases it completely.
    canvas.Print("88", 1500 - size.width() / 2, 1500 - size.height() / 2, Qt::white);
    QVERIFY(quorel::testing::Inked(canvas.Image()).isNull());
  }

  // During a run the circles follow the solution frame by frame, and stand
  // where it put them when it stops; a resize lays the map out again.
  void circlesFollowTheRunAndAResizeKeepsTheSolution() {
    Window w(0);
    Session& s = *w.session;
    const QPointF start = w.form->map()->Circle(5)->pos();
    w.Press("cmdStart");
    QTRY_VERIFY(w.form->map()->Circle(5)->pos() != start);
    QVERIFY(w.Running());
    QVERIFY(w.WaitForSweeps(100));
    QVERIFY(w.Stop());
    for (int i = 1; i <= s.prob.NObjects; ++i)
      QCOMPARE(w.form->map()->Circle(i)->pos(), QPointF(s.map.CircleLeft[i], s.map.CircleTop[i]));
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

  // Names once chosen are shown; "none" clears the labels at once and for
  // good; names need a problem that has them.
  void identificationAndTheLabelPasses() {
    Window w;
    w.ReadFile(quorel::testing::RepoData("Example_A.txt"));
    auto shown = [&w] { return w.form->map()->canvas().TextsShown(); };
    QTRY_VERIFY(shown().contains("3"));
    WithDialog(w, [](QDialog& form) {
      Click(form, "optObjectID_1");
      QVERIFY(form.findChild<QPlainTextEdit*>("txtExplaination")
                  ->toPlainText()
                  .startsWith("OBJECT NAMING:"));
      Click(form, "cmdOK");
    });
    QCOMPARE(w.session->set.ObjectIDMethodNum, int(kIdByName));
    QTRY_VERIFY(shown().contains("Berlin"));
    QVERIFY(!shown().contains("3"));
    WithDialog(w, [](QDialog& form) {
      Click(form, "optObjectID_2");
      Click(form, "cmdOK");
    });
    QVERIFY(shown().isEmpty());
    QTRY_VERIFY(!w.Find<QTimer>("Timer1")->isActive());
    QVERIFY(shown().isEmpty());

    // What the full and the active label passes print, object 5 parked:
    // nothing with identification "none", nothing while automatic repeat runs
    // and no active pass while it is on, no full pass in field mode.
    Session& s = *w.session;
    MapScene& map = *w.form->map();
    s.prob.ObjParked[5] = 1;
    struct Case {
      int id_method;
      bool repeat;
      RunState state;
      bool field;
      int all, active;
    };
    for (const Case& c : std::initializer_list<Case>{{0, false, kLoadedIdle, false, 13, 12},
                                                     {2, false, kLoadedIdle, false, 0, 0},
                                                     {0, true, kRunning, false, 0, 0},
                                                     {0, true, kStopped, false, 13, 0},
                                                     {0, false, kStopped, true, 0, 12}}) {
      s.set.ObjectIDMethodNum = c.id_method;
      s.set.AutoRepeat = c.repeat;
      s.run.RunState = c.state;
      s.map.FieldMode = c.field;
      map.ClearMapCanvas();
      map.LabelAllObjects();
      QCOMPARE(map.canvas().PrintsSinceClear(), c.all);
      map.ClearMapCanvas();
      map.LabelActiveObjects();
      QCOMPARE(map.canvas().PrintsSinceClear(), c.active);
    }
    s.map.FieldMode = false;
    // "None" takes the fills off too.
    s.set.ObjectIDMethodNum = 2;
    map.Circle(4)->setBrush(Qt::red);
    map.LabelAllObjects();
    QCOMPARE(map.Circle(4)->brush().style(), Qt::NoBrush);

    w.LoadCase(3);
    WithDialog(w, [](QDialog& form) {
      QVERIFY(!form.findChild<QAbstractButton*>("optObjectID_1")->isEnabled());
    });
  }

  void aNewDiameterKeepsEveryCentreAndARunGoing() {
    Window w(0);
    Session& s = *w.session;
    w.DoubleClick(w.LabelCentre(2));  // parked
    float x5 = s.prob.LocDim[1][5], y5 = s.prob.LocDim[2][5];
    QPointF centre = w.ItemCentre(5);
    WithDialog(w, [](QDialog& form) {
      for (int k = 0; k < 7; ++k) Click(form, "cmdDnRadius");  // 400 down to 50
      Click(form, "cmdOK");
    });
    QCOMPARE(s.set.CircleDiameter, 50);
    QCOMPARE(s.set.PickRadius, 25);
    QCOMPARE(w.form->map()->Circle(5)->rect(), QRectF(0, 0, 50, 50));
    QVERIFY(QLineF(w.ItemCentre(5), centre).length() <= 1.0);
    QCOMPARE(s.prob.LocDim[1][5], x5);
    QCOMPARE(s.prob.LocDim[2][5], y5);
    // The parked circle went to its slot for the new size.
    QCOMPARE(w.form->map()->Circle(2)->pos().x(), double(ParkingSlot(s, 2).left));

    // OK during a run leaves the run going.
    QTRY_VERIFY(!w.Find<QTimer>("Timer1")->isActive());
    w.Press("cmdStart");
    QVERIFY(w.WaitForSweeps(10));
    WithDialog(w, [](QDialog& form) {
      Click(form, "cmdUpRadius");
      Click(form, "cmdOK");
    });
    QCOMPARE(w.form->map()->Circle(3)->rect().width(), 100.0);
    QVERIFY(w.Running());
    QVERIFY(!w.Find<QTimer>("Timer1")->isActive());
    QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 10));
    QVERIFY(w.Stop());
  }

  void optionalButtonsActAtOnceAndStayAfterCancel() {
    Window w(3);
    QVERIFY(!w.Button("cmdBoundary")->isVisible());
    int attribute_top = w.Button("cmdAttributeFns")->y();
    WithDialog(w, [&w](QDialog& form) {
      Click(form, "chkShowBoundaryButton");
      QVERIFY(w.Button("cmdBoundary")->isVisible());
      Click(form, "cmdUpWidth");
      Click(form, "cmdCancel");
    });
    QVERIFY(w.session->set.ShowBoundaryButton);
    QVERIFY(w.Button("cmdBoundary")->isVisible());
    QVERIFY(w.Button("cmdAttributeFns")->y() > attribute_top);
    QCOMPARE(w.session->set.RimWidth, 1);
  }
};

QTEST_MAIN(MapSceneTest)
#include "map_scene_test.moc"
