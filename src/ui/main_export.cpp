// Pictures of the map and of the evaluation plots: File > Export Map and the
// Export button of each evaluation window.
#include <QLabel>

#include "ui/evaluation_form.h"
#include "ui/export_picture_form.h"
#include "ui/main_form.h"
#include "ui/map_picture.h"
#include "ui/map_scene.h"

namespace quorel {

void MainForm::ExportPictureCommand(const EvaluationForm* window) {
  if (s_.prob.NObjects == 0) return;
  map_->Flush();
  auto map_picture = [this] {
    std::vector<MapPicture::Caption> titles;
    for (const QLabel* title : {lblProvidedMsg, lblProvidedSubMsg})
      if (!title->isHidden()) titles.push_back({title->text(), title->font()});
    return std::make_unique<MapPicture>(s_, *map_, std::move(titles));
  };
  const QSizeF plot_size = window ? window->Figure()->LogicalSize() : QSizeF();
  ExportPictureForm form(picture_choice_, map_picture()->LogicalSize(), plot_size, this);
  const bool accepted = form.exec() == QDialog::Accepted;
  // A dialog over an evaluation window leaves the relabelling to it.
  if (!window) EnableTimer1();
  if (!accepted) return;
  picture_choice_ = form.Choice();
  const bool map = window == nullptr || picture_choice_.map;
  const int format = static_cast<int>(picture_choice_.format);
  const QString name = (map ? "QuorelMap." : "QuorelPlot.") + PictureSuffix(picture_choice_.format);
  const QString path =
      AskFileName(map ? "Export Map" : "Export Plot", name, true, kPictureFiles[format]);
  if (path.isEmpty()) return;
  // A run goes on while the dialogs are open; the picture is drawn here,
  // between two of its sweeps, from every circle moved to where its object
  // stands now.
  map_->Flush();
  const std::unique_ptr<ExportablePicture> picture = map ? map_picture() : window->Figure();
  const std::string refused = WritePicture(*picture, picture_choice_, path);
  if (refused.empty())
    platform_.PlayClickSound();
  else
    platform_.ShowMessage(refused);
}

}  // namespace quorel
