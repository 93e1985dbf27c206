#include <gtest/gtest.h>

#include <filesystem>

#include "app/SaldixExportLauf.h"
#include "app/SaldixExportPruefung.h"
#include "suite/DateTime.h"
#include "suite/MenuLog.h"
#include "support/ExportTestSupport.h"
#include "support/TestSuite.h"

namespace {

class ExportLauf : public ::testing::Test {
 protected:
  void SetUp() override {
    exporter.Init();
    abrechnung.Firma = {1, 1};
    abrechnung.AbrNr = 5;
    abrechnung.AbrJahr = 2024;
    abrechnung.DatumVon = EncodeDate(2024, 1, 1);
    abrechnung.DatumBis = EncodeDate(2024, 3, 31);
  }

  TExportErgebnis Export(bool real, bool batch = true) {
    TExportMeldung meldung(batch);
    TExportLauf lauf(liste, dienste, meldung);
    return lauf.Ausfuehren(&exporter, real, abrechnung);
  }

  bool Pruefen(bool batch = true) {
    TExportMeldung meldung(batch);
    TExportPruefung pruefung(liste, dienste, meldung);
    return pruefung.TestenOk(&exporter, "Test", 0);
  }

  std::string LetzteLogZeile() {
    const auto zeilen = MenuLog_Tail(1);
    return zeilen.empty() ? std::string() : zeilen.back().text;
  }

  TestSuite suite;
  TRecordingExporter exporter;
  TTestListe liste;
  TTestDienste dienste;
  TExportAbrechnung abrechnung;
  TExportMeldung batchMeldung{true};
  TExportLauf batchLauf{liste, dienste, batchMeldung};
};

TEST_F(ExportLauf, TestExportTwiceWritesTheSameAndMarksNothing) {
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 1, 10);
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 6), 1, 1, 11);
  ASSERT_TRUE(Export(false).ok);
  const auto erstes = exporter.protokoll;
  exporter.protokoll.clear();
  ASSERT_TRUE(Export(false).ok);
  EXPECT_EQ(exporter.protokoll, erstes);
  EXPECT_TRUE(dienste.markierteIdents.empty());
  EXPECT_TRUE(dienste.journal.empty());
  EXPECT_FALSE(dienste.transaktionAbgeschlossen);
}

TEST_F(ExportLauf, MonthlyFilesStartPerMonthInTheBookingsOwnYear) {
  exporter.Flags(true, false, false);
  liste.Buchung(1200, 8400, EncodeDate(2024, 3, 2), 1, 1, 12);
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 1, 10);
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 20), 1, 1, 11);
  ASSERT_TRUE(Export(true).ok);
  EXPECT_EQ(exporter.protokoll,
            (std::vector<std::string>{"Kopf 01.01.2024-31.01.2024", "Daten 1200", "Daten 1200",
                                      "Ende", "Kopf 01.03.2024-31.03.2024", "Daten 1200",
                                      "Ende"}));
  EXPECT_EQ(exporter.maxLfdNrGesetzt, 41);

  // December bookings filed under a number of the following year keep their own year.
  TRecordingExporter dezember;
  dezember.Init();
  dezember.Flags(true, false, false);
  TTestListe liste2;
  liste2.Buchung(1200, 8400, EncodeDate(2023, 12, 28), 1, 1, 20);
  abrechnung.AbrJahr = 2024;
  TExportMeldung meldung(true);
  TExportLauf lauf(liste2, dienste, meldung);
  ASSERT_TRUE(lauf.Ausfuehren(&dezember, false, abrechnung).ok);
  EXPECT_EQ(dezember.protokoll.front(), "Kopf 01.12.2023-31.12.2023");
}

