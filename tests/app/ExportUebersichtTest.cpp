// What a bookkeeper is told about an export: its figures, the history it leaves, and how
// a test export sets itself apart.
#include <gtest/gtest.h>

#include "app/ExportUebersicht.h"
#include "app/SaldixExportLauf.h"
#include "suite/DateTime.h"
#include "suite/MenuLog.h"
#include "suite/QTXInfo.h"
#include "support/ExportTestSupport.h"
#include "support/TestSuite.h"

namespace {

TEST(ExportUebersicht, CountsBookingsOfMarkedRowsAndMarkedGroupMembersOnly) {
  TTestListe liste;
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 1, 10, 100.10L, 0);
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 6), 1, 1, 11, 999, 0).markiert = false;
  // A group of three members, two of them marked: its amounts are the sums of those two.
  auto& gruppe = liste.Buchung(1200, 8400, EncodeDate(2024, 1, 7), 1, 0, 0);
  gruppe.gruppe = true;
  const long double soll[] = {0.10L, 500, 0.25L}, haben[] = {20, 700, 0.05L};
  for (int i = 0; i < 3; ++i) {
    auto kind = std::make_unique<TTestZeile>();
    kind->ident = {1, 20 + i, 1};
    kind->markiert = i != 1;
    kind->betraege[TSpalte::BetragSoll] = soll[i];
    kind->betraege[TSpalte::BetragHaben] = haben[i];
    gruppe.kinder.push_back(std::move(kind));
  }
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 8), 1, 1, 12, 0, 1.2L);

  const TExportUebersicht u = ExportUebersicht(liste);
  EXPECT_EQ(u.Zeilen, 3);
  EXPECT_EQ(u.Buchungen, 4);  // 1 + 2 members + 1
  EXPECT_EQ(BetragText(u.Soll), "100,45");
  EXPECT_EQ(BetragText(u.Haben), "21,25");
}

TEST(ExportUebersicht, AmountsReadAsTheBookkeeperWritesThem) {
  EXPECT_EQ(BetragText(0), "0,00");
  EXPECT_EQ(BetragText(1234567.125L), "1.234.567,13");  // halves away from zero
  EXPECT_EQ(BetragText(999.995L), "1.000,00");
  EXPECT_EQ(BetragText(-5), "-5,00");
  EXPECT_EQ(BetragText(-0.004L), "0,00");  // no "-0,00"
  EXPECT_EQ(BetragText(100000), "100.000,00");
  EXPECT_EQ(DateienText({}), "");
  EXPECT_EQ(DateienText({"/a.csv"}), "Datei: /a.csv");
  EXPECT_EQ(DateienText({"/a.csv", "/b.csv"}), "Dateien: /a.csv, /b.csv");
}

class ExportVerlauf : public ::testing::Test {
 protected:
  void SetUp() override {
    exporter.Init();
    abrechnung.Firma = {1, 1};
    abrechnung.AbrNr = 5;
    abrechnung.AbrJahr = 2024;
    abrechnung.DatumVon = EncodeDate(2024, 1, 1);
    abrechnung.DatumBis = EncodeDate(2024, 1, 31);
    abrechnung.MandantText = "1 Muster GmbH";
    liste.Buchung(1200, 8400, EncodeDate(2024, 1, 5), 1, 1, 10, 10, 0);
    liste.Buchung(1200, 8400, EncodeDate(2024, 1, 6), 1, 1, 11, 0, 2.5L);
  }

  TExportErgebnis Export(bool real, bool batch = true) {
    TExportMeldung meldung(batch);
    return TExportLauf(liste, dienste, meldung).Ausfuehren(&exporter, real, abrechnung);
  }

  TestSuite suite;
  TRecordingExporter exporter;
  TTestListe liste;
  TTestDienste dienste;
  TExportAbrechnung abrechnung;
};

