// Sweeps per second of the solver running in the main window, circles
// animating, on a data file or a built-in problem:
//   bench_window FILE|SpecialCaseN [seconds]
// Run it on a display (or under Xvfb) and compare with
//   quorel-solve FILE --json   (sweeps / seconds)
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "model/defaults_file.h"
#include "ui/main_form.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_window FILE|SpecialCaseN [seconds]\n");
    return 2;
  }
  QApplication app(argc, argv);
  QTemporaryDir settings;
  auto s = std::make_unique<quorel::Session>();
  s->AppFolder = settings.path().toStdString() + "/";
  s->SettingsFolder = s->AppFolder;
  quorel::QtPlatform platform(nullptr, s->AppFolder);
  quorel::InitSettings(*s, platform);
  s->set.StartupProblem = argv[1];
  const double seconds = argc > 2 ? std::atof(argv[2]) : 6.0;

  quorel::MainForm window(*s, platform);
  window.show();
  window.LoadStartupProblem();
  if (s->prob.NObjects == 0) return 3;

  // Runs without automatic stop; the first second is left out (start-up).
  QElapsedTimer clock;
  long long first = 0;
  QTimer::singleShot(300, [&] { window.findChild<QPushButton*>("cmdStart")->click(); });
  QTimer::singleShot(1300, [&] {
    first = s->run.TotalSweeps;
    clock.start();
  });
  QTimer::singleShot(1300 + static_cast<int>(seconds * 1000), [&] {
    double elapsed = clock.elapsed() / 1000.0;
    long long sweeps = s->run.TotalSweeps - first;
    std::printf("window: %d objects, %lld sweeps in %.2f s = %.1f sweeps/s\n", s->prob.NObjects,
                sweeps, elapsed, sweeps / elapsed);
    window.close();
  });
  return app.exec();
}
