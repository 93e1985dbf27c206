#include "suite/MenuLog.h"

#include <algorithm>
#include <exception>
#include <iostream>

#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"

namespace {

struct TWartendeZeile {
  std::string title, text;
  TDateTime start, end;
  int computer;
  bool aufStderr = false;  // already shown there
};

// Lines that wait for the end of a transaction holding the write lock, or that the
// database refused.
std::vector<TWartendeZeile>& Wartend() {
  static std::vector<TWartendeZeile> zeilen;
  return zeilen;
}

void WartendeSchreiben() {
  auto& insert = SuiteDatabase::Get().Cached(
      "INSERT INTO menu_log (title, text, start_time, end_time, computer) VALUES (?, ?, ?, ?, ?)");
  auto& wartend = Wartend();
  while (!wartend.empty()) {
    const TWartendeZeile& z = wartend.front();
    insert.With(z.title, z.text, z.start, z.end, z.computer).Run();
    wartend.erase(wartend.begin());
  }
}

// Writes the waiting lines; when the database refuses, the administrator reads the
// lines on stderr instead. Nothing leaves: this runs in handlers and after rollbacks.
void SchreibenOderMelden() noexcept {
  try {
    WartendeSchreiben();
  } catch (const std::exception& e) {
    try {
      std::cerr << "Menüprotokoll nicht geschrieben: " << e.what() << '\n';
      for (auto& zeile : Wartend()) {
        if (zeile.aufStderr) continue;
        std::cerr << "  " << zeile.title << ": " << zeile.text << '\n';
        zeile.aufStderr = true;
      }
    } catch (...) {
    }
  }
}

}  // namespace

namespace {

// Writes now, or once the transaction holding the write lock has ended.
void Schreiben() noexcept {
  try {
    if (SuiteDatabase::DeferWhileLocked(&Wartend(), [] { SchreibenOderMelden(); })) return;
  } catch (...) {
  }
  SchreibenOderMelden();
}

// Where every line also goes as it is appended (the batch run's stderr), if anywhere.
std::ostream*& Echo() {
  static std::ostream* stream = nullptr;
  return stream;
}

}  // namespace

void MenuLog_EchoTo(std::ostream* stream) { Echo() = stream; }

void MenuLog_Append(const std::string& title, const std::string& text, TDateTime start,
                    TDateTime end) {
  const bool gezeigt = Echo() != nullptr;
  try {
    if (gezeigt) *Echo() << title << ": " << text << std::endl;
    Wartend().push_back({title, text, start, end, QTXProgramm().GetRId(), gezeigt});
  } catch (const std::exception& e) {
    std::cerr << "Menüprotokoll nicht geschrieben: " << e.what() << "\n  " << title << ": "
              << text << '\n';
    return;
  }
  Schreiben();
}

std::size_t MenuLog_Ausstehend() {
  if (!Wartend().empty()) Schreiben();
  return Wartend().size();
}

std::vector<MenuLogLine> MenuLog_Tail(int count) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT id, title, text, start_time, end_time, computer FROM menu_log "
      "ORDER BY id DESC LIMIT ?");
  stmt.With(count);
  std::vector<MenuLogLine> lines;
  while (stmt.Step()) {
    lines.push_back({stmt.Int(0), stmt.Text(1), stmt.Text(2), stmt.Real(3), stmt.Real(4),
                     static_cast<int>(stmt.Int(5))});
  }
  std::reverse(lines.begin(), lines.end());
  return lines;
}
