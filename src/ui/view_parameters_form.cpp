#include "ui/view_parameters_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/map_layout.h"
#include "ui/label_canvas.h"
#include "ui/map_colors.h"
#include "ui/special_cases_form.h"

namespace quorel {

namespace {

const char* const kExplainColor =
    "RIM COLOR:  The circle's rim color (shown below) is the same for all objects.  Using black "
    "circles is best if the map will be printed directly from the screen.";
const char* const kExplainWidthDown =
    "RIM WIDTH:  The circle's rim width (shown below) is the same for all objects.  Rim width has "
    "no affect on the solution process.  It is usually best to keep the rim thin to emphasize the "
    "whole problem rather than individual objects.  ";
const char* const kExplainWidthUp =
    "RIM WIDTH:  The circle's rim width (shown below) is the same for all objects.  Rim width has "
    "no affect on the solution process.  It is usually best to keep the rim thin to emphasize the "
    "whole problem rather than on individual units of the problem.  ";
const char* const kExplainRadius =
    "CIRCLE RADIUS:  The circle's radius (shown below) is the same for all objects.  The best "
    "value depends on the number of objects in the problem and whether or not numbering or "
    "coloring is used.  Problems with a very large number of objects should have naming turned "
    "off, rim thickness reduced, and the radius set to a small value.  ";
const char* const kExplainAxes =
    "SHOW AXES:  Some, perhaps most, users like to show axes on the map.  However, these axes are "
    "completely arbitrary to QUOREL.  Axes have meaning only when an analyst assigns them "
    "meaning.  To the casual observer axes can be misleading because they think the map's "
    "coordinates MUST be interpretable, but that is not the case.  ";
const char* const kExplainUnitCircle =
    "SHOW UNIT CIRCLE:  A consequence of using [0,1] dissimilarity limits is that all objects "
    "will lie in the unit circle.  For instance, if only two entirely dissimilar objects are "
    "mapped their separation distance will equal the radius of the unit circle.  Showing this "
    "circle can help provide perspective.  It lets the user guage the importance of the "
    "distances being shown.  It in no way affects the solution or the solution procedure.  ";
const char* const kExplainObjectID[3] = {
    "OBJECT NUMBERING:  When the solution algorithm stops, the objects are numbered according to "
    "the object's entry order in the data file.  This is useful for identifying objects, but can "
    "be confusing if  the number of objects is large.  ",
    "OBJECT NAMING:  When the solution algorithm stops, the objects are labeled with a name "
    "provided in the input data file.  This can be useful for identifying objects, but can be "
    "confusing if  the lengths of the names are long.  This option is greyed-out if there are no "
    "names given in the data file. ",
    "OBJECTS NOT IDENTIFIED:  Sometimes it is better to apply object names after-the-fact using a "
    "professional graphics program.  This is especially true, for example, when publication or "
    "presentation quality is required.  Making these layouts can be facilitated by leaving the "
    "objects unidentified on the QUOREL map. "};
const char* const kExplainCentering[2] = {
    "The objective function is modified to encourage the objects to seek the center of any range "
    "of equally acceptable positions.  This modification slightly increases the optimal value of "
    "the objective function.  ",
    "No adjustment is made to an object's position once it is within its prescribed bounds.  "
    "Thus, while very unlikely, there may be an infinite number of solutions.  In practice, this "
    "only happens with ordinal MDS and very small problems.  Use the Jiggle button to explore "
    "these multiple solutions."};
const char* const kExplainBoundaryButton =
    "SHOW BOUNDARY BUTTON:  This allows boundary control using a shortcut button on the main "
    "screen.  It can be turned off to simplify the screen if one is not interested in using "
    "boundary conditions.  ";
const char* const kExplainMapWtsButton =
    "SHOW MAP WTS BUTTON:  This allows mapping weights control using a shortcut button on the "
    "main screen.  It can be turned off to simplify the screen if one is not interested in "
    "applying mapping weights to the objects.  ";
const char* const kExplainPrecisionButton =
    "SHOW PRECISION BUTTON:  This allows precision level control using a shortcut button on the "
    "main screen.  It can be turned off to simplify the screen if one is not interested in "
    "changing data precision.  ";
const char* const kExplainDistanceButton =
    "SHOW DISTANCE BUTTON:  This allows distance function control using a shortcut button on the "
    "main screen.  It can be turned off to simplify the screen if one is content with Euclidean "
    "distances.  ";

// The sample objects of the preview and their map positions.
struct Sample {
  const char* name;
  double x, y;
};
constexpr Sample kSamples[3] = {{"Tom", -0.55, 0.3}, {"Dick", 0.45, 0.4}, {"Harry", 0.05, -0.45}};

constexpr int kPreviewWidthPx = 300;
constexpr int kPreviewHeightPx = 220;
constexpr int kPreviewUnitRadiusPx = 85;

}  // namespace

// The preview: the unit circle, the axes and three sample circles with their
// labels, drawn by the map's own rules (twips, label centred on the label
// centre, text in the rim colour).
class ViewPreview : public QWidget {
 public:
  ViewPreview(const Session& s, const ViewChoices& choices, QWidget* parent)
      : QWidget(parent), s_(s), choices_(choices) {
    setObjectName("picViewing");
    setFixedSize(kPreviewWidthPx, kPreviewHeightPx);
    canvas_.Resize(Twips(kPreviewWidthPx), Twips(kPreviewHeightPx));
  }

