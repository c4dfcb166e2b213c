// Pictures of the map and of the evaluation plots: SVG that is well-formed
// XML with a real circle for every active object and its labels as text,
// PDF of one page, PNG of the size the dialog promised; also from an
// evaluation window, during a run, and to a place that cannot be written.
#include "ui/picture_export.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QXmlStreamReader>

#include "ui/map_mouse.h"
#include "ui_fixture.h"

using namespace quorel;
using quorel::testing::MessageBoxCloser;
using quorel::testing::Window;

namespace {

// Answers the export dialog that the Export button `from` opens (the File
// menu's entry without one) with `choice` (the subject only where the dialog
// offers it) and the file dialog with `path`; returns what the dialog said of
// the PNG's pixels.
QString Export(Window& w, const PictureChoice& choice, const QString& path,
               QAbstractButton* from = nullptr) {
  w.form->file_dialog_hook = [path](const QString&, const QString&, bool) { return path; };
  QString pixels;
  quorel::testing::WhenShown<QDialog> answer(
      [&](QDialog* form) {
        form->findChild<QRadioButton*>(QString("optPictureFormat_%1").arg(int(choice.format)))
            ->click();
        if (auto* subject =
                form->findChild<QRadioButton*>(QString("optExportSubject_%1").arg(choice.map)))
          subject->click();
        form->findChild<QSpinBox*>("txtResolution")->setValue(choice.dpi);
        pixels = form->findChild<QLabel*>("lblPixelSize")->text();
        form->findChild<QPushButton*>("cmdOK")->click();
      },
      "ExportPictureForm");
  from ? from->click() : w.Action("mnuExportMap")->trigger();
  return pixels;
}

struct Svg {
  bool well_formed = false;
  int circles = 0;  // ellipses of the objects' diameter
  int markers = 0;  // small ellipses of the plots
  QStringList texts;
  QString strokes;  // every stroke colour, for the marks of a window
};

Svg ReadSvg(const QString& path, double circle_diameter_px) {
  QXmlStreamReader xml(quorel::testing::ReadBytes(path));
  Svg svg;
  std::vector<double> scales{1.0};  // of the enclosing groups
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("g"))
      scales.pop_back();
    if (token != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes a = xml.attributes();
    svg.strokes += a.value("stroke").toString() + " ";
    if (xml.name() == QLatin1String("g")) {
      // The scale of a "matrix(a,b,c,d,e,f)" transform.
      const QString matrix = a.value("transform").toString();
      scales.push_back(scales.back() * (matrix.startsWith("matrix(")
                                            ? matrix.mid(7).section(',', 0, 0).toDouble()
                                            : 1.0));
    } else if (xml.name() == QLatin1String("circle") || xml.name() == QLatin1String("ellipse")) {
      const double r = scales.back() * a.value(a.hasAttribute("r") ? "r" : "rx").toDouble();
      svg.circles += std::abs(2 * r - circle_diameter_px) < 0.01;
      svg.markers += r < 4;
    } else if (xml.name() == QLatin1String("text")) {
      svg.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    }
  }
  svg.well_formed = !xml.hasError();
  return svg;
}

}  // namespace

class PictureExportTest : public QObject {
  Q_OBJECT

