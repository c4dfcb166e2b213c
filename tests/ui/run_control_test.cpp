// The solver driven from the window: Start converges, Stop, Continue,
// the objective labels, Timer1, and closing the window during a run.
#include "control/run_control.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextStream>

#include "ui/online_button.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::MessageBoxCloser;
using quorel::testing::Window;

class RunControlTest : public QObject {
  Q_OBJECT

 private slots:
  void specialCaseShowsItsObjects() {
    Window w;
    w.LoadCase(3);
    Session& s = *w.session;
    QCOMPARE(s.prob.NObjects, 4);
    QCOMPARE(s.run.RunState, kLoadedIdle);
    QCOMPARE(w.form->map()->CircleCount(), 4);
    QVERIFY(w.Find<QFrame>("frameOnlineControls")->isVisible());
    QVERIFY(!w.Label("lblStartUpMsg")->isVisible());
    QCOMPARE(w.Label("lblInitialPositionsMsg")->text(), QString(" 4 objects loaded "));
    QVERIFY(w.Label("lblInitialPositionsMsg")->isVisible());
    QCOMPARE(w.Label("lblProvidedMsg")->text(), QString("Regular Tetrahedron"));
    // The circles stand where the core placed them.
    for (int i = 1; i <= 4; ++i)
      QCOMPARE(w.ItemCentre(i), QPointF(s.map.CircleLeft[i] + 200, s.map.CircleTop[i] + 200));
    QVERIFY(!w.Label("lblObjFn")->isVisible());
    QVERIFY(!w.Label("lblObjFnValue")->isVisible());
    // Timer1 labels the map once after the load.
    QTRY_VERIFY(w.form->map()->canvas().PrintsSinceClear() >= 4);
  }

