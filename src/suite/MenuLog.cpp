#include "suite/MenuLog.h"

#include <algorithm>

#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"

void MenuLog_Append(const std::string& title, const std::string& text, TDateTime start,
                    TDateTime end) {
  SuiteDatabase::Get()
      .Cached("INSERT INTO menu_log (title, text, start_time, end_time, computer) "
              "VALUES (?, ?, ?, ?, ?)")
      .With(title, text, start, end, QTXProgramm().GetRId())
      .Run();
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
