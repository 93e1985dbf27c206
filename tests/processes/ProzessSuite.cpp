#include "processes/ProzessSuite.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace fs = std::filesystem;

namespace {

fs::path FrischesVerzeichnis() {
  std::random_device zufall;
  for (;;) {
    auto dir = fs::temp_directory_path() / ("saldix-prozesse-" + std::to_string(zufall()));
    if (fs::create_directory(dir)) return dir;
  }
}

class TDatenbank {
 public:
  explicit TDatenbank(const std::string& pfad) {
    if (sqlite3_open_v2(pfad.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      throw std::runtime_error("Datenbank nicht lesbar: " + pfad);
    }
    sqlite3_busy_timeout(db_, 20000);
  }
  ~TDatenbank() { sqlite3_close(db_); }
  std::string Erste(const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
      throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + ": " + sql);
    }
    std::string text;
    if (sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_text(stmt, 0)) {
      text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    }
    sqlite3_finalize(stmt);
    return text;
  }
  std::vector<std::vector<std::string>> Zeilen(const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
      throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + ": " + sql);
    }
    std::vector<std::vector<std::string>> zeilen;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      std::vector<std::string> zeile;
      for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
        const auto* text = sqlite3_column_text(stmt, i);
        zeile.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
      }
      zeilen.push_back(std::move(zeile));
    }
    sqlite3_finalize(stmt);
    return zeilen;
  }
  void Skript(const std::string& sql) {
    char* fehler = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &fehler) != SQLITE_OK) {
      const std::string text = fehler ? fehler : "?";
      sqlite3_free(fehler);
      throw std::runtime_error(text + ": " + sql);
    }
  }

 private:
  sqlite3* db_ = nullptr;
};

pid_t Spawn(const std::string& programm, const std::vector<std::string>& argumente,
            const fs::path& ausgabe) {
  std::vector<std::string> alle{programm};
  alle.insert(alle.end(), argumente.begin(), argumente.end());
  std::vector<char*> argv;
  for (auto& a : alle) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t aktionen;
  posix_spawn_file_actions_init(&aktionen);
  posix_spawn_file_actions_addopen(&aktionen, 1, ausgabe.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_adddup2(&aktionen, 1, 2);
  pid_t pid = 0;
  const int fehler = posix_spawn(&pid, programm.c_str(), &aktionen, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&aktionen);
  if (fehler != 0) throw std::runtime_error("Konnte " + programm + " nicht starten");
  return pid;
}

}  // namespace

TProzessSuite::TProzessSuite(int buchungen) : dir_(FrischesVerzeichnis()) {
  setenv("SALDIX_DB", DbPath().c_str(), 1);
  setenv("SALDIX_HOME", (dir_ / "home").c_str(), 1);
  setenv("SALDIX_RECHNER", "1", 1);
  if (SuiteTool({"init"}) != 0 ||
      SuiteTool({"demo", "--bookings", std::to_string(buchungen), "--until", "2026-12"}) != 0) {
    throw std::runtime_error("Die Demo-Suite konnte nicht angelegt werden");
  }
  // Everything of client 1 waits for an export again.
  Ausfuehren(
      "UPDATE fbde SET abr_nr = 0, abr_jahr = 0 WHERE abr_nr <> 0; DELETE FROM fbex;");
}

TProzessSuite::~TProzessSuite() {
  std::error_code ignoriert;
  fs::remove_all(dir_, ignoriert);
}

pid_t TProzessSuite::Starten(const std::vector<std::string>& argumente) {
  return Spawn(SALDIX_BINARY, argumente, dir_ / ("lauf" + std::to_string(++laeufe_) + ".txt"));
}

