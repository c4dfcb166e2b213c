// The control panel: every on-line button steps its setting and rewrites
// its caption, Shift steps back; the keyboard shortcuts; the optional
// buttons; the attribute lists.
#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "ui/online_button.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Window;

namespace {

void ShowAllButtons(Session& s) {
  s.set.ShowDistanceButton = s.set.ShowBoundaryButton = s.set.ShowPrecisionButton =
      s.set.ShowMapWtsButton = true;
}

void DoubleClickItem(QListWidget* list, QPoint at) {
  QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace

class PanelKeysTest : public QObject {
  Q_OBJECT

 private slots:
  // Every on-line button and its key forward to the same rule: a click or
  // the key steps the setting and the button shows the session's caption,
  // Shift steps back.
  void buttonsAndKeysStepForwardAndShiftStepsBack() {
    Window w(ShowAllButtons);
    w.LoadCase(3);
    Session& s = *w.session;
    const Window& f = w;
    const Captions& c = s.captions;
    struct Case {
      QAbstractButton* button;
      Qt::Key key;
      const std::string* caption;
      std::function<double()> value;
    };
    const Case cases[] = {
        {f.Button("cmdMDSType"), Qt::Key_T, &c.cmdMDSType,
         [&] { return s.set.MDSAnalysisTypeNum; }},
        {f.Button("cmdBadnessFns"), Qt::Key_B, &c.cmdBadnessFns,
         [&] { return s.set.BadnessFunctionNum; }},
        {f.Button("cmdDimensions"), Qt::Key_N, &c.cmdDimensions,
         [&] { return s.set.DimensionsNum; }},
        {f.Button("cmdBoundary"), Qt::Key_Y, &c.cmdBoundary,
         [&] { return s.set.ConstraintRadius; }},
        {f.Button("cmdDegrade"), Qt::Key_E, &c.cmdDegrade, [&] { return s.set.DegradeNum; }},
        {f.Button("cmdDistanceFns"), Qt::Key_D, &c.cmdDistanceFns,
         [&] { return s.set.DistanceFunctionNum; }},
        {f.Button("cmdMappingWtFns"), Qt::Key_M, &c.cmdMappingWtFns,
         [&] { return s.set.MappingWtFunctionNum; }}};
    auto shown = [](const std::string& caption) {
      return QString::fromStdString(caption).replace("\r\n", "\n");
    };
    for (const Case& k : cases) {
      const double before = k.value();
      const QString caption_before = k.button->text();
      QCOMPARE(caption_before, shown(*k.caption));
      QTest::mouseClick(k.button, Qt::LeftButton);
      const double stepped = k.value();
      QVERIFY2(stepped != before, qPrintable(k.button->objectName()));
      QCOMPARE(k.button->text(), shown(*k.caption));
      QVERIFY(k.button->text() != caption_before);
      QTest::mouseClick(k.button, Qt::LeftButton, Qt::ShiftModifier);
      QCOMPARE(k.value(), before);
      QCOMPARE(k.button->text(), caption_before);
      QTest::keyClick(w.form.get(), k.key);
      QCOMPARE(k.value(), stepped);
      QTest::keyClick(w.form.get(), k.key, Qt::ShiftModifier);
      QCOMPARE(k.value(), before);
    }
    // Ctrl steps the boundary by a hundredth.
    QTest::keyClick(w.form.get(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(f.Button("cmdBoundary")->text(), QString("BOUNDAR&Y:\n0.99"));
    // Without attributes the attribute button is disabled.
    QVERIFY(!f.Button("cmdAttributeFns")->isEnabled());
  }

  void attributeButtonAndLists() {
    Window w;
    w.LoadCase(2);
    Session& s = *w.session;
    const Window& f = w;
    QCOMPARE(s.prob.NAttributes, 3);
    QVERIFY(f.Button("cmdAttributeFns")->isEnabled());
    QVERIFY(f.Find<QGroupBox>("frameActiveAttribs")->isVisible());
    QCOMPARE(f.Find<QListWidget>("lstActiveAttributes")->count(), 3);
    QCOMPARE(f.Find<QListWidget>("lstActiveAttributes")->item(2)->text(), QString("  A3"));
    float d21 = s.prob.Dissim(2, 1);
    QTest::mouseClick(f.Button("cmdAttributeFns"), Qt::LeftButton);
    QCOMPARE(s.set.AttributeFunctionNum, 2);
    QCOMPARE(f.Button("cmdAttributeFns")->text(),
             QString::fromStdString(s.captions.cmdAttributeFns).replace("\r\n", "\n"));
    QTest::mouseClick(f.Button("cmdAttributeFns"), Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(s.set.AttributeFunctionNum, 1);
    QCOMPARE(s.prob.Dissim(2, 1), d21);
    // The key A presses the enabled attribute button.
    QTest::keyClick(w.form.get(), Qt::Key_A);
    QCOMPARE(s.set.AttributeFunctionNum, 2);
    QTest::keyClick(w.form.get(), Qt::Key_A, Qt::ShiftModifier);
    QCOMPARE(s.set.AttributeFunctionNum, 1);

    // Parking attribute 3 by a double click moves it to the other list.
    QListWidgetItem* a3 = f.Find<QListWidget>("lstActiveAttributes")->item(2);
    QRect r = f.Find<QListWidget>("lstActiveAttributes")->visualItemRect(a3);
    DoubleClickItem(f.Find<QListWidget>("lstActiveAttributes"), r.center());
    QVERIFY(s.prob.AttribParked[3]);
    QCOMPARE(f.Find<QListWidget>("lstActiveAttributes")->count(), 2);
    QCOMPARE(f.Find<QListWidget>("lstParkedAttributes")->count(), 1);
    QCOMPARE(f.Find<QListWidget>("lstParkedAttributes")->item(0)->text(), QString("  A3"));
    QListWidgetItem* parked = f.Find<QListWidget>("lstParkedAttributes")->item(0);
    DoubleClickItem(f.Find<QListWidget>("lstParkedAttributes"),
                    f.Find<QListWidget>("lstParkedAttributes")->visualItemRect(parked).center());
    QVERIFY(!s.prob.AttribParked[3]);
    QCOMPARE(f.Find<QListWidget>("lstActiveAttributes")->count(), 3);
    QCOMPARE(s.prob.Dissim(2, 1), d21);
  }

  void optionalButtonsAreStacked() {
    Window hidden;
    hidden.LoadCase(3);
    const Window& f = hidden;
    int pitch = f.Button("cmdBadnessFns")->y() - f.Button("cmdMDSType")->y();
    QVERIFY(!f.Button("cmdDistanceFns")->isVisible());
    QVERIFY(!f.Button("cmdBoundary")->isVisible());
    QCOMPARE(f.Button("cmdAttributeFns")->y(), f.Button("cmdDimensions")->y() + pitch);
    int small = f.Find<QFrame>("frameOnlineControls")->height();

    Window shown(ShowAllButtons);
    shown.LoadCase(3);
    const Window& g = shown;
    QVERIFY(g.Button("cmdDistanceFns")->isVisible());
    QCOMPARE(g.Button("cmdDistanceFns")->y(), g.Button("cmdDimensions")->y() + pitch);
    QCOMPARE(g.Button("cmdMappingWtFns")->y(), g.Button("cmdDimensions")->y() + 4 * pitch);
    QCOMPARE(g.Button("cmdAttributeFns")->y(), g.Button("cmdDimensions")->y() + 5 * pitch);
    QCOMPARE(g.Find<QFrame>("frameOnlineControls")->height(), small + 4 * pitch);
  }

  void otherKeysActAndCtrlLettersAreNoShortcuts() {
    Window w(ShowAllButtons);
    w.LoadCase(3);
    Session& s = *w.session;
    QWidget* form = w.form.get();
    // Ctrl with another letter is no shortcut; A does nothing while the
    // attribute button is disabled.
    QTest::keyClick(form, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(s.set.MDSAnalysisTypeNum, 0);
    int attribute_fn = s.set.AttributeFunctionNum;
    QTest::keyClick(form, Qt::Key_A);
    QCOMPARE(s.set.AttributeFunctionNum, attribute_fn);

    // J jiggles, S starts, C continues after a stop.
    QPointF before(s.map.CircleLeft[1], s.map.CircleTop[1]);
    QTest::keyClick(form, Qt::Key_J);
    QVERIFY(QPointF(s.map.CircleLeft[1], s.map.CircleTop[1]) != before);
    QTest::keyClick(form, Qt::Key_S);
    QCOMPARE(s.run.RunState, kRunning);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.Button("cmdStart")));
    QVERIFY(w.WaitForSweeps(30));
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());
    int iterations = s.run.IterationCount;
    QTest::keyClick(form, Qt::Key_C);
    QTRY_COMPARE(s.run.RunState, kRunning);
    QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 12));
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());
    QVERIFY(s.run.IterationCount > iterations);

    // Keys typed while a list or button has the focus reach the window first.
    w.Button("cmdStop")->setFocus();
    QTest::keyClick(w.Button("cmdStop"), Qt::Key_T);
    QCOMPARE(s.set.MDSAnalysisTypeNum, 1);
  }

