// One way for every operation of the system's classes to keep failures inside:
// run the body, register what it throws under "Class.Operation", return the neutral result.
#pragma once

#include <type_traits>
#include <utility>

#include "suite/QTXInfo.h"

// Runs body(); on an exception registers it under context with flag true and returns
// the value-initialised result (false, 0, empty).
template <typename Body>
auto Guarded(const char* context, Body&& body) noexcept -> std::invoke_result_t<Body> {
  using Result = std::invoke_result_t<Body>;
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    QTXInfo().RegisterCurrentException(context, true);
    if constexpr (!std::is_void_v<Result>) return Result{};
  }
}

// As Guarded, but returns the given fallback on failure.
template <typename Body, typename Fallback>
auto GuardedOr(const char* context, Fallback fallback, Body&& body) noexcept
    -> std::invoke_result_t<Body> {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    QTXInfo().RegisterCurrentException(context, true);
    return fallback;
  }
}

// One step of a teardown operation: registers with flag false and lets the caller go on.
template <typename Body>
void TeardownStep(const char* context, Body&& body) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (...) {
    QTXInfo().RegisterCurrentException(context, false);
  }
}