TEST_F(ExportLauf, BranchOrderWithMonthlyFilesStartsAFileAtEveryMonthChange) {
  exporter.Flags(true, false, true);
  liste.Buchung(1, 8400, EncodeDate(2024, 2, 1), 2, 1, 10);
  liste.Buchung(2, 8400, EncodeDate(2024, 1, 1), 1, 1, 11);
  liste.Buchung(3, 8400, EncodeDate(2024, 1, 9), 2, 1, 12);
  liste.Buchung(4, 8400, EncodeDate(2024, 2, 3), 1, 1, 13);
  ASSERT_TRUE(Export(false).ok);
  // Branch 1 in date order (Jan, Feb), then branch 2 (Jan, Feb).
  EXPECT_EQ(exporter.protokoll,
            (std::vector<std::string>{
                "Kopf 01.01.2024-31.01.2024", "Daten 2", "Ende", "Kopf 01.02.2024-29.02.2024",
                "Daten 4", "Ende", "Kopf 01.01.2024-31.01.2024", "Daten 3", "Ende",
                "Kopf 01.02.2024-29.02.2024", "Daten 1", "Ende"}));
}

TEST_F(ExportLauf, AFileThatFailsToStartWritesNoneOfItsBookingsAndTheRunFails) {
  exporter.Flags(true, false, false);
  exporter.kopfFehlerBeiAufruf = 1;
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 1, 10);
  liste.Buchung(1300, 8400, EncodeDate(2024, 2, 5), 1, 1, 11);
  const auto ergebnis = Export(true);
  EXPECT_FALSE(ergebnis.ok);
  EXPECT_EQ(exporter.protokoll,
            (std::vector<std::string>{"Kopf 01.01.2024-31.01.2024", "Kopf 01.02.2024-29.02.2024",
                                      "Daten 1300"}));
  EXPECT_TRUE(dienste.markierteIdents.empty());
  EXPECT_EQ(LetzteLogZeile(),
            "Abbruch: Die Exportdatei konnte nicht erstellt werden. Bitte überprüfen Sie die "
            "Grundeinstellungen.");
}

TEST_F(ExportLauf, RealExportMarksAndJournalsTogetherAndCountsEveryRow) {
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 3, 200);
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 6), 1, 3, 100).markiert = false;
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 7), 1, 3, 150);
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 8), 1, 7, 5);
  const auto ergebnis = Export(true);
  ASSERT_TRUE(ergebnis.ok);
  EXPECT_EQ(dienste.markierteIdents.size(), 3u);
  ASSERT_EQ(dienste.journal.size(), 2u);
  EXPECT_EQ(dienste.journal[0].RNr, 3);
  EXPECT_EQ(dienste.journal[0].LNrVon, 150);
  EXPECT_EQ(dienste.journal[0].LNrBis, 200);
  EXPECT_EQ(dienste.journal[1].RNr, 7);
  EXPECT_TRUE(dienste.transaktionAbgeschlossen);
  // The line of the count stays as it was; the next one names what was filed where.
  const auto log = MenuLog_Tail(2);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].text, "4-Fibu-Sätze wurden erfolgreich exportiert");
  EXPECT_EQ(log[1].text, "Mandant 1/1, Abrechnung 5/2024, Zeitraum 01.01.2024 - 31.03.2024, "
                         "3 Buchungen, Datei: /tmp/recording.csv");
}

TEST_F(ExportLauf, AFailingJournalWriteLeavesEveryBookingOpen) {
  dienste.journalScheitert = true;
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 3, 200);
  const auto ergebnis = Export(true);
  EXPECT_FALSE(ergebnis.ok);
  EXPECT_FALSE(dienste.transaktionAbgeschlossen);  // the marking is rolled back with it
  EXPECT_NE(LetzteLogZeile().find("Exportjournal konnte nicht geschrieben werden"),
            std::string::npos);
}

