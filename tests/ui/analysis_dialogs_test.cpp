// The dialogs of the Analysis Parameters menu: every control changed, what OK
// stores and Cancel leaves alone, the menu entries, and a dialog closed with
// a change during a run that the run then uses.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <cmath>

#include "ui/boundary_dimensions_form.h"
#include "ui/data_precision_form.h"
#include "ui/mds_type_form.h"
#include "ui/objective_functions_form.h"
#include "ui/online_button.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Window;

namespace {

template <class T = QAbstractButton>
T* Find(QWidget* dialog, const QString& name) {
  T* child = dialog->findChild<T*>(name);
  if (!child) qFatal("no control %s", qPrintable(name));
  return child;
}

// Clicks near the left edge, where an option's circle is, however wide the
// option is laid out.
void Click(QWidget* dialog, const QString& name, Qt::KeyboardModifiers keys = Qt::NoModifier) {
  QAbstractButton* button = Find(dialog, name);
  QPoint at(std::min(8, button->width() / 2), button->height() / 2);
  QTest::mouseClick(button, Qt::LeftButton, keys, at);
}

// Opens a dialog of the menu and acts on it once it is shown; a dialog that
// a failed check left open is cancelled.
void WithMenuDialog(QAction* entry, const std::function<void(QWidget*)>& act) {
  bool acted = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    QApplication::setActiveWindow(dialog);
    if (!QTest::qWaitForWindowActive(dialog)) return;
    act(dialog);
    acted = true;
    if (dialog->isVisible()) dialog->reject();
  });
  entry->trigger();
  QVERIFY(acted);
}

}  // namespace

class AnalysisDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void mdsTypeDialogStoresOnOkOnly() {
    for (bool ok : {false, true}) {
      Window w;
      w.LoadCase(3);
      Session& s = *w.session;
      s.run.RunCount = 2;
      MDSTypeAndErrorBoundsSelectionForm form(s, *w.platform, w.form.get());
      form.show();
      Click(&form, "optMDSAnalysisType_3");
      Click(&form, "optErrBoundsType_0");
      Click(&form, "cmdUpFixedBounds");
      Click(&form, "cmdUpFixedBounds");
      Click(&form, "cmdDnFractBounds");
      Click(&form, "optCenteringInBounds_0");
      QCOMPARE(Find<QLabel>(&form, "lblFixedBoundsValue")->text(), QString("( Dij \u00B1 .07 )"));
      QVERIFY(Find<QPlainTextEdit>(&form, "txtErrorBounds")->toPlainText().contains("Dij + 0.07"));
      QVERIFY(
          Find<QPlainTextEdit>(&form, "txtMDSType")->toPlainText().startsWith("Same as interval"));
      Click(&form, ok ? "cmdOK" : "cmdCancel");
      QCOMPARE(s.set.MDSAnalysisTypeNum, ok ? 3 : 0);
      QCOMPARE(s.set.ErrorBoundsTypeNum, ok ? 0 : 1);
      QCOMPARE(s.set.FixedErrorBound, ok ? 0.07f : 0.05f);
      QCOMPARE(s.set.RelErrorBound, ok ? 0.04f : 0.05f);
      QCOMPARE(s.set.CentreInBounds, ok);
      QCOMPARE(s.run.RunCount, ok ? 0 : 2);
    }
  }

  void precisionWindowStepsItsExamplesAndChangesNothing() {
    Window w;
    w.LoadCase(3);
    Session& s = *w.session;
    const int degrade = s.set.DegradeNum;
    const float d21 = s.prob.Dissim(2, 1);
    WithMenuDialog(w.Action("mnuPrecision"), [](QWidget* form) {
      QCOMPARE(Find<QLabel>(form, "lblPrecision")->text(), QString("0.0001"));
      Click(form, "cmdUp");  // at the finest level already
      for (int k = 0; k < 9; ++k) Click(form, "cmdDown");
      QCOMPARE(Find<QLabel>(form, "lblPrecision")->text(), QString("1"));
      QCOMPARE(Find<QLabel>(form, "lblUncertainty")->text(), QString("+ - 0.5"));
      QString examples = Find<QPlainTextEdit>(form, "txtDescription")->toPlainText();
      QCOMPARE(examples.count('\n'), 3);
      QVERIFY(examples.startsWith("0.1111  ~       0         0.5001  ~       1"));
      Click(form, "cmdClose");
    });
    QCOMPARE(s.set.DegradeNum, degrade);
    QCOMPARE(s.prob.Dissim(2, 1), d21);
    QVERIFY(w.Find<QTimer>("Timer1")->isActive());
  }

  void objectiveDialogStoresOnOkAndSuppressesAtOnce() {
    for (bool ok : {false, true}) {
      Window w;
      w.LoadCase(3);
      Session& s = *w.session;
      const float normaliser = s.derived.ObjFnNormaliser;
      WithMenuDialog(w.Action("mnuDistanceAndBadnessFns"), [ok](QWidget* form) {
        Click(form, "optBadnessFunction_3");
        Click(form, "optDistanceFunction_2");
        for (int k = 0; k < 3; ++k) Click(form, "cmdUpMinkowski");
        Click(form, "cmdDnMinkowski");
        QCOMPARE(Find<QLabel>(form, "lblMinkowskiValue")->text(), QString(" 2.2"));
        QVERIFY(Find<QPlainTextEdit>(form, "txtObjFn")->toPlainText().startsWith("Multiscale"));
        QVERIFY(Find<QPlainTextEdit>(form, "txtDistance")->toPlainText().contains("MINKOWSKI"));
        Click(form, "optSuppress_0");
        Click(form, ok ? "cmdOK" : "cmdCancel");
      });
      QCOMPARE(s.set.SuppressNum, 0);  // whatever the dialog ended with
      QCOMPARE(s.set.BadnessFunctionNum, ok ? 3 : 1);
      QCOMPARE(s.set.DistanceFunctionNum, ok ? 2 : 0);
      QVERIFY(std::fabs(s.set.MinkowskiExponent - (ok ? 2.2f : 2.0f)) < 1e-5f);
      QVERIFY(std::fabs(s.set.MinkowskiInverse * s.set.MinkowskiExponent - 1) < 1e-6f);
      QCOMPARE(s.derived.ObjFnNormaliser != normaliser, ok);  // recomputed on OK only
      QCOMPARE(w.Button("cmdDistanceFns")->text(),
               ok ? QString("&DISTANCE:\nMinkowski 2.2") : QString("&DISTANCE:\nEuclidean"));
    }
  }

  void boundaryDialogTakesTypedSizesBelowOne() {
    for (bool ok : {false, true}) {
      Window w;
      w.LoadCase(3);
      Session& s = *w.session;
      WithMenuDialog(w.Action("mnuBoundaryDimensions"), [ok](QWidget* form) {
        auto* radius = Find<QLineEdit>(form, "txtRadius");
        Click(form, "optDimensions_3");
        Click(form, "chkXYSection");
        Click(form, "optBdyType_2");
        struct Typed {
          const char* text;
          const char* shown;
        };
        // Checked when the box loses focus, not at every keystroke.
        for (Typed t : {Typed{"1.5", "1.00"}, {"-0.2", "0.00"}, {"0.5", "0.5"}}) {
          radius->setFocus();
          radius->selectAll();
          QTest::keyClicks(radius, t.text);
          QCOMPARE(radius->text(), QString(t.text));
          Find<QWidget>(form, "optBdyType_2")->setFocus();
          QCOMPARE(radius->text(), QString(t.shown));
        }
        Click(form, "cmdUpArrow", Qt::ControlModifier);  // 0.51
        Click(form, "cmdUpArrow", Qt::ShiftModifier);    // 0.41
        Click(form, "cmdDownArrow", Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(radius->text(), QString("0.42"));
        radius->selectAll();
        QTest::keyClicks(radius, "0.35");  // OK takes a size still being typed
        Click(form, ok ? "cmdOK" : "cmdCancel");
      });
      QCOMPARE(s.set.DimensionsNum, ok ? 4 : 2);
      QCOMPARE(s.set.XYSectionEmphasis, !ok);
      QCOMPARE(s.set.BoundaryTypeNum, ok ? 2 : 0);
      QCOMPARE(s.set.ConstraintRadius, ok ? 0.35f : 1.0f);
      QCOMPARE(w.Button("cmdBoundary")->text(),
               ok ? QString("BOUNDAR&Y:\n0.35") : QString("BOUNDAR&Y:\nNone"));
      QCOMPARE(w.Button("cmdDimensions")->text(),
               QString("DIME&NSIONS:\n") + (ok ? "Four" : "Two"));
    }
  }

  void dialogDuringARunChangesWhatTheRunDoes() {
    Window w;
    w.LoadCase(3);
    Session& s = *w.session;
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.WaitForSweeps(20));
    w.Find<QTimer>("Timer1")->stop();
    WithMenuDialog(w.Action("mnuBoundaryDimensions"), [&](QWidget* form) {
      // The solver goes on while the dialog is open.
      QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 10));
      Click(form, "optDimensions_0");
      auto* radius = Find<QLineEdit>(form, "txtRadius");
      radius->selectAll();
      QTest::keyClicks(radius, "0.5");
      Click(form, "cmdOK");
    });
    QCOMPARE(s.run.RunState, kRunning);
    QVERIFY(!w.Find<QTimer>("Timer1")->isActive());
    QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 20));
    // One dimension inside a boundary of half the unit circle.
    for (int i = 1; i <= s.prob.NObjects; ++i) {
      QCOMPARE(s.prob.LocDim[2][i], 0.0f);
      QVERIFY(std::fabs(s.prob.LocDim[1][i]) <= 0.5f + 1e-6f);
    }
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());
  }

  void mdsTypeMenuRewritesTheCaptionAndCtrlPOpensThePrintDialog() {
    Window w;
    w.LoadCase(3);
    WithMenuDialog(w.Action("mnuMDSTypeAndErrBounds"), [](QWidget* form) {
      Click(form, "optMDSAnalysisType_2");
      // A cancelled print dialog prints nothing and returns to the form.
      QTimer::singleShot(0, [form] {
        QTRY_VERIFY(QApplication::activeModalWidget() != form);
        QApplication::activeModalWidget()->close();
      });
      QTest::keyClick(form, Qt::Key_P, Qt::ControlModifier);
      QCOMPARE(QApplication::activeModalWidget(), form);
      Click(form, "cmdOK");
    });
    QCOMPARE(w.Button("cmdMDSType")->text(), QString("MDS &TYPE:\nInterval"));
  }
};

QTEST_MAIN(AnalysisDialogsTest)
#include "analysis_dialogs_test.moc"
