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
};

// Lines that wait for the end of a transaction holding the write lock.
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

std::ostream*& Echo() {
  static std::ostream* stream = nullptr;
  return stream;
}

}  // namespace

void MenuLog_EchoTo(std::ostream* stream) { Echo() = stream; }

void MenuLog_Append(const std::string& title, const std::string& text, TDateTime start,
                    TDateTime end) {
  if (Echo()) *Echo() << title << ": " << text << std::endl;
  SuiteDatabase::Get();  // without a suite database it fails here, as before
  Wartend().push_back({title, text, start, end, QTXProgramm().GetRId()});
  const bool wartet = SuiteDatabase::DeferWhileLocked(&Wartend(), [] {
    try {
      WartendeSchreiben();
    } catch (const std::exception& e) {
      // Nobody to tell but the administrator; the lines stay for the next write.
      std::cerr << "Menüprotokoll nicht geschrieben: " << e.what() << '\n';
    }
  });
  if (!wartet) WartendeSchreiben();
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
