// Drives the resumable solver loop from the window's event loop: a
// zero-interval timer runs the loop from yield to yield (never inside
// another event loop), and a display timer moves the circles that the
// solver moved and shows the labels it changed, about sixty times a second.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "model/session.h"
#include "solver/solver_loop.h"
#include "ui/qt_platform.h"

namespace quorel {

class SolverDriver : public QObject {
  Q_OBJECT

 public:
  SolverDriver(Session& s, QtPlatform& platform, QObject* parent = nullptr);

  // Starts driving when a handler asked for a solver run or a loop is active.
  void Kick();
  bool Running() const { return slice_timer_.isActive(); }
  // Stops driving for good (the window closes): the loop is given up, and a
  // handler that runs the solver afterwards runs it itself.
  void Shutdown();
  // Gives up the loop after a fault of the program broke it.
  void Abandon();

 signals:
  // Driving started or ended.
  void RunningChanged(bool running);
  // A display frame is due while driving: time to show what the solver moved.
  void FrameDue();

 private:
  // Longest time one turn of the event loop spends in the solver.
  static constexpr int kSliceBudgetMs = 8;

  void Slice();
  void Stop();

  Session& s_;
  QtPlatform& platform_;
  SolverLoop loop_;
  QTimer slice_timer_;
  QTimer frame_timer_;
  bool shut_down_ = false;
};

}  // namespace quorel
