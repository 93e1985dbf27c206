#include <gtest/gtest.h>

#include "BearbFakes.h"
#include "app/SaldixHaupt.h"
#include "app/saldixselektion.h"
#include "support/FakeAbrechnungen.h"
#include "support/TestSuite.h"
#include "suite/DateTime.h"

namespace {

class TFakeSelektionDaten : public ISelektionDaten {
 public:
  // A business year from July, named after the year it ends in.
  TFakeAbrechnungen abrechnungen = [] {
    TFakeAbrechnungen a;
    a.Regel = {7, true};
    return a;
  }();

  TIntPair AktMandant() override { return {1, 1}; }
  IAbrechnungsDienst& Abrechnungen() override { return abrechnungen; }
};

class TFakeHauptDaten : public IHauptDaten {
 public:
  std::string Format = "DATEV Format 700";
  int Profile = 0;
  bool Geeignet = true;
  int KontenGelesen = 0;
  TIntPair Mandant{1, 1};
  std::string Name = "Muster GmbH";

  std::string ProgrammMandantText() override { return Name; }
  std::string AktTextMandant() override { return Name; }
  TIntPair AktMandant() override { return Mandant; }
  std::string AktExporterName() override { return Format; }
  int ExporterProfilAnzahl() override { return Profile; }
  bool ExporterProfilGeeignet(const TIntPair&) override { return Geeignet; }
  void KontenIni_einlesen() override { ++KontenGelesen; }
  void MandantSetzen(const TIntPair& mandant, const std::string& name) override {
    Mandant = mandant;
    Name = name;
  }
};

class TFakeHauptFenster : public IHauptFenster {
 public:
  bool ProfilOk = true, SelektionOk = true, MandantOk = true;
  std::vector<std::string> Geoeffnet;
  std::function<void(TfrmFiBuSelektion&)> Eingabe;

