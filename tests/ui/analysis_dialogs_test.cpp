// The dialogs of the Analysis Parameters menu: every control changed, what OK
// stores and recomputes and Cancel leaves alone, the menu entries, and
// dialogs closed with a change during a run that the run then uses.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <cmath>

#include "ui/attribute_coefficient_form.h"
#include "ui/boundary_dimensions_form.h"
#include "ui/data_precision_form.h"
#include "ui/mapping_weights_form.h"
#include "ui/objective_functions_form.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Button;
using quorel::testing::Child;
using quorel::testing::PlainText;
using quorel::testing::Window;

namespace {

// Clicks near the left edge, where an option's circle is, however wide the
// option is laid out.
void Click(QWidget* dialog, const QString& name, Qt::KeyboardModifiers keys = Qt::NoModifier) {
  QAbstractButton* button = Button(*dialog, name);
  QPoint at(std::min(8, button->width() / 2), button->height() / 2);
  QTest::mouseClick(button, Qt::LeftButton, keys, at);
}

QString Text(QWidget* dialog, const char* name) {
  return Child<QLabel>(*dialog, name)->text();
}

// Opens a dialog of the menu and acts on it once it is shown.
void WithMenuDialog(QAction* entry, const std::function<void(QWidget*)>& act) {
  QVERIFY(quorel::testing::Answer<QDialog>(entry, act));
}

constexpr int kAttributeCase = 18;  // 15 objects with 12 kept attributes
constexpr int kLargeCase = 14;      // 300 objects, proximities only

}  // namespace

class AnalysisDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  // Through the menu: OK stores and rewrites the captions, Cancel stores
  // nothing.  In the MDS type dialog Ctrl+P opens the print dialog, whose
  // Cancel prints nothing and returns to the form.
  void dialogsStoreOnOkOnly() {
    for (bool ok : {false, true}) {
      Window w(3);
      Session& s = *w.session;
      s.run.RunCount = 2;
      const QString caption = w.Button("cmdMDSType")->text();
      WithMenuDialog(w.Action("mnuMDSTypeAndErrBounds"), [ok](QWidget* form) {
        Click(form, "optMDSAnalysisType_3");
        Click(form, "optErrBoundsType_0");
        Click(form, "cmdUpFixedBounds");
        Click(form, "cmdUpFixedBounds");
        Click(form, "cmdDnFractBounds");
        Click(form, "optCenteringInBounds_0");
        QCOMPARE(Text(form, "lblFixedBoundsValue"), QString("( Dij \u00B1 .07 )"));
        QVERIFY(PlainText(*form, "txtErrorBounds").contains("Dij + 0.07"));
        QVERIFY(PlainText(*form, "txtMDSType").startsWith("Same as interval"));
        quorel::testing::WhenShown<QPrintDialog> print([](QPrintDialog*) {});  // then cancelled
        QTest::keyClick(form, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(print.done);
        QCOMPARE(QApplication::activeModalWidget(), form);
        Click(form, ok ? "cmdOK" : "cmdCancel");
      });
      QCOMPARE(s.set.MDSAnalysisTypeNum, ok ? 3 : 0);
      QCOMPARE(s.set.ErrorBoundsTypeNum, ok ? 0 : 1);
      QCOMPARE(s.set.FixedErrorBound, ok ? 0.07f : 0.05f);
      QCOMPARE(s.set.RelErrorBound, ok ? 0.04f : 0.05f);
      QCOMPARE(s.set.CentreInBounds, ok);
      QCOMPARE(s.run.RunCount, ok ? 0 : 2);
      QCOMPARE(w.Button("cmdMDSType")->text() != caption, ok);

      // The objective functions: Suppress acts at once.
      const float normaliser = s.derived.ObjFnNormaliser;
      WithMenuDialog(w.Action("mnuDistanceAndBadnessFns"), [ok](QWidget* form) {
        Click(form, "optBadnessFunction_3");
        Click(form, "optDistanceFunction_2");
        for (int k = 0; k < 3; ++k) Click(form, "cmdUpMinkowski");
        Click(form, "cmdDnMinkowski");
        QCOMPARE(Text(form, "lblMinkowskiValue"), QString(" 2.2"));
        QVERIFY(PlainText(*form, "txtObjFn").startsWith("Multiscale"));
        QVERIFY(PlainText(*form, "txtDistance").contains("MINKOWSKI"));
        Click(form, "optSuppress_0");
        Click(form, ok ? "cmdOK" : "cmdCancel");
      });
      QCOMPARE(s.set.SuppressNum, 0);  // whatever the dialog ended with
      QCOMPARE(s.set.BadnessFunctionNum, ok ? 3 : 1);
      QCOMPARE(s.set.DistanceFunctionNum, ok ? 2 : 0);
      QVERIFY(std::fabs(s.set.MinkowskiExponent - (ok ? 2.2f : 2.0f)) < 1e-5f);
      QCOMPARE(s.derived.ObjFnNormaliser != normaliser, ok);  // recomputed on OK only
      QCOMPARE(w.Button("cmdDistanceFns")->text(),
               ok ? QString("&DISTANCE:\nMinkowski 2.2") : QString("&DISTANCE:\nEuclidean"));

      // Dimensions and boundary: a typed size below one.
      WithMenuDialog(w.Action("mnuBoundaryDimensions"), [ok](QWidget* form) {
        auto* radius = Child<QLineEdit>(*form, "txtRadius");
        Click(form, "optDimensions_3");
        Click(form, "chkXYSection");
        Click(form, "optBdyType_2");
        // Checked when the box loses focus, not at every keystroke.
        for (auto [typed, shown] : {std::pair{"1.5", "1.00"}, std::pair{"0.5", "0.5"}}) {
          radius->setFocus();
          radius->selectAll();
          QTest::keyClicks(radius, typed);
          QCOMPARE(radius->text(), QString(typed));
          Child<QWidget>(*form, "optBdyType_2")->setFocus();
          QCOMPARE(radius->text(), QString(shown));
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

  // Cancel stores only the normalisation; OK stores the rest and
  // recomputes the dissimilarities.
  void attributeDialogCancelAndOk() {
    Window w(kAttributeCase);
    Session& s = *w.session;
    const float before = s.prob.Dissim(2, 1);
    {
      AttributeCoefficientSelectionForm form(s, *w.platform, w.form.get());
      form.show();
      QVERIFY(Button(form, "optAttribFunction_1")->isChecked());
      QVERIFY(Button(form, "optAttribType_0")->isChecked());
      QVERIFY(!Button(form, "optAttribFunction_4")->isEnabled());
      Click(&form, "optAttribType_4");
      QVERIFY(Button(form, "optAttribFunction_7")->isChecked());
      Click(&form, "optAttribFunction_10");
      QVERIFY(PlainText(form, "txtFunction").contains("Hamman"));
      Click(&form, "optCoercionRules_0");
      Click(&form, "optNormalize_1");
      QVERIFY(!s.set.NormalizeAttribs);
      Click(&form, "cmdCancel");
    }
    QCOMPARE(s.set.AttributeFunctionNum, 1);
    QCOMPARE(s.set.AttributeDataTypeNum, 0);
    QCOMPARE(s.set.CoercionRulesNum, 1);
    QVERIFY(!s.set.NormalizeAttribs);
    QCOMPARE(s.prob.Dissim(2, 1), before);

    // A valid pair that the level's default would replace survives OK.
    s.set.AttributeFunctionNum = 3;
    WithMenuDialog(w.Action("mnuAttributeFns"), [](QWidget* form) { Click(form, "cmdOK"); });
    QCOMPARE(s.set.AttributeFunctionNum, 3);
    QCOMPARE(w.Button("cmdAttributeFns")->text(), QString("&ATTRIBUTE  FNs:\nPearson"));
    QVERIFY(s.prob.Dissim(2, 1) != before);

    WithMenuDialog(w.Action("mnuAttributeFns"), [](QWidget* form) {
      Click(form, "optAttribType_4");
      Click(form, "optAttribFunction_9");
      Click(form, "optCoercionRules_0");
      Click(form, "cmdOK");
    });
    QCOMPARE(s.set.AttributeDataTypeNum, 4);
    QCOMPARE(s.set.AttributeFunctionNum, 9);
    QCOMPARE(s.set.CoercionRulesNum, 0);
    QCOMPARE(w.Button("cmdAttributeFns")->text(), QString("&ATTRIBUTE  FNs:\nBinary SMC"));
  }

  void precisionAndMappingWeightsDialogs() {
    Window w(3);
    Session& s = *w.session;
    const int degrade = s.set.DegradeNum;
    const float d21 = s.prob.Dissim(2, 1);
    WithMenuDialog(w.Action("mnuPrecision"), [](QWidget* form) {
      QCOMPARE(Text(form, "lblPrecision"), QString("0.0001"));
      const QString finest = PlainText(*form, "txtDescription");
      Click(form, "cmdUp");  // at the finest level already
      for (int k = 0; k < 9; ++k) Click(form, "cmdDown");
      QCOMPARE(Text(form, "lblPrecision"), QString("1"));
      QCOMPARE(Text(form, "lblUncertainty"), QString("+ - 0.5"));
      QVERIFY(PlainText(*form, "txtDescription") != finest);
      Click(form, "cmdClose");
    });
    QCOMPARE(s.set.DegradeNum, degrade);
    QCOMPARE(s.prob.Dissim(2, 1), d21);
    QVERIFY(w.Find<QTimer>("Timer1")->isActive());

    {
      MappingWeightsSelectionForm form(s, *w.platform, w.form.get());
      form.show();
      auto* plot = form.findChild<MappingCurvePlot*>("Picture1");
      auto* inverse = form.findChild<QCheckBox*>("chkComplementary");
      QCOMPARE(plot->CurveCount(), 1);
      Click(&form, "optMappingWtFunction_1");
      Click(&form, "optMappingWtFunction_2");
      QCOMPARE(plot->CurveCount(), 3);
      Click(&form, "cmdClear");
      QCOMPARE(plot->CurveCount(), 0);
      for (int k = 0; k < 3; ++k) Click(&form, "cmdUpMappingWt");
      QVERIFY(Button(form, "optMappingWtFunction_4")->isChecked());
      QCOMPARE(Text(&form, "lblMappingWtConstValue"), QString("0.704"));
      QVERIFY(!inverse->isVisible());
      QTest::mouseClick(&form, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier, QPoint(4, 4));
      QVERIFY(inverse->isVisible());
      inverse->click();
      QCOMPARE(plot->CurveCount(), 1);
      QVERIFY(PlainText(form, "txtDescription").contains("inverse"));
      Click(&form, "cmdCancel");
    }
    QCOMPARE(s.set.MappingWtFunctionNum, 0);
    QCOMPARE(s.set.AdjustableMappingWt, 0.0);
    QVERIFY(!s.set.MapWeightComplementary);
    QCOMPARE(s.prob.EffWeight(2, 1), 1.0f);

    WithMenuDialog(w.Action("mnuMappingWtFns"), [](QWidget* form) {
      Click(form, "cmdDnMappingWt");
      Click(form, "cmdOK");
    });
    QCOMPARE(s.set.MappingWtFunctionNum, 4);
    QCOMPARE(s.set.AdjustableMappingWt, -0.5);
    QVERIFY(s.prob.EffWeight(2, 1) < 1.0f);  // recomputed on OK
    QCOMPARE(w.Button("cmdMappingWtFns")->text(), QString("&MAPPING  WTs:\nAdjustable"));
  }

  // A dialog opened while the solver runs: the run goes on behind it, and
  // the change made on OK is what the following sweeps use.  (Every dialog
  // of the menu is shown the same way; what OK applies is the core's.)
  void dialogsDuringARun() {
    Window w(kLargeCase);
    Session& s = *w.session;
    w.Press("cmdStart");
    QVERIFY(w.WaitForSweeps(3));
    long long sweeps_at_ok = 0;
    WithMenuDialog(w.Action("mnuMappingWtFns"), [&](QWidget* form) {
      const long long opened = s.run.TotalSweeps;
      QTRY_VERIFY(s.run.TotalSweeps > opened + 2);  // the run goes on behind the dialog
      Click(form, "optMappingWtFunction_2");
      sweeps_at_ok = s.run.TotalSweeps;
      Click(form, "cmdOK");
    });
    QCOMPARE(s.set.MappingWtFunctionNum, 2);
    const float weight = s.prob.EffWeight(5, 2);
    QVERIFY(weight < 1.0f);
    QVERIFY(s.run.IterationCount <= s.run.TotalSweeps - sweeps_at_ok);  // a new series
    QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 3));
    QCOMPARE(s.run.RunState, kRunning);
    QCOMPARE(s.prob.EffWeight(5, 2), weight);  // the run uses what OK computed
    QVERIFY(std::isfinite(s.run.ObjFnValue));
    QVERIFY(w.Stop());

    // The boundary dialog: one dimension inside half the unit circle.
    w.LoadCase(3);
    w.Press("cmdStart");
    QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 20));
    w.Find<QTimer>("Timer1")->stop();
    WithMenuDialog(w.Action("mnuBoundaryDimensions"), [&](QWidget* form) {
      // The solver goes on while the dialog is open.
      QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 10));
      Click(form, "optDimensions_0");
      auto* radius = Child<QLineEdit>(*form, "txtRadius");
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
    QVERIFY(w.Stop());
  }
};

QTEST_MAIN(AnalysisDialogsTest)
#include "analysis_dialogs_test.moc"
