// The suite's message service: registration of caught failures (kept in the message
// log), catalogue messages and plain boxes.
#pragma once

#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "suite/MessagePresenter.h"

// An error of the suite's message catalogue raised by FehlerRaise.
class EQTXError : public std::runtime_error {
 public:
  EQTXError(std::string set, int number, const std::string& text)
      : std::runtime_error(text), set_(std::move(set)), number_(number) {}
  const std::string& Set() const { return set_; }
  int Number() const { return number_; }

 private:
  std::string set_;
  int number_;
};

class TQTXInfo {
 public:
  struct Registration {
    std::string context;
    std::string text;
    bool flag;
  };

  TQTXInfo();

  // Records a caught failure under context ("Class.Operation"); flag is false in teardown.
  void RegisterException(const std::string& context, const std::exception& error, bool flag);
  void RegisterException(const std::string& context, const std::string& text, bool flag);
  // Same for the exception being handled (call only inside a catch block).
  void RegisterCurrentException(const std::string& context, bool flag) noexcept;

  // Closes the error context of a teardown operation.
  void FehlerTerminate(const std::string& context);
  // Raises the catalogue error (number 0: a plain context error with the first argument).
  [[noreturn]] void FehlerRaise(const std::string& set, int number,
                                const std::vector<std::string>& args = {});

  // Shows catalogue message number of set with args; returns the dialog result (6 = Yes).
  int ShowMeldung(TMeldungsArt kind, const std::vector<std::string>& args,
                  const std::string& set, int number);
  void QTXHinweisBox(const std::string& text);
  void QTXWarnungBox(const std::string& text);
  int QTXJaNeinBox(const std::string& text);
  void QTXInfoProcessMessages(int milliseconds);

  void ResetError();
  bool HasError() const { return hasError_; }
  const std::string& LastErrorText() const { return lastError_; }
  // Registrations since start (also kept in the message log of the suite database).
  const std::vector<Registration>& Registrations() const { return registrations_; }
  void ClearRegistrations() { registrations_.clear(); }

  void SetPresenter(std::shared_ptr<IMessagePresenter> presenter);
  IMessagePresenter& Presenter() { return *presenter_; }

 private:
  int Show(TMeldungsArt kind, const std::string& text);

  std::shared_ptr<IMessagePresenter> presenter_;
  std::vector<Registration> registrations_;
  bool hasError_ = false;
  std::string lastError_;
};

// The process-wide message service.
TQTXInfo& QTXInfo();
