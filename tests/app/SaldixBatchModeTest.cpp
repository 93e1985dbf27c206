#include <gtest/gtest.h>

#include <algorithm>

#include "app/saldixbatchmode.h"
#include "suite/DateTime.h"
#include "suite/MenuLog.h"
#include "support/FakeAbrechnungen.h"
#include "support/TestSuite.h"

namespace {

// A calendar-year client 1 and a format "DATEV1.4.700" with an optional profile.
class TBatchDaten final : public IBatchDaten {
 public:
  std::string kennung = "DATEV1.4.700";
  std::vector<std::string> profile;
  bool geeignet = true;
  bool exportErlaubt = true;
  bool einstellungenVorhanden = true;
  TIntPair mandant;

  int MandantenAnzahl() override { return 2; }
  bool MandantZuKurzNr(int kurzNr, TIntPair& m, std::string& name) override {
    m = {kurzNr, 1};
    name = "Firma " + std::to_string(kurzNr);
    return true;
  }
  void SetAktMandant(const TIntPair& m, int, const std::string&) override { mandant = m; }
  TIntPair AktMandant() const override { return mandant; }
  bool ExporterBekannt(const std::string& k) override {
    return k == "DATEV1.4" || k == "DATEV1.4.700";
  }
  std::string AktExporterKennung() override { return kennung; }
  std::string AktExporterName() override { return kennung.empty() ? "" : "Name " + kennung; }
  void SetAktExporterKennung(const std::string& k) override { kennung = k; }
  int ExporterProfilAnzahl() override { return static_cast<int>(profile.size()); }
  bool ExporterLadeConfig(const std::string& profil) override {
    for (const auto& p : profile) {
      if (p == profil) return true;
    }
    BatchLog("Abbruch: Der eingegebene Profilname wurde nicht gefunden");
    return false;
  }
  bool ExporterProfilGeeignet(const TIntPair&) override { return geeignet; }
  bool ExporterEinstellungenVorhanden() override { return einstellungenVorhanden; }
  bool ExportErlaubt() override { return exportErlaubt; }
  void KontenIni_einlesen() override {}
  IAbrechnungsDienst& Abrechnungen() override { return abrechnungen; }
  // Two settlements filed in 2024, eleven in 2023.
  TFakeAbrechnungen abrechnungen = [] {
    TFakeAbrechnungen a;
    a.Halten(2024, 2).Halten(2023, 11);
    return a;
  }();
};

// Records each export the batch run starts.
class TBatchListe final : public IBatchBuchungsliste {
 public:
  struct Lauf {
    TDateTime von, bis;
    int abrJahr, abrNr;
    std::string formatWaehrendDesLaufs;
  };
  explicit TBatchListe(TBatchDaten& daten) : daten_(daten) {}
  std::vector<Lauf> laeufe;
  TDateTime von = 0, bis = 0;
  int abrJahr = 0, abrNr = 0;
  bool offen = false;
  std::string herkunft;

  void SetDatumVon(TDateTime d) override { von = d; }
  void SetDatumBis(TDateTime d) override { bis = d; }
  void SetAbrJahr(int j) override { abrJahr = j; }
  int AbrJahr() const override { return abrJahr; }
  void SetAbrNr(int n) override { abrNr = n; }
  void SetOffeneAbrechnung(bool o) override { offen = o; }
  void SetHerkunft(const std::string& code) override { herkunft = code; }
  bool Batchmode_Liste_Laden_Und_Exportieren() override {
    laeufe.push_back({von, bis, abrJahr, abrNr, daten_.kennung});
    return true;
  }

