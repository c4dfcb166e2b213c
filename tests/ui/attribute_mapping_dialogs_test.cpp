// The Attributes and Mapping Weights dialogs: OK stores what they show,
// Cancel stores nothing, the attribute entry needs attributes, and a dialog
// opened during a run hands its change to that run.
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/attribute_coefficient_form.h"
#include "ui/mapping_weights_form.h"
#include "ui/online_button.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Window;

namespace {

constexpr int kAttributeCase = 18;  // 15 objects with 12 kept attributes
constexpr int kLargeCase = 14;      // 300 objects, proximities only

void Click(QDialog& form, const char* name) {
  auto* button = form.findChild<QAbstractButton*>(name);
  QVERIFY2(button, name);
  button->click();
}

bool Checked(QDialog& form, const char* name) {
  auto* button = form.findChild<QAbstractButton*>(name);
  return button && button->isChecked();
}

// Runs `act` on the modal dialog of type T as soon as the menu entry shows it.
template <class T>
void OnDialog(const std::function<void(T&)>& act) {
  QTimer::singleShot(50, [act] {
    if (auto* form = qobject_cast<T*>(QApplication::activeModalWidget())) act(*form);
  });
}

}  // namespace

class AttributeMappingDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void attributeEntryNeedsAnAttributeTable() {
    Window w;
    QVERIFY(!w.Action("mnuAttributeFns")->isEnabled());
    w.LoadCase(1);
    QVERIFY(!w.Action("mnuAttributeFns")->isEnabled());
    w.LoadCase(kAttributeCase);
    QVERIFY(w.Action("mnuAttributeFns")->isEnabled());
    w.Action("mnuClear")->trigger();
    QVERIFY(!w.Action("mnuAttributeFns")->isEnabled());
  }

  void attributeDialogCancelStoresOnlyTheNormalisation() {
    Window w;
    w.LoadCase(kAttributeCase);
    Session& s = *w.session;
    const float before = s.prob.Dissim(2, 1);
    AttributeCoefficientSelectionForm form(s, *w.platform, w.form.get());
    QVERIFY(Checked(form, "optAttribFunction_1") && Checked(form, "optAttribType_0"));
    QVERIFY(!form.findChild<QAbstractButton*>("optAttribFunction_4")->isEnabled());
    QVERIFY(!form.findChild<QAbstractButton*>("optAttribFunction_13")->isEnabled());
    Click(form, "optAttribType_4");
    QVERIFY(Checked(form, "optAttribFunction_7"));
    QVERIFY(form.findChild<QAbstractButton*>("optAttribFunction_10")->isEnabled());
    Click(form, "optAttribFunction_10");
    QVERIFY(form.findChild<QPlainTextEdit*>("txtFunction")->toPlainText().contains("Hamman"));
    Click(form, "optCoercionRules_0");
    Click(form, "optNormalize_1");
    QVERIFY(!s.set.NormalizeAttribs);
    Click(form, "cmdCancel");
    QCOMPARE(s.set.AttributeFunctionNum, 1);
    QCOMPARE(s.set.AttributeDataTypeNum, 0);
    QCOMPARE(s.set.CoercionRulesNum, 1);
    QVERIFY(!s.set.NormalizeAttribs);
    QCOMPARE(s.prob.Dissim(2, 1), before);
  }

  void attributeDialogOkStoresAndRecomputes() {
    Window w;
    w.LoadCase(kAttributeCase);
    Session& s = *w.session;
    // A valid pair that the level's default would replace survives OK.
    s.set.AttributeFunctionNum = 3;
    OnDialog<AttributeCoefficientSelectionForm>([](auto& form) { Click(form, "cmdOK"); });
    w.Action("mnuAttributeFns")->trigger();
    QCOMPARE(s.set.AttributeFunctionNum, 3);
    QCOMPARE(w.Button("cmdAttributeFns")->text(), QString("&ATTRIBUTE  FNs:\nPearson"));

    OnDialog<AttributeCoefficientSelectionForm>([](auto& form) {
      Click(form, "optAttribType_4");
      Click(form, "optAttribFunction_9");
      Click(form, "optCoercionRules_0");
      Click(form, "cmdOK");
    });
    w.Action("mnuAttributeFns")->trigger();
    QCOMPARE(s.set.AttributeDataTypeNum, 4);
    QCOMPARE(s.set.AttributeFunctionNum, 9);
    QCOMPARE(s.set.CoercionRulesNum, 0);
    QCOMPARE(w.Button("cmdAttributeFns")->text(), QString("&ATTRIBUTE  FNs:\nBinary SMC"));
  }

  void mappingWeightsDialog() {
    Window w;
    w.LoadCase(3);
    Session& s = *w.session;
    {
      MappingWeightsSelectionForm form(s, *w.platform, w.form.get());
      form.show();
      auto* plot = form.findChild<MappingCurvePlot*>("Picture1");
      auto* inverse = form.findChild<QCheckBox*>("chkComplementary");
      QCOMPARE(plot->CurveCount(), 1);
      Click(form, "optMappingWtFunction_1");
      Click(form, "optMappingWtFunction_2");
      QCOMPARE(plot->CurveCount(), 3);
      Click(form, "cmdClear");
      QCOMPARE(plot->CurveCount(), 0);
      for (int k = 0; k < 3; ++k) Click(form, "cmdUpMappingWt");
      QVERIFY(Checked(form, "optMappingWtFunction_4"));
      QCOMPARE(form.findChild<QLabel*>("lblMappingWtConstValue")->text(), QString("0.704"));
      QVERIFY(!inverse->isVisible());
      QTest::mouseClick(&form, Qt::LeftButton, Qt::ControlModifier, QPoint(4, 4));
      QVERIFY(!inverse->isVisible());
      QTest::mouseClick(&form, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier, QPoint(4, 4));
      QVERIFY(inverse->isVisible());
      inverse->click();
      QCOMPARE(plot->CurveCount(), 1);
      QVERIFY(form.findChild<QPlainTextEdit*>("txtDescription")->toPlainText().contains("inverse"));
      Click(form, "cmdCancel");
    }
    QCOMPARE(s.set.MappingWtFunctionNum, 0);
    QCOMPARE(s.set.AdjustableMappingWt, 0.0);
    QVERIFY(!s.set.MapWeightComplementary);
    QCOMPARE(s.prob.EffWeight(2, 1), 1.0f);

    OnDialog<MappingWeightsSelectionForm>([](auto& form) {
      Click(form, "cmdDnMappingWt");
      Click(form, "cmdOK");
    });
    w.Action("mnuMappingWtFns")->trigger();
    QCOMPARE(s.set.MappingWtFunctionNum, 4);
    QCOMPARE(s.set.AdjustableMappingWt, -0.5);
    QVERIFY(s.prob.EffWeight(2, 1) < 1.0f);  // recomputed on OK
    QCOMPARE(w.Button("cmdMappingWtFns")->text(), QString("&MAPPING  WTs:\nAdjustable"));
  }

  // A dialog opened while the solver runs: the run goes on behind it, and
  // the change made on OK is what the following sweeps use.
  void dialogsDuringARun() {
    Window w;
    w.LoadCase(kLargeCase);
    Session& s = *w.session;
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.WaitForSweeps(3));
    long long sweeps_at_ok = 0;
    OnDialog<MappingWeightsSelectionForm>([&](auto& form) {
      const long long opened = s.run.TotalSweeps;
      QTRY_VERIFY(s.run.TotalSweeps > opened + 2);  // the run goes on behind the dialog
      Click(form, "optMappingWtFunction_2");
      sweeps_at_ok = s.run.TotalSweeps;
      Click(form, "cmdOK");
    });
    w.Action("mnuMappingWtFns")->trigger();
    QCOMPARE(s.set.MappingWtFunctionNum, 2);
    const float weight = s.prob.EffWeight(5, 2);
    QVERIFY(weight < 1.0f);
    QVERIFY(s.run.IterationCount <= s.run.TotalSweeps - sweeps_at_ok);  // a new series
    QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 3));
    QCOMPARE(s.run.RunState, kRunning);
    QCOMPARE(s.prob.EffWeight(5, 2), weight);  // the run uses what OK computed
    QVERIFY(std::isfinite(s.run.ObjFnValue));
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());

    w.LoadCase(kAttributeCase);
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.WaitForSweeps(3));
    const float euclidean = s.prob.Dissim(2, 1);
    OnDialog<AttributeCoefficientSelectionForm>([](auto& form) {
      Click(form, "optAttribFunction_2");
      Click(form, "cmdOK");
    });
    w.Action("mnuAttributeFns")->trigger();
    QCOMPARE(s.set.AttributeFunctionNum, 2);
    QVERIFY(s.prob.Dissim(2, 1) != euclidean);
    const long long after = s.run.TotalSweeps;
    QVERIFY(w.WaitForSweeps(after + 3));
    QCOMPARE(s.run.RunState, kRunning);
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());
    QVERIFY(std::isfinite(s.run.ObjFnValue));
  }
};

QTEST_MAIN(AttributeMappingDialogsTest)
#include "attribute_mapping_dialogs_test.moc"
