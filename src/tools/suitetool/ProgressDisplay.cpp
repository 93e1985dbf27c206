#include "suitetool/ProgressDisplay.h"

namespace suitetool {
namespace {

constexpr auto kInterval = std::chrono::milliseconds(250);

}  // namespace

ProgressDisplay::ProgressDisplay(std::ostream* stream, std::string label, std::uint64_t total)
    : stream_(stream), label_(std::move(label)), total_(total) {}

void ProgressDisplay::Update(std::uint64_t done) {
  if (!stream_ || total_ == 0) return;
  const auto now = std::chrono::steady_clock::now();
  if (shownPercent_ >= 0 && now - lastShown_ < kInterval) return;
  const int percent = static_cast<int>(done * 100 / total_);
  if (percent == shownPercent_) return;
  lastShown_ = now;
  Show(percent > 100 ? 100 : percent);
}

void ProgressDisplay::Finish() {
  if (!stream_) return;
  Show(100);
  *stream_ << '\n' << std::flush;
}

void ProgressDisplay::Show(int percent) {
  shownPercent_ = percent;
  *stream_ << '\r' << label_ << ": " << percent << " %" << std::flush;
}

}  // namespace suitetool