TEST_F(ExportLauf, ARealExportsFileAppearsOnlyWithItsCommittedSettlement) {
  const auto ziel = suite.Dir() / "EXTF_5.csv";
  exporter.zielDatei = ziel.string();
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 3, 200);

  dienste.journalScheitert = true;
  EXPECT_FALSE(Export(true).ok);
  EXPECT_FALSE(std::filesystem::exists(ziel));  // the file goes with the settlement

  dienste.journalScheitert = false;
  ASSERT_TRUE(Export(true).ok);
  EXPECT_TRUE(std::filesystem::exists(ziel));
  EXPECT_EQ(dienste.vorgemerkteDateien, 1u);  // noted inside the settlement's transaction
  for (const auto& eintrag : std::filesystem::directory_iterator(suite.Dir())) {
    EXPECT_NE(eintrag.path().extension(), ".tmp") << eintrag.path();
  }
}

TEST_F(ExportLauf, BookingsExportedMeanwhileStopTheRunWithoutFileOrNumber) {
  const auto ziel = suite.Dir() / "EXTF_5.csv";
  exporter.zielDatei = ziel.string();
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 3, 200);
  dienste.markierenScheitert = true;
  dienste.inzwischenVergeben = "3 Buchungen wurden inzwischen mit Abrechnung 10/2026 exportiert";

  const auto ergebnis = Export(true);
  EXPECT_FALSE(ergebnis.ok);
  EXPECT_TRUE(ergebnis.vergeben);
  EXPECT_EQ(dienste.markiertErwartet, TAbrechnungsStand{});  // only open bookings are taken
  EXPECT_FALSE(std::filesystem::exists(ziel));
  EXPECT_TRUE(dienste.journal.empty());
  EXPECT_EQ(LetzteLogZeile(),
            "Abbruch: 3 Buchungen wurden inzwischen mit Abrechnung 10/2026 exportiert. Es wurde "
            "keine Datei geschrieben und nichts gekennzeichnet. Bitte laden Sie die Liste neu.");
}

TEST_F(ExportLauf, AnUploadLeavesOnlyOnceTheBookingsAreTheRunsAndARefusedOneUndoesAll) {
  const auto ziel = suite.Dir() / "EXTF_5.csv";
  exporter.zielDatei = ziel.string();
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 3, 200);
  int hochgeladen = 0;
  bool annehmen = true;
  exporter.ablieferung = [&](std::string& fehler) {
    ++hochgeladen;
    if (!annehmen) fehler = "Der Server lehnt die Datei ab.";
    return annehmen;
  };

  // Another run took the bookings meanwhile: nothing leaves the machine.
  dienste.markierenScheitert = true;
  dienste.inzwischenVergeben = "1 Buchungen wurden inzwischen mit Abrechnung 10/2026 exportiert";
  EXPECT_FALSE(Export(true).ok);
  EXPECT_EQ(hochgeladen, 0);

  // The upload is refused: no settlement, no file, the reason in the log.
  dienste.markierenScheitert = false;
  dienste.inzwischenVergeben.clear();
  annehmen = false;
  EXPECT_FALSE(Export(true).ok);
  EXPECT_EQ(hochgeladen, 1);
  EXPECT_TRUE(dienste.journal.empty());
  EXPECT_FALSE(std::filesystem::exists(ziel));
  EXPECT_NE(LetzteLogZeile().find("Der Server lehnt die Datei ab."), std::string::npos)
      << LetzteLogZeile();

  annehmen = true;
  ASSERT_TRUE(Export(true).ok);
  EXPECT_EQ(hochgeladen, 2);
  EXPECT_FALSE(dienste.journal.empty());
  EXPECT_TRUE(std::filesystem::exists(ziel));
}

