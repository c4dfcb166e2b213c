// A Platform that records what the core asked of it, for tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/platform.h"

namespace quorel::testing {

class FakePlatform : public Platform {
 public:
  std::vector<std::string> messages;
  int beeps = 0;
  int clicks = 0;
  int pumps = 0;
  int caption_refreshes = 0;
  int label_all = 0;
  int label_active = 0;
  int canvas_clears = 0;
  std::vector<int> moved;
  std::vector<FocusTarget> focus;
  bool record_moves = false;
  // The test drives the solver loop itself, as a front end does.
  bool hosts_solver_loop = false;
  // Seconds since midnight returned by the clock; advanced by clock_step on
  // every reading.
  double clock = 36000.0;
  double clock_step = 0.0;
  DateTime now{2026, 12, 6, 15, 4, 5};
  // Called on every event pump: lets a test act as the user inside a yield.
  std::function<void()> on_pump;

  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void Beep() override { ++beeps; }
  void PlayClickSound() override { ++clicks; }
  void PumpEvents() override {
    ++pumps;
    if (on_pump) on_pump();
  }
  double SecondsSinceMidnight() override {
    double t = clock;
    clock += clock_step;
    return t;
  }
  DateTime Now() override { return now; }
  void RefreshCaptions() override { ++caption_refreshes; }
  void ObjectMoved(int object) override {
    if (record_moves) moved.push_back(object);
  }
  void LabelAllObjects() override { ++label_all; }
  void LabelActiveObjects() override { ++label_active; }
  void ClearMapCanvas() override { ++canvas_clears; }
  void SetFocus(FocusTarget target) override { focus.push_back(target); }
  bool HostsSolverLoop() const override { return hosts_solver_loop; }

  // The message code word at the end of the last message ("ErrMsgR5"), or "".
  std::string LastCode() const;
  bool HasMessageEndingWith(const std::string& code) const;
};

inline std::string FakePlatform::LastCode() const {
  if (messages.empty()) return "";
  const std::string& m = messages.back();
  size_t space = m.find_last_of(' ');
  return space == std::string::npos ? m : m.substr(space + 1);
}

inline bool FakePlatform::HasMessageEndingWith(const std::string& code) const {
  for (const auto& m : messages)
    if (m.size() >= code.size() && m.compare(m.size() - code.size(), code.size(), code) == 0)
      return true;
  return false;
}

}  // namespace quorel::testing
