// A small suite for the ASCII tests: two clients, a stored column layout and the bookings
// of the hand-worked expected lines.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "export/SerBrief.h"
#include "formats/ascii/fibuexporter_ascii.h"
#include "suite/DateTime.h"
#include "suite/SuiteDatabase.h"
#include "support/ExportTestKontext.h"
#include "support/TestSuite.h"

namespace asciitest {

inline constexpr TIntPair kMandant1{100, 1};
inline constexpr TIntPair kMandant2{200, 1};

inline void MandantenAnlegen() {
  auto& insert = SuiteDatabase::Get().Cached(
      "INSERT INTO mandanten (firma1, firma2, kurz_nr, name, kurz_name, wj_beginn_monat) "
      "VALUES (?, ?, ?, ?, ?, ?)");
  insert.With(kMandant1.Nr1, kMandant1.Nr2, 1, "Musterhandel GmbH", "FIL1", 1).Run();
  insert.With(kMandant2.Nr1, kMandant2.Nr2, 2, "Nordhandel KG", "FIL2", 7).Run();
}

inline TSerBriefLayout Layout(const std::vector<std::string>& keys) {
  TSerBriefLayout layout;
  for (const auto& key : keys) layout.Spalten.push_back({key, key, 0});
  return layout;
}

// The layout in force for the ASCII export's list.
inline void LayoutSpeichern(const TSerBriefLayout& layout) {
  TSerBriefLayoutSpeicher("SALDIX", ascii::TFibuExporter_Ascii::CListenKey).Speichern("", layout);
}

// Client 1 active (the settings from before profiles would make both), local files with extension "csv" into dir, a fixed clock.
inline void Einrichten(ascii::TFibuExporter_Ascii& exporter, const std::string& dir) {
  exporter.Init();
  exporter.SetVerzExport(dir);
  exporter.SetDateiEndung("csv");
  exporter.Mandanten().at(0).Aktiv = true;
  exporter.Mandanten().at(1).Aktiv = false;
  exporter.SetKontext(std::make_shared<TFesteUhrKontext>(EncodeDateTime(2024, 4, 2, 10, 11, 12)));
}

inline TFibuExportFileInfo Maerz2024(TIntPair firma = kMandant1) {
  return {firma, 7, 2024, EncodeDate(2024, 3, 1), EncodeDate(2024, 3, 31)};
}

inline TFibuExportBuchInfo Buchung(long double soll, long double haben, int konto, int gegenKonto,
                                   int stschl, TDateTime belegDatum, const std::string& text) {
  TFibuExportBuchInfo b;
  b.BetragSoll = soll;
  b.BetragHaben = haben;
  b.Konto = konto;
  b.GegenKonto = gegenKonto;
  b.StSchlGgKto = stschl;
  b.BelegDatum = belegDatum;
  b.BuchungsDatum = belegDatum;
  b.Text = text;
  b.Waehrung = "EUR";
  return b;
}

// A debit, a credit with booking month and value date, and one with both sides.
inline std::vector<TFibuExportBuchInfo> Buchungen() {
  std::vector<TFibuExportBuchInfo> liste;
  liste.push_back(Buchung(119, 0, 1200, 8400, 3, EncodeDate(2024, 3, 5), "Verkauf März"));
  liste.back().Filiale = 2;
  liste.push_back(Buchung(0, 50.5L, 42, 70001, 0, EncodeDate(2024, 3, 31), "Zahlung"));
  liste.back().Buchungsmonat = EncodeDate(2024, 3, 1);
  liste.back().ValutaDatum = EncodeDate(2024, 4, 15);
  liste.push_back(Buchung(10, 12.34L, 1, 2, 0, EncodeDate(2024, 3, 1), "Storno"));
  return liste;
}

inline std::string Lesen(const std::filesystem::path& pfad) {
  std::ifstream in(pfad, std::ios::binary);
  std::ostringstream inhalt;
  inhalt << in.rdbuf();
  return inhalt.str();
}

}  // namespace asciitest
