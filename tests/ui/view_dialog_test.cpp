// The View Options dialog driven through the View menu: identification,
// circle size about the centres, the optional buttons that act at once.
#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QPushButton>

#include "model/map_layout.h"
#include "model/view_options.h"
#include "ui/online_button.h"
#include "ui/view_parameters_form.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::Window;

namespace {

// Runs the View menu with `act` done on the open dialog (then OK or Cancel
// by the caller's clicks inside `act`).
void WithDialog(Window& w, const std::function<void(QDialog&)>& act) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* form = qobject_cast<ViewParametersSelectionForm*>(QApplication::activeModalWidget());
    if (!form) return;
    seen = true;
    act(*form);
    if (form->isVisible()) form->reject();  // a failed check inside must not hang the test
  });
  w.Action("mnuView")->trigger();
  QVERIFY(seen);
}

void Click(QDialog& form, const char* name) {
  auto* button = form.findChild<QAbstractButton*>(name);
  QVERIFY2(button, name);
  QVERIFY2(button->isEnabled(), name);
  button->click();
}

void LoadExampleA(Window& w) {
  w.session->set.DataFileName = std::string(QUOREL_REPO_DATA) + "/Example_A.txt";
  w.session->ui.ReadWithoutDialog = true;
  w.Action("mnuReadDataFile")->trigger();
}

}  // namespace

class ViewDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void namesAreShownAfterChoosingNames() {
    Window w;
    LoadExampleA(w);
    QTRY_VERIFY(w.form->map()->canvas().TextsShown().contains("3"));
    WithDialog(w, [](QDialog& form) {
      Click(form, "optObjectID_1");
      QVERIFY(form.findChild<QPlainTextEdit*>("txtExplaination")
                  ->toPlainText()
                  .startsWith("OBJECT NAMING:"));
      Click(form, "cmdOK");
    });
    QCOMPARE(w.session->set.ObjectIDMethodNum, int(kIdByName));
    QTRY_VERIFY(w.form->map()->canvas().TextsShown().contains("Berlin"));
    QVERIFY(!w.form->map()->canvas().TextsShown().contains("3"));
  }

  void noneClearsTheLabelsAtOnceAndNamesNeedNames() {
    Window w;
    w.LoadCase(3);
    QTRY_VERIFY(!w.form->map()->canvas().TextsShown().isEmpty());
    WithDialog(w, [](QDialog& form) {
      QVERIFY(!form.findChild<QAbstractButton*>("optObjectID_1")->isEnabled());
      Click(form, "optObjectID_2");
      Click(form, "cmdOK");
    });
    QVERIFY(w.form->map()->canvas().TextsShown().isEmpty());
    QTRY_VERIFY(!w.Find<QTimer>("Timer1")->isActive());
    QVERIFY(w.form->map()->canvas().TextsShown().isEmpty());
  }

  void aNewDiameterKeepsEveryCentre() {
    Window w;
    w.LoadCase(0);
    Session& s = *w.session;
    w.DoubleClick(w.LabelCentre(2));  // parked
    float x5 = s.prob.LocDim[1][5], y5 = s.prob.LocDim[2][5];
    QPointF centre = w.ItemCentre(5);
    WithDialog(w, [](QDialog& form) {
      for (int k = 0; k < 7; ++k) Click(form, "cmdDnRadius");  // 400 down to 50
      Click(form, "cmdOK");
    });
    QCOMPARE(s.set.CircleDiameter, 50);
    QCOMPARE(s.set.PickRadius, 25);
    QCOMPARE(w.form->map()->Circle(5)->rect(), QRectF(0, 0, 50, 50));
    QVERIFY(QLineF(w.ItemCentre(5), centre).length() <= 1.0);
    QCOMPARE(s.prob.LocDim[1][5], x5);
    QCOMPARE(s.prob.LocDim[2][5], y5);
    // The parked circle went to its slot for the new size.
    QCOMPARE(w.form->map()->Circle(2)->pos().x(), double(ParkingSlot(s, 2).left));
  }

  void okDuringARunLeavesTheRunGoing() {
    Window w;
    w.LoadCase(0);
    QTRY_VERIFY(!w.Find<QTimer>("Timer1")->isActive());
    QTest::mouseClick(w.Button("cmdStart"), Qt::LeftButton);
    QVERIFY(w.WaitForSweeps(10));
    WithDialog(w, [](QDialog& form) {
      Click(form, "cmdUpRadius");
      Click(form, "cmdOK");
    });
    QCOMPARE(w.form->map()->Circle(3)->rect().width(), 450.0);
    long long sweeps = w.session->run.TotalSweeps;
    QVERIFY(w.Running());
    QVERIFY(!w.Find<QTimer>("Timer1")->isActive());
    QVERIFY(w.WaitForSweeps(sweeps + 10));
    QTest::mouseClick(w.Button("cmdStop"), Qt::LeftButton);
    QVERIFY(w.WaitUntilIdle());
  }

  void optionalButtonsActAtOnceAndStayAfterCancel() {
    Window w;
    w.LoadCase(3);
    QVERIFY(!w.Button("cmdBoundary")->isVisible());
    int attribute_top = w.Button("cmdAttributeFns")->y();
    WithDialog(w, [&w](QDialog& form) {
      Click(form, "chkShowBoundaryButton");
      QVERIFY(w.Button("cmdBoundary")->isVisible());
      Click(form, "cmdUpWidth");
      Click(form, "cmdCancel");
    });
    QVERIFY(w.session->set.ShowBoundaryButton);
    QVERIFY(w.Button("cmdBoundary")->isVisible());
    QVERIFY(w.Button("cmdAttributeFns")->y() > attribute_top);
    QCOMPARE(w.session->set.RimWidth, 1);
  }
};

QTEST_MAIN(ViewDialogTest)
#include "view_dialog_test.moc"
