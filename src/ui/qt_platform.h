// The Qt side of the core's platform interface.
#pragma once

#include <functional>

#include "model/platform.h"

class QWidget;

namespace quorel {

class QtPlatform : public Platform {
 public:
  // `parent` owns the message boxes; `app_folder` holds ClickCmd.wav.
  QtPlatform(QWidget* parent, std::string app_folder);

  // Message boxes are centred on this window.
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const std::string& text) override;
  void Beep() override;
  void PlayClickSound() override;
  void PumpEvents() override;
  double SecondsSinceMidnight() override;
  DateTime Now() override;
  void RefreshCaptions() override;
  void ObjectMoved(int object) override;
  void LabelAllObjects() override;
  void LabelActiveObjects() override;
  void ClearMapCanvas() override;
  void SetFocus(FocusTarget target) override;
  void SetWaitCursor(bool on) override;
  void FileSaved(const std::string& path) override;
  bool HostsSolverLoop() const override { return hosts_solver_loop_; }

  // The solver driver drives the loop from the event loop while it lives.
  void SetHostsSolverLoop(bool hosts) { hosts_solver_loop_ = hosts; }

  // The window connects these to its own routines.
  std::function<void()> on_refresh_captions;
  std::function<void(int)> on_object_moved;
  std::function<void()> on_label_all, on_label_active, on_clear_canvas;
  std::function<void(FocusTarget)> on_focus;
  std::function<void(const std::string&)> on_file_saved;

 private:
  QWidget* parent_;
  std::string app_folder_;
  bool hosts_solver_loop_ = false;
};

}  // namespace quorel
