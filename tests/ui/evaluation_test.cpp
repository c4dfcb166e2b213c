// The evaluation windows on solved built-in problems: the entries follow the
// problem, each window opens from its menu, each option draws on the map,
// closing restores the map, and opening one during a run ends the series.
#include <QCheckBox>
#include <QGraphicsPolygonItem>
#include <QGraphicsSimpleTextItem>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "eval/eval_attributes.h"
#include "eval/eval_links.h"
#include "ui/eval_plot.h"
#include "ui/map_overlays.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::MessageBoxCloser;
using quorel::testing::Window;

namespace {

// Runs `act` on the evaluation window of menu entry `entry` once it is
// shown, then closes it with its Close button.
void WithWindow(Window& w, const QString& entry, const std::function<void(QDialog*)>& act) {
  const QString name = "Evaluate" + entry.mid(3) + "Form";  // mnuLinks: EvaluateLinksForm
  QVERIFY(quorel::testing::Answer<QDialog>(
      w.Action(qPrintable(entry)),
      [&](QDialog* form) {
        act(form);
        form->findChild<QPushButton*>("cmdClose")->click();
      },
      name));
}

std::vector<QGraphicsItem*> Overlay(Window& w, int type) {
  std::vector<QGraphicsItem*> items;
  for (QGraphicsItem* item : w.form->map()->scene()->items())
    if (item->data(0).toString() == MapOverlays::kItemTag && item->type() == type)
      items.push_back(item);
  return items;
}

// The lines drawn by the overlay, and the pen of the first.
size_t Segments(Window& w, QPen* first_pen = nullptr) {
  size_t segments = 0;
  for (QGraphicsItem* item : Overlay(w, SegmentsItem::Type)) {
    auto* lines = static_cast<SegmentsItem*>(item);
    if (first_pen && segments == 0) *first_pen = lines->Pen();
    segments += lines->Lines().size();
  }
  return segments;
}

int FilledCircles(Window& w) {
  int filled = 0;
  for (int i = 1; i <= w.form->map()->CircleCount(); ++i)
    filled += w.form->map()->Circle(i)->brush().style() != Qt::NoBrush;
  return filled;
}

// Which of the evaluation and attribute entries are enabled, as 0s and 1s.
QString Enabled(Window& w) {
  QString flags;
  for (const char* name : {"mnuObjects", "mnuLinks", "mnuAttributes", "mnuAttributeFns"})
    flags += w.Action(name)->isEnabled() ? '1' : '0';
  return flags;
}

void Choose(QDialog* form, const QString& name) {
  form->findChild<QRadioButton*>(name)->click();
}

}  // namespace

class EvaluationTest : public QObject {
  Q_OBJECT

 private slots:
  // The evaluation entries need a problem, the attribute ones an attribute
  // table.
  void linksAndObjectsWindowsDrawEachOptionAndClose() {
    Window w;
    QCOMPARE(Enabled(w), QString("0000"));
    QVERIFY(w.Solve(15));
    QCOMPARE(Enabled(w), QString("1100"));
    Session& s = *w.session;
    s.set.EvalLinksItemNum = 0;
    const LinkEvaluation eval = EvaluateLinks(s);
    WithWindow(w, "mnuLinks", [&](QDialog* form) {
      QCOMPARE(s.run.RunState, kStopped);
      auto* slider = form->findChild<QSlider*>("WaernSlide");
      QCOMPARE(slider->value(), 33);
      // Each option draws its own links, the previous option's gone first.
      for (int option : {0, 1, 3, 4, 5, 6, 0}) {
        Choose(form, QString("optEvalItem_%1").arg(option));
        const size_t expected = ShowLinksOption(eval, option, slider->value()).marked.size();
        QCOMPARE(Segments(w), expected);
        QCOMPARE(slider->isEnabled(), option <= 1);
      }
      QPen pen;
      QVERIFY(Segments(w, &pen) > 0);
      QCOMPARE(pen.color(), QColor(0, 0, 255));
      // Sized in twips like the map's own lines: as wide at any scaling.
      QVERIFY(!pen.isCosmetic());
      QCOMPARE(pen.widthF(), 2 * kTwipsPerPixel);
      slider->setValue(10);
      QCOMPARE(Segments(w), ShowLinksOption(eval, 0, 10).marked.size());
      QCOMPARE(s.set.WaernSlideValue, 10);
      // The neutral choice shows no link at all.
      Choose(form, "optEvalItem_2");
      QCOMPARE(Segments(w), size_t(0));
      // The plot shows every link, with bands while the box is checked.
      auto* plot = form->findChild<EvalPlot*>("Picture1");
      QCOMPARE(plot->Picture().markers.size(), eval.links.size());
      auto* bands = form->findChild<QCheckBox*>("chkShowStdDevBounds");
      bands->setChecked(true);
      QCOMPARE(plot->Picture().areas.size(), size_t(2));
      bands->setChecked(false);
      QVERIFY(plot->Picture().areas.empty());
      Choose(form, "optEvalItem_4");
    });
    QCOMPARE(Segments(w), size_t(0));
    QCOMPARE(s.set.EvalLinksItemNum, 4);
    QVERIFY(!s.set.EvalLinksOptionA);
    QCOMPARE(s.set.WaernSlideValue, 10);

    s.set.EvalObjectsItemNum = 0;
    MapScene& map = *w.form->map();
    WithWindow(w, "mnuObjects", [&](QDialog* form) {
      // Quarter ranges: the upper three quarters stay shaded after the
      // label pass that follows the fill.
      QVERIFY(FilledCircles(w) > 0);
      Choose(form, "optEvalItem_1");
      QCOMPARE(FilledCircles(w), 0);
      auto* plot = form->findChild<EvalPlot*>("Picture1");
      QCOMPARE(plot->Picture().bars.size(), size_t(s.prob.NObjects));
      const int printed = map.canvas().PrintsSinceClear();
      Choose(form, "optEvalItem_3");
      QCOMPARE(map.canvas().PrintsSinceClear(), printed + s.prob.NObjects);
      QVERIFY(FilledCircles(w) > 0);
      Choose(form, "optEvalItem_5");
      auto* notes = form->findChild<QPlainTextEdit*>("txtDescription");
      QCOMPARE(FilledCircles(w) == 0, notes->toPlainText() == "No outliers found.");
    });
    QCOMPARE(FilledCircles(w), 0);
    QCOMPARE(s.set.EvalObjectsItemNum, 5);
    QVERIFY(!s.set.ObjectsFilled);
  }

