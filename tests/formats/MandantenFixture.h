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
#include "support/TestSuite.h"

namespace mandantentest {

inline constexpr TIntPair kMandant1{100, 1};
inline constexpr TIntPair kMandant2{200, 1};

inline std::vector<TMandListeEintrag> Mandanten() {
  return {{1, kMandant1, "Musterhandel GmbH", "FIL1", 1}, {2, kMandant2, "Nordhandel KG", "FIL2", 7}};
}

// Client list, clock and directory of the tests; the exporter is initialised.
inline void Einrichten(TMandantenExporter& exporter, const std::string& dir) {
  exporter.SetMandantenQuelle(Mandanten);
  exporter.Init();
  exporter.SetVerzExport(dir);
  exporter.SetUhr([] { return EncodeDateTime(2024, 4, 2, 10, 11, 12, 345); });
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
