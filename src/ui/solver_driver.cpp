#include "ui/solver_driver.h"

#include "control/solver_host.h"

namespace quorel {

SolverDriver::SolverDriver(Session& s, QtPlatform& platform, QObject* parent)
    : QObject(parent), s_(s), platform_(platform) {
  platform_.SetHostsSolverLoop(true);
  slice_timer_.setInterval(0);
  connect(&slice_timer_, &QTimer::timeout, this, &SolverDriver::Slice);
  frame_timer_.setInterval(16);
  frame_timer_.setTimerType(Qt::PreciseTimer);
  connect(&frame_timer_, &QTimer::timeout, this, &SolverDriver::FrameDue);
}

void SolverDriver::Kick() {
  if (shut_down_) return;
  // A requested run begins at once, as if the handler had entered the loop
  // itself, so that a Stop pressed before the first sweep finds it running.
  if (s_.run.SolverEntryPending && !s_.run.LoopActive) SolverPoll(loop_, s_, platform_);
  if (slice_timer_.isActive()) return;
  if (!s_.run.SolverEntryPending && !s_.run.LoopActive) return;
  slice_timer_.start();
  frame_timer_.start();
  emit RunningChanged(true);
}

void SolverDriver::Slice() {
  // A message box shown by the solver runs its own event loop; the loop
  // must not be entered again from there.
  if (loop_.InAdvance()) return;
  QElapsedTimer clock;
  clock.start();
  bool more = true;
  while (more && clock.elapsed() < kSliceBudgetMs) more = SolverPoll(loop_, s_, platform_);
  if (!more) Stop();
}

void SolverDriver::Stop() {
  slice_timer_.stop();
  frame_timer_.stop();
  emit RunningChanged(false);
}

void SolverDriver::Abandon() {
  loop_.Abandon(s_);
  if (Running()) Stop();
}

void SolverDriver::Shutdown() {
  shut_down_ = true;
  slice_timer_.stop();
  frame_timer_.stop();
  // Nothing advances this loop any more; a loop left active would turn every
  // later request to run the solver into one that is never honoured.
  if (s_.run.LoopActive && !loop_.InAdvance()) loop_.Abandon(s_);
  platform_.SetHostsSolverLoop(false);
}

}  // namespace quorel
