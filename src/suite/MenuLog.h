// The suite's menu log: one line per outcome of a batch run or export.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "suite/Types.h"

// Never throws: a line the suite database does not take (no database, disk full, lock
// time-out) is written to stderr with the reason and kept for the next write.
void MenuLog_Append(const std::string& title, const std::string& text, TDateTime start,
                    TDateTime end);
// Lines not yet in the menu log: those waiting for a transaction's end and those the
// database refused. Tries once more to write them first.
std::size_t MenuLog_Ausstehend();

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
