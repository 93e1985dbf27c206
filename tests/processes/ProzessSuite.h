// A demo suite in a directory of its own, driven through the real programs: saldix-suite
// builds it, saldix exports from it in processes of their own, and the checks read the
// database and the export directory as a tax adviser's import would find them.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

// A settlement: year and number.
using TAbrechnung = std::pair<int, int>;

class TProzessSuite {
 public:
  // Creates the suite with the given number of demo bookings; every settlement is
  // reopened, so that all bookings wait for an export.
  explicit TProzessSuite(int buchungen);
  ~TProzessSuite();
  TProzessSuite(const TProzessSuite&) = delete;
  TProzessSuite& operator=(const TProzessSuite&) = delete;

  const std::filesystem::path& Dir() const { return dir_; }
  std::filesystem::path ExportDir() const { return dir_ / "home" / "export"; }
  std::filesystem::path TempDir() const { return dir_ / "home" / "27"; }
  std::string DbPath() const { return (dir_ / "suite.db").string(); }

  // Starts saldix with these arguments; its output goes to a file of its own.
  pid_t Starten(const std::vector<std::string>& argumente);
  // Waits for it: its exit code, or 128 + the signal that ended it.
  static int Warten(pid_t pid);
  int Ausfuehren(const std::vector<std::string>& argumente) { return Warten(Starten(argumente)); }
  int SuiteTool(const std::vector<std::string>& argumente);

  // Saves the database as it is now, and puts it back (export and temporary files go).
  void Sichern();
  void Zuruecksetzen();

  // One SQL answer as a number.
  long long Zahl(const std::string& sql) const;
  std::string Text(const std::string& sql) const;
  void Ausfuehren(const std::string& sql) const;

  // A client's files in the export directory by settlement, as their names say ({0, 0}:
  // files of nobody); the sum of a file's booking lines, debit positive.
  std::map<TAbrechnung, std::vector<std::filesystem::path>> DateienNachAbrechnung(
      int kurzNr) const;
  static long double Saldo(const std::filesystem::path& datei);
  std::size_t TemporaereDateien() const;

  // The promise of the export: every settlement of the journal has bookings and its
  // files, every file belongs to a settlement of the journal, and each settlement's files
  // hold exactly its bookings. Returns what is broken ("" when nothing).
  std::string Verletzungen(int kurzNr = 1) const;

 private:
  std::filesystem::path dir_;
  int laeufe_ = 0;
};
