// Quorel: interactive multidimensional scaling.
#include <QApplication>

#include "model/defaults_file.h"
#include "model/session.h"
#include "ui/main_form.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  auto session = std::make_unique<quorel::Session>();
  session->AppFolder = QCoreApplication::applicationDirPath().toStdString() + "/";
  session->SettingsFolder = quorel::ChooseSettingsFolder(session->AppFolder);

  quorel::QtPlatform platform(nullptr, session->AppFolder);
  quorel::InitSettings(*session, platform);
  quorel::MainForm window(*session, platform);
  window.show();
  window.LoadStartupProblem();
  return app.exec();
}
