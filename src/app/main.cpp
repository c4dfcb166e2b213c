// Quorel: interactive multidimensional scaling.
#include <QTimer>

#include "model/defaults_file.h"
#include "model/session.h"
#include "ui/main_form.h"
#include "ui/quorel_application.h"

int main(int argc, char** argv) {
  quorel::QuorelApplication app(argc, argv);
  auto session = std::make_unique<quorel::Session>();
  session->AppFolder = QCoreApplication::applicationDirPath().toStdString() + "/";
  session->SettingsFolder = quorel::ChooseSettingsFolder(session->AppFolder);

  quorel::QtPlatform platform(nullptr, session->AppFolder);
  quorel::InitSettings(*session, platform);
  quorel::MainForm window(*session, platform);
  window.show();
  // Inside the event loop, so that a fault while loading is caught there too.
  QTimer::singleShot(0, &window, [&window] { window.LoadStartupProblem(); });
  return app.exec();
}