 private:
  TBatchDaten& daten_;
};

std::vector<std::string> Log() {
  std::vector<std::string> zeilen;
  for (const auto& zeile : MenuLog_Tail(100)) zeilen.push_back(zeile.text);
  return zeilen;
}

TEST(BatchMode, APeriodAcrossTwoSettlementYearsRunsTwoPasses) {
  TestSuite suite;
  TBatchDaten daten;
  TBatchListe liste(daten);
  EXPECT_EQ(SaldixBatchLauf({"-MAND:1", "-VDATUM:01122023", "-BDATUM:31012024"}, daten, liste), 0);
  ASSERT_EQ(liste.laeufe.size(), 2u);
  EXPECT_EQ(liste.laeufe[0].von, EncodeDate(2024, 1, 1));
  EXPECT_EQ(liste.laeufe[0].bis, EncodeDate(2024, 1, 31));
  EXPECT_EQ(liste.laeufe[0].abrJahr, 2024);
  EXPECT_EQ(liste.laeufe[0].abrNr, 3);
  EXPECT_EQ(liste.laeufe[1].von, EncodeDate(2023, 12, 1));
  EXPECT_EQ(liste.laeufe[1].bis, EncodeDate(2023, 12, 31));
  EXPECT_EQ(liste.laeufe[1].abrJahr, 2023);
  EXPECT_EQ(liste.laeufe[1].abrNr, 12);
  const auto log = Log();
  EXPECT_EQ(std::count(log.begin(), log.end(), "Automatischer Fibu-Export wurde gestartet"), 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Automatischer Fibu-Export beendet"), 2);
}

TEST(BatchMode, RefusalsEndTheRunWithTheirLine) {
  TestSuite suite;
  TBatchDaten daten;
  TBatchListe liste(daten);
  EXPECT_NE(SaldixBatchLauf({"-MAND:1", "-VDATUM:01122022", "-BDATUM:31012024"}, daten, liste), 0);
  EXPECT_EQ(Log().back(), "Abbruch: Angegebener Zeitraum ist zu groß");
  EXPECT_EQ(SaldixBatchLauf({"-MAND:1", "-MONAT:V", "-EXPORTER:datev1.4"}, daten, liste), 2);
  EXPECT_EQ(Log().back(), "Mindestens ein Parameter fehlt oder ist falsch");
  // The desktop program's questions are asked unattended too.
  daten.exportErlaubt = false;
  EXPECT_EQ(SaldixBatchLauf({"-MAND:1", "-MONAT:V"}, daten, liste), 1);
  EXPECT_EQ(Log().back(), "Abbruch: Dieser Rechner ist nicht der Exportrechner des Mandanten; "
                          "es wurde nichts exportiert");
  daten.exportErlaubt = true;
  daten.einstellungenVorhanden = false;
  EXPECT_EQ(SaldixBatchLauf({"-MAND:1", "-MONAT:V"}, daten, liste), 1);
  EXPECT_EQ(Log().back(), "Abbruch: Die Einstellungen des Exportformats sind unvollständig. "
                          "Bitte überprüfen Sie die Grundeinstellungen.");
  daten.einstellungenVorhanden = true;
  daten.geeignet = false;
  EXPECT_NE(SaldixBatchLauf({"-MAND:1", "-MONAT:V"}, daten, liste), 0);
  EXPECT_EQ(Log().back(),
            "Abbruch: Das gewählte Export-Profil ist für die eingestellte Firma nicht geeignet");
  EXPECT_TRUE(liste.laeufe.empty());
}

TEST(BatchMode, TheFormatOfTheRunIsSwitchedBackOnEveryPath) {
  TestSuite suite;
  TBatchDaten daten;
  TBatchListe liste(daten);
  EXPECT_EQ(SaldixBatchLauf({"-MAND:1", "-MONAT:V", "-EXPORTER:DATEV1.4"}, daten, liste), 0);
  ASSERT_EQ(liste.laeufe.size(), 1u);
  EXPECT_EQ(liste.laeufe[0].formatWaehrendDesLaufs, "DATEV1.4");
  EXPECT_EQ(daten.kennung, "DATEV1.4.700");

  daten.geeignet = false;
  EXPECT_NE(SaldixBatchLauf({"-MAND:1", "-MONAT:V", "-EXPORTER:DATEV1.4"}, daten, liste), 0);
  EXPECT_EQ(daten.kennung, "DATEV1.4.700");
}

TEST(BatchMode, AnUnknownProfileStopsInsteadOfExportingWithOtherSettings) {
  TestSuite suite;
  TBatchDaten daten;
  daten.profile = {"MONAT"};
  TBatchListe liste(daten);
  EXPECT_EQ(SaldixBatchLauf({"-MAND:1", "-MONAT:V", "-PROFIL:TAG"}, daten, liste), 2);
  EXPECT_TRUE(liste.laeufe.empty());
  EXPECT_EQ(SaldixBatchLauf({"-MAND:1", "-MONAT:V", "-HERKUNFT:KASSE"}, daten, liste), 2);
  EXPECT_EQ(Log().back(), "Mindestens ein Parameter fehlt oder ist falsch");
  // A format without profiles does not quietly ignore the one asked for.
  daten.profile.clear();
  EXPECT_EQ(SaldixBatchLauf({"-MAND:1", "-MONAT:V", "-PROFIL:MONAT"}, daten, liste), 2);
  EXPECT_TRUE(liste.laeufe.empty());
  daten.profile = {"MONAT"};
  EXPECT_EQ(SaldixBatchLauf({"-MAND:1", "-MONAT:V", "-PROFIL:MONAT", "-HERKUNFT:KASBER"}, daten,
                            liste),
            0);
  EXPECT_EQ(liste.herkunft, "KASBER");
}

}  // namespace
