#include "base/progress.h"

#include <unistd.h>

#include <cstdio>

namespace pieceset {

Progress::Progress(std::string label, std::uint64_t total)
    : label_(std::move(label)),
      total_(total),
      enabled_(isatty(STDERR_FILENO) == 1),
      start_(std::chrono::steady_clock::now()),
      last_draw_(start_) {}

Progress::~Progress() {
  if (shown_) {
    std::fprintf(stderr, "\r%*s\r", 79, "");
    std::fflush(stderr);
  }
}

void Progress::SetLabel(std::string label) { label_ = std::move(label); }

void Progress::Advance(std::uint64_t amount) {
  done_ += amount;
  if (!enabled_) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - start_ < std::chrono::milliseconds(500)) return;
  if (shown_ && now - last_draw_ < std::chrono::milliseconds(100)) return;
  last_draw_ = now;
  Draw();
}

void Progress::Draw() {
  const unsigned percent =
      total_ == 0 ? 100 : static_cast<unsigned>(done_ * 100 / total_);
  char rate[48] = "";
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  if (rate_ && done_ > 0 && seconds > 0) {
    const double per_second = done_ / seconds;
    const auto left = static_cast<unsigned>((total_ - done_) / per_second);
    const bool fast = per_second >= 10 * 1024 * 1024;
    std::snprintf(rate, sizeof rate, ", %.0f %s, %u:%02u left",
                  per_second / (fast ? 1024 * 1024 : 1024), fast ? "MiB/s" : "KiB/s", left / 60,
                  left % 60);
  }
  std::fprintf(stderr, "\rpieceset: %s %3u%%%s  ", label_.c_str(), percent, rate);
  std::fflush(stderr);
  shown_ = true;
}

}  // namespace pieceset
