// The main window: its start, width, start-up problem, defaults, access keys,
// status bar and every way out; the control panel, whose on-line buttons and
// keys step their settings and captions (Shift steps back), its optional
// buttons and attribute lists.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QStatusBar>

#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Window;

namespace {

void ShowAllButtons(Session& s) {
  s.set.ShowDistanceButton = s.set.ShowBoundaryButton = s.set.ShowPrecisionButton =
      s.set.ShowMapWtsButton = true;
}

// The text of a status bar field, empty while it is hidden.
QString Shown(Window& w, const char* name) {
  QLabel* label = w.Label(name);
  return label->isVisible() ? label->text() : QString();
}

void DoubleClickItem(QListWidget* list, QPoint at) {
  QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void startupProblem_data() {
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("objects");
    QTest::newRow("built-in case") << "SpecialCase3" << 4;
    QTest::newRow("data file") << quorel::testing::RepoData("Example_A.txt") << 13;
    QTest::newRow("missing file") << "/nowhere/gone.txt" << 0;
  }
  void startupProblem() {
    QFETCH(QString, problem);
    QFETCH(int, objects);
    Window w([&](Session& s) { s.set.StartupProblem = problem.toStdString(); });
    w.form->LoadStartupProblem();
    QCOMPARE(w.session->prob.NObjects, objects);
    QCOMPARE(w.session->run.RunState, objects ? kLoadedIdle : kNoProblem);
    QCOMPARE(w.Label("lblStartUpMsg")->isVisible(), objects == 0);
  }

  // The Exit entry, the Exit button, and the keys X and Q.
  void everyExitClosesTheWindow() {
    const std::function<void(Window&)> exits[] = {
        [](Window& w) { w.Action("mnuExit")->trigger(); }, [](Window& w) { w.Press("cmdExit"); },
        [](Window& w) { QTest::keyClick(w.form.get(), Qt::Key_X); },
        [](Window& w) { QTest::keyClick(w.form.get(), Qt::Key_Q); }};
    for (const auto& exit : exits) {
      Window w;
      exit(w);
      QVERIFY(!w.form->isVisible());
    }
  }

  // Alt+key reaches one thing only: every menu title and every button
  // showing an access key has its own.
  void accessKeysAreDistinct() {
    Window w(3);
    QStringList keys;
    for (QAction* title : w.form->menuBar()->actions())
      keys << QKeySequence::mnemonic(title->text()).toString();
    for (QAbstractButton* button : w.form->findChildren<QAbstractButton*>())
      if (button->isVisible() && !button->shortcut().isEmpty())
        keys << button->shortcut().toString();
    QVERIFY(keys.size() > 12);
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
  }

  // Empty at the start, a fifth wider than the bottom group; the status
  // bar follows the run.
  void startsEmptyAndTheStatusFollowsTheRun() {
    Window w;
    Session& s = *w.session;
    QVERIFY(w.form->windowTitle().contains("QUOREL"));
    QVERIFY(w.Label("lblStartUpMsg")->isVisible());
    QCOMPARE(w.session->run.RunState, kNoProblem);
    const double group = w.Find<QFrame>("frameBottomControlGroup")->width();
    QVERIFY2(std::abs(w.form->width() - 1.2 * group) <= 1.0,
             qPrintable(QString("%1 for a group of %2").arg(w.form->width()).arg(group)));
    // Saving the defaults needs no problem.
    QFile::remove(w.dir.filePath("QuorelDefaults.dft"));
    w.Action("mnuSaveSettingsAsDefaults")->trigger();
    QVERIFY(QFile::exists(w.dir.filePath("QuorelDefaults.dft")));
    QCOMPARE(Shown(w, "stsRunState"), QString("No problem loaded"));
    w.LoadCase(3);
    QVERIFY(Shown(w, "stsProblem").startsWith("Special case 3: Regular Tetrahedron"));
    QCOMPARE(Shown(w, "stsRunState"), QString("Ready to start"));
    w.Press("chkAutoStop");
    w.Press("cmdStart");
    QVERIFY(w.WaitUntilIdle(60000));
    QVERIFY2(Shown(w, "stsRunState").startsWith("Converged"), qPrintable(Shown(w, "stsRunState")));
    QCOMPARE(Shown(w, "stsSweeps"), QString("Sweep %1").arg(s.run.IterationCount));

    w.Press("chkAutoStop");
    w.Press("cmdStart");
    QTRY_COMPARE(Shown(w, "stsRunState"), QString("Running"));
    QVERIFY(w.Stop());
    QCOMPARE(Shown(w, "stsRunState"), QString("Stopped by the user"));

    s.set.SolnLongFileName = w.dir.filePath("long.txt").toStdString();
    w.Action("mnuSave")->trigger();
    QVERIFY(w.form->statusBar()->currentMessage().contains(w.dir.filePath("long.txt")));
  }

  // Every on-line button and its key forward to the same rule: a click or
  // the key steps the setting and the button shows the new caption, Shift
  // steps back.  The rule's values are the core's to check.
  void buttonsAndKeysStepForwardAndShiftStepsBack() {
    Window w(2, ShowAllButtons);
    const std::pair<const char*, Qt::Key> cases[] = {
        {"cmdMDSType", Qt::Key_T},      {"cmdBadnessFns", Qt::Key_B},
        {"cmdDimensions", Qt::Key_N},   {"cmdBoundary", Qt::Key_Y},
        {"cmdDegrade", Qt::Key_E},      {"cmdDistanceFns", Qt::Key_D},
        {"cmdMappingWtFns", Qt::Key_M}, {"cmdAttributeFns", Qt::Key_A}};
    for (auto [name, key] : cases) {
      QAbstractButton* button = w.Button(name);
      const QString before = button->text();
      w.Press(name);
      const QString stepped = button->text();
      QVERIFY2(stepped != before, name);
      w.Press(name, Qt::ShiftModifier);
      QCOMPARE(button->text(), before);
      QTest::keyClick(w.form.get(), key);
      QCOMPARE(button->text(), stepped);
      QTest::keyClick(w.form.get(), key, Qt::ShiftModifier);
      QCOMPARE(button->text(), before);
    }
    // The captions are the session's.
    QCOMPARE(w.Button("cmdMDSType")->text(),
             QString::fromStdString(w.session->captions.cmdMDSType).replace("\r\n", "\n"));
    // Ctrl steps the boundary by a hundredth.
    QTest::keyClick(w.form.get(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w.Button("cmdBoundary")->text(), QString("BOUNDAR&Y:\n0.99"));
  }

  void attributeLists() {
    Window w(2);
    Session& s = *w.session;
    auto* active = w.Find<QListWidget>("lstActiveAttributes");
    auto* parked = w.Find<QListWidget>("lstParkedAttributes");
    QVERIFY(w.Find<QGroupBox>("frameActiveAttribs")->isVisible());
    QCOMPARE(active->count(), s.prob.NAttributes);
    QCOMPARE(active->item(2)->text(), QString("  A3"));
    const float d21 = s.prob.Dissim(2, 1);
    // Parking attribute 3 by a double click moves it to the other list.
    DoubleClickItem(active, active->visualItemRect(active->item(2)).center());
    QVERIFY(s.prob.AttribParked[3]);
    QCOMPARE(active->count(), 2);
    QCOMPARE(parked->count(), 1);
    QCOMPARE(parked->item(0)->text(), QString("  A3"));
    DoubleClickItem(parked, parked->visualItemRect(parked->item(0)).center());
    QVERIFY(!s.prob.AttribParked[3]);
    QCOMPARE(active->count(), 3);
    QCOMPARE(s.prob.Dissim(2, 1), d21);
  }

  void optionalButtonsAreStacked() {
    Window hidden(3);
    int pitch = hidden.Button("cmdBadnessFns")->y() - hidden.Button("cmdMDSType")->y();
    QVERIFY(!hidden.Button("cmdDistanceFns")->isVisible());
    QVERIFY(!hidden.Button("cmdBoundary")->isVisible());
    QCOMPARE(hidden.Button("cmdAttributeFns")->y(), hidden.Button("cmdDimensions")->y() + pitch);
    int small = hidden.Find<QFrame>("frameOnlineControls")->height();

    Window shown(3, ShowAllButtons);
    QVERIFY(shown.Button("cmdDistanceFns")->isVisible());
    QCOMPARE(shown.Button("cmdDistanceFns")->y(), shown.Button("cmdDimensions")->y() + pitch);
    QCOMPARE(shown.Button("cmdMappingWtFns")->y(), shown.Button("cmdDimensions")->y() + 4 * pitch);
    QCOMPARE(shown.Button("cmdAttributeFns")->y(), shown.Button("cmdDimensions")->y() + 5 * pitch);
    QCOMPARE(shown.Find<QFrame>("frameOnlineControls")->height(), small + 4 * pitch);
  }

  void otherKeysActAndButtonsRecordTheirOwnKeys() {
    Window w(3, ShowAllButtons);
    Session& s = *w.session;
    QWidget* form = w.form.get();
    // Ctrl with another letter is no shortcut; A does nothing while the
    // attribute button is disabled (no attributes).
    QVERIFY(!w.Button("cmdAttributeFns")->isEnabled());
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
    QVERIFY(w.Stop());
    int iterations = s.run.IterationCount;
    QTest::keyClick(form, Qt::Key_C);
    QTRY_COMPARE(s.run.RunState, kRunning);
    QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 12));
    QVERIFY(w.Stop());
    QVERIFY(s.run.IterationCount > iterations);

    // Keys typed while a list or button has the focus reach the window first.
    w.Button("cmdStop")->setFocus();
    QTest::keyClick(w.Button("cmdStop"), Qt::Key_T);
    QCOMPARE(s.set.MDSAnalysisTypeNum, 1);

    // Each button records its own keys.
    Interaction& ui = s.ui;
    w.Press("cmdJiggle", Qt::AltModifier);
    QVERIFY(ui.AltDown && !ui.CtrlDown && !ui.RotateBackward);
    w.Press("cmdJiggle", Qt::ControlModifier);
    QVERIFY(!ui.AltDown && ui.CtrlDown);
    // The MDS type button records Shift only: Ctrl stays as it was.
    w.Press("cmdMDSType");
    QVERIFY(ui.CtrlDown);
    QVERIFY(!ui.RotateBackward);
    // The boundary button records Shift and Ctrl.
    w.Press("cmdBoundary");
    QVERIFY(!ui.CtrlDown);
    QCOMPARE(w.Button("cmdBoundary")->text(), QString("BOUNDAR&Y:\n0.90"));
    // Any key down records Shift and Ctrl; Z is no shortcut.
    QTest::keyClick(w.form.get(), Qt::Key_Z, Qt::ShiftModifier);
    QVERIFY(ui.RotateBackward && !ui.CtrlDown);
    QTest::keyClick(w.form.get(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(ui.CtrlDown && !ui.RotateBackward);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
