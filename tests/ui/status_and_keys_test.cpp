// The window's start-up width, its access keys, and the status bar that
// tells the run's state, its sweeps, the problem and the file just saved.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Window;

class StatusAndKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void windowIsAFifthWiderThanTheBottomGroup() {
    Window w;
    const double group = w.Find<QFrame>("frameBottomControlGroup")->width();
    QVERIFY2(std::abs(w.form->width() - 1.2 * group) <= 1.0,
             qPrintable(QString("%1 for a group of %2").arg(w.form->width()).arg(group)));
  }

  // Alt+key reaches one thing only: every menu title and every button
  // showing an access key has its own.
  void accessKeysAreDistinct() {
    Window w;
    w.LoadCase(3);
    QStringList keys;
    for (QAction* title : w.form->menuBar()->actions())
      keys << QKeySequence::mnemonic(title->text()).toString();
    for (QAbstractButton* button : w.form->findChildren<QAbstractButton*>())
      if (button->isVisible() && !button->shortcut().isEmpty())
        keys << button->shortcut().toString();
    QVERIFY(keys.size() > 12);
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
  }

  void statusFollowsTheRun() {
    Window w;
    Session& s = *w.session;
    QCOMPARE(Shown(w, "stsRunState"), QString("No problem loaded"));
    w.LoadCase(3);
    QVERIFY(Shown(w, "stsProblem").startsWith("Special case 3: Regular Tetrahedron"));
    QCOMPARE(Shown(w, "stsRunState"), QString("Ready to start"));
    QTest::mouseClick(w.Button("chkAutoStop"), Qt::LeftButton);
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle(60000));
    QVERIFY2(Shown(w, "stsRunState").startsWith("Converged"), qPrintable(Shown(w, "stsRunState")));
    QCOMPARE(Shown(w, "stsSweeps"), QString("Sweep %1").arg(s.run.IterationCount));

    QTest::mouseClick(w.Button("chkAutoStop"), Qt::LeftButton);
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QTRY_COMPARE(Shown(w, "stsRunState"), QString("Running"));
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());
    QCOMPARE(Shown(w, "stsRunState"), QString("Stopped by the user"));

    s.set.SolnLongFileName = w.dir.filePath("long.txt").toStdString();
    w.Action("mnuSave")->trigger();
    QVERIFY(w.form->statusBar()->currentMessage().contains(w.dir.filePath("long.txt")));
  }

 private:
  static QString Shown(Window& w, const char* name) {
    auto* label = w.form->findChild<QLabel*>(name);
    return label && label->isVisible() ? label->text() : QString();
  }
};

QTEST_MAIN(StatusAndKeysTest)
#include "status_and_keys_test.moc"
