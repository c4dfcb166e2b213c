#include "cli/cli_platform.h"

#include <cstdio>
#include <ctime>
#include <iostream>

namespace quorel::cli {

void StderrPlatform::ShowMessage(const std::string& text) {
  ++messages_shown;
  if (captured) {
    captured->push_back(text);
    return;
  }
  std::cerr << "Oops! " << text << '\n';
}

void StderrPlatform::PumpEvents() {
  if (on_yield) on_yield();
}

double StderrPlatform::SecondsSinceMidnight() {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  double fraction = duration<double>(now.time_since_epoch()).count();
  fraction -= static_cast<double>(static_cast<long long>(fraction));
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

DateTime StderrPlatform::Now() {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                  local.tm_hour,        local.tm_min,     local.tm_sec};
}

void ProgressLine::Update(long sweep, float objective) {
  if (!enabled_) return;
  auto now = std::chrono::steady_clock::now();
  if (now < next_) return;
  next_ = now + std::chrono::seconds(1);
  std::fprintf(stderr, "\rsweep %ld  objective %.6f   ", sweep, static_cast<double>(objective));
  std::fflush(stderr);
  shown_ = true;
}

void ProgressLine::Finish() {
  if (shown_) std::fputc('\n', stderr);
  shown_ = false;
}

}  // namespace quorel::cli