TEST_F(ExportVerlauf, ARealExportIsRecordedWithTheJournalInItsTransaction) {
  ASSERT_TRUE(Export(true).ok);
  ASSERT_EQ(dienste.verlauf.size(), 1u);
  const TAbrechnungsEreignis& e = dienste.verlauf[0];
  EXPECT_EQ(e.Zustand, "exportiert");
  EXPECT_TRUE(dienste.verlaufInTransaktion);
  EXPECT_EQ(e.Firma, (TIntPair{1, 1}));
  EXPECT_EQ(e.AbrNr, 5);
  EXPECT_EQ(e.AbrJahr, 2024);
  EXPECT_EQ(e.Buchungen, 2);
  EXPECT_EQ(e.Zeilen, 2);
  EXPECT_EQ(BetragText(e.Soll), "10,00");
  EXPECT_EQ(BetragText(e.Haben), "2,50");
  EXPECT_EQ(e.Dateien, (std::vector<std::string>{"/tmp/recording.csv"}));
  EXPECT_GT(e.Zeit, 0);
  EXPECT_EQ(MenuLog_Tail(1).at(0).text,
            "Mandant 1 Muster GmbH, Abrechnung 5/2024, Zeitraum 01.01.2024 - 31.01.2024, "
            "2 Buchungen, Datei: /tmp/recording.csv");
}

TEST_F(ExportVerlauf, AHistoryThatCannotBeWrittenFailsTheSettlement) {
  dienste.verlaufScheitert = true;
  EXPECT_FALSE(Export(true).ok);
  EXPECT_FALSE(dienste.transaktionAbgeschlossen);
  EXPECT_EQ(MenuLog_Tail(1).at(0).text,
            "Abbruch: Die Exportdatei konnte nicht erstellt werden. Bitte überprüfen Sie die "
            "Grundeinstellungen. Das Exportjournal konnte nicht geschrieben werden. Keine "
            "Buchung wurde als exportiert gekennzeichnet und keine Exportdatei abgelegt.");
}

TEST_F(ExportVerlauf, AReIssueIsRecordedAndLeavesTheJournalAlone) {
  abrechnung.Wiederholung = true;
  ASSERT_TRUE(Export(true).ok);
  EXPECT_TRUE(dienste.journal.empty());
  ASSERT_EQ(dienste.verlauf.size(), 1u);
  EXPECT_EQ(dienste.verlauf[0].Zustand, "erneut ausgegeben");
  EXPECT_EQ(dienste.verlauf[0].AbrNr, 5);
  EXPECT_EQ(dienste.verlauf[0].Buchungen, 2);
}

TEST_F(ExportVerlauf, ATestExportSaysSoLeavesNoHistoryAndTheExporterKnowsIt) {
  bool testBeimKopf = false;
  exporter.beimKopf = [&] { testBeimKopf = exporter.Testexport(); };
  ASSERT_TRUE(Export(false, false).ok);
  EXPECT_TRUE(testBeimKopf);
  EXPECT_FALSE(exporter.Testexport());  // a later real export writes where it should
  EXPECT_TRUE(dienste.verlauf.empty());
  ASSERT_EQ(suite.Messages().Count(), 1u);
  // The warning leads, before the exporter's own message.
  EXPECT_EQ(suite.Messages().LastText().rfind("Testexport – nicht importieren\r\r", 0), 0u)
      << suite.Messages().LastText();
}

TEST_F(ExportVerlauf, AFailureNamesWhatTheExporterRegistered) {
  exporter.beimKopf = [] {
    QTXInfo().RegisterException("TFibuExporter_Datev.Export_Fibu_Kopf",
                                std::string("Das Exportverzeichnis \"/x\" konnte nicht angelegt "
                                            "werden: Permission denied"),
                                true);
  };
  exporter.kopfFehlerBeiAufruf = 1;
  EXPECT_FALSE(Export(true).ok);
  EXPECT_EQ(MenuLog_Tail(1).at(0).text,
            "Abbruch: Die Exportdatei konnte nicht erstellt werden. Bitte überprüfen Sie die "
            "Grundeinstellungen. Das Exportverzeichnis \"/x\" konnte nicht angelegt werden: "
            "Permission denied");
}

}  // namespace
