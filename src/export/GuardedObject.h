// Base of the classes whose every operation keeps its failures inside: a failure is
// registered under "<class>.<operation>" and the operation returns its neutral result.
// Derived classes name themselves through ClassName() and write
//   return Guard("Export_Fibu_Daten", [&] { ... });
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "suite/Guarded.h"

class TGuardedObject {
 public:
  virtual ~TGuardedObject() = default;
  // The class name used in the registration context.
  virtual std::string_view ClassName() const = 0;

 protected:
  static std::string Context(std::string_view className, std::string_view operation) {
    std::string context(className);
    context += '.';
    context += operation;
    return context;
  }

  // Runs body under "<ClassName()>.<operation>"; neutral result on failure.
  template <typename Body>
  auto Guard(std::string_view operation, Body&& body) const noexcept {
    return GuardIn(ClassName(), operation, std::forward<Body>(body));
  }
  // As Guard, with the given result on failure.
  template <typename Body, typename Fallback>
  auto GuardOr(std::string_view operation, Fallback fallback, Body&& body) const noexcept {
    return GuardedOr(Context(ClassName(), operation).c_str(), std::move(fallback),
                     std::forward<Body>(body));
  }
  // One step of a teardown operation (flag false); the caller goes on afterwards.
  template <typename Body>
  void Teardown(std::string_view operation, Body&& body) const noexcept {
    TeardownIn(ClassName(), operation, std::forward<Body>(body));
  }

  // With an explicit class name: a base class's own operations keep their name when
  // a derived class runs them.
  template <typename Body>
  static auto GuardIn(std::string_view className, std::string_view operation,
                      Body&& body) noexcept {
    return Guarded(Context(className, operation).c_str(), std::forward<Body>(body));
  }
  template <typename Body>
  static void TeardownIn(std::string_view className, std::string_view operation,
                         Body&& body) noexcept {
    TeardownStep(Context(className, operation).c_str(), std::forward<Body>(body));
  }
};
