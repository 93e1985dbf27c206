#include "suitetool/LogCommand.h"

#include <algorithm>
#include <vector>

#include "suite/MenuLog.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/ToolText.h"

namespace suitetool {
namespace {

constexpr std::int64_t kDefaultTail = 20;

struct MessageLine {
  TDateTime time = 0;
  std::string context;
  bool flag = false;
  std::string text;
  int computer = 0;
};

std::vector<MessageLine> MessageLogTail(std::int64_t count) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT time, context, flag, text, computer FROM message_log ORDER BY id DESC LIMIT ?");
  stmt.With(count);
  std::vector<MessageLine> lines;
  while (stmt.Step()) {
    lines.push_back({stmt.Real(0), stmt.Text(1), stmt.Int(2) != 0, stmt.Text(3),
                     static_cast<int>(stmt.Int(4))});
  }
  std::reverse(lines.begin(), lines.end());
  return lines;
}

}  // namespace

std::string LogCommand::Help() const {
  return "Aufruf: saldix-suite log [--tail N] [--db PFAD]\n\n"
         "Zeigt die neuesten Zeilen des Menüprotokolls und des Meldungsprotokolls,\n"
         "älteste zuerst.\n\n"
         "  --tail N    Anzahl Zeilen je Protokoll (Vorgabe 20, 0 = keine)\n";
}

int LogCommand::Run(const CommandLine& line, ToolContext& context) {
  const std::int64_t tail = line.IntValue("tail", kDefaultTail, 0, 1000000000);
  OpenSuiteDatabase(line, false);
  auto& out = context.out;
  if (tail == 0) return 0;  // asked for no lines: says nothing

  out << "Menüprotokoll:\n";
  const auto menu = MenuLog_Tail(static_cast<int>(tail));
  if (menu.empty()) out << "  (keine Einträge)\n";
  for (const auto& entry : menu) {
    out << "  " << DateTimeText(entry.start) << "  R" << entry.computer << "  " << entry.title
        << ": " << entry.text << '\n';
  }

  out << "\nMeldungsprotokoll:\n";
  const auto messages = MessageLogTail(tail);
  if (messages.empty()) out << "  (keine Einträge)\n";
  for (const auto& entry : messages) {
    out << "  " << DateTimeText(entry.time) << "  R" << entry.computer << "  " << entry.context
        << (entry.flag ? "" : " (Abbau)") << ": " << entry.text << '\n';
  }
  return 0;
}

}  // namespace suitetool
