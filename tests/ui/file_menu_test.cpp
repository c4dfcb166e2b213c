// The File menu: reading a data file with or without the dialog, its errors,
// the solutions saved, the defaults; the special-case and convergence
// dialogs; CSV imported through the preview during a run, exported during
// the next, kept as a data file, and refused when malformed.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include "ui/convergence_form.h"
#include "ui/csv_import_form.h"
#include "ui/file_dialog_filter.h"
#include "ui/special_cases_form.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Answer;
using quorel::testing::Button;
using quorel::testing::MessageBoxCloser;
using quorel::testing::PlainText;
using quorel::testing::ReadBytes;
using quorel::testing::Window;
using quorel::testing::WriteBytes;

namespace {

QString ExampleFile() {
  return quorel::testing::RepoData("Example_A.txt");
}

QStringList Lines(const QString& path) {
  return QString::fromLatin1(ReadBytes(path)).split("\r\n");
}

}  // namespace

class FileMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void filterInQtForm() {
    // The filter chosen at first is the one the program names.
    QCOMPARE(QtNameFilters(kDataFileFilter).value(kDataFileFilterIndex - 1),
             QString("Data or Text Files (*.dat *.txt)"));
  }

  // Through the dialog; then without it, from the data file name; the
  // next read asks again, and a cancelled dialog reads nothing.
  void readDataFileWithAndWithoutTheDialog() {
    Window w;
    Session& s = *w.session;
    QString asked_initial, answer = ExampleFile();
    int asked = 0;
    w.form->file_dialog_hook = [&](const QString&, const QString& initial, bool save) {
      ++asked;
      asked_initial = initial;
      return save ? QString() : answer;
    };
    w.Action("mnuReadDataFile")->trigger();
    QCOMPARE(asked_initial, QString("Example_A.txt"));
    QCOMPARE(s.prob.NObjects, 13);
    QCOMPARE(s.run.RunState, kLoadedIdle);
    QCOMPARE(QString::fromStdString(s.set.DataFileName), ExampleFile());
    QCOMPARE(QString::fromStdString(s.set.StartupProblem), ExampleFile());
    QCOMPARE(w.form->map()->CircleCount(), 13);
    QCOMPARE(w.Label("lblProvidedMsg")->text(), QString("European capitals"));
    QVERIFY(w.Label("lblProvidedSubMsg")->isVisible());
    // Names label the circles when the data carry them and the method says so.
    QCOMPARE(w.form->map()->LabelText(2), QString("2"));

    answer.clear();
    w.LoadCase(3);
    w.ReadFile(ExampleFile());
    QCOMPARE(asked, 1);
    QCOMPARE(s.prob.NObjects, 13);
    QVERIFY(!s.ui.ReadWithoutDialog);
    w.Action("mnuReadDataFile")->trigger();
    QCOMPARE(asked, 2);
    QCOMPARE(s.prob.NObjects, 13);
    QCOMPARE(s.run.RunState, kLoadedIdle);
  }

  // Reload Original Default Values empties the window and Save then has
  // nothing to write; a missing file keeps the problem, a refused one
  // leaves none.
  void reloadOriginalDefaultsAndBadFiles() {
    Window w(3);
    MessageBoxCloser closer;
    w.session->set.BadnessFunctionNum = 3;
    w.Action("mnuClear")->trigger();
    QCOMPARE(w.session->prob.NObjects, 0);
    QCOMPARE(w.session->run.RunState, kNoProblem);
    QCOMPARE(w.session->set.BadnessFunctionNum, 1);
    QCOMPARE(w.form->map()->CircleCount(), 0);
    QVERIFY(!w.Find<QFrame>("frameOnlineControls")->isVisible());
    QVERIFY(w.Label("lblStartUpMsg")->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.Button("cmdExit")));
    w.session->set.SolnLongFileName = w.dir.filePath("never.txt").toStdString();
    w.Action("mnuSave")->trigger();
    QTRY_COMPARE(closer.texts.size(), 1);
    QVERIFY(!QFile::exists(w.dir.filePath("never.txt")));

    w.LoadCase(3);
    QString path = w.dir.filePath("no_such_file.txt");
    w.form->file_dialog_hook = [&](const QString&, const QString&, bool) { return path; };
    w.Action("mnuReadDataFile")->trigger();
    QTRY_COMPARE(closer.texts.size(), 2);
    QCOMPARE(closer.icons[1], QMessageBox::Information);
    QCOMPARE(w.session->prob.NObjects, 4);
    path = WriteBytes(w.dir.filePath("bad.txt"), "just a comment\r\n");
    w.Action("mnuReadDataFile")->trigger();
    QTRY_COMPARE(closer.texts.size(), 3);
    QVERIFY(closer.texts[2].endsWith("ErrMsgR1"));
    QCOMPARE(w.session->prob.NObjects, 0);
    QCOMPARE(w.session->run.RunState, kNoProblem);
    QCOMPARE(w.form->map()->CircleCount(), 0);
    QVERIFY(!w.Find<QFrame>("frameOnlineControls")->isVisible());
  }

  void saveLongAndShortAndSaveAs() {
    Window w(3);
    Session& s = *w.session;
    s.set.SolnLongFileName = w.dir.filePath("long.txt").toStdString();
    s.set.SolnShortFileName = w.dir.filePath("short.txt").toStdString();
    w.Press("cmdStart");
    QVERIFY(w.WaitForSweeps(50));
    QVERIFY(w.Stop());

    w.Action("mnuSave")->trigger();
    QStringList long_lines = Lines(w.dir.filePath("long.txt"));
    QVERIFY(long_lines.contains("LOCATIONLIST"));
    QVERIFY(long_lines.contains("DISSIMILARITYLIST"));

    w.Action("mnuSaveAbbreviated")->trigger();
    QStringList short_lines = Lines(w.dir.filePath("short.txt"));
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
    w.ReadFile(chosen);
    QCOMPARE(s.prob.NObjects, 4);
    QVERIFY(std::fabs(s.prob.LocDim[1][1] - x1) < 1e-4f);
    QVERIFY(s.prob.LocationsGiven);
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
    // The menu entry with the real dialog loads the chosen case.
    QVERIFY(Answer<SpecialCasesForm>(w.Action("mnuSpecialCases"), [](auto* form) {
      Button(*form, "optSpecialCase12")->click();
      Button(*form, "cmdOK")->click();
    }));
    QCOMPARE(w.session->prob.NObjects, 25);
    QCOMPARE(w.session->set.StartupProblem, std::string("SpecialCase12"));
  }

  // The Convergence dialog shows the settings and OK forwards the choice;
  // closed while idle it starts Timer1 (the label pass), during a run it
  // leaves Timer1 alone.
  void convergenceDialogThroughItsMenu() {
    Window w(3);
    Session& s = *w.session;
    QTimer& timer1 = *w.Find<QTimer>("Timer1");
    QVERIFY(timer1.isSingleShot());
    QTRY_VERIFY(!timer1.isActive());
    // Checks the options `choices` and ends the dialog with the button `end`.
    auto answer = [&](const QStringList& choices, const char* end) {
      QVERIFY(Answer<ConvergenceOptionsForm>(w.Action("mnuConvergence"), [&](auto* form) {
        QVERIFY(Button(*form, "optConvergLimits1")->isChecked());
        QVERIFY(Button(*form, QString("optStepSize%1").arg(s.set.StepSizeNum))->isChecked());
        for (const QString& name : choices) Button(*form, name)->setChecked(true);
        Button(*form, end)->click();
      }));
    };
    answer({"optConvergLimits0"}, "cmdCancel");
    QVERIFY(timer1.isActive());
    QCOMPARE(s.set.PrecisionLevelNum, 1);
    answer({"optStepSize0"}, "cmdOK");
    QCOMPARE(s.set.StepSizeNum, 0);
    QTRY_VERIFY(!timer1.isActive());
    w.Press("cmdStart");
    QCOMPARE(s.run.RunState, kRunning);
    answer({"optConvergLimits2"}, "cmdOK");
    QCOMPARE(s.set.PrecisionLevelNum, 2);
    QVERIFY(!timer1.isActive());
    QVERIFY(w.Stop());
  }

  // Imported during a run, exported during the next, kept as a data file.
  void importDuringARunThenExportDuringTheNextAndKeep() {
    Window w(3);
    Session& s = *w.session;
    QString csv = WriteBytes(w.dir.filePath("cities.csv"),
                             ",Athens,\"Paris, France\",Rome\nAthens,0,3175,817\n"
                             "\"Paris, France\",3175,0,1420\nRome,817,1420,0\n");
    QString exported = w.dir.filePath("map.csv"), kept = w.dir.filePath("kept.txt");
    w.form->file_dialog_hook = [&](const QString& caption, const QString&, bool) {
      return caption == "Import CSV" ? csv : caption.contains("Export") ? exported : kept;
    };
    QAction* keep = w.Action("mnuSaveImportedAs");
    emit w.Find<QMenu>("mnuFile")->aboutToShow();
    QVERIFY(!keep->isEnabled());
    w.Press("cmdStart");
    QVERIFY(w.Running());

    QString summary;
    int shown_rows = 0;
    bool header_found = false;
    QVERIFY(Answer<CsvImportForm>(w.Action("mnuImportCsv"), [&](CsvImportForm* form) {
      summary = form->findChild<QLabel*>("lblSummary")->text();
      shown_rows = form->findChild<QTableWidget*>("grdPreview")->rowCount();
      header_found = form->findChild<QCheckBox*>("chkHeaderRow")->isChecked();
      form->findChild<QPushButton*>("cmdOK")->click();
    }));
    QVERIFY(w.WaitUntilIdle());
    QCOMPARE(summary, QString("Found: 3 objects, dissimilarities, square matrix"));
    QCOMPARE(shown_rows, 4);
    QVERIFY(header_found);
    QCOMPARE(s.prob.NObjects, 3);
    QCOMPARE(s.prob.ObjName[2], std::string("Paris, France"));
    QCOMPARE(s.run.RunState, kLoadedIdle);
    QCOMPARE(w.form->map()->CircleCount(), 3);
    QVERIFY(s.set.StartupProblem.empty());

    w.Press("cmdStart");
    QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 5));
    w.Action("mnuExportCoordinates")->trigger();
    QVERIFY(ReadBytes(exported).split('\n').value(2).startsWith("2,\"Paris, France\","));
    QVERIFY(w.Stop());

    emit w.Find<QMenu>("mnuFile")->aboutToShow();
    QVERIFY(keep->isEnabled());
    keep->trigger();
    QCOMPARE(QString::fromStdString(s.set.DataFileName), kept);
    QCOMPARE(QString::fromStdString(s.set.StartupProblem), kept);
    // The kept file is an ordinary data file.
    w.LoadCase(2);
    w.ReadFile(kept);
    QCOMPARE(s.prob.NObjects, 3);
    QCOMPARE(s.prob.ObjName[2], std::string("Paris, France"));
  }

  void malformedTableIsNotLoaded() {
    Window w(3);
    QString csv = WriteBytes(w.dir.filePath("ragged.csv"), "0\n1,0\n2,3\n");
    w.form->file_dialog_hook = [&](const QString&, const QString&, bool) { return csv; };
    QString problem, attribute_problem;
    bool ok_enabled = true;
    QVERIFY(Answer<CsvImportForm>(w.Action("mnuImportCsv"), [&](CsvImportForm* form) {
      auto* label = form->findChild<QLabel*>("lblProblem");
      problem = label->text();
      ok_enabled = form->findChild<QPushButton*>("cmdOK")->isEnabled();
      // As attributes the same rows are ragged too.
      auto* kind = form->findChild<QComboBox*>("cboKind");
      kind->setCurrentIndex(2);
      emit kind->activated(2);
      attribute_problem = label->text();
      ok_enabled |= form->findChild<QPushButton*>("cmdOK")->isEnabled();
      form->reject();
    }));
    // The preview says where the table goes wrong, for either reading.
    QVERIFY(!problem.isEmpty() && !attribute_problem.isEmpty() && problem != attribute_problem);
    QVERIFY(!ok_enabled);
    QCOMPARE(w.session->prob.NObjects, 4);
  }
};

QTEST_MAIN(FileMenuTest)
#include "file_menu_test.moc"
