// Shared set-up of the window tests: a session whose settings live in a
// temporary folder, the main window shown on the offscreen platform, and
// helpers that act as the user.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGraphicsEllipseItem>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "model/defaults_file.h"
#include "solver/convergence.h"
#include "ui/main_form.h"
#include "ui/map_scene.h"
#include "ui/map_view.h"
#include "ui/solver_driver.h"

namespace quorel::testing {

// The child of `parent` with the program's object name.  A missing one ends
// the run at once: every later step of the test would act on nothing.
template <class T = QWidget>
T* Child(const QObject& parent, const QString& name) {
  T* child = parent.findChild<T*>(name);
  if (!child) qFatal("no child named %s", qPrintable(name));
  return child;
}

inline QAbstractButton* Button(const QObject& parent, const QString& name) {
  return Child<QAbstractButton>(parent, name);
}
inline QString PlainText(const QObject& parent, const QString& name) {
  return Child<QPlainTextEdit>(parent, name)->toPlainText();
}

// Closes every "Oops!" box as soon as it is shown and keeps its text.
class MessageBoxCloser : public QObject {
 public:
  MessageBoxCloser() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box && box->isVisible()) {
          texts << box->text();
          icons << box->icon();
          box->accept();
        }
      }
    });
    timer_.start();
  }
  QStringList texts;
  QList<QMessageBox::Icon> icons;

 private:
  QTimer timer_;
};

// Acts once on the first modal dialog of type T (named `name` if given) once
// it is active; a dialog left open is cancelled, so that no test hangs.
template <class T = QDialog>
class WhenShown {
 public:
  explicit WhenShown(std::function<void(T*)> act, QString name = {}) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this, act, name] {
      auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible() || (!name.isEmpty() && dialog->objectName() != name))
        return;
      timer_.stop();
      QApplication::setActiveWindow(dialog);
      (void)QTest::qWaitForWindowActive(dialog);
      done = true;
      act(dialog);
      if (dialog->isVisible()) static_cast<QDialog*>(dialog)->reject();
    });
    timer_.start();
  }
  bool done = false;

 private:
  QTimer timer_;
};

// Opens the dialog of menu entry `entry` and acts on it as WhenShown does.
template <class T = QDialog>
bool Answer(QAction* entry, std::function<void(T*)> act, QString name = {}) {
  WhenShown<T> when(std::move(act), std::move(name));
  entry->trigger();
  return when.done;
}

inline QString RepoData(const char* name) {
  return QString(QUOREL_REPO_DATA) + "/" + name;
}
inline QString WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  return path;
}
// The smallest rectangle that holds every pixel that is not white.
inline QRect Inked(const QImage& image) {
  QRect inked;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) inked |= QRect(x, y, 1, 1);
  return inked;
}
inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Window {
 public:
  explicit Window(const std::function<void(Session&)>& before = {}) {
    session->AppFolder = dir.path().toStdString() + "/";
    session->SettingsFolder = session->AppFolder;
    platform = std::make_unique<QtPlatform>(nullptr, session->AppFolder);
    InitSettings(*session, *platform);
    if (before) before(*session);
    form = std::make_unique<MainForm>(*session, *platform);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) qFatal("the main window was not shown");
  }
  // The window with built-in problem `special_case` loaded.
  explicit Window(int special_case, const std::function<void(Session&)>& before = {})
      : Window(before) {
    LoadCase(special_case);
  }

  // Loads built-in problem `number` through the Special Cases menu.
  void LoadCase(int number) {
    form->special_case_dialog_hook = [this, number] {
      session->set.SpecialCaseNum = number;
      return true;
    };
    Action("mnuSpecialCases")->trigger();
  }

  // Reads a data file the way the program does when the dialog is skipped.
  void ReadFile(const QString& path) {
    session->set.DataFileName = path.toStdString();
    session->ui.ReadWithoutDialog = true;
    Action("mnuReadDataFile")->trigger();
  }

  // Loads built-in problem `number` and runs it until it converges.
  bool Solve(int number) {
    LoadCase(number);
    session->set.AutoStop = true;
    SetConvergenceLimits(*session);
    Press("cmdStart");
    return WaitUntilIdle(60000);
  }

  // A control or menu entry of the main window.
  template <class T = QWidget>
  T* Find(const char* name) const {
    return Child<T>(*form, name);
  }
  QAbstractButton* Button(const char* name) const { return Find<QAbstractButton>(name); }
  QAction* Action(const char* name) const { return Find<QAction>(name); }
  QLabel* Label(const char* name) const { return Find<QLabel>(name); }
  MapView* View() const { return Find<MapView>("mapView"); }

  void Press(const char* name, Qt::KeyboardModifiers mods = Qt::NoModifier) const {
    QTest::mouseClick(Button(name), Qt::LeftButton, mods);
  }
  bool Stop() {
    Press("cmdStop");
    return WaitUntilIdle();
  }

  bool Running() const { return form->driver()->Running(); }
  // Lets the event loop, and so the solver, run until `done` holds.
  static bool WaitUntil(const std::function<bool()>& done, int timeout_ms = 30000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeout_ms) QTest::qWait(5);
    return done();
  }
  bool WaitUntilIdle(int timeout_ms = 30000) {
    return WaitUntil([this] { return !Running(); }, timeout_ms);
  }
  bool WaitForSweeps(long long sweeps) {
    return WaitUntil([&] { return session->run.TotalSweeps >= sweeps; });
  }
  // Lets the event loop go round `turns` times (a zero timer each turn), so
  // that whatever was queued, a solver slice included, has had its chance.
  void ServeEvents(int turns = 20) {
    for (int k = 0; k < turns; ++k) {
      bool served = false;
      QTimer::singleShot(0, [&served] { served = true; });
      QTRY_VERIFY_WITH_TIMEOUT(served, 10000);
    }
  }

  // A point of the map in twips as the viewport sees it.
  QPoint At(double x, double y) const { return View()->mapFromScene(QPointF(x, y)); }
  QPoint LabelCentre(int i) const {
    return At(session->map.CircleLeft[i] + session->set.PickRadius,
              session->map.CircleTop[i] + session->set.PickRadius);
  }
  QWidget* Viewport() const { return View()->viewport(); }

  void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::mousePress(Viewport(), Qt::LeftButton, mods, from);
    QTest::mouseMove(Viewport(), (from + to) / 2);
    QTest::mouseMove(Viewport(), to);
    QTest::mouseRelease(Viewport(), Qt::LeftButton, mods, to);
  }
  void Click(QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::mouseClick(Viewport(), Qt::LeftButton, mods, at);
  }
  // As a window system delivers it: the second press comes as a press and
  // then as a double click.
  void DoubleClick(QPoint at) {
    QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(Viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, at);
  }

  // The circle centre of object i in twips, from its scene item.
  QPointF ItemCentre(int i) {
    QGraphicsEllipseItem* item = form->map()->Circle(i);
    return item->pos() + item->rect().center();
  }

  QTemporaryDir dir;
  std::unique_ptr<Session> session = std::make_unique<Session>();
  std::unique_ptr<QtPlatform> platform;
  std::unique_ptr<MainForm> form;
};

}  // namespace quorel::testing
