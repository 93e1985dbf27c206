#include <gtest/gtest.h>

#include "BearbFakes.h"
#include "app/SaldixBearb.h"
#include "support/TestSuite.h"
#include "suite/MenuLog.h"

namespace {

class Bearbeiten : public ::testing::Test {
 protected:
  void SetUp() override { dm.Nummern = {{"KASSE", 1000}, {"ERLWARE", 8400}}; }

  void Oeffnen() {
    form.FormShow();
    form.FormActivate();
  }
  std::size_t Zeilen() { return form.Liste().Oberste().size(); }

  TestSuite suite;
  TFakeDatenmodul dm;
  TFakeRechte rechte;
  TFakeAbrechnungsWahl wahl;
  TSaldixBearbeiten form{dm.Dienste(), rechte, wahl};
};

TEST_F(Bearbeiten, ShowingSetsCaptionsAndWithoutExportRightSaysSo) {
  Oeffnen();
  EXPECT_EQ(form.Caption, "Daten bearbeiten - DATEV");
  EXPECT_EQ(form.Ueberschrift, "Daten bearbeiten - Export in DATEV");
  EXPECT_EQ(form.ExportMenuText, "Exportieren in DATEV");
  EXPECT_EQ(form.UmschaltText, "Sätze, die exportiert werden sollen");

  dm.Erlaubt = false;
  dm.Buchung(1, "KASSE", "ERLWARE", 10, 0);
  form.FormShow();
  EXPECT_EQ(form.Caption, "Daten anzeigen, kein Export möglich");
  EXPECT_EQ(form.Ueberschrift, "Daten anzeigen, kein Export möglich");
  form.acAktualisierenExecute();
  form.SetAuswahl(form.Liste().Oberste().front());
  form.acLoeschenExecute();
  EXPECT_TRUE(dm.Loeschungen.empty());
  EXPECT_EQ(rechte.Gefragt, 0);
}

TEST_F(Bearbeiten, TheCaptionNamesTheProfileTheExportUses) {
  dm.Exp.Profil = "FILIALE NORD";
  Oeffnen();
  EXPECT_EQ(form.Caption, "Daten bearbeiten - DATEV (Profil FILIALE NORD)");
  EXPECT_EQ(form.ExportMenuText, "Exportieren in DATEV");
}

TEST_F(Bearbeiten, OriginChoiceOffersOnlyTheSixOriginsAndPrimanotaSwitch) {
  Oeffnen();
  const std::vector<std::string> erwartet{"Alle",           "Kassenbericht",
                                          "Ordercockpit",   "Rechnungskontrolle",
                                          "Bankvewegungen", "Primanota"};
  EXPECT_EQ(form.Herkuenfte().Eintraege, erwartet);
  EXPECT_FALSE(form.MitPrimanotaSichtbar());
  form.Herkuenfte().Waehlen("Kassenbericht");
  EXPECT_TRUE(form.MitPrimanotaSichtbar());
  form.Herkuenfte().Waehlen("Primanota");
  EXPECT_FALSE(form.MitPrimanotaSichtbar());
}

TEST_F(Bearbeiten, MitPrimanotaAddsManualBookingsToTheCashReportOrigin) {
  dm.Buchung(1, "KASSE", "ERLWARE", 10, 0);
  dm.Buchung(2, "KASSE", "ERLWARE", 20, 0).FiBuGVorfall = "PRIMANOTA";
  dm.Buchung(3, "KASSE", "ERLWARE", 30, 0).FiBuGVorfall = "ARE";
  Oeffnen();
  EXPECT_EQ(Zeilen(), 3u);
  form.Herkuenfte().Waehlen("Kassenbericht");
  form.HerkunftGeaendert();
  EXPECT_FALSE(form.ListeGueltig());
  form.acAktualisierenExecute();
  EXPECT_EQ(Zeilen(), 1u);
  form.SetMitPrimanota(true);
  form.acAktualisierenExecute();
  ASSERT_EQ(Zeilen(), 2u);
  EXPECT_EQ(form.Liste().Zeile(form.Liste().Oberste()[1]).Werte().Text(TSpalte::Vorfall), "PRIMANOTA");
}

TEST_F(Bearbeiten, MaximumLineCountStopsReadingAndSaysHowMany) {
  for (int i = 1; i <= 250; ++i) dm.Buchung(i, "KASSE", "ERLWARE", i, 0);
  dm.Einst.MaxZeilen = 100;
  Oeffnen();
  EXPECT_EQ(Zeilen(), 100u);
  EXPECT_NE(suite.Messages().LastText().find("max. Anzahl (100) von Sätzen"), std::string::npos);
}

TEST_F(Bearbeiten, BatchModeWritesTheLineCountMessageToTheMenuLog) {
  for (int i = 1; i <= 3; ++i) dm.Buchung(i, "KASSE", "ERLWARE", i, 0);
  dm.Einst.MaxZeilen = 2;
  dm.Einst.DirektEinlesen = false;
  form.FBatchmode = true;
  Oeffnen();
  EXPECT_EQ(Zeilen(), 2u);
  EXPECT_EQ(suite.Messages().Count(), 0u);
  const auto log = MenuLog_Tail(1);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(log[0].text.find("(2)"), std::string::npos);
}

TEST_F(Bearbeiten, TheBookingsKeptAreToldOnceReadBeforeTheListIsBuilt) {
  for (int i = 1; i <= 3; ++i) dm.Buchung(i, "KASSE", "ERLWARE", i, 0);
  dm.Einst.MaxZeilen = 2;
  std::vector<TIntTrio> gelesen;
  std::size_t zeilenBeimLesen = 99;
  form.BuchungenGelesen = [&](std::vector<TIntTrio> idents) {
    gelesen = std::move(idents);
    zeilenBeimLesen = Zeilen();
  };
  Oeffnen();
  EXPECT_EQ(gelesen, (std::vector<TIntTrio>{{1, 1, 1}, {1, 2, 1}}));
  EXPECT_EQ(zeilenBeimLesen, 0u);
  EXPECT_EQ(Zeilen(), 2u);
}

TEST_F(Bearbeiten, OpenSettlementWidensTheDateRangeToTheBookings) {
  dm.Buchung(1, "KASSE", "ERLWARE", 10, 0, 1, EncodeDate(2024, 2, 3));
  dm.Buchung(2, "KASSE", "ERLWARE", 10, 0, 1, EncodeDate(2024, 4, 9));
  Oeffnen();
  EXPECT_EQ(form.DatumVon, EncodeDate(2024, 2, 3));
  EXPECT_EQ(form.DatumBis, EncodeDate(2024, 4, 9));
}

TEST_F(Bearbeiten, ReversingOneAsksNothingAndAGroupOfFiveAsksWithTheCount) {
  for (int i = 1; i <= 5; ++i) dm.Buchung(i, "KASSE", "ERLWARE", 10, 0);
  dm.Buchung(6, "KASSE", "ERLWARE", 10, 0, 2);
  Oeffnen();
  ASSERT_EQ(Zeilen(), 6u);
  form.SetAuswahl(form.Liste().Oberste()[0]);
  form.acAusbuchenExecute();
  ASSERT_EQ(dm.Umkehrungen.size(), 1u);
  EXPECT_EQ(suite.Messages().QuestionsAsked(), 0u);

  dm.Einst.KontoKombination = true;
  dm.Einst.Kriterien = "FILIALE";
  form.HerkunftGeaendert();
  form.acAktualisierenExecute();
  ASSERT_EQ(Zeilen(), 2u);
  form.SetAuswahl(form.Liste().Oberste()[0]);
  suite.Messages().Answer(mrNo);
  form.acAusbuchenExecute();
  EXPECT_EQ(suite.Messages().LastText(),
            "Sie haben 5 Sätze zum Ausbuchen gewählt. Wollen Sie fortfahren?");
  EXPECT_EQ(dm.Umkehrungen.size(), 1u);
  suite.Messages().Answer(mrYes);
  form.acAusbuchenExecute();
  ASSERT_EQ(dm.Umkehrungen.size(), 2u);
  EXPECT_EQ(dm.Umkehrungen[1].size(), 5u);
}

TEST_F(Bearbeiten, DeletionNeedsTheRightAndAFailureDoesNotReload) {
  dm.Buchung(1, "KASSE", "ERLWARE", 10, 0);
  Oeffnen();
  form.SetAuswahl(form.Liste().Oberste()[0]);
  rechte.Erlaubt = false;
  form.acLoeschenExecute();
  EXPECT_TRUE(dm.Loeschungen.empty());
  rechte.Erlaubt = true;
  dm.AenderungErfolg = false;
  const std::size_t gelesen = dm.Filter.size();
  form.acLoeschenExecute();
  EXPECT_EQ(dm.Loeschungen.size(), 1u);
  EXPECT_EQ(dm.Filter.size(), gelesen);
}

TEST_F(Bearbeiten, EditingResultsAndRefusalsNameTheBookingAsTheBookkeeperKnowsIt) {
  dm.Buchung(1, "KASSE", "ERLWARE", 10, 0);
  auto& exportiert = dm.Buchung(2, "KASSE", "ERLWARE", 0, 20);
  exportiert.AbrJahr = 2024;
  exportiert.AbrNr = 2;
  Oeffnen();
  form.SetAuswahl(form.Liste().Oberste()[0]);
  form.acAusbuchenExecute();
  const std::string umgekehrt = suite.Messages().LastText();
  EXPECT_TRUE(umgekehrt.starts_with("Zur Buchung ")) << umgekehrt;
  EXPECT_NE(umgekehrt.find("über 10,00 Soll wurde eine Umkehrbuchung erzeugt."), std::string::npos)
      << umgekehrt;

  form.SetAuswahl(form.Liste().Oberste()[0]);
  form.acLoeschenExecute();
  EXPECT_NE(suite.Messages().LastText().find(" wurde gelöscht."), std::string::npos);

  // In an exported settlement a deletion is refused before anything is asked or changed.
  wahl.Ergebnis = true;
  wahl.AbrNr = 2;
  wahl.AbrJahr = 2024;
  form.AbgeschlosseneAbrechnung();
  const std::size_t geloescht = dm.Loeschungen.size();
  ASSERT_EQ(form.Liste().Oberste().size(), 1u);
  form.SetAuswahl(form.Liste().Oberste()[0]);
  form.acLoeschenExecute();
  EXPECT_EQ(dm.Loeschungen.size(), geloescht);
  const std::string abgelehnt = suite.Messages().LastText();
  EXPECT_TRUE(abgelehnt.starts_with("Die Buchung ")) << abgelehnt;
  EXPECT_NE(abgelehnt.find("über 20,00 Haben ist bereits mit der Abrechnung 2/2024 exportiert "
                           "und kann nicht gelöscht werden."),
            std::string::npos)
      << abgelehnt;
}

TEST_F(Bearbeiten, FailedLoadLeavesTheListAsItWas) {
  dm.Buchung(1, "KASSE", "ERLWARE", 10, 0);
  Oeffnen();
  dm.Buchung(2, "KASSE", "ERLWARE", 10, 0);
  dm.LesenFehlschlag = true;
  form.acAktualisierenExecute();
  EXPECT_EQ(Zeilen(), 1u);
  EXPECT_TRUE(form.ListeGueltig());
}

TEST_F(Bearbeiten, ExportFlagChangeAsksChangesMarkedAndReportsOnlyRealSuccess) {
  dm.Buchung(1, "KASSE", "ERLWARE", 10, 0);
  dm.Buchung(2, "KASSE", "ERLWARE", 20, 0);
  Oeffnen();
  form.SetAuswahl(form.Liste().Oberste()[1]);
  form.acMarkierungExecute();
  dm.AenderungErfolg = false;
  suite.Messages().Answer(mrYes);
  form.acExportKennzAendernExecute();
  EXPECT_EQ(suite.Messages().LastText(), "Die Änderungen konnten nicht verbucht werden.");

  dm.AenderungErfolg = true;
  suite.Messages().Answer(mrYes);
  form.acExportKennzAendernExecute();
  EXPECT_EQ(suite.Messages().Messages()[suite.Messages().Count() - 2].text,
            "Wollen Sie das Export-Kennzeichen der markierten Sätze auf\r\nnicht "
            "exportieren\r\nändern?");
  EXPECT_EQ(suite.Messages().LastText(), "Die Änderungen wurden verbucht.");
  ASSERT_EQ(dm.ExportKzAenderungen.back().first.size(), 1u);
  EXPECT_EQ(dm.ExportKzAenderungen.back().first[0], (TIntTrio{1, 1, 1}));
  EXPECT_FALSE(dm.ExportKzAenderungen.back().second);
  EXPECT_EQ(Zeilen(), 1u);

  form.acUmschaltenKeinExportExecute();
  EXPECT_EQ(form.UmschaltText, "Sätze, die nicht exportiert werden sollen");
  form.acAktualisierenExecute();
  EXPECT_EQ(Zeilen(), 1u);
}

TEST_F(Bearbeiten, UsedSettlementNumberKeepsTheOldOne) {
  dm.Abrechnungsstand.Halten(2024, 3, EncodeDate(2024, 1, 31));
  Oeffnen();
  form.AktuelleNeueAbrechnung();
  EXPECT_EQ(form.AbrNr, 4);
  EXPECT_EQ(form.AbrJahr, 2024);
  EXPECT_EQ(form.DatumVon, EncodeDate(2024, 2, 1));
  wahl.NeueNr = 3;
  wahl.NeuesJahr = 2024;
  form.AbrechnungsNrAendern();
  EXPECT_EQ(form.AbrNr, 4);
  EXPECT_NE(suite.Messages().LastText().find("3/2024"), std::string::npos);
  wahl.NeueNr = 8;
  form.AbrechnungsNrAendern();
  EXPECT_EQ(form.AbrNr, 8);
  EXPECT_EQ(form.AbrechnungText, "8/2024");
  form.NeuesteAbrechnungsNr();
  EXPECT_EQ(form.AbrNr, 4);
}

TEST_F(Bearbeiten, AClosedSettlementIsLoadedAndAReIssueChosenInTheJournalIsPassedOn) {
  Oeffnen();
  EXPECT_FALSE(form.AbgeschlosseneAbrechnung());  // cancelled: nothing changes
  EXPECT_TRUE(form.OffeneAbrechnung);
  wahl.Ergebnis = true;
  wahl.AbrNr = 2;
  wahl.AbrJahr = 2024;
  EXPECT_FALSE(form.AbgeschlosseneAbrechnung());
  EXPECT_FALSE(form.OffeneAbrechnung);
  EXPECT_EQ(form.AbrechnungText, "2/2024");
  wahl.ErneutAusgeben = true;
  EXPECT_TRUE(form.AbgeschlosseneAbrechnung());
}

TEST_F(Bearbeiten, SettlementNumberChangeReloadsWhenAContentUsesIt) {
  dm.Einst.InhaltBeleg1 = "ABRNR";
  dm.Buchung(1, "KASSE", "ERLWARE", 10, 0);
  Oeffnen();
  form.SetAbrechnung(5, 2024);
  EXPECT_EQ(form.Liste().Zeile(form.Liste().Oberste()[0]).Werte().Text(TSpalte::ExportBeleg1), "524");
}

TEST_F(Bearbeiten, MarksViewSwitchCashFiguresAndSearch) {
  dm.Arten["KASSE"] = {134};
  dm.Buchung(1, "KASSE", "ERLWARE", 10, 0);
  dm.Buchung(2, "ERLWARE", "KASSE", 4, 0);
  Oeffnen();
  EXPECT_EQ(form.SummeBuchungen(), 6);
  form.SetAnfangssaldo(100);
  EXPECT_EQ(form.Endsaldo(), 106);
  form.acUmkehrenExecute();
  EXPECT_EQ(form.SummeBuchungen(), 0);
  form.acAlleEinExecute();
  EXPECT_EQ(form.SummeBuchungen(), 6);
  form.acAlleEinExecute();  // nothing changed: the figures stay
  EXPECT_EQ(form.SummeBuchungen(), 6);
  form.SetAuswahl(form.Liste().Oberste()[0]);
  form.acMarkierungExecute();
  EXPECT_EQ(form.SummeBuchungen(), -4);
  EXPECT_EQ(form.Auswahl(), form.Liste().Oberste()[1]);

  form.acChangeViewExecute();
  EXPECT_EQ(form.ChangeViewCaption, "Export anzeigen");
  EXPECT_TRUE(form.Summenansicht());
  // Totals rows show their account and sums, no member's document, text or date.
  const auto& gesamt = form.Liste().Zeile(form.Liste().Oberste()[0]);
  EXPECT_EQ(gesamt.Werte().Text(TSpalte::Konto), "");
  ASSERT_FALSE(gesamt.Kinder.empty());
  const auto& konto = form.Liste().Zeile(gesamt.Kinder[0]).Werte();
  EXPECT_NE(konto.Text(TSpalte::Konto), "");
  EXPECT_EQ(konto.Text(TSpalte::Beleg1), "");
  EXPECT_EQ(konto.Text(TSpalte::Beschreibung), "");
  EXPECT_EQ(konto.Datum(TSpalte::Belegdatum), 0);
  form.acChangeViewExecute();
  EXPECT_EQ(form.ChangeViewCaption, "Summen anzeigen");
  ASSERT_EQ(Zeilen(), 2u);
  EXPECT_FALSE(form.Liste().IstMarkiert(form.Liste().Oberste()[0]));  // marks survive

  form.SetAuswahl(form.Liste().Oberste()[0]);
  EXPECT_TRUE(form.Suchen("00010000000020001"));
  EXPECT_EQ(form.Auswahl(), form.Liste().Oberste()[1]);
  EXPECT_FALSE(form.Suchen("gibt es nicht"));
  EXPECT_NE(suite.Messages().LastText().find("gibt es nicht"), std::string::npos);
}

}  // namespace