int TProzessSuite::Warten(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

int TProzessSuite::SuiteTool(const std::vector<std::string>& argumente) {
  return Warten(Spawn(SALDIX_SUITE_BINARY, argumente, dir_ / "suitetool.txt"));
}

void TProzessSuite::Sichern() { fs::copy_file(DbPath(), dir_ / "gesichert.db"); }

void TProzessSuite::Zuruecksetzen() {
  for (const char* endung : {"-wal", "-shm"}) fs::remove(DbPath() + endung);
  fs::copy_file(dir_ / "gesichert.db", DbPath(), fs::copy_options::overwrite_existing);
  fs::remove_all(ExportDir());
  fs::remove_all(TempDir());
}

long long TProzessSuite::Zahl(const std::string& sql) const {
  return std::atoll(Text(sql).c_str());
}

std::string TProzessSuite::Text(const std::string& sql) const {
  return TDatenbank(DbPath()).Erste(sql);
}

void TProzessSuite::Ausfuehren(const std::string& sql) const { TDatenbank(DbPath()).Skript(sql); }

std::map<TAbrechnung, std::vector<fs::path>> TProzessSuite::DateienNachAbrechnung(
    int kurzNr) const {
  // EXTF_<name>_<DATEV client>_<year><month>_<number>.csv; the demo's DATEV client numbers
  // are 10000 + the short number.
  const std::regex name(R"(EXTF_.*_)" + std::to_string(10000 + kurzNr) +
                        R"(_(\d{4})\d{2}_(\d+)\.csv)");
  const std::regex anderer(R"(EXTF_.*_\d+_\d{6}_\d+\.csv)");
  std::map<TAbrechnung, std::vector<fs::path>> dateien;
  std::error_code fehler;
  for (const auto& eintrag : fs::directory_iterator(ExportDir(), fehler)) {
    std::smatch treffer;
    const std::string dateiname = eintrag.path().filename().string();
    if (std::regex_match(dateiname, treffer, name)) {
      dateien[{std::stoi(treffer[1]), std::stoi(treffer[2])}].push_back(eintrag.path());
    } else if (!std::regex_match(dateiname, anderer)) {
      dateien[{0, 0}].push_back(eintrag.path());  // nobody's file
    }
  }
  return dateien;
}

long double TProzessSuite::Saldo(const fs::path& datei) {
  std::ifstream ein(datei, std::ios::binary);
  std::string zeile;
  long double saldo = 0;
  for (int nr = 0; std::getline(ein, zeile); ++nr) {
    if (nr < 2) continue;  // header and column names
    const auto semikolon = zeile.find(';');
    std::string betrag = zeile.substr(0, semikolon);
    for (char& c : betrag) c = c == ',' ? '.' : c;
    const long double wert = std::strtold(betrag.c_str(), nullptr);
    saldo += zeile.compare(semikolon + 1, 3, "\"S\"") == 0 ? wert : -wert;
  }
  return saldo;
}

std::size_t TProzessSuite::TemporaereDateien() const {
  std::size_t n = 0;
  std::error_code fehler;
  for (const auto& eintrag : fs::directory_iterator(TempDir(), fehler)) n += eintrag.is_regular_file();
  return n;
}

std::string TProzessSuite::Verletzungen(int kurzNr) const {
  std::ostringstream fehler;
  auto dateien = DateienNachAbrechnung(kurzNr);
  if (dateien.count({0, 0})) fehler << "Dateien ohne Abrechnung im Namen; ";
  const std::string firma = "firma1 = 1 AND firma2 = " + std::to_string(kurzNr);
  TDatenbank db(DbPath());
  const auto journal =
      db.Zeilen("SELECT abr_jahr, abr_nr FROM fbex WHERE " + firma + " GROUP BY 1, 2");
  for (const auto& zeile : journal) {
    const TAbrechnung abr{std::stoi(zeile[0]), std::stoi(zeile[1])};
    const std::string name = zeile[1] + "/" + zeile[0];
    const std::string wo = " WHERE " + firma + " AND abr_jahr = " + zeile[0] +
                           " AND abr_nr = " + zeile[1];
    const long long buchungen = std::atoll(db.Erste("SELECT count(*) FROM fbde" + wo).c_str());
    if (buchungen == 0) fehler << "Abrechnung " << name << " ohne Buchungen; ";
    const auto gefunden = dateien.find(abr);
    if (gefunden == dateien.end()) {
      fehler << "Abrechnung " << name << " ohne Datei; ";
      continue;
    }
    // Debit minus credit of its bookings, as their lines must add up to (or its negative
    // when the profile exchanges the sides).
    const long double soll = std::strtold(
        db.Erste("SELECT round(total(betrag_soll - betrag_haben), 2) FROM fbde" + wo).c_str(),
        nullptr);
    long double inDateien = 0;
    for (const auto& datei : gefunden->second) inDateien += Saldo(datei);
    if (std::fabs(std::fabs(inDateien) - std::fabs(soll)) > 0.02L) {
      fehler << "Abrechnung " << name << ": Buchungen " << static_cast<double>(soll)
             << ", Dateien " << static_cast<double>(inDateien) << "; ";
    }
    dateien.erase(gefunden);
  }
  for (const auto& [abr, namen] : dateien) {
    fehler << "Datei " << namen.front().filename() << " ohne Abrechnung im Journal; ";
  }
  return fehler.str();
}
