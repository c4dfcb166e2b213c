// The main window starts with its caption, start-up message and menu tree,
// and Exit closes it.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "model/defaults_file.h"
#include "ui/main_form.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Button;
using quorel::testing::Child;

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    session_ = std::make_unique<Session>();
    session_->AppFolder = dir_.path().toStdString() + "/";
    session_->SettingsFolder = session_->AppFolder;
    platform_ = std::make_unique<QtPlatform>(nullptr, session_->AppFolder);
    InitSettings(*session_, *platform_);
    form_ = std::make_unique<MainForm>(*session_, *platform_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  void cleanup() {
    form_.reset();
    platform_.reset();
    session_.reset();
  }

  void captionAndStartUpMessage() {
    QCOMPARE(form_->windowTitle(),
             QString(" QUOREL 11.8a - Quorel Using Interactive Multidimensional Scaling"));
    QCOMPARE(
        Child<QLabel>(*form_, "lblStartUpMsg")->text(),
        QString(" QUOREL is ready.  Use the File Menu or the Special Cases Menu to load data."));
    QVERIFY(Child<QLabel>(*form_, "lblStartUpMsg")->isVisible());
    QCOMPARE(session_->run.RunState, kNoProblem);
  }

  void menuTree() {
    QStringList top;
    for (QAction* a : form_->menuBar()->actions()) top << a->text();
    QCOMPARE(top, QStringList({"&File    ", "&Edit    ", "&View    ", "&Analysis Parameters      ",
                               "Ma&p Evaluation     ", "Co&nvergence    ", "Special &Cases    ",
                               "&Help"}));
    QStringList file;
    for (QAction* a : Child<QMenu>(*form_, "mnuFile")->actions())
      file << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(
        file,
        QStringList(
            {"Load Data From a Text &File         ", "Load Data From a Special &Case ",
             "&Import CSV ...", "-", "&Save Solution (Long Format)          ",
             "Save Solution &As ... (Long Format)", "Save Solution (Sho&rt Format)         ",
             "Expor&t Map ...", "Save I&mported Problem As ...", "&Export Coordinates (CSV) ...",
             "Save Current Settings as &Defaults    ", "-", "Reload &Original Default Values", "-",
             "&Print Screen (Std. Windows)", "-", "E&xit"}));
    QCOMPARE(Child<QMenu>(*form_, "mnuHelpSources")->actions().at(0)->text(),
             QString("Read the Brief Online Help &File ...           F1"));
    QVERIFY(Child<QAction>(*form_, "mnuEmailTamsel")->text().startsWith("Last Resort: Email "));
    QVERIFY(Child<QAction>(*form_, "mnuExit")->isEnabled());
  }

  void saveDefaultsWritesTheFile() {
    QFile::remove(dir_.filePath("QuorelDefaults.dft"));
    Child<QAction>(*form_, "mnuSaveSettingsAsDefaults")->trigger();
    QVERIFY(QFile::exists(dir_.filePath("QuorelDefaults.dft")));
  }

  void exitClosesTheWindow() {
    QVERIFY(form_->isVisible());
    Child<QAction>(*form_, "mnuExit")->trigger();
    QVERIFY(!form_->isVisible());
  }

  void startupProblemIsABuiltInCase() {
    session_->set.StartupProblem = "SpecialCase3";
    form_->LoadStartupProblem();
    QCOMPARE(session_->prob.NObjects, 4);
    QCOMPARE(session_->run.RunState, kLoadedIdle);
    QVERIFY(!Child<QLabel>(*form_, "lblStartUpMsg")->isVisible());
    QCOMPARE(Child<QLabel>(*form_, "lblInitialPositionsMsg")->text(),
             QString(" 4 objects loaded "));
  }

  void startupProblemIsADataFile() {
    session_->set.StartupProblem = std::string(QUOREL_REPO_DATA) + "/Example_A.txt";
    form_->LoadStartupProblem();
    QCOMPARE(session_->prob.NObjects, 13);
    QCOMPARE(session_->run.RunState, kLoadedIdle);
  }

  void missingStartupFileLoadsNothing() {
    session_->set.StartupProblem = dir_.filePath("gone.txt").toStdString();
    form_->LoadStartupProblem();
    QCOMPARE(session_->prob.NObjects, 0);
    QCOMPARE(session_->run.RunState, kNoProblem);
    QVERIFY(Child<QLabel>(*form_, "lblStartUpMsg")->isVisible());
  }

  void cmdExitClosesTheWindow() {
    QTest::mouseClick(Button(*form_, "cmdExit"), Qt::LeftButton);
    QVERIFY(!form_->isVisible());
  }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<Session> session_;
  std::unique_ptr<QtPlatform> platform_;
  std::unique_ptr<MainForm> form_;
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