 private slots:
  void plotAndMarkedMapFromAnEvaluationWindowThenTheMapInEachFormat() {
    Window w;
    QVERIFY(w.Solve(15));
    Session& s = *w.session;
    s.set.EvalLinksItemNum = 0;  // Waern links, blue
    const double diameter = s.set.CircleDiameter / kTwipsPerPixel;
    Svg plot, map;
    QVERIFY(quorel::testing::Answer<QDialog>(
        w.Action("mnuLinks"),
        [&](QDialog* form) {
          auto* button = form->findChild<QPushButton*>("cmdExport");
          const QString path = w.dir.filePath("window.svg");
          Export(w, {PictureFormat::kSvg, 300, false}, path, button);
          plot = ReadSvg(path, diameter);
          Export(w, {PictureFormat::kSvg, 300, true}, path, button);
          map = ReadSvg(path, diameter);
          form->findChild<QPushButton*>("cmdClose")->click();
        },
        "EvaluateLinksForm"));
    QVERIFY(plot.well_formed && map.well_formed);
    const int links = s.prob.NObjects * (s.prob.NObjects - 1) / 2;
    QCOMPARE(plot.markers, links);
    QVERIFY(plot.texts.contains("Shepard Plot"));
    QCOMPARE(map.circles, s.prob.NObjects);
    QVERIFY(map.strokes.contains("#0000ff"));
    // Without the window the map has no marks.
    Export(w, {PictureFormat::kSvg, 300, true}, w.dir.filePath("plain.svg"));
    QVERIFY(!ReadSvg(w.dir.filePath("plain.svg"), diameter).strokes.contains("#0000ff"));

    // The map alone, one object parked, in each format.
    s.prob.Title = "Maps <of> \"R&D\"";
    w.form->RefreshCaptions();
    s.prob.ObjParked[2] = 1;
    w.form->mouse()->ParkObject(2);
    w.form->map()->LabelAllObjects();
    const QString svg_path = w.dir.filePath("map.svg");
    Export(w, {PictureFormat::kSvg, 300, true}, svg_path);
    const Svg svg = ReadSvg(svg_path, diameter);
    QVERIFY(svg.well_formed);
    QCOMPARE(svg.circles, s.prob.NObjects - 1);
    QVERIFY(svg.texts.contains("Maps <of> \"R&D\""));
    QVERIFY(svg.texts.contains("1") && svg.texts.contains(QString::number(s.prob.NObjects)));

    QVERIFY(quorel::testing::ReadBytes(w.dir.filePath("map.pdf")).isEmpty());
    Export(w, {PictureFormat::kPdf, 300, true}, w.dir.filePath("map.pdf"));
    const QByteArray written = quorel::testing::ReadBytes(w.dir.filePath("map.pdf"));
    QVERIFY(written.startsWith("%PDF"));
    QCOMPARE(written.count("/Type /Page") - written.count("/Type /Pages"), 1);
    QVERIFY(written.contains("/FontFile"));  // the labels are text

    // The PNG has the pixels the dialog promised, doubling with the
    // resolution, and carries its resolution.
    QSize at150;
    for (int dpi : {150, 300}) {
      const QString path = w.dir.filePath(QString("map%1.png").arg(dpi));
      const QString promised = Export(w, {PictureFormat::kPng, dpi, true}, path);
      const QImage png(path);
      QCOMPARE(promised, QString("%1 x %2 pixels").arg(png.width()).arg(png.height()));
      QCOMPARE(qRound(png.dotsPerMeterX() * 0.0254), dpi);
      if (dpi == 150) at150 = png.size();
      QVERIFY(std::abs(png.width() - dpi / 150 * at150.width()) <= 1);
      QVERIFY(std::abs(png.height() - dpi / 150 * at150.height()) <= 1);
      // The map fills the picture: as much white left of the unit circle as
      // right of it and below it.
      const QRect inked = quorel::testing::Inked(png);
      const int right = png.width() - 1 - inked.right(), below = png.height() - 1 - inked.bottom();
      QVERIFY(right > 0 && std::abs(inked.left() - right) <= 2 && std::abs(below - right) <= 2);
    }
  }

  void duringARunAndToAPlaceThatCannotBeWritten() {
    Window w(14);
    Session& s = *w.session;
    w.Press("cmdStart");
    QVERIFY(w.WaitForSweeps(5));
    const QString path = w.dir.filePath("running.svg");
    Export(w, {PictureFormat::kSvg, 300, true}, path);
    QVERIFY(w.Running());
    const Svg svg = ReadSvg(path, s.set.CircleDiameter / kTwipsPerPixel);
    QVERIFY(svg.well_formed);
    QCOMPARE(svg.circles, s.prob.NObjects);
    QVERIFY(w.Stop());

    MessageBoxCloser closer;
    const QString nowhere = w.dir.filePath("no/such/folder/map.png");
    Export(w, {PictureFormat::kPng, 300, true}, nowhere);
    QTRY_COMPARE(closer.texts.size(), 1);
    QVERIFY(closer.texts[0].contains("could not be written"));
    QVERIFY(!QFile::exists(nowhere));
  }
};

QTEST_MAIN(PictureExportTest)
#include "picture_export_test.moc"
