#include "ui/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTime>

namespace quorel {

QtPlatform::QtPlatform(QWidget* parent, std::string app_folder)
    : parent_(parent), app_folder_(std::move(app_folder)) {}

void QtPlatform::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::Information, "Oops!", QString::fromLatin1(text.c_str()),
                  QMessageBox::Ok, parent_);
  box.exec();
}

void QtPlatform::Beep() {
  QApplication::beep();
}

void QtPlatform::PlayClickSound() {
  // The sound is played from the program folder when its path has no blank,
  // else from the current folder; without a player or a file it stays silent.
  QString path;
  QString in_app = QString::fromStdString(app_folder_) + "ClickCmd.wav";
  if (QFileInfo::exists(in_app) && !QString::fromStdString(app_folder_).contains(' ')) {
    path = in_app;
  } else if (QFileInfo::exists("ClickCmd.wav")) {
    path = "ClickCmd.wav";
  } else {
    return;
  }
  if (qEnvironmentVariableIsSet("QUOREL_SILENT")) return;
  QString player = QStandardPaths::findExecutable("aplay");
  if (player.isEmpty()) return;
  QProcess::startDetached(player, {"-q", path});
}

void QtPlatform::PumpEvents() {
  QApplication::processEvents();
}

double QtPlatform::SecondsSinceMidnight() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

DateTime QtPlatform::Now() {
  QDateTime now = QDateTime::currentDateTime();
  return {now.date().year(), now.date().month(),  now.date().day(),
          now.time().hour(), now.time().minute(), now.time().second()};
}

void QtPlatform::RefreshCaptions() {
  if (on_refresh_captions) on_refresh_captions();
}
void QtPlatform::ObjectMoved(int object) {
  if (on_object_moved) on_object_moved(object);
}
void QtPlatform::LabelAllObjects() {
  if (on_label_all) on_label_all();
}
void QtPlatform::LabelActiveObjects() {
  if (on_label_active) on_label_active();
}
void QtPlatform::ClearMapCanvas() {
  if (on_clear_canvas) on_clear_canvas();
}
void QtPlatform::FileSaved(const std::string& path) {
  if (on_file_saved) on_file_saved(path);
}

void QtPlatform::SetFocus(FocusTarget target) {
  if (on_focus) on_focus(target);
}
void QtPlatform::SetWaitCursor(bool on) {
  if (on)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

}  // namespace quorel
