// The suite's program launcher: starts another program with a working directory and
// arguments, never through a shell, and lets the caller wait for it in small steps, so
// that a window stays responsive and a cancel can end the program.
#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TAppExec {
 public:
  TAppExec() = default;
  // A program still running is ended.
  ~TAppExec();
  TAppExec(const TAppExec&) = delete;
  TAppExec& operator=(const TAppExec&) = delete;

  // Forgets program, arguments, directory and the last run (ending one still running).
  void Clear();
  void SetProgramm(std::string programm) { programm_ = std::move(programm); }
  void SetParameter(std::vector<std::string> parameter) { parameter_ = std::move(parameter); }
  void SetStartVerzeichnis(std::string verzeichnis) { verzeichnis_ = std::move(verzeichnis); }
  const std::string& Programm() const { return programm_; }

  // Starts the program; false with Fehler() set when it cannot be started. A program that
  // is not executable itself (a Windows program on this system) is started through
  // "wine" when that is on the PATH.
  bool Starten();
  // Waits at most millisekunden for output or the program's end and collects what it
  // wrote; true while it is still running.
  bool Warten(int millisekunden);
  // Ends the program and every process it started (its process group).
  void Abbrechen();

  bool Laeuft() const { return pid_ > 0; }
  bool Abgebrochen() const { return abgebrochen_; }
  // The program's exit code once it ended; -1 while running, when it was never started,
  // ended by a signal or cancelled.
  int Ergebnis() const { return ergebnis_; }
  // Everything the program wrote to its standard output and error.
  const std::string& Ausgabe() const { return ausgabe_; }
  // Output not yet taken by this call.
  std::string NeueAusgabe();
  const std::string& Fehler() const { return fehler_; }

  // Starts and waits until the program ended; zwischendurch is called between short
  // waits and returns false to cancel. Returns Ergebnis() (-1 when it could not start).
  int Ausfuehren(const std::function<bool()>& zwischendurch = {});

  // The command line that starts programm on this system: itself when executable,
  // otherwise wine with it; nullopt with grund set when neither is possible.
  static std::optional<std::vector<std::string>> Startbefehl(const std::string& programm,
                                                             std::string& grund);
  // The full name of an executable found on $PATH; empty when there is none.
  static std::string AufPfadSuchen(const std::string& name);

 private:
  void AusgabeLesen();
  void Beendet(int status);
  void PipeSchliessen();

  std::string programm_;
  std::vector<std::string> parameter_;
  std::string verzeichnis_;
  pid_t pid_ = -1;
  int ausgabeFd_ = -1;
  int ergebnis_ = -1;
  bool abgebrochen_ = false;
  std::string ausgabe_;
  std::size_t gelesen_ = 0;
  std::string fehler_;
};
