// A percentage on stderr for work that takes longer than a moment.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace pieceset {

// Shown only when stderr is a terminal and the work has already taken
// longer than half a second; cleared when it goes.
class Progress {
 public:
  Progress(std::string label, std::uint64_t total);
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;
  ~Progress();
  void Advance(std::uint64_t amount);
  void SetLabel(std::string label);
  // Also the rate and the time left, for a total in bytes from a slow drive.
  void ShowRate() { rate_ = true; }

 private:
  void Draw();
  std::string label_;
  std::uint64_t total_;
  std::uint64_t done_ = 0;
  bool enabled_;
  bool rate_ = false;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point last_draw_;
};

}  // namespace pieceset
