// A fault of the program (here a setting code forced outside its table while
// a run goes on) is caught by the application: the user reads its name, the
// run is stopped, and the program goes on.
#include "ui/quorel_application.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::MessageBoxCloser;
using quorel::testing::Window;

class InternalErrorTest : public QObject {
  Q_OBJECT

 private slots:
  void aFaultDuringARunIsNamedAndTheProgramGoesOn() {
    Window w(3);
    Session& s = *w.session;
    MessageBoxCloser closer;
    w.Press("cmdStart");
    QVERIFY(w.WaitForSweeps(5));
    s.set.BadnessFunctionNum = MaxBadnessFunctionNum + 5;
    QTRY_COMPARE(closer.texts.size(), 1);
    QVERIFY2(closer.texts[0].contains("internal error") &&
                 closer.texts[0].contains("badness function out of range"),
             qPrintable(closer.texts[0]));
    QVERIFY(w.WaitUntilIdle());
    QCOMPARE(s.run.RunState, kStopped);
    // The program goes on: a new run starts and sweeps.
    s.set.BadnessFunctionNum = 0;
    const long long sweeps = s.run.TotalSweeps;
    w.Press("cmdStart");
    QVERIFY(w.WaitForSweeps(sweeps + 5));
    QVERIFY(w.Stop());
    // Any other handler's fault is named the same way.
    QTimer::singleShot(0, [] { throw std::logic_error("a test fault"); });
    QTRY_COMPARE(closer.texts.size(), 2);
    QCOMPARE(closer.texts[1], QuorelApplication::InternalErrorText("a test fault"));
  }
};

int main(int argc, char** argv) {
  QuorelApplication app(argc, argv);
  InternalErrorTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "internal_error_test.moc"
