// The field views in the window: the three ways in and the two ways out,
// what is hidden meanwhile, automatic repeat, a run under way, and the
// mirror's glide at display rate.
#include "model/field_view.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Window;

namespace {

enum Way { kKeyF, kRightClick, kFieldButton, kCloseButton };

void Switch(Window& w, int way) {
  if (way == kKeyF) QTest::keyClick(w.form.get(), Qt::Key_F);
  if (way == kRightClick) QTest::mouseClick(w.Viewport(), Qt::RightButton, {}, w.At(60, 60));
  if (way == kFieldButton) w.Press("cmdField");
  if (way == kCloseButton) w.Press("cmdFieldClose");
}

}  // namespace

class FieldModeTest : public QObject {
  Q_OBJECT

 private slots:
  void entersThreeWaysAndShowsEverythingAgainOnLeaving_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("F key") << int(kKeyF);
    QTest::newRow("right click") << int(kRightClick);
    QTest::newRow("cmdField") << int(kFieldButton);
  }
  void entersThreeWaysAndShowsEverythingAgainOnLeaving() {
    QFETCH(int, way);
    Window w(2);  // with attributes
    Session& s = *w.session;
    MainForm& f = *w.form;
    w.DoubleClick(w.LabelCentre(4));
    QVERIFY(s.prob.ObjParked[4]);
    QWidget* tools = w.Find("frameFieldControls");
    const QWidget* panels[] = {w.Find("frameBottomControlGroup"), w.Find("frameOnlineControls"),
                               w.Find("frameActiveAttribs"), w.Find("frameParkedAttribs")};
    QVERIFY(!tools->isVisible());
    Switch(w, way);
    QVERIFY(s.map.FieldMode);
    QVERIFY(tools->isVisible());
    for (const QWidget* panel : panels) QVERIFY(!panel->isVisible());
    QVERIFY(!f.map()->Circle(4)->isVisible());
    QVERIFY(f.map()->Circle(5)->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.Button("cmdFieldClose")));
    // Shortcut keys are off.
    int badness = s.set.BadnessFunctionNum;
    QTest::keyClick(&f, Qt::Key_B);
    QCOMPARE(s.set.BadnessFunctionNum, badness);

    // Out again, in a window that is not maximized: all of it is back.
    QVERIFY(!f.isMaximized());
    Switch(w, kCloseButton);
    QVERIFY(!s.map.FieldMode);
    QVERIFY(!tools->isVisible());
    for (const QWidget* panel : panels) QVERIFY(panel->isVisible());
    QVERIFY(f.map()->Circle(4)->isVisible());
  }

  void automaticRepeatComesBackOnlyWithTheCloseButton_data() {
    QTest::addColumn<int>("way");
    QTest::addColumn<bool>("repeat_after");
    QTest::newRow("right click") << int(kRightClick) << false;
    QTest::newRow("cmdFieldClose") << int(kCloseButton) << true;
  }
  void automaticRepeatComesBackOnlyWithTheCloseButton() {
    QFETCH(int, way);
    QFETCH(bool, repeat_after);
    Window w(3, [](Session& s) { s.set.AutoRepeat = true; });
    Session& s = *w.session;
    Switch(w, kFieldButton);
    QVERIFY(!s.set.AutoRepeat);
    Switch(w, way);
    QVERIFY(!s.map.FieldMode);
    QCOMPARE(s.set.AutoRepeat, repeat_after);
    QCOMPARE(w.Button("chkAutoRepeat")->isChecked(), repeat_after);
    // The release of the right click that left was swallowed: nothing ran.
    QCOMPARE(s.run.RunState, kLoadedIdle);
    QVERIFY(!w.Running());
  }

  void enteringDuringARunStopsItAndTheMapStaysStill() {
    Window w(0);
    Session& s = *w.session;
    w.Press("cmdStart");
    QVERIFY(w.WaitForSweeps(50));
    QTest::keyClick(w.form.get(), Qt::Key_F);
    QVERIFY(s.map.FieldMode);
    QCOMPARE(s.run.RunState, kStopped);
    QVERIFY(w.WaitUntilIdle());
    float x = s.prob.LocDim[1][7];
    // The move tool drags the whole map; the tool button makes it count.
    w.Press("cmdMove");
    QVERIFY(w.Button("cmdMove")->isChecked());
    QPointF corner = w.form->map()->Circle(7)->pos();
    w.Drag(w.At(3000, 3000), w.At(3000 + 450, 3000));
    QCOMPARE(w.form->map()->Circle(7)->pos(), corner + QPointF(450, 0));
    w.Press("cmdMove");
    QVERIFY(!w.Button("cmdMove")->isChecked());
    QVERIFY(std::fabs(s.prob.LocDim[1][7] - (x + 450.0f / s.map.UnitRadius)) < 1e-3f);
  }

  void mirrorGlidesAtDisplayRateWithoutHoldingTheWindow() {
    Window w(3);
    Session& s = *w.session;
    FieldView& field = *w.form->field();
    w.Press("cmdField");
    QVERIFY(field.Steps() > 1000);
    w.Press("cmdMirror");
    std::vector<float> y(5);
    for (int i = 1; i <= 4; ++i) y[i] = s.prob.LocDim[2][i];
    QPoint beside = w.At(s.map.MapCentreX + 2500, s.map.MapCentreY);
    QTest::mouseClick(w.Viewport(), Qt::LeftButton, Qt::NoModifier, beside);
    // The click has returned while the glide goes on.
    QVERIFY(field.MirrorInProgress());
    QTRY_VERIFY_WITH_TIMEOUT(!field.MirrorInProgress(), 10000);
    for (int i = 1; i <= 4; ++i) QVERIFY(std::fabs(s.prob.LocDim[2][i] + y[i]) < 1e-4f);
    QCOMPARE(w.form->map()->canvas().TextsShown().size(), 4);
  }
};

QTEST_MAIN(FieldModeTest)
#include "field_mode_test.moc"