  QStringList Labels() const { return canvas_.TextsShown(); }

  void Relabel() {
    canvas_.Clear();
    const ViewChoices& c = choices_;
    int pick = PickRadiusFor(c.CircleDiameter);
    for (int k = 0; k < 3; ++k) {
      QString text = c.ObjectIDMethodNum == kIdByNumber ? QString::number(k + 1)
                     : c.ObjectIDMethodNum == kIdByName ? QString(kSamples[k].name)
                                                        : QString();
      if (text.isEmpty()) continue;
      QSizeF size = canvas_.TextSize(text);
      QPoint corner = Corner(k);
      ScreenPoint at = LabelCorner(corner.x(), corner.y(), pick, size.width(), size.height());
      canvas_.Print(text, at.left, at.top, PaletteColor(c.RimColorNum));
    }
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(QPoint(0, 0), canvas_.Image(devicePixelRatioF()));
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    p.setBrush(Qt::NoBrush);
    const ViewChoices& c = choices_;
    double r = Twips(kPreviewUnitRadiusPx);
    QPointF centre = Centre();
    QPen guide(ColorFromBgr(s_.set.GuideColor));
    if (c.ShowUnitCircle) {
      guide.setWidthF(s_.set.GuideWidth * kTwipsPerPixel);
      p.setPen(guide);
      p.drawEllipse(centre, r, r);  // shpViewingBdy
    }
    if (c.ShowAxes) {
      guide.setWidthF(kTwipsPerPixel);
      p.setPen(guide);
      double mid = kTwipsPerPixel / 2;  // the middle of a pixel keeps a thin line sharp
      p.drawLine(QPointF(centre.x() - r, centre.y() + mid),
                 QPointF(centre.x() + r, centre.y() + mid));  // shpXaxis
      p.drawLine(QPointF(centre.x() + mid, centre.y() - r),
                 QPointF(centre.x() + mid, centre.y() + r));  // shpYaxis
    }
    QPen rim(PaletteColor(c.RimColorNum));
    rim.setWidthF(c.RimWidth * kTwipsPerPixel);
    p.setPen(rim);
    for (int k = 0; k < 3; ++k)  // shpViewingCircle
      p.drawEllipse(QRectF(Corner(k), QSizeF(c.CircleDiameter, c.CircleDiameter)));
  }

 private:
  static int Twips(int px) { return static_cast<int>(px * kTwipsPerPixel); }
  QPointF Centre() const {
    return QPointF(Twips(kPreviewWidthPx) / 2, Twips(kPreviewHeightPx) / 2);
  }
  // Corner of sample k's circle, placed as the map places an object.
  QPoint Corner(int k) const {
    int half = choices_.CircleDiameter / 2;
    double unit = Twips(kPreviewUnitRadiusPx);
    return QPoint(static_cast<int>(std::lround(kSamples[k].x * unit + Centre().x() - half)),
                  static_cast<int>(std::lround(-kSamples[k].y * unit + Centre().y() - half)));
  }