  bool MandantWaehlen(TIntPair& mandant, std::string& name) override {
    Geoeffnet.push_back("Mandant");
    mandant = {2, 1};
    name = "Filiale Nord";
    return MandantOk;
  }
  bool ProfilWahl() override {
    Geoeffnet.push_back("Profil");
    return ProfilOk;
  }
  bool Selektion(TfrmFiBuSelektion& s) override {
    Geoeffnet.push_back("Selektion");
    if (!SelektionOk) return false;
    s.FormShow();
    if (Eingabe) Eingabe(s);
    s.btnWeiterClick();
    return s.ModalResult() == mrOk;
  }
  void Buchungsliste() override { Geoeffnet.push_back("Liste"); }
  bool FormatWahl() override {
    Geoeffnet.push_back("Format");
    return true;
  }
  void Kassenabstimmung() override { Geoeffnet.push_back("Kasse"); }
  void WeitereEinstellungen() override { Geoeffnet.push_back("Einstellungen"); }
};

class Haupt : public ::testing::Test {
 protected:
  TestSuite suite;
  TFakeDatenmodul dm;
  TFakeRechte rechte;
  TFakeAbrechnungsWahl wahl;
  TSaldixBearbeiten liste{dm.Dienste(), rechte, wahl};
  TFakeSelektionDaten selDaten;
  TfrmFiBuSelektion selektion{selDaten, wahl};
  TFakeHauptDaten daten;
  TFakeHauptFenster fenster;
  TFrmHaupt haupt{daten, fenster, selektion, liste};
};

TEST_F(Haupt, CaptionsFollowTheClientAndTheActiveFormat) {
  EXPECT_EQ(haupt.Caption, "Saldix - Muster GmbH");
  EXPECT_EQ(haupt.lblMandant, "Muster GmbH");
  EXPECT_EQ(haupt.BearbeitenRechts, "Export in DATEV Format 700");

  haupt.btnMandantWechselnClick();
  EXPECT_EQ(daten.Mandant, (TIntPair{2, 1}));
  EXPECT_EQ(haupt.Caption, "Saldix - Filiale Nord");
  EXPECT_EQ(haupt.lblMandant, "Filiale Nord");

  fenster.MandantOk = false;
  daten.Format.clear();
  haupt.btnMandantWechselnClick();
  EXPECT_EQ(daten.Name, "Filiale Nord");
  EXPECT_EQ(haupt.BearbeitenRechts, "");
}

TEST_F(Haupt, WithoutActiveFormatTheListDoesNotOpen) {
  daten.Format.clear();
  haupt.btnBearbeitenBearbeitenClick();
  EXPECT_EQ(suite.Messages().LastText(), "Bitte wählen Sie zuerst ein Export-Format.");
  EXPECT_TRUE(fenster.Geoeffnet.empty());
}

TEST_F(Haupt, ProfilesAreChosenFirstAndAnUnsuitableProfileStops) {
  daten.Profile = 2;
  fenster.ProfilOk = false;
  haupt.btnBearbeitenBearbeitenClick();
  EXPECT_EQ(fenster.Geoeffnet, (std::vector<std::string>{"Profil"}));

  fenster.ProfilOk = true;
  daten.Geeignet = false;
  haupt.btnBearbeitenBearbeitenClick();
  EXPECT_EQ(suite.Messages().LastText(),
            "Das gewählte Export-Profil ist für die eingestellte Firma nicht geeignet");
  EXPECT_EQ(daten.KontenGelesen, 0);

  daten.Geeignet = true;
  selDaten.abrechnungen.Halten(2024, 6, EncodeDate(2024, 1, 31));
  fenster.Geoeffnet.clear();
  fenster.Eingabe = [](TfrmFiBuSelektion& s) {
    s.SetJahr("2024");
    s.SetMonat(2);
  };
  haupt.btnBearbeitenBearbeitenClick();
  EXPECT_EQ(fenster.Geoeffnet, (std::vector<std::string>{"Profil", "Selektion", "Liste"}));
  EXPECT_EQ(daten.KontenGelesen, 1);
  EXPECT_TRUE(liste.OffeneAbrechnung);
  EXPECT_EQ(liste.DatumVon, EncodeDate(2024, 2, 1));
  EXPECT_EQ(liste.DatumBis, EncodeDate(2024, 2, 29));
  EXPECT_EQ(liste.AbrJahr, 2024);
  EXPECT_EQ(liste.AbrNr, 7);
}

TEST_F(Haupt, OtherButtonsOpenTheirWindows) {
  haupt.btnAbstimmungKasseClick();
  haupt.btnAuswahlExportClick();
  haupt.btnWeitereEinstellungenClick();
  EXPECT_EQ(fenster.Geoeffnet, (std::vector<std::string>{"Kasse", "Format", "Einstellungen"}));
}

TEST_F(Haupt, SelectionPresetsFromDatesLastSettlementOrPreviousMonth) {
  selektion.FormShow();
  const TDateTime vormonat = StartOfMonth(qtx_Date()) - 1;
  EXPECT_EQ(selektion.edtJahr, std::to_string(YearOf(vormonat)));
  EXPECT_EQ(selektion.Monat, MonthOf(vormonat));
  EXPECT_TRUE(selektion.ZeitraumAktiv());
  EXPECT_STREQ(selektion.Fokus(), "edtDatumVon");

  selDaten.abrechnungen.Halten(2023, 4, EncodeDate(2023, 5, 31));
  selektion.edtDatumVon.clear();
  selektion.FormShow();
  EXPECT_EQ(selektion.edtJahr, "2023");
  EXPECT_EQ(selektion.Monat, 5);
  EXPECT_EQ(selektion.edtDatumVon, "01.05.2023");
  EXPECT_EQ(selektion.edtDatumBis, "31.05.2023");

  // A period of its own is kept.
  selektion.edtDatumVon = "05.09.2022";
  selektion.edtDatumBis = "20.09.2022";
  selektion.FormShow();
  EXPECT_EQ(selektion.edtJahr, "2022");
  EXPECT_EQ(selektion.Monat, 9);
  EXPECT_EQ(selektion.edtDatumVon, "05.09.2022");
}

TEST_F(Haupt, SelectionRefusesPeriodsAcrossBusinessYearsAndEmptyPeriods) {
  selektion.FormShow();
  selDaten.abrechnungen.Halten(2024, 6);
  selektion.edtDatumVon = "15.06.2024";
  selektion.edtDatumBis = "15.07.2024";
  selektion.btnWeiterClick();
  EXPECT_EQ(selektion.ModalResult(), 0);
  EXPECT_EQ(suite.Messages().LastText(),
            "Der Zeitraum muss innerhalb eines Wirtschaftsjahres liegen.");

  selektion.edtDatumVon = "kein Datum";
  selektion.edtDatumBis = "";
  selektion.btnWeiterClick();
  EXPECT_EQ(selektion.ModalResult(), 0);
  EXPECT_EQ(suite.Messages().LastText(), "Bitte den Zeitraum füllen.");

  // An invalid year leaves the period as it was.
  selektion.SetJahr("abc");
  EXPECT_EQ(selektion.edtDatumVon, "kein Datum");

  selektion.SetJahr("2024");
  selektion.SetMonat(7);
  selektion.btnWeiterClick();
  EXPECT_EQ(selektion.ModalResult(), mrOk);
  EXPECT_FALSE(selektion.FNachAbrNr);
  EXPECT_EQ(selektion.FDatumVon, EncodeDate(2024, 7, 1));
  EXPECT_EQ(selektion.FDatumBis, EncodeDate(2024, 7, 31));
  // The settlement year of an open settlement is the calendar year of the end date.
  EXPECT_EQ(selektion.FAbrJahr, 2024);
  EXPECT_EQ(selektion.FAbrNr, 7);
}

TEST_F(Haupt, AClosedSettlementIsTakenFromTheJournalDialog) {
  selektion.FormShow();
  wahl.Ergebnis = true;
  wahl.AbrNr = 12;
  wahl.AbrJahr = 2023;
  wahl.Von = EncodeDate(2023, 3, 1);
  wahl.Bis = EncodeDate(2023, 3, 31);
  selektion.btnListeClick();
  EXPECT_TRUE(selektion.AbrechnungsNrAktiv());
  EXPECT_EQ(selektion.ModalResult(), mrOk);
  EXPECT_TRUE(selektion.FNachAbrNr);
  EXPECT_EQ(selektion.FAbrNr, 12);
  EXPECT_EQ(selektion.FAbrJahr, 2023);
  EXPECT_EQ(selektion.FDatumBis, EncodeDate(2023, 3, 31));
}

}  // namespace
