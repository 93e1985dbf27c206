// The suite's menu log: one line per outcome of a batch run or export.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "suite/Types.h"

void MenuLog_Append(const std::string& title, const std::string& text, TDateTime start,
                    TDateTime end);

// From now on every appended line is also written to this stream (nullptr: no longer), so
// that an unattended run tells whoever started it what it did.
void MenuLog_EchoTo(std::ostream* stream);

struct MenuLogLine {
  std::int64_t id = 0;
  std::string title;
  std::string text;
  TDateTime start = 0;
  TDateTime end = 0;
  int computer = 0;
};

// The newest lines, oldest first (for the admin tool and tests).
std::vector<MenuLogLine> MenuLog_Tail(int count);