namespace {

TEST_F(Bearbeiten, ExportListShowsTopLevelRowsMarksMembersAndSortsStably) {
  dm.Buchung(1, "KASSE", "ERLWARE", 10, 0, 2, EncodeDate(2024, 3, 9));
  dm.Buchung(2, "KASSE", "ERLWARE", 20, 0, 1, EncodeDate(2024, 3, 9));
  dm.Buchung(3, "KASSE", "ERLWARE", 30, 0, 2, EncodeDate(2024, 3, 1));
  dm.Einst.KontoKombination = true;
  dm.Einst.Kriterien = "FILIALEDATUM";
  Oeffnen();
  auto liste = form.ExportListe();
  ASSERT_EQ(liste->Anzahl(), 3u);
  const IExportZeile& erste = liste->Zeile(0);
  EXPECT_TRUE(erste.IstGruppe());
  ASSERT_EQ(erste.KinderAnzahl(), 1u);
  EXPECT_EQ(erste.Kind(0).Text(TSpalte::Protokollnummer), "00010000000010001");
  EXPECT_EQ(erste.Text(TSpalte::Filiale), "2");
  EXPECT_EQ(erste.Text(TSpalte::Konto), "1000");
  EXPECT_EQ(erste.Betrag(TSpalte::BetragSoll), 10);

  liste->StabilSortieren([](const IExportZeile& a, const IExportZeile& b) {
    return a.Datum(TSpalte::Belegdatum) < b.Datum(TSpalte::Belegdatum);
  });
  EXPECT_EQ(liste->Zeile(0).Betrag(TSpalte::BetragSoll), 30);
  EXPECT_EQ(liste->Zeile(1).Betrag(TSpalte::BetragSoll), 10);
  EXPECT_EQ(liste->Zeile(2).Betrag(TSpalte::BetragSoll), 20);

  form.SetAuswahl(form.Liste().Oberste()[0]);
  form.acMarkierungExecute();
  EXPECT_FALSE(liste->Zeile(0).Markiert());
  liste->ZeileAuswaehlen(liste->Zeile(2));
  EXPECT_EQ(form.Auswahl(), form.Liste().Oberste()[2]);
}

}  // namespace