TEST_F(ExportLauf, AClosedSettlementIsIssuedAgainUnderItsOwnNumberAndChangesNothing) {
  const auto ziel = suite.Dir() / "EXTF_5.csv";
  exporter.zielDatei = ziel.string();
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 3, 200);
  dienste.abrechnungen.Halten(2024, 5);  // its own number is of course taken
  abrechnung.Wiederholung = true;

  const auto ergebnis = Export(true, false);
  ASSERT_TRUE(ergebnis.ok);
  EXPECT_EQ(abrechnung.AbrNr, 5);
  EXPECT_EQ(exporter.dateien.front().AbrNr, 5);
  // Its bookings were confirmed to carry it still; nothing was committed.
  EXPECT_EQ(dienste.markiertErwartet, (TAbrechnungsStand{5, 2024}));
  EXPECT_TRUE(dienste.journal.empty());
  EXPECT_FALSE(dienste.transaktionAbgeschlossen);
  EXPECT_EQ(dienste.vorgemerkteDateien, 0u);
  EXPECT_TRUE(std::filesystem::exists(ziel));
  EXPECT_NE(suite.Messages().LastText().find(
                "Die Abrechnung 5/2024 wurde erneut ausgegeben; Buchungen und Exportjournal "
                "bleiben unverändert."),
            std::string::npos)
      << suite.Messages().LastText();

  // One of them was reopened meanwhile: nothing is written.
  std::filesystem::remove(ziel);
  dienste.markierenScheitert = true;
  dienste.inzwischenVergeben = "1 Buchungen wurden inzwischen wieder geöffnet";
  EXPECT_FALSE(Export(true).ok);
  EXPECT_FALSE(std::filesystem::exists(ziel));
}

TEST_F(ExportLauf, BookkeepingBegunAheadIsTakenOverForTheSameBookingsInAnyOrder) {
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 3, 200);
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 6), 1, 3, 201);
  // Begun as read, before pairing and combining put the rows in another order.
  auto begonnen = batchLauf.BuchhaltungBeginnen(abrechnung, {{3, 201, 1}, {3, 200, 1}});
  EXPECT_TRUE(dienste.klammerOffen);
  ASSERT_TRUE(batchLauf.Ausfuehren(&exporter, true, abrechnung, std::move(begonnen)).ok);
  EXPECT_EQ(dienste.klammern, 1);
  EXPECT_EQ(dienste.markierteIdents.size(), 2u);
  EXPECT_TRUE(dienste.transaktionAbgeschlossen);
  EXPECT_FALSE(dienste.klammerOffen);
}

TEST_F(ExportLauf, BookkeepingBegunForOtherRowsIsUndoneBeforeItBeginsAnew) {
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 3, 200);
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 6), 1, 3, 201);
  auto begonnen = batchLauf.BuchhaltungBeginnen(abrechnung, {{3, 200, 1}, {3, 201, 1}});
  liste.zeilen[0]->markiert = false;  // the rows changed meanwhile
  ASSERT_TRUE(batchLauf.Ausfuehren(&exporter, true, abrechnung, std::move(begonnen)).ok);
  EXPECT_EQ(dienste.klammern, 2);
  EXPECT_FALSE(dienste.klammerDoppelt);  // never waits for its own lock
  EXPECT_EQ(dienste.markierteIdents, (std::vector<TIntTrio>{{3, 201, 1}}));
}

TEST_F(ExportLauf, ABeginningThatFailedIsReportedByTheRunWithoutASecondTry) {
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 3, 200);
  dienste.klammerScheitert = true;
  auto begonnen = batchLauf.BuchhaltungBeginnen(abrechnung, {{3, 200, 1}});
  EXPECT_FALSE(batchLauf.Ausfuehren(&exporter, true, abrechnung, std::move(begonnen)).ok);
  EXPECT_EQ(dienste.klammern, 1);
  EXPECT_TRUE(exporter.dateien.empty());
  EXPECT_TRUE(dienste.markierteIdents.empty());
  EXPECT_NE(LetzteLogZeile().find("Abbruch: Die Exportdatei konnte nicht erstellt werden"),
            std::string::npos);
  // The lock of another workstation is named; the settings are not to blame.
  EXPECT_NE(LetzteLogZeile().find("an einem anderen Arbeitsplatz gesperrt"), std::string::npos);
  EXPECT_EQ(LetzteLogZeile().find("Grundeinstellungen"), std::string::npos);
}

