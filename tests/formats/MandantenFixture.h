// A small suite for the formats on the client table (BMD, DVO, SBS): two clients, the
// second with a fiscal year from July, a fixed clock and an export directory.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "export/MandantenExporter.h"
#include "suite/DateTime.h"
#include "suite/QTXInfo.h"
#include "suite/SuiteDatabase.h"
#include "support/ExportTestKontext.h"
#include "support/TestSuite.h"

namespace mandantentest {

inline constexpr TIntPair kMandant1{100, 1};
inline constexpr TIntPair kMandant2{200, 1};

// The two clients and two branches in the suite database (once per suite).
inline void StammdatenAnlegen() {
  SuiteDatabase::Get().ExecuteScript(
      "INSERT OR IGNORE INTO mandanten (firma1, firma2, kurz_nr, name, kurz_name, wj_beginn_monat) "
      "VALUES (100, 1, 1, 'Musterhandel GmbH', 'FIL1', 1), (200, 1, 2, 'Nordhandel KG', 'FIL2', 7);"
      "INSERT OR IGNORE INTO filialen (nummer, name) VALUES (1, 'Zentrale'), (2, 'Nord');");
}

// Clients, a clock that stands still and the export directory; the exporter is initialised.
inline void Einrichten(TMandantenExporter& exporter, const std::string& dir) {
  StammdatenAnlegen();
  exporter.SetKontext(std::make_shared<TFesteUhrKontext>(EncodeDateTime(2024, 4, 2, 10, 11, 12, 345)));
  exporter.Init();
  exporter.SetVerzExport(dir);
}

inline TFibuExportFileInfo Maerz2024(TIntPair firma = kMandant1) {
  return {firma, 7, 2024, EncodeDate(2024, 3, 1), EncodeDate(2024, 3, 31)};
}

inline TFibuExportBuchInfo Buchung(long double soll, long double haben, int konto, int gegenKonto,
                                   TDateTime belegDatum) {
  TFibuExportBuchInfo b;
  b.BetragSoll = soll;
  b.BetragHaben = haben;
  b.Konto = konto;
  b.GegenKonto = gegenKonto;
  b.BelegDatum = belegDatum;
  b.BuchungsDatum = belegDatum;
  return b;
}

inline std::string Lesen(const std::filesystem::path& datei) {
  std::ifstream in(datei, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::vector<std::string> Dateien(const std::filesystem::path& dir) {
  std::vector<std::string> namen;
  std::error_code fehler;
  for (const auto& eintrag : std::filesystem::directory_iterator(dir, fehler)) {
    namen.push_back(eintrag.path().filename().string());
  }
  return namen;
}

// The text of the last registered failure.
inline std::string LetzterFehler() {
  const auto& liste = QTXInfo().Registrations();
  return liste.empty() ? std::string() : liste.back().text;
}

}  // namespace mandantentest
