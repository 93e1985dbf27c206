// The booking list's long loops (reading, combining a year of bookings) let the window
// process its messages every few hundredths of a second, however slow a single row is.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

#include "suite/QTXInfo.h"

class TVerarbeitungsTakt {
 public:
  static constexpr std::chrono::milliseconds kAbstand{40};

  // fortschritt, when given, hears the number of steps before each pause.
  explicit TVerarbeitungsTakt(std::function<void(std::size_t)> fortschritt = {})
      : fortschritt_(std::move(fortschritt)) {}

  // One row done.
  void Schritt() {
    ++schritte_;
    const auto jetzt = std::chrono::steady_clock::now();
    if (jetzt - letzte_ < kAbstand) return;
    if (fortschritt_) fortschritt_(schritte_);
    QTXInfo().QTXInfoProcessMessages(0);
    letzte_ = std::chrono::steady_clock::now();
  }

 private:
  std::function<void(std::size_t)> fortschritt_;
  std::size_t schritte_ = 0;
  std::chrono::steady_clock::time_point letzte_ = std::chrono::steady_clock::now();
};