  void attributesWindowDrawsVectorsFillsValuesAndTieLines() {
    Window w;
    QVERIFY(w.Solve(12));
    QCOMPARE(Enabled(w), QString("1111"));
    Session& s = *w.session;
    MapScene& map = *w.form->map();
    QCOMPARE(Segments(w), size_t(0));
    WithWindow(w, "mnuAttributes", [&](QDialog* form) {
      QCOMPARE(Segments(w), size_t(1));
      QCOMPARE(Overlay(w, QGraphicsPolygonItem::Type).size(), size_t(1));
      QCOMPARE(Overlay(w, QGraphicsSimpleTextItem::Type).size(), size_t(1));
      auto* list = form->findChild<QListWidget*>("lstAllAttribsList");
      QCOMPARE(list->count(), s.prob.NAttributes);
      list->setCurrentRow(1);
      QCOMPARE(form->findChild<QRadioButton*>("optAttribIdentifiers_0")->text(),
               QString("A2 Vector Only"));
      Choose(form, "optAttribIdentifiers_1");
      QVERIFY(FilledCircles(w) > 0);
      Choose(form, "optAttribIdentifiers_2");
      QCOMPARE(FilledCircles(w), 0);
      QCOMPARE(map.canvas().PrintsSinceClear(), s.prob.NObjects);
      form->findChild<QCheckBox*>("chkShowTieLines")->setChecked(true);
      const size_t ties = Segments(w) - 1;
      QVERIFY(ties > 0 && ties <= size_t(s.prob.NObjects));
      Choose(form, "optAttribIdentifiers_4");
      QCOMPARE(Overlay(w, QGraphicsPolygonItem::Type).size(), size_t(s.prob.NAttributes));
      QVERIFY(form->findChild<QPlainTextEdit*>("txtDescription")
                  ->toPlainText()
                  .startsWith("Attribute A2: a="));
    });
    QCOMPARE(Segments(w), size_t(0));
    QVERIFY(Overlay(w, QGraphicsSimpleTextItem::Type).empty());
    QCOMPARE(FilledCircles(w), 0);
    QVERIFY(s.set.ShowTieLines);

    // An attribute without any value draws nothing and says so.
    MessageBoxCloser closer;
    for (int i = 1; i <= s.prob.NObjects; ++i) s.prob.AttribMissing(i, 1) = 1;
    WithWindow(w, "mnuAttributes", [&](QDialog*) { QCOMPARE(Segments(w), size_t(0)); });
    QTRY_COMPARE(closer.texts.size(), 1);
    QCOMPARE(closer.texts[0], QString(kNoAttributeValuesMessage));
    // Without a problem nothing can be evaluated or exported.
    w.Action("mnuClear")->trigger();
    QCOMPARE(Enabled(w), QString("0000"));
    QVERIFY(!w.Action("mnuExportMap")->isEnabled());
  }

  void openingDuringASeriesEndsIt() {
    // With automatic repeat a run that is only marked stopped would give way
    // to a new random run that scrambles the map being evaluated.
    Window w(14);
    Session& s = *w.session;
    w.Press("chkAutoRepeat");
    QVERIFY(s.set.AutoRepeat);
    for (const char* entry : {"mnuLinks", "mnuObjects"}) {
      w.Press("cmdStart");
      QVERIFY(w.WaitForSweeps(s.run.TotalSweeps + 20));
      WithWindow(w, entry, [&](QDialog*) {
        QCOMPARE(s.run.RunState, kStopped);
        std::vector<float> at_opening(s.prob.LocDim[1].begin(), s.prob.LocDim[1].end());
        QVERIFY(w.WaitUntilIdle(5000));
        QCOMPARE(s.run.RunState, kStopped);
        QVERIFY(std::equal(at_opening.begin(), at_opening.end(), s.prob.LocDim[1].begin()));
      });
      QVERIFY(!w.Running());
    }
  }
};

QTEST_MAIN(EvaluationTest)
#include "evaluation_test.moc"
