// The File menu's CSV entries as a user meets them: a table imported through
// its preview while a run is going, the coordinates exported during the next
// run, the imported problem kept as a data file, and a malformed table that
// the preview refuses.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include "ui/csv_import_form.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Window;

namespace {

QString WriteText(const QString& path, const QByteArray& text) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(text);
  return path;
}

QAction* Entry(Window& w, const char* name) {
  return w.form->findChild<QAction*>(name);
}

// Acts on the preview once it is shown; `act` returns without closing it
// when it only looks.
void OnPreview(const std::function<void(CsvImportForm*)>& act) {
  QTimer::singleShot(50, [act] {
    if (auto* form = qobject_cast<CsvImportForm*>(QApplication::activeModalWidget())) act(form);
  });
}

}  // namespace

class CsvExchangeTest : public QObject {
  Q_OBJECT

 private slots:
  void importDuringARunThenExportDuringTheNext() {
    Window w;
    Session& s = *w.session;
    QString csv = WriteText(w.dir.filePath("cities.csv"),
                            ",Athens,\"Paris, France\",Rome\nAthens,0,3175,817\n"
                            "\"Paris, France\",3175,0,1420\nRome,817,1420,0\n");
    QString exported = w.dir.filePath("map.csv");
    w.form->file_dialog_hook = [&](const QString& caption, const QString&, bool) {
      return caption == "Import CSV" ? csv : exported;
    };
    w.LoadCase(3);
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.Running());

    QString summary;
    int shown_rows = 0;
    bool header_found = false;
    OnPreview([&](CsvImportForm* form) {
      summary = form->findChild<QLabel*>("lblSummary")->text();
      shown_rows = form->findChild<QTableWidget*>("grdPreview")->rowCount();
      header_found = form->findChild<QCheckBox*>("chkHeaderRow")->isChecked();
      form->findChild<QPushButton*>("cmdOK")->click();
    });
    Entry(w, "mnuImportCsv")->trigger();
    QVERIFY(w.WaitUntilIdle());
    QCOMPARE(summary, QString("Found: 3 objects, dissimilarities, square matrix"));
    QCOMPARE(shown_rows, 4);
    QVERIFY(header_found);
    QCOMPARE(s.prob.NObjects, 3);
    QCOMPARE(s.prob.ObjName[2], std::string("Paris, France"));
    QCOMPARE(s.run.RunState, kLoadedIdle);
    QCOMPARE(w.form->map()->CircleCount(), 3);
    QVERIFY(s.set.StartupProblem.empty());

    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 5));
    Entry(w, "mnuExportCoordinates")->trigger();
    QFile file(exported);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.value(0), QByteArray("Number,Name,Dimension1,Dimension2,Parked,Marked\r"));
    QVERIFY(lines.value(2).startsWith("2,\"Paris, France\","));
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());
  }

  void importedProblemIsKeptAsADataFile() {
    Window w;
    QString csv = WriteText(w.dir.filePath("sim.csv"), "10;4;2\n4;10;6\n2;6;10\n");
    QString kept = w.dir.filePath("kept.txt");
    w.form->file_dialog_hook = [&](const QString& caption, const QString&, bool) {
      return caption == "Import CSV" ? csv : kept;
    };
    QAction* save = Entry(w, "mnuSaveImportedAs");
    emit w.Find<QMenu>("mnuFile")->aboutToShow();
    QVERIFY(!save->isEnabled());
    OnPreview([](CsvImportForm* form) { form->findChild<QPushButton*>("cmdOK")->click(); });
    Entry(w, "mnuImportCsv")->trigger();
    QCOMPARE(w.session->prob.NObjects, 3);
    QVERIFY(w.session->prob.ProximitiesAreSimilarities);
    emit w.Find<QMenu>("mnuFile")->aboutToShow();
    QVERIFY(save->isEnabled());
    save->trigger();
    QCOMPARE(QString::fromStdString(w.session->set.DataFileName), kept);
    QCOMPARE(QString::fromStdString(w.session->set.StartupProblem), kept);
    // The kept file is an ordinary data file.
    w.form->file_dialog_hook = [&](const QString&, const QString&, bool) { return kept; };
    w.Action("mnuReadDataFile")->trigger();
    QCOMPARE(w.session->prob.NObjects, 3);
  }

  void malformedTableIsNotLoaded() {
    Window w;
    w.LoadCase(3);
    QString csv = WriteText(w.dir.filePath("ragged.csv"), "0\n1,0\n2,3\n");
    w.form->file_dialog_hook = [&](const QString&, const QString&, bool) { return csv; };
    QString problem, attribute_problem;
    bool ok_enabled = true;
    OnPreview([&](CsvImportForm* form) {
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
    });
    Entry(w, "mnuImportCsv")->trigger();
    QVERIFY2(problem.startsWith("Row 3, column 3: "), qPrintable(problem));
    QVERIFY2(attribute_problem.startsWith("Row 1, column 2: "), qPrintable(attribute_problem));
    QVERIFY(!ok_enabled);
    QCOMPARE(w.session->prob.NObjects, 4);
  }
};

QTEST_MAIN(CsvExchangeTest)
#include "csv_exchange_test.moc"
