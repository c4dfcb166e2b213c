// The text reader from the Edit and Help menus: the help file, the closing
// keys, the missing-file messages, a file too large to save, SaveExit&Read
// during a run, Open, Save As, printing and the clipboard.
#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QTextDocument>

#include "ui/text_reader_form.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::MessageBoxCloser;
using quorel::testing::ReadBytes;
using quorel::testing::WhenShown;
using quorel::testing::Window;
using quorel::testing::WriteBytes;

namespace {

QPlainTextEdit* Box(QDialog* f) {
  return f->findChild<QPlainTextEdit*>("RTFBox");
}
// The text as shown, every character as it stands (no-break spaces too).
QString Shown(QDialog* f) {
  return Box(f)->document()->toRawText().replace(QChar::ParagraphSeparator, '\n');
}
QAction* Entry(QDialog* f, const char* name) {
  return f->findChild<QAction*>(name);
}

}  // namespace

class TextReaderTest : public QObject {
  Q_OBJECT

 private slots:
  void helpKeysOpenSaveAsClipboardAndSaveExitReadDuringARun() {
    Window w;
    QVERIFY(
        QFile::copy(quorel::testing::RepoData("QuorelHelp.txt"), w.dir.filePath("QuorelHelp.txt")));
    for (int key : {Qt::Key_Escape, Qt::Key_F1, Qt::Key_F4, Qt::Key_F12}) {
      w.form->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
      bool closed = false;
      WhenShown<TextReaderForm> reader([&](TextReaderForm* f) {
        QVERIFY(Box(f)->toPlainText().startsWith("QUOREL - Quorel Using"));
        QFontMetrics metrics(Box(f)->font());
        QCOMPARE(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'));
        QVERIFY(!Entry(f, "mnuSaveExitRead")->isEnabled());
        QTest::keyClick(Box(f), Qt::Key(key));
        closed = !f->isVisible();
      });
      QTest::keyClick(w.form.get(), Qt::Key_F1);
      QVERIFY2(closed, qPrintable(QKeySequence(key).toString()));
    }

    // Open, Save As and Print cancelled; the clipboard; Save and New.
    QString a = w.dir.filePath("a.txt"), b = w.dir.filePath("b.txt");
    const QByteArray alpha = "alpha \xA0\xE9\xFF\r\n";
    WriteBytes(a, alpha);
    WriteBytes(b, "beta\n");
    w.session->set.DataFileName = a.toStdString();
    auto cancel = [](QDialog* d) { d->reject(); };
    WhenShown<TextReaderForm> reader([&](TextReaderForm* f) {
      for (const char* name : {"mnuOpen", "mnuSaveAs", "mnuPrint"}) {
        WhenShown<QFileDialog> file_dialog(cancel);
        WhenShown<QPrintDialog> print_dialog(cancel);
        Entry(f, name)->trigger();
        QCOMPARE(Shown(f), QString::fromLatin1(alpha).remove('\r'));
      }
      Entry(f, "mnuSave")->trigger();  // unedited: byte-identical
      WhenShown<QFileDialog> open([&](QFileDialog* d) {
        // The dialog may still be listing its folder: choose until it takes the file.
        QTRY_VERIFY([&] {
          d->selectFile(b);
          static_cast<QDialog*>(d)->accept();
          return !d->isVisible();
        }());
      });
      Entry(f, "mnuOpen")->trigger();
      QCOMPARE(Box(f)->toPlainText(), QString("beta\n"));
      Entry(f, "mnuSelectAll")->trigger();
      Entry(f, "mnuCut")->trigger();
      QCOMPARE(QApplication::clipboard()->text(), QString("beta\n"));
      QVERIFY(Box(f)->toPlainText().isEmpty());
      QApplication::clipboard()->setText("gamma\r\ndelta");
      Entry(f, "mnuPaste")->trigger();
      Entry(f, "mnuSave")->trigger();
      Entry(f, "mnuNew")->trigger();
      QVERIFY(Shown(f).isEmpty());
      Entry(f, "mnuExit")->trigger();
    });
    w.Action("mnuEditActiveDataFile")->trigger();
    QCOMPARE(ReadBytes(b), QByteArray("gamma\ndelta\n"));  // the opened file, its own line ends
    QCOMPARE(ReadBytes(a), alpha);

    // SaveExit&Read during a run reloads the edited problem.
    Session& s = *w.session;
    QString data = w.dir.filePath("capitals.dat"), best = w.dir.filePath("best.txt");
    QVERIFY(QFile::copy(quorel::testing::RepoData("Example_A.txt"), data));
    s.set.SolnBestFileName = best.toStdString();
    w.ReadFile(data);
    for (const char* button : {"chkAutoRepeat", "chkAutoStop", "cmdStart"}) w.Press(button);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(best), 30000);
    WhenShown<TextReaderForm> editor([&](TextReaderForm* f) {
      long long sweeps = s.run.TotalSweeps;
      QTRY_VERIFY(s.run.TotalSweeps > sweeps);  // the run goes on meanwhile
      QString text = Box(f)->toPlainText();
      Box(f)->setPlainText(text.replace("European capitals", "Edited capitals"));
      Entry(f, "mnuSaveExitRead")->trigger();
    });
    w.Action("mnuEditActiveDataFile")->trigger();
    QVERIFY(w.WaitUntilIdle());
    QCOMPARE(w.Label("lblProvidedMsg")->text(), QString("Edited capitals"));
    QCOMPARE(s.prob.NObjects, 13);
    QCOMPARE(s.run.RunState, kLoadedIdle);
    QVERIFY(!s.ui.ReadWithoutDialog);
    QVERIFY(ReadBytes(data).startsWith("TITLE=Edited capitals\r\nSUBTITLE"));
    // The best-found entry shows the file the series wrote.
    QString shown;
    WhenShown<TextReaderForm> viewer([&](TextReaderForm* f) { shown = Box(f)->toPlainText(); });
    w.Action("mnuBestSolutionFile")->trigger();
    QVERIFY(shown.startsWith("QUOREL 11.8a\nResults File = " + best));
  }