  void buttonsRecordTheirOwnKeys() {
    Window w(ShowAllButtons);
    w.LoadCase(3);
    Interaction& ui = w.session->ui;
    const Window& f = w;
    QTest::mouseClick(f.Button("cmdJiggle"), Qt::LeftButton, Qt::AltModifier);
    QVERIFY(ui.AltDown && !ui.CtrlDown && !ui.RotateBackward);
    QTest::mouseClick(f.Button("cmdJiggle"), Qt::LeftButton, Qt::ControlModifier);
    QVERIFY(!ui.AltDown && ui.CtrlDown);
    // The MDS type button records Shift only: Ctrl stays as it was.
    QTest::mouseClick(f.Button("cmdMDSType"), Qt::LeftButton, Qt::NoModifier);
    QVERIFY(ui.CtrlDown);
    QVERIFY(!ui.RotateBackward);
    // The boundary button records Shift and Ctrl.
    QTest::mouseClick(f.Button("cmdBoundary"), Qt::LeftButton, Qt::NoModifier);
    QVERIFY(!ui.CtrlDown);
    QCOMPARE(f.Button("cmdBoundary")->text(), QString("BOUNDAR&Y:\n0.90"));
    // Any key down records Shift and Ctrl; Z is no shortcut.
    QTest::keyClick(w.form.get(), Qt::Key_Z, Qt::ShiftModifier);
    QVERIFY(ui.RotateBackward && !ui.CtrlDown);
    QTest::keyClick(w.form.get(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(ui.CtrlDown && !ui.RotateBackward);
  }

  void keyXAndQExit() {
    Window a;
    QTest::keyClick(a.form.get(), Qt::Key_X);
    QVERIFY(!a.form->isVisible());
    Window b;
    QTest::keyClick(b.form.get(), Qt::Key_Q);
    QVERIFY(!b.form->isVisible());
  }
};

QTEST_MAIN(PanelKeysTest)
#include "panel_keys_test.moc"
