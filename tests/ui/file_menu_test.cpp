// The File menu: reading a data file with the dialog answered by the test
// or skipped, its errors, saving long and short solutions, the defaults
// commands; the special-case dialog; the disabled entries of later versions.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>

#include "ui/convergence_form.h"
#include "ui/file_dialog_filter.h"
#include "ui/special_cases_form.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Button;
using quorel::testing::MessageBoxCloser;
using quorel::testing::PlainText;
using quorel::testing::Window;

namespace {

QString ExampleFile() {
  return QString(QUOREL_REPO_DATA) + "/Example_A.txt";
}

QStringList Lines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(file.readAll()).split("\r\n");
}

}  // namespace

class FileMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void filterInQtForm() {
    QStringList filters = QtNameFilters(kDataFileFilter);
    QCOMPARE(filters, QStringList({"All Files (*.*)", "Data Files (*.dat)", "Text Files (*.txt)",
                                   "Data or Text Files (*.dat *.txt)"}));
    QCOMPARE(filters.value(kDataFileFilterIndex - 1), QString("Data or Text Files (*.dat *.txt)"));
  }

  void readDataFileThroughTheDialog() {
    Window w;
    QString asked_initial;
    w.form->file_dialog_hook = [&](const QString&, const QString& initial, bool save) {
      asked_initial = initial;
      return save ? QString() : ExampleFile();
    };
    w.Action("mnuReadDataFile")->trigger();
    Session& s = *w.session;
    QCOMPARE(asked_initial, QString("Example_A.txt"));
    QCOMPARE(s.prob.NObjects, 13);
    QCOMPARE(s.run.RunState, kLoadedIdle);
    QCOMPARE(QString::fromStdString(s.set.DataFileName), ExampleFile());
    QCOMPARE(QString::fromStdString(s.set.StartupProblem), ExampleFile());
    QCOMPARE(w.form->map()->CircleCount(), 13);
    QCOMPARE(w.Label("lblProvidedMsg")->text(), QString("European capitals"));
    QVERIFY(w.Label("lblProvidedSubMsg")->isVisible());
    QCOMPARE(w.Label("lblInitialPositionsMsg")->text(), QString(" 13 objects loaded "));
    // Names label the circles when the data carry them and the method says so.
    QCOMPARE(w.form->map()->LabelText(2), QString("2"));
  }

  void readWithoutDialogUsesTheDataFileName() {
    Window w;
    bool asked = false;
    w.form->file_dialog_hook = [&](const QString&, const QString&, bool) {
      asked = true;
      return QString();
    };
    w.session->set.DataFileName = ExampleFile().toStdString();
    w.session->ui.ReadWithoutDialog = true;
    w.Action("mnuReadDataFile")->trigger();
    QVERIFY(!asked);
    QCOMPARE(w.session->prob.NObjects, 13);
    QVERIFY(!w.session->ui.ReadWithoutDialog);
    // The next read asks; a cancelled dialog reads nothing.
    w.Action("mnuReadDataFile")->trigger();
    QVERIFY(asked);
    QCOMPARE(w.session->prob.NObjects, 13);
    QCOMPARE(w.session->run.RunState, kLoadedIdle);
  }

  void missingFileIsReported() {
    Window w;
    w.LoadCase(3);
    MessageBoxCloser closer;
    QString missing = w.dir.filePath("no_such_file.txt");
    w.form->file_dialog_hook = [&](const QString&, const QString&, bool) { return missing; };
    w.Action("mnuReadDataFile")->trigger();
    QTRY_COMPARE(closer.texts.size(), 1);
    QVERIFY(
        closer.texts[0].startsWith("File Opening error.  You requested opening a "
                                   "non-existent file."));
    QCOMPARE(closer.icons[0], QMessageBox::Information);
  }

  void refusedFileLeavesNoProblem() {
    Window w;
    w.LoadCase(3);
    MessageBoxCloser closer;
    QString bad = w.dir.filePath("bad.txt");
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("just a comment\r\n");
    file.close();
    w.form->file_dialog_hook = [&](const QString&, const QString&, bool) { return bad; };
    w.Action("mnuReadDataFile")->trigger();
    QTRY_COMPARE(closer.texts.size(), 1);
    QVERIFY(closer.texts[0].endsWith("ErrMsgR1"));
    QCOMPARE(w.session->prob.NObjects, 0);
    QCOMPARE(w.session->run.RunState, kNoProblem);
    QCOMPARE(w.form->map()->CircleCount(), 0);
    QVERIFY(!w.Find<QFrame>("frameOnlineControls")->isVisible());
  }

  void saveLongAndShortAndSaveAs() {
    Window w;
    w.LoadCase(3);
    Session& s = *w.session;
    s.set.SolnLongFileName = w.dir.filePath("long.txt").toStdString();
    s.set.SolnShortFileName = w.dir.filePath("short.txt").toStdString();
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.WaitForSweeps(50));
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());

    w.Action("mnuSave")->trigger();
    QStringList long_lines = Lines(w.dir.filePath("long.txt"));
    QCOMPARE(long_lines.value(0), QString("QUOREL 11.8a"));
    QVERIFY(long_lines.contains("LOCATIONLIST"));
    QVERIFY(long_lines.contains("DISSIMILARITYLIST"));
    QVERIFY(long_lines.contains("NOBJECTS=4"));

    w.Action("mnuSaveAbbreviated")->trigger();
    QStringList short_lines = Lines(w.dir.filePath("short.txt"));
    QCOMPARE(short_lines.value(0), QString("QUOREL 11.8a"));
    QVERIFY(short_lines.contains("LOCATIONLIST"));
    QVERIFY(!short_lines.contains("DISSIMILARITYLIST"));

    QString chosen = w.dir.filePath("chosen.dat");
    w.form->file_dialog_hook = [&](const QString&, const QString&, bool save) {
      return save ? chosen : QString();
    };
    w.Action("mnuSaveAs")->trigger();
    QCOMPARE(QString::fromStdString(s.set.SolnLongFileName), chosen);
    QCOMPARE(Lines(chosen).value(1), "Results File = " + chosen);

    // The long file reads back as a problem at the same positions.
    float x1 = s.prob.LocDim[1][1];
    s.set.DataFileName = chosen.toStdString();
    s.ui.ReadWithoutDialog = true;
    w.Action("mnuReadDataFile")->trigger();
    QCOMPARE(s.prob.NObjects, 4);
    QVERIFY(std::fabs(s.prob.LocDim[1][1] - x1) < 1e-4f);
    QCOMPARE(w.Label("lblInitialPositionsMsg")->text(),
             QString(" 4 objects loaded in user-provided positions"));
  }

  void saveWithoutProblemIsRefused() {
    Window w;
    MessageBoxCloser closer;
    w.session->set.SolnLongFileName = w.dir.filePath("never.txt").toStdString();
    w.Action("mnuSave")->trigger();
    QTRY_COMPARE(closer.texts.size(), 1);
    QVERIFY(!QFile::exists(w.dir.filePath("never.txt")));
  }

  void reloadOriginalDefaultsEmptiesTheWindow() {
    Window w;
    w.LoadCase(3);
    w.session->set.BadnessFunctionNum = 3;
    w.Action("mnuClear")->trigger();
    QCOMPARE(w.session->prob.NObjects, 0);
    QCOMPARE(w.session->run.RunState, kNoProblem);
    QCOMPARE(w.session->set.BadnessFunctionNum, 1);
    QCOMPARE(w.form->map()->CircleCount(), 0);
    QVERIFY(!w.Find<QFrame>("frameOnlineControls")->isVisible());
    QVERIFY(w.Label("lblStartUpMsg")->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.Button("cmdExit")));
  }

  void specialCasesDialog() {
    Window w;
    w.session->set.SpecialCaseNum = 7;
    SpecialCasesForm form(*w.session, w.form.get());
    QVERIFY(Button(form, "optSpecialCase7")->isChecked());
    const QString seventh = PlainText(form, "txtDescription");
    QTest::mouseClick(Button(form, "optSpecialCase10"), Qt::LeftButton);
    QVERIFY(PlainText(form, "txtDescription") != seventh);
    QTest::mouseClick(Button(form, "chkRandomOptions"), Qt::LeftButton);
    QVERIFY(w.session->set.ReuseRandomNumbers);
    w.session->run.BestObjFnValue = 0.5f;
    QTest::mouseClick(Button(form, "cmdOK"), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(w.session->set.SpecialCaseNum, 10);
    QCOMPARE(w.session->run.BestObjFnValue, 1e20f);

    // The window's close box (or Escape) is a Cancel like the button.
    SpecialCasesForm again(*w.session, w.form.get());
    again.show();
    QVERIFY(Button(again, "optSpecialCase10")->isChecked());
    QVERIFY(Button(again, "chkRandomOptions")->isChecked());
    QTest::mouseClick(Button(again, "optSpecialCase2"), Qt::LeftButton);
    again.close();
    QCOMPARE(again.result(), int(QDialog::Rejected));
    QVERIFY(w.session->ui.SpecialCaseCancelled);
    QCOMPARE(w.session->set.SpecialCaseNum, 10);
    // A number of 50 or more selects the first case.
    w.session->set.SpecialCaseNum = 50;
    SpecialCasesForm none(*w.session, w.form.get());
    QVERIFY(Button(none, "optSpecialCase0")->isChecked());
  }

  void closedDialogsEnableTimer1WhileIdle() {
    Window w;
    w.LoadCase(3);
    QVERIFY(w.Find<QTimer>("Timer1")->isSingleShot());
    QTRY_VERIFY(!w.Find<QTimer>("Timer1")->isActive());
    QTimer::singleShot(50, [] {
      if (auto* form = qobject_cast<ConvergenceOptionsForm*>(QApplication::activeModalWidget()))
        Button(*form, "cmdCancel")->click();
    });
    w.Action("mnuConvergence")->trigger();
    QVERIFY(w.Find<QTimer>("Timer1")->isActive());
    QTRY_VERIFY(!w.Find<QTimer>("Timer1")->isActive());
    // While a run is in progress the dialog leaves Timer1 alone.
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QCOMPARE(w.session->run.RunState, kRunning);
    QTimer::singleShot(50, [] {
      if (auto* form = qobject_cast<ConvergenceOptionsForm*>(QApplication::activeModalWidget()))
        Button(*form, "cmdOK")->click();
    });
    w.Action("mnuConvergence")->trigger();
    QVERIFY(!w.Find<QTimer>("Timer1")->isActive());
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());
  }

  void specialCaseMenuWithTheRealDialog() {
    Window w;
    QTimer::singleShot(100, [] {
      auto* form = qobject_cast<SpecialCasesForm*>(QApplication::activeModalWidget());
      if (!form) return;
      Button(*form, "optSpecialCase12")->click();
      Button(*form, "cmdOK")->click();
    });
    w.Action("mnuSpecialCases")->trigger();
    QCOMPARE(w.session->prob.NObjects, 25);
    QCOMPARE(w.session->set.StartupProblem, std::string("SpecialCase12"));
  }

  void convergenceDialog() {
    Window w;
    Session& s = *w.session;
    s.run.BestObjFnValue = 0.25f;
    s.run.RunCount = 3;
    {
      ConvergenceOptionsForm form(s, w.form.get());
      QVERIFY(Button(form, "optConvergLimits1")->isChecked());
      QVERIFY(Button(form, "optStepSize1")->isChecked());
      Button(form, "optStepSize0")->setChecked(true);
      QTest::mouseClick(Button(form, "cmdOK"), Qt::LeftButton);
    }
    // A new step size alone keeps the series.
    QCOMPARE(s.set.StepSizeNum, 0);
    QCOMPARE(s.run.RunCount, 3);
    {
      ConvergenceOptionsForm form(s, w.form.get());
      Button(form, "optConvergLimits2")->setChecked(true);
      QTest::mouseClick(Button(form, "cmdOK"), Qt::LeftButton);
    }
    QCOMPARE(s.set.PrecisionLevelNum, 2);
    QCOMPARE(s.run.RunCount, 0);
    QCOMPARE(s.run.BestObjFnValue, 1e20f);
    // The limits follow the new level at once (Auto Stop is on).
    s.set.AutoStop = true;
    {
      ConvergenceOptionsForm form(s, w.form.get());
      QTest::mouseClick(Button(form, "cmdOK"), Qt::LeftButton);
    }
    QCOMPARE(s.run.ConvergeCountLimit, 7000);
    QCOMPARE(s.run.ConvergeMoveLimit, 1e-7f);
    {
      ConvergenceOptionsForm form(s, w.form.get());
      Button(form, "optConvergLimits0")->setChecked(true);
      QTest::mouseClick(Button(form, "cmdCancel"), Qt::LeftButton);
    }
    QCOMPARE(s.set.PrecisionLevelNum, 2);
  }

  void laterEntriesArePresentButDisabled() {
    Window w;
    for (QAction* a : {w.Action("mnuObjects"), w.Action("mnuLinks"), w.Action("mnuAttributes")})
      QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
    QVERIFY(w.Button("cmdField")->isEnabled());
  }
};

QTEST_MAIN(FileMenuTest)
#include "file_menu_test.moc"