  void missingFilesAreReportedAndATooLargeOneCannotBeSaved() {
    Window w([](Session& s) { s.set.HelpFileName = "NoHelp.txt"; });
    Session& s = *w.session;
    QString none = w.dir.filePath("none.txt");
    s.set.DataFileName = s.set.SolnLongFileName = s.set.SolnShortFileName = s.set.SolnBestFileName =
        none.toStdString();
    MessageBoxCloser closer;
    const std::pair<QAction*, QString> entries[] = {
        {w.Action("mnuEditOnlineHelpFile"), "ErrMsgRC"},
        {w.Action("mnuOnlineHelp"), "ErrMsgRD"},
        {w.Action("mnuEditActiveDataFile"), "ErrMsgRA"},
        {w.Action("mnuSavedSolutionFile"), "ErrMsgRD4"},
        {w.Action("mnuSavedSolutionShortFile"), "ErrMsgRD3"},
        {w.Action("mnuBestSolutionFile"), "ErrMsgRD1"}};
    for (int k = 0; k < 6; ++k) {
      entries[k].first->trigger();
      QTRY_COMPARE(closer.texts.size(), k + 1);
      QVERIFY(closer.texts[k].endsWith(entries[k].second));
      QVERIFY(closer.texts[k].contains((k < 2 ? "NoHelp.txt" : none) + " does not exist"));
    }
    WriteBytes(none, QByteArray(40001, 'x'));
    WhenShown<TextReaderForm> reader([&](TextReaderForm* f) {
      QCOMPARE(Box(f)->toPlainText().size(), 40000);
      for (const char* name : {"mnuSave", "mnuSaveAs", "mnuSaveExitRead"})
        QVERIFY2(!Entry(f, name)->isEnabled(), name);
    });
    w.Action("mnuEditActiveDataFile")->trigger();
    QVERIFY(closer.texts.last().startsWith("The file, " + none + ", is too large"));
  }
};

QTEST_MAIN(TextReaderTest)
#include "text_reader_test.moc"
