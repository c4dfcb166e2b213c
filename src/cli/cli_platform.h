// The batch solver's platform: messages on stderr, no screen, the real clock,
// and a progress line refreshed about once a second at the solver's yields.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "model/platform.h"

namespace quorel::cli {

class StderrPlatform : public Platform {
 public:
  void ShowMessage(const std::string& text) override;
  void Beep() override {}
  void PlayClickSound() override {}
  void PumpEvents() override;
  double SecondsSinceMidnight() override;
  DateTime Now() override;
  void RefreshCaptions() override {}
  void ObjectMoved(int) override {}
  void LabelAllObjects() override {}
  void LabelActiveObjects() override {}
  void ClearMapCanvas() override {}

  // Called at every yield of the solver.
  std::function<void()> on_yield;
  // While set, messages are kept here instead of being printed.
  std::vector<std::string>* captured = nullptr;
  int messages_shown = 0;
};

// Prints "sweep N  objective V" over the previous progress line, at most
// once a second; Finish ends the line.
class ProgressLine {
 public:
  explicit ProgressLine(bool enabled) : enabled_(enabled) {}
  void Update(long sweep, float objective);
  void Finish();

 private:
  bool enabled_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point next_{};
};

}  // namespace quorel::cli
