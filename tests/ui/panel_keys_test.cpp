// The control panel: every on-line button steps its setting and rewrites
// its caption, Shift steps back; the keyboard shortcuts; the optional
// buttons; the attribute lists.
#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

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

QString Caption(const char* heading, const char* value) {
  return QString(heading) + "\n" + value;
}

}  // namespace

class PanelKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void buttonsStepForwardAndShiftStepsBack() {
    Window w(ShowAllButtons);
    w.LoadCase(3);
    Session& s = *w.session;
    MainForm& f = *w.form;
    QCOMPARE(f.cmdMDSType->text(), Caption("MDS &TYPE:", "Ratio"));
    QTest::mouseClick(f.cmdMDSType, Qt::LeftButton);
    QCOMPARE(s.set.MDSAnalysisTypeNum, 1);
    QCOMPARE(f.cmdMDSType->text(), Caption("MDS &TYPE:", "Ratio + Bounds"));
    QTest::mouseClick(f.cmdMDSType, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(s.set.MDSAnalysisTypeNum, 0);
    QCOMPARE(f.cmdMDSType->text(), Caption("MDS &TYPE:", "Ratio"));

    QCOMPARE(f.cmdBadnessFns->text(), Caption("&BADNESS:", "Stress1"));
    QTest::mouseClick(f.cmdBadnessFns, Qt::LeftButton);
    QCOMPARE(f.cmdBadnessFns->text(), Caption("&BADNESS:", "SStress"));
    QTest::mouseClick(f.cmdBadnessFns, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(s.set.BadnessFunctionNum, 1);

    QCOMPARE(f.cmdDimensions->text(), Caption("DIME&NSIONS:", "Two"));
    QTest::mouseClick(f.cmdDimensions, Qt::LeftButton);
    QCOMPARE(f.cmdDimensions->text(), Caption("DIME&NSIONS:", "Three"));
    QTest::mouseClick(f.cmdDimensions, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(s.set.DimensionsNum, 2);

    QCOMPARE(f.cmdBoundary->text(), Caption("BOUNDAR&Y:", "None"));
    QTest::mouseClick(f.cmdBoundary, Qt::LeftButton);
    QCOMPARE(f.cmdBoundary->text(), Caption("BOUNDAR&Y:", "0.90"));
    QCOMPARE(s.map.BoundaryRadiusPx, std::lround(s.map.UnitRadius * 0.9));
    QTest::mouseClick(f.cmdBoundary, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(f.cmdBoundary->text(), Caption("BOUNDAR&Y:", "0.89"));
    QTest::mouseClick(f.cmdBoundary, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::mouseClick(f.cmdBoundary, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(f.cmdBoundary->text(), Caption("BOUNDAR&Y:", "None"));

    QString max_precision =
        QString::fromLatin1((DataPrecisionName[s.set.DegradeNum] + " (Max)").c_str());
    QCOMPARE(f.cmdDegrade->text(), Caption("PR&ECISION:", qPrintable(max_precision)));
    int degrade = s.set.DegradeNum;
    QTest::mouseClick(f.cmdDegrade, Qt::LeftButton);
    QCOMPARE(s.set.DegradeNum, degrade - 1);
    QCOMPARE(f.cmdDegrade->text(), Caption("PR&ECISION:", DataPrecisionName[degrade - 1].c_str()));
    QTest::mouseClick(f.cmdDegrade, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(s.set.DegradeNum, degrade);

    QCOMPARE(f.cmdDistanceFns->text(), Caption("&DISTANCE:", "Euclidean"));
    QTest::mouseClick(f.cmdDistanceFns, Qt::LeftButton);
    QCOMPARE(f.cmdDistanceFns->text(), Caption("&DISTANCE:", "City Block"));
    QTest::mouseClick(f.cmdDistanceFns, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(s.set.DistanceFunctionNum, 0);

    QCOMPARE(f.cmdMappingWtFns->text(), Caption("&MAPPING  WTs:", "None"));
    QTest::mouseClick(f.cmdMappingWtFns, Qt::LeftButton);
    QCOMPARE(f.cmdMappingWtFns->text(), Caption("&MAPPING  WTs:", "Weak"));
    QTest::mouseClick(f.cmdMappingWtFns, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(s.set.MappingWtFunctionNum, 0);
    // Without attributes the attribute button is disabled.
    QVERIFY(!f.cmdAttributeFns->isEnabled());
  }

  void attributeButtonAndLists() {
    Window w;
    w.LoadCase(2);
    Session& s = *w.session;
    MainForm& f = *w.form;
    QCOMPARE(s.prob.NAttributes, 3);
    QVERIFY(f.cmdAttributeFns->isEnabled());
    QVERIFY(f.frameActiveAttribs->isVisible());
    QCOMPARE(f.lstActiveAttributes->count(), 3);
    QCOMPARE(f.lstActiveAttributes->item(2)->text(), QString("  A3"));
    QCOMPARE(f.cmdAttributeFns->text(), Caption("&ATTRIBUTE  FNs:", "Euclidean (norm.)"));
    float d21 = s.prob.Dissim(2, 1);
    QTest::mouseClick(f.cmdAttributeFns, Qt::LeftButton);
    QCOMPARE(s.set.AttributeFunctionNum, 2);
    QCOMPARE(f.cmdAttributeFns->text(), Caption("&ATTRIBUTE  FNs:", "City Block (norm.)"));
    QTest::mouseClick(f.cmdAttributeFns, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(s.set.AttributeFunctionNum, 1);
    QCOMPARE(s.prob.Dissim(2, 1), d21);
    // The key A presses the enabled attribute button.
    QTest::keyClick(w.form.get(), Qt::Key_A);
    QCOMPARE(s.set.AttributeFunctionNum, 2);
    QTest::keyClick(w.form.get(), Qt::Key_A, Qt::ShiftModifier);
    QCOMPARE(s.set.AttributeFunctionNum, 1);

    // Parking attribute 3 by a double click moves it to the other list.
    QListWidgetItem* a3 = f.lstActiveAttributes->item(2);
    QRect r = f.lstActiveAttributes->visualItemRect(a3);
    DoubleClickItem(f.lstActiveAttributes, r.center());
    QVERIFY(s.prob.AttribParked[3]);
    QCOMPARE(f.lstActiveAttributes->count(), 2);
    QCOMPARE(f.lstParkedAttributes->count(), 1);
    QCOMPARE(f.lstParkedAttributes->item(0)->text(), QString("  A3"));
    QListWidgetItem* parked = f.lstParkedAttributes->item(0);
    DoubleClickItem(f.lstParkedAttributes, f.lstParkedAttributes->visualItemRect(parked).center());
    QVERIFY(!s.prob.AttribParked[3]);
    QCOMPARE(f.lstActiveAttributes->count(), 3);
    QCOMPARE(s.prob.Dissim(2, 1), d21);
  }

  void optionalButtonsAreStacked() {
    Window hidden;
    hidden.LoadCase(3);
    MainForm& f = *hidden.form;
    int pitch = f.cmdBadnessFns->y() - f.cmdMDSType->y();
    QVERIFY(!f.cmdDistanceFns->isVisible());
    QVERIFY(!f.cmdBoundary->isVisible());
    QCOMPARE(f.cmdAttributeFns->y(), f.cmdDimensions->y() + pitch);
    int small = f.frameOnlineControls->height();

    Window shown(ShowAllButtons);
    shown.LoadCase(3);
    MainForm& g = *shown.form;
    QVERIFY(g.cmdDistanceFns->isVisible());
    QCOMPARE(g.cmdDistanceFns->y(), g.cmdDimensions->y() + pitch);
    QCOMPARE(g.cmdMappingWtFns->y(), g.cmdDimensions->y() + 4 * pitch);
    QCOMPARE(g.cmdAttributeFns->y(), g.cmdDimensions->y() + 5 * pitch);
    QCOMPARE(g.frameOnlineControls->height(), small + 4 * pitch);
  }

  void keyboardShortcutsStepTheSettings() {
    Window w(ShowAllButtons);
    w.LoadCase(3);
    Session& s = *w.session;
    QWidget* form = w.form.get();
    QTest::keyClick(form, Qt::Key_T);
    QCOMPARE(s.set.MDSAnalysisTypeNum, 1);
    QTest::keyClick(form, Qt::Key_T, Qt::ShiftModifier);
    QCOMPARE(s.set.MDSAnalysisTypeNum, 0);
    QTest::keyClick(form, Qt::Key_B);
    QCOMPARE(s.set.BadnessFunctionNum, 2);
    QTest::keyClick(form, Qt::Key_D);
    QCOMPARE(s.set.DistanceFunctionNum, 1);
    int degrade = s.set.DegradeNum;
    QTest::keyClick(form, Qt::Key_E);
    QCOMPARE(s.set.DegradeNum, degrade - 1);
    QTest::keyClick(form, Qt::Key_M);
    QCOMPARE(s.set.MappingWtFunctionNum, 1);
    QTest::keyClick(form, Qt::Key_N);
    QCOMPARE(s.set.DimensionsNum, 3);
    QTest::keyClick(form, Qt::Key_Y);
    QCOMPARE(w.form->cmdBoundary->text(), QString("BOUNDAR&Y:\n0.90"));
    QTest::keyClick(form, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w.form->cmdBoundary->text(), QString("BOUNDAR&Y:\n0.89"));
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
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.form->cmdStart));
    QVERIFY(w.WaitForSweeps(30));
    QTest::mouseClick(w.form->cmdStop, Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());
    int iterations = s.run.IterationCount;
    QTest::keyClick(form, Qt::Key_C);
    QTRY_COMPARE(s.run.RunState, kRunning);
    QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 12));
    QTest::mouseClick(w.form->cmdStop, Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());
    QVERIFY(s.run.IterationCount > iterations);

    // Keys typed while a list or button has the focus reach the window first.
    w.form->cmdStop->setFocus();
    QTest::keyClick(w.form->cmdStop, Qt::Key_T);
    QCOMPARE(s.set.MDSAnalysisTypeNum, 1);
  }

  void buttonsRecordTheirOwnKeys() {
    Window w(ShowAllButtons);
    w.LoadCase(3);
    Interaction& ui = w.session->ui;
    MainForm& f = *w.form;
    QTest::mouseClick(f.cmdJiggle, Qt::LeftButton, Qt::AltModifier);
    QVERIFY(ui.AltDown && !ui.CtrlDown && !ui.RotateBackward);
    QTest::mouseClick(f.cmdJiggle, Qt::LeftButton, Qt::ControlModifier);
    QVERIFY(!ui.AltDown && ui.CtrlDown);
    // The MDS type button records Shift only: Ctrl stays as it was.
    QTest::mouseClick(f.cmdMDSType, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(ui.CtrlDown);
    QVERIFY(!ui.RotateBackward);
    // The boundary button records Shift and Ctrl.
    QTest::mouseClick(f.cmdBoundary, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(!ui.CtrlDown);
    QCOMPARE(f.cmdBoundary->text(), QString("BOUNDAR&Y:\n0.90"));
  }

  void keyXAndQExit() {
    Window a;
    QTest::keyClick(a.form.get(), Qt::Key_X);
    QVERIFY(!a.form->isVisible());
    Window b;
    QTest::keyClick(b.form.get(), Qt::Key_Q);
    QVERIFY(!b.form->isVisible());
  }

  void keyShiftRecordsRotateBackward() {
    Window w;
    // Any key down records Shift and Ctrl; Z is no shortcut.
    QTest::keyClick(w.form.get(), Qt::Key_Z, Qt::ShiftModifier);
    QVERIFY(w.session->ui.RotateBackward);
    QVERIFY(!w.session->ui.CtrlDown);
    QTest::keyClick(w.form.get(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w.session->ui.CtrlDown);
    QVERIFY(!w.session->ui.RotateBackward);
  }
};

QTEST_MAIN(PanelKeysTest)
#include "panel_keys_test.moc"