TEST_F(ExportLauf, ATakenSettlementNumberMovesToTheNextFreeOne) {
  dienste.abrechnungen.Halten(2024, 1).Halten(2024, 2).Halten(2024, 5);
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 3, 200);
  ASSERT_TRUE(Export(true).ok);
  EXPECT_EQ(abrechnung.AbrNr, 6);
  EXPECT_EQ(dienste.journalAbrNr, 6);
  EXPECT_EQ(exporter.dateien.front().AbrNr, 6);
}

TEST_F(ExportLauf, FieldsOfOtherFormatsStayEmpty) {
  auto& zeile = liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 3, 200);
  zeile.texte[TSpalte::BU] = "9";
  zeile.texte[TSpalte::Vorfall] = "KASSENBERICHT";
  zeile.texte[TSpalte::ExportBeschreibung] = "  Verkauf  ";
  zeile.texte[TSpalte::Konto] = "K1200";
  ASSERT_TRUE(Export(false).ok);
  const auto& buchung = exporter.buchungen.front();
  EXPECT_EQ(buchung.StSchlGgKto, 9);
  EXPECT_EQ(buchung.Konto, 0);  // an account shown with a letter prefix
  EXPECT_EQ(buchung.Text, "Verkauf");
  EXPECT_EQ(buchung.StSchlGgKtoSt, "");
  EXPECT_EQ(buchung.Herkunft, "");
  EXPECT_EQ(buchung.SteuerProzent, 0);

  exporter.buchungen.clear();
  exporter.ZusatzFlags(true, false, false);
  ASSERT_TRUE(Export(false).ok);
  EXPECT_EQ(exporter.buchungen.front().StSchlGgKtoSt, "9");
  EXPECT_EQ(exporter.buchungen.front().Herkunft, "KASBER");
}

TEST_F(ExportLauf, TheTaxRateIsTheRateOfTheTaxAccountBookedAndNoKeyMeansNoTax) {
  exporter.ZusatzFlags(true, false, false);
  // A revenue row paired with its tax booking on MWST0500 under a key that also names
  // another slot: the key's own lookup answers 19.
  auto gruppe = std::make_unique<TTestZeile>();
  gruppe->gruppe = true;
  gruppe->texte[TSpalte::Konto] = "1000";
  gruppe->texte[TSpalte::Gegenkonto] = "8300";
  gruppe->texte[TSpalte::BU] = "4";
  gruppe->daten[TSpalte::Belegdatum] = EncodeDate(2024, 1, 5);
  TTestListe kinder;
  kinder.Buchung(1000, 8300, EncodeDate(2024, 1, 5), 1, 1, 1);
  kinder.Buchung(1000, 1771, EncodeDate(2024, 1, 5), 1, 1, 2);
  for (auto& kind : kinder.zeilen) gruppe->kinder.push_back(std::move(kind));
  liste.zeilen.push_back(std::move(gruppe));
  dienste.steuerkonten["K1771"] = "MWST0500";
  dienste.steuerProzente["MWST0500"] = 5;
  // A row with a key but no tax account keeps the key's rate; one without a key has none.
  liste.Buchung(1000, 8400, EncodeDate(2024, 1, 6), 1, 1, 3).texte[TSpalte::BU] = "3";
  liste.Buchung(1000, 4900, EncodeDate(2024, 1, 7), 1, 1, 4);

  ASSERT_TRUE(Export(false).ok);
  ASSERT_EQ(exporter.buchungen.size(), 3u);
  EXPECT_EQ(exporter.buchungen[0].SteuerProzent, 5);
  EXPECT_EQ(exporter.buchungen[1].SteuerProzent, 19);
  EXPECT_EQ(exporter.buchungen[2].SteuerProzent, 0);
}

