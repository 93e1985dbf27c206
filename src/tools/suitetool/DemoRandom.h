// The demo's own random numbers: the same seed gives the same sequence on every
// platform and library (no std distributions, whose results are not portable).
#pragma once

#include <cstdint>

namespace suitetool {

class DemoRandom {
 public:
  explicit DemoRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // 0 <= result < bound (bound > 0).
  std::uint64_t Below(std::uint64_t bound) { return Next() % bound; }
  // min <= result <= max.
  std::int64_t Between(std::int64_t min, std::int64_t max) {
    return min + static_cast<std::int64_t>(Below(static_cast<std::uint64_t>(max - min + 1)));
  }
  // True with the given chance in percent.
  bool Percent(int chance) { return Below(100) < static_cast<std::uint64_t>(chance); }
  // An amount in whole cents between min and max euros, as euros.
  double Cents(double min, double max) {
    const auto low = static_cast<std::int64_t>(min * 100);
    const auto high = static_cast<std::int64_t>(max * 100);
    return static_cast<double>(Between(low, high)) / 100.0;
  }

 private:
  std::uint64_t state_;
};

}  // namespace suitetool
