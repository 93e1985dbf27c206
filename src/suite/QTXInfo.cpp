#include "suite/QTXInfo.h"

#include <iostream>

#include "suite/DateTime.h"
#include "suite/MessageCatalog.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"

namespace {

struct PendingLine {
  TDateTime time;
  std::string context;
  bool flag;
  std::string text;
  bool onStderr = false;  // already shown there
};

// Lines registered while a transaction was open wait for its end, so that a rollback
// of the failed work never takes its own failure report with it.
std::vector<PendingLine>& Pending() {
  static std::vector<PendingLine> lines;
  return lines;
}

void WritePending() {
  auto* db = SuiteDatabase::TryGet();
  auto& pending = Pending();
  if (!db || pending.empty()) return;
  try {
    auto& insert = db->Cached(
        "INSERT INTO message_log (time, context, flag, text, computer) VALUES (?, ?, ?, ?, ?)");
    // Each line leaves the queue once written: a failure halfway repeats none.
    while (!pending.empty()) {
      const PendingLine& line = pending.front();
      insert.With(line.time, line.context, line.flag, line.text, QTXProgramm().GetRId()).Run();
      pending.erase(pending.begin());
    }
  } catch (const std::exception& e) {
    // The log itself failed: say so where an administrator sees it, with the lines
    // (once each), and keep them.
    std::cerr << "Meldungsprotokoll nicht geschrieben: " << e.what() << '\n';
    for (auto& line : pending) {
      if (line.onStderr) continue;
      std::cerr << "  " << line.context << ": " << line.text << '\n';
      line.onStderr = true;
    }
  }
}

void WriteToLog(const std::string& context, bool flag, const std::string& text) {
  Pending().push_back({qtx_Now(), context, flag, text, false});
  if (!SuiteDatabase::DeferWhileLocked(&Pending(), WritePending)) WritePending();
}

}  // namespace

TQTXInfo::TQTXInfo() : presenter_(std::make_shared<ConsolePresenter>()) {}

void TQTXInfo::RegisterException(const std::string& context, const std::exception& error,
                                 bool flag) {
  RegisterException(context, std::string(error.what()), flag);
}

void TQTXInfo::RegisterException(const std::string& context, const std::string& text,
                                 bool flag) {
  registrations_.push_back({context, text, flag});
  hasError_ = true;
  lastError_ = context + ": " + text;
  WriteToLog(context, flag, text);
}

void TQTXInfo::RegisterCurrentException(const std::string& context, bool flag) noexcept {
  try {
    try {
      throw;
    } catch (const std::exception& e) {
      RegisterException(context, e, flag);
    } catch (...) {
      RegisterException(context, std::string("Unbekannter Fehler"), flag);
    }
  } catch (...) {
    // Registering must never throw out of a handler.
  }
}

void TQTXInfo::FehlerTerminate(const std::string& context) {
  // Teardown registrations are already in the log; the context ends here.
  (void)context;
  ResetError();
}

void TQTXInfo::FehlerRaise(const std::string& set, int number,
                           const std::vector<std::string>& args) {
  const std::string text =
      number == 0 ? (args.empty() ? set : args.front()) : CatalogMessage(set, number, args);
  throw EQTXError(set, number, text);
}

int TQTXInfo::ShowMeldung(TMeldungsArt kind, const std::vector<std::string>& args,
                          const std::string& set, int number) {
  return Show(kind, CatalogMessage(set, number, args));
}

void TQTXInfo::QTXHinweisBox(const std::string& text) { Show(TMeldungsArt::Hinweis, text); }

void TQTXInfo::QTXWarnungBox(const std::string& text) { Show(TMeldungsArt::Warnung, text); }

int TQTXInfo::QTXJaNeinBox(const std::string& text) { return Show(TMeldungsArt::Frage, text); }

void TQTXInfo::QTXInfoProcessMessages(int milliseconds) {
  presenter_->ProcessMessages(milliseconds);
}

void TQTXInfo::ResetError() {
  hasError_ = false;
  lastError_.clear();
}

void TQTXInfo::SetPresenter(std::shared_ptr<IMessagePresenter> presenter) {
  presenter_ = presenter ? std::move(presenter) : std::make_shared<SilentPresenter>();
}

int TQTXInfo::Show(TMeldungsArt kind, const std::string& text) {
  return presenter_->Present(kind, text);
}

TQTXInfo& QTXInfo() {
  static TQTXInfo service;
  return service;
}
