// Waiting for another program while a person may watch: the desktop installs a progress
// window with the program's output and a cancel button; without one (batch mode, tests)
// the wait is plain.
#pragma once

#include <functional>
#include <memory>
#include <string>

class TAppExec;

class IProgrammLaufAnzeige {
 public:
  virtual ~IProgrammLaufAnzeige() = default;
  // Opens the window with its caption.
  virtual void Beginnen(const std::string& titel) = 0;
  // Shows what the program wrote since the last call and lets the window work; false
  // once the person cancelled.
  virtual bool Weiter(const std::string& neueAusgabe) = 0;
  virtual void Ende() = 0;
};

using TProgrammLaufAnzeigeFabrik = std::function<std::unique_ptr<IProgrammLaufAnzeige>()>;
// nullptr: no window.
void SetProgrammLaufAnzeige(TProgrammLaufAnzeigeFabrik fabrik);

// Starts the launcher's program and waits for its end under the window (if any); a cancel
// in the window or a wait longer than hoechstSekunden (0: no limit) ends the program.
// Returns the exit code; -1 when it could not start, was cancelled or ended by a signal.
int ProgrammAbwarten(TAppExec& programm, const std::string& titel, int hoechstSekunden = 0);