  const Session& s_;
  const ViewChoices& choices_;
  LabelCanvas canvas_;
};

ViewParametersSelectionForm::ViewParametersSelectionForm(Session& s, QWidget* parent)
    : QDialog(parent), s_(s), choices_(LoadViewChoices(s)) {
  setObjectName("ViewParametersSelectionForm");
  setWindowTitle("View Options");

  preview_ = new ViewPreview(s_, choices_, this);
  txtExplaination = new QPlainTextEdit(this);
  txtExplaination->setObjectName("txtExplaination");
  txtExplaination->setReadOnly(true);
  txtExplaination->setMinimumHeight(110);

  auto* cmdOK = new QPushButton("OK", this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setToolTip("Implement all changes and exit.");
  cmdOK->setDefault(true);
  auto* cmdCancel = new QPushButton("Cancel", this);
  cmdCancel->setObjectName("cmdCancel");
  cmdCancel->setToolTip("Ignore all changes and exit.");
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(CreateCircleControls());
  auto* frame = new QGroupBox("Preview", this);
  auto* frame_box = new QVBoxLayout(frame);
  frame_box->addWidget(preview_, 0, Qt::AlignCenter);
  left->addWidget(frame);
  auto* right = new QVBoxLayout;
  right->addWidget(CreateIdentification());
  right->addWidget(CreateGuides());
  right->addWidget(CreateCentering());
  right->addWidget(CreateOptionalButtons());
  right->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  auto* explanation = new QGroupBox("Explanation", this);
  auto* explanation_box = new QVBoxLayout(explanation);
  explanation_box->addWidget(txtExplaination);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  auto* column = new QVBoxLayout(this);
  column->addLayout(columns);
  column->addWidget(explanation);
  column->addLayout(buttons);
  Changed();
}

QWidget* ViewParametersSelectionForm::CreateCircleControls() {
  auto* frame = new QGroupBox("Object Circles", this);
  auto* grid = new QGridLayout(frame);
  struct Row {
    const char* caption;
    const char* down;
    const char* up;
  };
  const Row rows[3] = {{"Rim color", "cmdDnColor", "cmdUpColor"},
                       {"Rim width", "cmdDnWidth", "cmdUpWidth"},
                       {"Circle size", "cmdDnRadius", "cmdUpRadius"}};
  for (int r = 0; r < 3; ++r) {
    grid->addWidget(new QLabel(rows[r].caption, frame), r, 0);
    for (StepDirection d : {StepDirection::kDown, StepDirection::kUp}) {
      auto* button = new QToolButton(frame);
      bool up = d == StepDirection::kUp;
      button->setObjectName(up ? rows[r].up : rows[r].down);
      button->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
      button->setAutoRepeat(true);
      grid->addWidget(button, r, up ? 2 : 1);
      connect(button, &QToolButton::clicked, this, [this, r, d, up] {
        switch (r) {
          case 0:
            choices_.RimColorNum = StepRimColor(choices_.RimColorNum, d);
            Explain(kExplainColor);
            break;
          case 1:
            choices_.RimWidth = StepRimWidth(choices_.RimWidth, d);
            Explain(up ? kExplainWidthUp : kExplainWidthDown);
            break;
          default:
            choices_.CircleDiameter = StepCircleDiameter(choices_.CircleDiameter, d);
            Explain(kExplainRadius);
            break;
        }
        Changed();
      });
    }
  }
  for (int r = 0; r < 3; ++r) {
    values_[r] = new QLabel(frame);
    values_[r]->setMinimumWidth(90);
    grid->addWidget(values_[r], r, 3);
  }
  grid->setColumnStretch(3, 1);
  return frame;
}

QWidget* ViewParametersSelectionForm::CreateIdentification() {
  auto* frame = new QGroupBox("Object Identification", this);
  auto* box = new QVBoxLayout(frame);
  optObjectID = new QButtonGroup(this);
  const char* captions[3] = {"Numbers", "Names", "None"};
  for (int k = 0; k < 3; ++k) {
    auto* option = new QRadioButton(captions[k], frame);
    option->setObjectName(QString("optObjectID_%1").arg(k));
    optObjectID->addButton(option, k);
    box->addWidget(option);
  }
  optObjectID->button(kIdByName)->setEnabled(s_.prob.ObjNamesGiven);
  optObjectID->button(choices_.ObjectIDMethodNum)->setChecked(true);
  connect(optObjectID, &QButtonGroup::idClicked, this, [this](int k) {
    choices_.ObjectIDMethodNum = k;
    Explain(kExplainObjectID[k]);
    Changed();
  });
  return frame;
}

QWidget* ViewParametersSelectionForm::CreateGuides() {
  auto* frame = new QGroupBox("Map Guides", this);
  auto* box = new QVBoxLayout(frame);
  chkShowAxes = new QCheckBox("Show axes", frame);
  chkShowAxes->setObjectName("chkShowAxes");
  chkShowAxes->setChecked(choices_.ShowAxes);
  chkShowBoundary = new QCheckBox("Show unit circle", frame);
  chkShowBoundary->setObjectName("chkShowBoundary");
  chkShowBoundary->setChecked(choices_.ShowUnitCircle);
  box->addWidget(chkShowAxes);
  box->addWidget(chkShowBoundary);
  connect(chkShowAxes, &QCheckBox::clicked, this, [this](bool on) {
    choices_.ShowAxes = on;
    Explain(kExplainAxes);
    Changed();
  });
  connect(chkShowBoundary, &QCheckBox::clicked, this, [this](bool on) {
    choices_.ShowUnitCircle = on;
    Explain(kExplainUnitCircle);
    Changed();
  });
  return frame;
}

QWidget* ViewParametersSelectionForm::CreateCentering() {
  auto* frame = new QGroupBox("Object Centering", this);
  auto* box = new QVBoxLayout(frame);
  optCenteringInBounds = new QButtonGroup(this);
  const char* captions[2] = {"Bounds or Rank Centered", "Centering Indifferent"};
  for (int k = 0; k < 2; ++k) {
    auto* option = new QRadioButton(captions[k], frame);
    option->setObjectName(QString("optCenteringInBounds_%1").arg(k));
    optCenteringInBounds->addButton(option, k);
    box->addWidget(option);
  }
  optCenteringInBounds->button(choices_.CentreInBounds ? 0 : 1)->setChecked(true);
  connect(optCenteringInBounds, &QButtonGroup::idClicked, this, [this](int k) {
    choices_.CentreInBounds = k == 0;
    Explain(kExplainCentering[k]);
  });
  return frame;
}

QWidget* ViewParametersSelectionForm::CreateOptionalButtons() {
  auto* frame = new QGroupBox("Optional Buttons on the Main Screen", this);
  auto* box = new QVBoxLayout(frame);
  struct Check {
    const char* name;
    const char* caption;
    bool Settings::*flag;
    const char* explanation;
  };
  const Check checks[4] = {
      {"chkShowBoundaryButton", "Boundary", &Settings::ShowBoundaryButton, kExplainBoundaryButton},
      {"chkShowPrecisionButton", "Precision", &Settings::ShowPrecisionButton,
       kExplainPrecisionButton},
      {"chkShowMapWtsButton", "Mapping weights", &Settings::ShowMapWtsButton, kExplainMapWtsButton},
      {"chkShowDistanceButton", "Distance", &Settings::ShowDistanceButton, kExplainDistanceButton}};
  for (const Check& c : checks) {
    auto* check = new QCheckBox(c.caption, frame);
    check->setObjectName(c.name);
    check->setChecked(s_.set.*c.flag);
    box->addWidget(check);
    // These act at once and stay when the dialog is cancelled.
    connect(check, &QCheckBox::clicked, this, [this, c](bool on) {
      s_.set.*c.flag = on;
      Explain(c.explanation);
      emit OptionalButtonsChanged();
    });
  }
  return frame;
}

void ViewParametersSelectionForm::Explain(const char* text) {
  txtExplaination->setPlainText(QString::fromLatin1(text));
}

void ViewParametersSelectionForm::Changed() {
  const ViewChoices& c = choices_;
  values_[0]->setText(QString("<span style='color:%1'>&#9632;</span> %2")
                          .arg(PaletteColor(c.RimColorNum).name())
                          .arg(c.RimColorNum));
  values_[1]->setText(QString("%1 px").arg(c.RimWidth));
  values_[2]->setText(QString("%1 twips").arg(c.CircleDiameter));
  preview_->Relabel();
}

void ViewParametersSelectionForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_P && (event->modifiers() & Qt::ControlModifier)) {
    PrintWidget(this);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace quorel
