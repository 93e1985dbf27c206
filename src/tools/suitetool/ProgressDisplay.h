// A percentage on one line of a stream, rewritten at most a few times per second.
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

namespace suitetool {

class ProgressDisplay {
 public:
  // stream null: nothing is shown.
  ProgressDisplay(std::ostream* stream, std::string label, std::uint64_t total);

  void Update(std::uint64_t done);
  // Shows 100 % and ends the line.
  void Finish();

 private:
  void Show(int percent);

  std::ostream* stream_;
  std::string label_;
  std::uint64_t total_;
  int shownPercent_ = -1;
  std::chrono::steady_clock::time_point lastShown_{};
};

}  // namespace suitetool
