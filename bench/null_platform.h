// A Platform that does nothing, for the benchmarks.
#pragma once

#include "model/platform.h"

namespace quorel::bench {

class NullPlatform : public Platform {
 public:
  void ShowMessage(const std::string&) override {}
  void Beep() override {}
  void PlayClickSound() override {}
  void PumpEvents() override {}
  double SecondsSinceMidnight() override { return 0; }
  DateTime Now() override { return {}; }
  void RefreshCaptions() override {}
  void ObjectMoved(int) override {}
  void LabelAllObjects() override {}
  void LabelActiveObjects() override {}
  void ClearMapCanvas() override {}
};

}  // namespace quorel::bench
