// The layout of the main window: the controls over the map, the map geometry
// from the window size, the control panel's optional buttons, and the
// window's state after a problem was loaded.
#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "control/dimensions_boundary.h"
#include "model/captions.h"
#include "model/map_layout.h"
#include "model/numeric.h"
#include "ui/main_form.h"
#include "ui/map_scene.h"
#include "ui/map_view.h"
#include "ui/online_button.h"

namespace quorel {

void MainForm::ArrangeOnlineButtons() {
  int pitch = cmdBadnessFns->y() - cmdMDSType->y();
  int next = cmdDimensions->y() + pitch;
  const std::pair<OnlineButton*, bool> optional[] = {{cmdDistanceFns, s_.set.ShowDistanceButton},
                                                     {cmdBoundary, s_.set.ShowBoundaryButton},
                                                     {cmdDegrade, s_.set.ShowPrecisionButton},
                                                     {cmdMappingWtFns, s_.set.ShowMapWtsButton}};
  for (auto [button, shown] : optional) {
    button->setVisible(shown);
    if (!shown) continue;
    button->move(button->x(), next);
    next += pitch;
  }
  cmdAttributeFns->move(cmdAttributeFns->x(), next);
  next += pitch;
  // 51 twips below the last button.
  frameOnlineControls->resize(frameOnlineControls->width(), next + RoundToInt(51 / kTwipsPerPixel));
}

void MainForm::LayOutForm() {
  if (isMinimized()) return;
  if (s_.map.FieldMode) {
    // What a zoom or a move did survives the new layout.
    field_->FinishMirror();
    field_->WriteBack();
  }
  int w = formArea->width();
  int h = formArea->height();
  view_->setGeometry(0, 0, w, h);

  QSize bottom = frameBottomControlGroup->sizeHint();
  int bottom_width = std::min(bottom.width(), w - 8);
  frameBottomControlGroup->setGeometry((w - bottom_width) / 2, h - bottom.height() - 6,
                                       bottom_width, bottom.height());
  int bottom_top = frameBottomControlGroup->y();
  PlaceFieldControls();

  ArrangeOnlineButtons();
  int panel_h = frameOnlineControls->height();
  frameOnlineControls->move(8, std::max(4, RoundToInt(0.15 * (h - panel_h))));

  lblStartUpMsg->setGeometry(0, 0, w, bottom_top);
  // The map: the view covers the whole area; its geometry follows in twips.
  view_->FitSceneToViewport(QSize(w, h));
  map_->SetArea(RoundToInt(w * kTwipsPerPixel), RoundToInt(h * kTwipsPerPixel));
  WindowMetrics metrics;
  metrics.inner_width = w * kTwipsPerPixel;
  metrics.inner_height = h * kTwipsPerPixel;
  metrics.bottom_group_top = bottom_top * kTwipsPerPixel;
  metrics.maximized = isMaximized();
  LayOutMap(s_, metrics);
  map_->UpdateGuides();

  // The titles use the width between the control panel and the parking
  // area's caption.
  int title_left = frameOnlineControls->x() + frameOnlineControls->width() + 8;
  int title_right = RoundToInt(s_.map.ParkingLeft / kTwipsPerPixel) - 8;
  int title_w = std::max(100, std::min(title_right - title_left, w - 2 * title_left));
  lblProvidedMsg->setGeometry((w - title_w) / 2, 4, title_w, 24);
  lblProvidedSubMsg->setGeometry((w - title_w) / 2, 28, title_w, 20);
  lblInitialPositionsMsg->setGeometry((w - title_w) / 2, 50, title_w, 20);
  QSize fn = lblObjFn->sizeHint();
  int value_w = 150;
  int fn_left = (w - fn.width() - value_w) / 2;
  lblObjFn->setGeometry(fn_left, 50, fn.width(), 20);
  lblObjFnValue->setGeometry(fn_left + fn.width(), 50, value_w, 20);
  lblBestObjFnValue->setGeometry(fn_left + fn.width(), 70, 260, 20);

  // The attribute lists below the parking area.
  int list_top = RoundToInt((s_.map.ParkingTop + s_.map.ParkingHeight) / kTwipsPerPixel) + 12;
  int list_left = RoundToInt(s_.map.ParkingLeft / kTwipsPerPixel);
  int list_w = RoundToInt(s_.map.ParkingWidth / kTwipsPerPixel) / 2;
  int list_h = std::max(60, bottom_top - 8 - list_top);
  frameActiveAttribs->setGeometry(list_left - 8, list_top, list_w + 4, list_h);
  frameParkedAttribs->setGeometry(list_left + list_w, list_top, list_w + 4, list_h);

  ApplyCaptionRules(s_);
  RefreshCaptions();

  Problem& p = s_.prob;
  if (p.NObjects >= 1 && s_.map.NCirclesLoaded == p.NObjects) {
    // The objects keep their coordinates; only their circles move.
    PlaceAllObjects(s_, platform_);
    Focus(FocusTarget::cmdStart);
    EnableTimer1();
  }
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == formArea && event->type() == QEvent::Resize) {
    LayOutForm();
    return false;
  }
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
    return KeyFilter(watched, event);
  return QMainWindow::eventFilter(watched, event);
}

void MainForm::ProblemLoaded() {
  if (s_.prob.NObjects < 1) {
    // A refused read leaves no problem: no circles, no control panel.
    s_.map.NCirclesLoaded = 0;
    map_->CreateCircles();
    map_->ClearMapCanvas();
    ShowProblemControls();
    FillAttributeLists();
    EnableProblemMenus();
    LayOutForm();
    return;
  }
  CreateCircles(s_);
  map_->CreateCircles();
  map_->ClearMapCanvas();
  LayOutForm();
  FirstPlacement(s_, platform_);
  ShowProblemControls();
  FillAttributeLists();
  EnableProblemMenus();
  RefreshCaptions();
  Focus(FocusTarget::cmdStart);
  EnableTimer1();
}

void MainForm::ShowProblemControls() {
  bool loaded = s_.prob.NObjects > 0;
  lblStartUpMsg->setVisible(!loaded);
  frameOnlineControls->setVisible(loaded);
  map_->SetParkingVisible(loaded);
  map_->UpdateGuides();
  bool attributes = loaded && s_.prob.NAttributes > 0;
  frameActiveAttribs->setVisible(attributes);
  frameParkedAttribs->setVisible(attributes);
  frameActiveAttribs->setEnabled(attributes);
  ShowRunLabels();
}

void MainForm::EnableProblemMenus() {
  const bool loaded = s_.prob.NObjects > 0;
  mnuExportMap->setEnabled(loaded);
  mnuObjects->setEnabled(loaded);
  mnuLinks->setEnabled(loaded);
  mnuAttributes->setEnabled(loaded && s_.prob.NAttributes > 0);
}

void MainForm::FillAttributeLists() {
  lstActiveAttributes->clear();
  lstParkedAttributes->clear();
  for (int k = 1; k <= s_.prob.NAttributes; ++k) {
    QString item = QString("  A%1").arg(k);
    (s_.prob.AttribParked[k] ? lstParkedAttributes : lstActiveAttributes)->addItem(item);
  }
}

}  // namespace quorel
