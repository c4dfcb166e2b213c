// Quorel: interactive multidimensional scaling.
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/defaults_file.h"
#include "model/program_files.h"
#include "model/session.h"
#include "output/edit_commands.h"
#include "ui/main_form.h"
#include "ui/quorel_application.h"

namespace {

// The folders of the program, its data files and its settings.  An
// installed program never writes into its own folder, even where it could
// (run by root, say): its settings go to the user's configuration folder.
void FindFolders(quorel::Session& s) {
  s.AppFolder = QCoreApplication::applicationDirPath().toStdString() + "/";
  s.DataFolder = quorel::InstalledDataFolder(s.AppFolder);
  s.SettingsFolder = quorel::ChooseSettingsFolder(s.DataFolder.empty() ? s.AppFolder : "");
}

bool AsksForInformation(int argc, char** argv) {
  for (int k = 1; k < argc; ++k)
    if (!std::strcmp(argv[k], "--help") || !std::strcmp(argv[k], "--version")) return true;
  return false;
}

// --help and --version: the version and where the program's files are,
// without opening a window.
int PrintInformation(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  quorel::Session s;
  FindFolders(s);
  std::string help = quorel::HelpFilePath(s);
  std::string example = quorel::ProgramFilePath(s, s.set.DataFileName);
  std::printf(
      "usage: quorel [--help | --version]\n\n"
      "Quorel %s: interactive multidimensional scaling.\n"
      "Help text:     %s\n"
      "Example data:  %s\n"
      "Settings:      %s\n",
      quorel::VersionText, help.c_str(), example.c_str(), quorel::DefaultsFilePath(s).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (AsksForInformation(argc, argv)) return PrintInformation(argc, argv);
  quorel::QuorelApplication app(argc, argv);
  auto session = std::make_unique<quorel::Session>();
  FindFolders(*session);

  quorel::QtPlatform platform(nullptr, quorel::ProgramFileFolder(*session, "ClickCmd.wav"));
  quorel::InitSettings(*session, platform);
  quorel::MainForm window(*session, platform);
  window.show();
  // Inside the event loop, so that a fault while loading is caught there too.
  QTimer::singleShot(0, &window, [&window] { window.LoadStartupProblem(); });
  return app.exec();
}
