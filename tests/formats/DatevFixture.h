// A small suite for the DATEV tests: two clients (the second with a fiscal year from
// July) and the bookings of the hand-worked expected files.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "export/ExportRecords.h"
#include "formats/datev/fibuexporter_datev.h"
#include "suite/DateTime.h"
#include "suite/SuiteDatabase.h"
#include "support/ExportTestKontext.h"
#include "support/TestSuite.h"

namespace datevtest {

inline constexpr TIntPair kMandant1{100, 1};
inline constexpr TIntPair kMandant2{200, 1};

inline void MandantenAnlegen() {
  auto& insert = SuiteDatabase::Get().Cached(
      "INSERT INTO mandanten (firma1, firma2, kurz_nr, name, kurz_name, wj_beginn_monat) "
      "VALUES (?, ?, ?, ?, ?, ?)");
  insert.With(kMandant1.Nr1, kMandant1.Nr2, 1, "Musterhandel GmbH", "FIL1", 1).Run();
  insert.With(kMandant2.Nr1, kMandant2.Nr2, 2, "Nordhandel KG", "FIL2", 7).Run();
}

// Client 1 active with its DATEV numbers, a fixed clock, export into dir.
inline void Einrichten(TFibuExporter_Datev& exporter, const std::string& dir) {
  exporter.Init();
  exporter.SetVerzExport(dir);
  exporter.SetMandantenDaten(kMandant1, 1234567, true, true, "AB", 12345);
  exporter.SetMandantenDaten(kMandant2, 0, true, false, "", 0);
  exporter.SetKontext(
      std::make_shared<TFesteUhrKontext>(EncodeDateTime(2024, 4, 2, 10, 11, 12, 345)));
}

inline TFibuExportFileInfo Maerz2024(TIntPair firma = kMandant1) {
  return {firma, 7, 2024, EncodeDate(2024, 3, 1), EncodeDate(2024, 3, 31)};
}

inline TFibuExportBuchInfo Buchung(long double soll, long double haben, int konto,
                                   int gegenKonto, int bu, TDateTime belegDatum) {
  TFibuExportBuchInfo b;
  b.BetragSoll = soll;
  b.BetragHaben = haben;
  b.Konto = konto;
  b.GegenKonto = gegenKonto;
  b.StSchlGgKto = bu;
  b.BelegDatum = belegDatum;
  b.BuchungsDatum = belegDatum;
  b.Waehrung = "EUR";
  return b;
}

struct TFixBuchung {
  TFibuExportBuchInfo buch;
  TFibuExportBuchInfoZusatz zusatz;
};

// The bookings of the expected files; euSchluessel is 10 for 510 and 240 for 700.
inline std::vector<TFixBuchung> Buchungen(int euSchluessel) {
  std::vector<TFixBuchung> liste;
  TFixBuchung soll{Buchung(119, 0, 1200, 8400, 3, EncodeDate(2024, 3, 5)), {}};
  soll.buch.Beleg1 = "AB 12_34";
  soll.buch.Beleg2 = "RE-2024-000123456";
  soll.buch.Text = "Verkauf \"Ware\" März";
  soll.buch.UStID = "DE123456789";
  soll.buch.KOST1 = "100";
  soll.buch.ZahlungsRef = "PAY-1";
  liste.push_back(soll);

  TFixBuchung haben{Buchung(0, 50.5L, 42, 70001, 0, EncodeDate(2024, 3, 31)), {}};
  haben.buch.Beleg1 = "A B C D E F G H I J K L M N";
  haben.buch.Text = "Zahlung Kunde Ä 中 " + std::string(50, 'y');
  haben.buch.KOST2 = "K2";
  haben.buch.ZahlungsRef = "R\"E\"F";
  liste.push_back(haben);

  TFixBuchung zusatz{Buchung(1234.5L, 0, 4400, 10000, 9, EncodeDate(2024, 3, 15)), {}};
  zusatz.buch.Beleg1 = "ZB_1";
  zusatz.buch.Text = "Zusatzfelder";
  zusatz.zusatz.BelegItem(1) = {"  \"Lang\" Art-Bezeichnung überlang", std::string(250, 'i')};
  for (int n = 2; n <= 8; ++n) {
    zusatz.zusatz.BelegItem(n) = {"Art " + std::to_string(n), "Inhalt " + std::to_string(n)};
  }
  for (int n = 1; n <= 20; ++n) {
    zusatz.zusatz.ZusatzItem(n) = {"Zusatz " + std::to_string(n), "Wert " + std::to_string(n)};
  }
  zusatz.zusatz.ZusatzItem(20).Inhalt = "  endet mit Blanks  ";
  zusatz.zusatz.AuftragsNr = "ORDER-4711";
  liste.push_back(zusatz);

  TFixBuchung eu{Buchung(0, 200, 8125, 10001, euSchluessel, EncodeDate(2024, 3, 20)), {}};
  eu.buch.Beleg1 = "EU-1";
  eu.buch.Text = "EU-Lieferung";
  eu.buch.UStID = "ATU12345678";
  eu.buch.EULand = "AT";
  eu.buch.EUSteuer = 19;
  liste.push_back(eu);

  TFixBuchung null{Buchung(10, 10, 1000, 8400, 3, EncodeDate(2024, 3, 21)), {}};
  liste.push_back(null);
  return liste;
}

inline std::string Lesen(const std::filesystem::path& pfad) {
  std::ifstream in(pfad, std::ios::binary);
  std::ostringstream inhalt;
  inhalt << in.rdbuf();
  return inhalt.str();
}

inline std::vector<std::string> Zeilen(const std::string& inhalt) {
  std::vector<std::string> zeilen;
  std::size_t start = 0;
  for (std::size_t pos; (pos = inhalt.find("\r\n", start)) != std::string::npos; start = pos + 2) {
    zeilen.push_back(inhalt.substr(start, pos - start));
  }
  return zeilen;
}

inline std::vector<std::string> Felder(const std::string& zeile) {
  std::vector<std::string> felder;
  std::size_t start = 0;
  for (std::size_t pos; (pos = zeile.find(';', start)) != std::string::npos; start = pos + 1) {
    felder.push_back(zeile.substr(start, pos - start));
  }
  felder.push_back(zeile.substr(start));
  return felder;
}

}  // namespace datevtest