TEST_F(ExportLauf, GroupOfExpenseAndOutputTaxFailsTheCheck) {
  auto gruppe = std::make_unique<TTestZeile>();
  gruppe->gruppe = true;
  gruppe->texte[TSpalte::Konto] = "1000";
  gruppe->texte[TSpalte::Gegenkonto] = "4900";
  gruppe->texte[TSpalte::GegenkontoBez] = "Sonstige Kosten";
  TTestListe kinder;
  kinder.Buchung(1000, 4900, EncodeDate(2024, 1, 5), 1, 1, 1);
  kinder.Buchung(1000, 1776, EncodeDate(2024, 1, 5), 1, 1, 2);
  for (auto& kind : kinder.zeilen) gruppe->kinder.push_back(std::move(kind));
  liste.zeilen.push_back(std::move(gruppe));
  dienste.klassen["K4900"] = 'A';
  dienste.steuerkonten["K1776"] = "MWST1900";

  EXPECT_FALSE(Pruefen());
  EXPECT_EQ(LetzteLogZeile().rfind("Mwst bei Aufwandskonto 4900 Sonstige Kosten Konto 1000", 0),
            0u);
  EXPECT_EQ(liste.ausgewaehlt, liste.zeilen.front().get());
}

TEST_F(ExportLauf, ChecksRefuseMissingNumbersAdviceAndNothingMarked) {
  liste.Buchung(0, 8400, EncodeDate(2024, 1, 5), 1, 1, 1);
  EXPECT_FALSE(Pruefen());
  EXPECT_EQ(LetzteLogZeile(), "Abbruch: Keine Nummer zugeordnet bei Konto 0 Bitte erst korrigieren");

  liste.zeilen.clear();
  liste.Buchung(1200, 1360, EncodeDate(2024, 1, 5), 1, 1, 1);
  dienste.kontoArten["K1360"] = 2;
  EXPECT_FALSE(Pruefen(false));
  EXPECT_EQ(suite.Messages().LastText(),
            "Avis-Sätze können nicht exportiert werden.\rBitte erst Bankauszug buchen.");

  liste.zeilen.front()->markiert = false;
  EXPECT_FALSE(Pruefen());
  EXPECT_EQ(LetzteLogZeile(), "Abbruch: Keine Sätze im angegebenen Zeitraum gefunden");
}

TEST_F(ExportLauf, TheCheckAsksTheAccountServiceOncePerAccountAndKind) {
  for (int lnr = 1; lnr <= 50; ++lnr) liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 1, lnr);
  liste.Buchung(1200, 1360, EncodeDate(2024, 1, 6), 1, 1, 51);
  dienste.kontoArten["K1360"] = 2;
  EXPECT_FALSE(Pruefen());
  EXPECT_EQ(LetzteLogZeile(),
            "Abbruch: Avis-Sätze können nicht exportiert werden. Bitte erst Bankauszug buchen");
  // Advice test on both accounts of 8400/1200, then on 1360.
  EXPECT_EQ(dienste.kontoArtFragen, 3);

  // A new check asks again: the accounts may have changed in between.
  dienste.kontoArten.clear();
  EXPECT_TRUE(Pruefen());
  EXPECT_EQ(dienste.kontoArtFragen, 6);
}

TEST_F(ExportLauf, OutputTaxWithoutRevenueIsAskedInteractivelyAndAcceptedInBatch) {
  liste.Buchung(1000, 1776, EncodeDate(2024, 1, 5), 1, 1, 1);
  dienste.steuerkonten["K1776"] = "MWST1900";
  EXPECT_TRUE(Pruefen(true));
  suite.Messages().Answer(mrNo);
  EXPECT_FALSE(Pruefen(false));
  suite.Messages().Answer(mrYes);
  EXPECT_TRUE(Pruefen(false));
  EXPECT_EQ(LetzteLogZeile().rfind("Umsatzsteuer darf nur in Verbindung mit Erlösen", 0), 0u);
}

}  // namespace