  void startConvergesWithAutoStop() {
    Window w;
    w.LoadCase(0);
    Session& s = *w.session;
    QTest::mouseClick(w.Button("chkAutoStop"), Qt::LeftButton);
    QVERIFY(s.set.AutoStop);
    QCOMPARE(s.run.ConvergeCountLimit, 500);
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.Running());
    QCOMPARE(s.run.RunState, kRunning);
    QVERIFY(w.WaitUntilIdle(60000));
    QCOMPARE(s.run.RunState, kStopped);
    // A perfect circle fits two dimensions: the objective goes to zero.
    QVERIFY2(s.run.ObjFnValue < 1e-3f, qPrintable(QString::number(s.run.ObjFnValue)));
    QVERIFY(w.Label("lblObjFnValue")->isVisible());
    QCOMPARE(w.Label("lblObjFnValue")->text(), QString::fromStdString(s.captions.lblObjFnValue));
    QVERIFY(!w.Label("lblInitialPositionsMsg")->isVisible());
    // Every circle shows where the run left it.
    for (int i = 1; i <= s.prob.NObjects; ++i)
      QCOMPARE(w.form->map()->Circle(i)->pos(), QPointF(s.map.CircleLeft[i], s.map.CircleTop[i]));
    // The run ended with the labels printed.
    QVERIFY(w.form->map()->canvas().PrintsSinceClear() >= s.prob.NObjects);
  }

  void stopDuringARunAndContinueKeepsTheCounters() {
    Window w;
    w.LoadCase(14);
    Session& s = *w.session;
    QVERIFY(!s.set.AutoStop);
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.WaitForSweeps(20));
    QCOMPARE(s.run.RunState, kRunning);
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QCOMPARE(s.run.RunState, kStopped);
    // The labels Stop printed stay on their circles: nothing moves after it.
    std::vector<QPointF> at_stop;
    for (int i = 1; i <= s.prob.NObjects; ++i)
      at_stop.push_back(QPointF(s.map.CircleLeft[i], s.map.CircleTop[i]));
    QVERIFY(w.WaitUntilIdle());
    for (int i = 1; i <= s.prob.NObjects; ++i) {
      QCOMPARE(QPointF(s.map.CircleLeft[i], s.map.CircleTop[i]), at_stop[i - 1]);
      QCOMPARE(w.form->map()->Circle(i)->pos(), at_stop[i - 1]);
    }
    const long long sweeps = s.run.TotalSweeps;
    w.ServeEvents();
    QCOMPARE(s.run.TotalSweeps, sweeps);
    // Stop labels the map.
    QVERIFY(w.form->map()->canvas().PrintsSinceClear() >= 300);

    // Continue goes on with the same run (the core tests check its counters).
    QTest::mouseClick(w.Button("cmdContinue"), Qt::LeftButton);
    QTRY_COMPARE(s.run.RunState, kRunning);
    QVERIFY(w.WaitForSweeps(sweeps + 10));
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());
    QVERIFY(s.run.IterationCount > static_cast<int>(s.run.TotalSweeps - sweeps));
  }

  void loadingHidesTheObjectiveLabelsAndAutoRepeatShowsTheBest() {
    Window w;
    w.LoadCase(3);
    const Window& f = w;
    QVERIFY(!f.Label("lblObjFn")->isVisible());
    QTest::mouseClick(f.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.WaitForSweeps(20));
    QTest::mouseClick(f.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());
    QVERIFY(f.Label("lblObjFn")->isVisible());
    QVERIFY(f.Label("lblObjFnValue")->isVisible());
    QVERIFY(!f.Label("lblObjFnValue")->text().isEmpty());
    QTRY_VERIFY(!f.Find<QTimer>("Timer1")->isActive());
    w.LoadCase(0);
    QVERIFY(!f.Label("lblObjFn")->isVisible());
    QVERIFY(!f.Label("lblObjFnValue")->isVisible());
    QVERIFY(!f.Label("lblBestObjFnValue")->isVisible());
    QCOMPARE(f.Label("lblInitialPositionsMsg")->text(), QString(" 24 objects loaded "));
    QVERIFY(f.Find<QTimer>("Timer1")->isActive());
    // The best-value label shows, emptied, exactly while Auto Repeat is on.
    f.Label("lblBestObjFnValue")->setText("[ old ]");
    QTest::mouseClick(f.Button("chkAutoRepeat"), Qt::LeftButton);
    QVERIFY(f.Label("lblBestObjFnValue")->isVisible());
    QCOMPARE(f.Label("lblBestObjFnValue")->text(), QString());
    QTest::mouseClick(f.Button("chkAutoRepeat"), Qt::LeftButton);
    QVERIFY(!f.Label("lblBestObjFnValue")->isVisible());
  }

  void loadingAnotherProblemDuringARunEndsTheRun() {
    Window w;
    w.LoadCase(14);
    Session& s = *w.session;
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.WaitForSweeps(5));
    w.LoadCase(3);
    QVERIFY(w.WaitUntilIdle());
    QCOMPARE(s.prob.NObjects, 4);
    QCOMPARE(s.run.RunState, kLoadedIdle);
    QCOMPARE(w.form->map()->CircleCount(), 4);
    for (int i = 1; i <= 4; ++i)
      QCOMPARE(w.form->map()->Circle(i)->pos(), QPointF(s.map.CircleLeft[i], s.map.CircleTop[i]));
  }

  void thousandObjectsKeepTheWindowResponsive() {
    Window w;
    // 1000 random points in the plane, as attributes.
    QString path = w.dir.filePath("points.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QTextStream out(&file);
    out << "NOBJECTS=1000\r\nNATTRIBUTES=2\r\nATTRIBUTELIST\r\n";
    RandomSource rnd;
    for (int i = 0; i < 1000; ++i)
      out << QString::number(rnd.Next(), 'f', 4) << ", " << QString::number(rnd.Next(), 'f', 4)
          << "\r\n";
    file.close();
    w.session->set.DataFileName = path.toStdString();
    w.session->ui.ReadWithoutDialog = true;
    w.Action("mnuReadDataFile")->trigger();
    Session& s = *w.session;
    QCOMPARE(s.prob.NObjects, 1000);
    QCOMPARE(w.form->map()->CircleCount(), 1000);
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.WaitForSweeps(3));
    // Events are served between sweeps: a zero timer fires while the run
    // goes on, not only after it has ended.
    bool fired_while_running = false;
    QTimer::singleShot(0, [&] { fired_while_running = s.run.RunState == kRunning; });
    QTRY_VERIFY_WITH_TIMEOUT(fired_while_running, 60000);
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle(5000));
    for (int i = 1; i <= 1000; i += 111)
      QCOMPARE(w.form->map()->Circle(i)->pos(), QPointF(s.map.CircleLeft[i], s.map.CircleTop[i]));
  }

  void closingDuringARunEndsCleanly() {
    auto w = std::make_unique<Window>();
    w->LoadCase(14);
    QTest::mouseClick(w->Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w->WaitForSweeps(5));
    QVERIFY(w->Running());
    w->form->close();
    QVERIFY(!w->form->isVisible());
    QVERIFY(!w->Running());
    long long sweeps = w->session->run.TotalSweeps;
    w->ServeEvents();
    QCOMPARE(w->session->run.TotalSweeps, sweeps);
    // With no driver left, a run asked for now is run at once, not left pending.
    QTimer::singleShot(20, w->form.get(), [&] { cmdStop_Click(*w->session, *w->platform); });
    cmdContinue_Click(*w->session, *w->platform);
    QVERIFY(w->session->run.TotalSweeps > sweeps && !w->session->run.SolverEntryPending);
    w.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

QTEST_MAIN(RunControlTest)
#include "run_control_test.moc"
