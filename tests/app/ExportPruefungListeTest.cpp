// The check before an export lists every problem of a suite that has several at once:
// the run's own checks and DATEV's import rules, each naming its row.
#include <gtest/gtest.h>

#include "app/SaldixExportPruefung.h"
#include "formats/DatevFixture.h"
#include "formats/datev/fibuexporter_datev.h"
#include "suite/DateTime.h"
#include "suite/MenuLog.h"
#include "support/ExportTestSupport.h"
#include "support/TestSuite.h"

using namespace datevtest;

namespace {

class ExportPruefungListe : public ::testing::Test {
 protected:
  void SetUp() override {
    MandantenAnlegen();
    Einrichten(exporter, (suite.Dir() / "export").string());
    umfang.Firma = kMandant1;
    umfang.AbrJahr = 2026;
    umfang.DatumVon = EncodeDate(2026, 11, 1);
    umfang.DatumBis = EncodeDate(2026, 11, 30);
    umfang.OffeneVor = [](TDateTime) { return 141LL; };
  }

  TTestZeile& Zeile(int konto, const std::string& beleg1, long double soll = 10) {
    auto& z = liste.Buchung(konto, 8400, tag, 1, 1, ++lnr, soll, 0);
    z.texte[TSpalte::ExportBeleg1] = beleg1;
    return z;
  }

  static TExportProblem P(std::size_t zeile, std::string beleg, std::string konto,
                          std::string feld, std::string wert, std::string regel, bool sperrt) {
    return {zeile, std::move(beleg), EncodeDate(2026, 11, 5), std::move(konto), std::move(feld),
            std::move(wert), std::move(regel), sperrt};
  }

  TestSuite suite;
  TFibuExporter_Datev exporter;
  TTestListe liste;
  TTestDienste dienste;
  TExportUmfang umfang;
  const TDateTime tag = EncodeDate(2026, 11, 5);
  int lnr = 0;
};

TEST_F(ExportPruefungListe, OneBookingPerRuleGivesOneProblemEach) {
  Zeile(0, "B0").texte[TSpalte::Konto] = "KASSE";
  Zeile(1300, "B1");
  dienste.kontoArten["K1300"] = 2;
  Zeile(1776, "B2");
  dienste.steuerkonten["K1776"] = "MWST19";
  Zeile(8300, "B3");
  dienste.klassen["K8300"] = 'I';
  Zeile(123456, "B4");
  Zeile(1200, "RE#1");
  Zeile(1200, "ABCDEFGHIJKLMN");
  Zeile(1200, "B7", 12345678901.0L);
  Zeile(1200, "B8").texte[TSpalte::UStID] = "DE1234567890123456";
  Zeile(1200, "OK");

  TExportMeldung meldung(true);
  TExportPruefung pruefung(liste, dienste, meldung);
  const TExportProblemListe erwartet{
      P(0, "B0", "KASSE", "Konto", "KASSE", "Keine Nummer zugeordnet", true),
      P(1, "B1", "1300", "Konto", "1300",
        "Avis-Sätze können nicht exportiert werden. Bitte erst Bankauszug buchen", true),
      P(2, "B2", "1776", "Konto", "1776",
        "Umsatzsteuer darf nur in Verbindung mit Erlösen exportiert werden.", false),
      P(3, "B3", "8300", "Konto", "8300", "Inlandserlöse ohne Mwst.", true),
      P(4, "B4", "123456", "Konto", "123456",
        "Mehr als 5 Stellen: Sachkonten haben 4, Personenkonten 5 Stellen", true),
      P(5, "RE#1", "1200", "Belegfeld 1", "RE#1",
        "Zeichen außerhalb von a-z A-Z 0-9 $ & % * + - /; der Import liest \"RE1\"", false),
      P(6, "ABCDEFGHIJKLMN", "1200", "Belegfeld 1", "ABCDEFGHIJKLMN",
        "Länger als 12 Zeichen; geschrieben wird \"ABCDEFGHIJKL\"", false),
      P(7, "B7", "1200", "Umsatz", "12345678901,00", "Mehr als 10 Stellen vor dem Komma", true),
      P(8, "B8", "1200", "EU-Land u. UStID", "DE1234567890123456", "Länger als 15 Zeichen",
        true),
      {TExportProblem::kGanzerExport, "", 0, "", "", "",
       "Vor dem 01.11.2026 sind noch 141 Buchungen offen", false},
  };
  EXPECT_EQ(pruefung.Probleme(exporter, &umfang), erwartet);

  // Unattended, each problem is one menu-log line; the run stops at the first that blocks.
  EXPECT_FALSE(pruefung.TestenOk(&exporter, "DATEV", 0, &umfang));
  const auto log = MenuLog_Tail(11);
  ASSERT_EQ(log.size(), 11u);
  EXPECT_EQ(log[0].text, "Fehler: Beleg B0 vom 05.11.2026, Konto KASSE: Konto \"KASSE\": Keine "
                         "Nummer zugeordnet");
  EXPECT_EQ(log[5].text, "Warnung: Beleg RE#1 vom 05.11.2026, Konto 1200: Belegfeld 1 \"RE#1\": "
                         "Zeichen außerhalb von a-z A-Z 0-9 $ & % * + - /; der Import liest "
                         "\"RE1\"");
  EXPECT_EQ(log[9].text, "Warnung: Vor dem 01.11.2026 sind noch 141 Buchungen offen");
  EXPECT_EQ(log[10].text, "Abbruch: Keine Nummer zugeordnet bei Konto KASSE Bitte erst korrigieren");
}

TEST_F(ExportPruefungListe, WarningsAloneLetTheUnattendedExportGoOn) {
  Zeile(1200, "RE_1/2026");  // "_" is written as "-": nothing to warn about
  Zeile(1200, "RE 1");
  TExportMeldung meldung(true);
  TExportPruefung pruefung(liste, dienste, meldung);
  umfang.OffeneVor = nullptr;
  EXPECT_TRUE(pruefung.Probleme(exporter, &umfang).empty());
  umfang.OffeneVor = [](TDateTime) { return 3LL; };
  EXPECT_TRUE(pruefung.TestenOk(&exporter, "DATEV", 0, &umfang));
  EXPECT_EQ(MenuLog_Tail(1).at(0).text, "Warnung: Vor dem 01.11.2026 sind noch 3 Buchungen offen");
}

TEST_F(ExportPruefungListe, ABatchOfZeroAmountsOnlyIsRefused) {
  exporter.SetExportMonatlich(true);
  Zeile(1200, "A", 0);
  liste.Buchung(1200, 8400, EncodeDate(2026, 12, 1), 1, 1, 99, 5, 0);
  TExportMeldung meldung(true);
  umfang.OffeneVor = nullptr;
  const auto probleme = TExportPruefung(liste, dienste, meldung).Probleme(exporter, &umfang);
  ASSERT_EQ(probleme.size(), 1u);
  EXPECT_EQ(probleme[0].Regel, "Der Stapel 11/2026 enthält keine Buchungen: alle Beträge sind 0");
  EXPECT_TRUE(probleme[0].Sperrt);
}

}  // namespace

namespace {

TEST(OffeneBuchungen, CountsOnlyOpenBookingsOfTheSettlementYearBeforeTheDay) {
  TestSuite suite;
  MandantenAnlegen();
  auto& insert = SuiteDatabase::Get().Cached(
      "INSERT INTO fbde (rechner, transaktions_nr, lfd_nr, firma1, firma2, belegdatum, "
      "abr_jahr, abr_nr, export_kz) VALUES (1, ?, 1, ?, ?, ?, ?, ?, ?)");
  int nr = 0;
  auto buchung = [&](TIntPair firma, TDateTime datum, int abrNr, const char* exportKz) {
    insert.With(++nr, firma.Nr1, firma.Nr2, static_cast<double>(datum), abrNr ? 2026 : 0, abrNr,
                exportKz)
        .Run();
  };
  buchung(kMandant1, EncodeDate(2026, 1, 1), 0, "J");
  buchung(kMandant1, EncodeDate(2026, 10, 31) + 0.75, 0, "J");  // late on the day before
  buchung(kMandant1, EncodeDate(2026, 10, 1), 3, "J");          // exported
  buchung(kMandant1, EncodeDate(2026, 10, 1), 0, "N");          // not offered for export
  buchung(kMandant1, EncodeDate(2026, 11, 1), 0, "J");          // the period itself
  buchung(kMandant1, EncodeDate(2025, 12, 31), 0, "J");         // the year before
  buchung(kMandant2, EncodeDate(2026, 10, 1), 0, "J");          // another client
  EXPECT_EQ(OffeneBuchungenVor(kMandant1, 2026, EncodeDate(2026, 11, 1)), 2);
  EXPECT_EQ(OffeneBuchungenVor(kMandant1, 2026, EncodeDate(2026, 1, 1)), 0);
}

}  // namespace

namespace {

// The desktop's list window, answering as told.
class TAnzeige final : public IProblemAnzeige {
 public:
  bool antwort = true;
  TExportProblemListe gezeigt;
  bool Zeigen(const TExportProblemListe& probleme, IExportListe&) override {
    gezeigt = probleme;
    return antwort;
  }
};

TEST_F(ExportPruefungListe, TheDesktopShowsOneListAndNeverGoesOnPastABlockingProblem) {
  Zeile(1776, "B1");
  dienste.steuerkonten["K1776"] = "MWST19";
  Zeile(123456, "B2");
  TExportMeldung meldung(false);
  TAnzeige anzeige;
  TExportPruefung pruefung(liste, dienste, meldung, &anzeige);
  EXPECT_FALSE(pruefung.TestenOk(&exporter, "DATEV", 0, &umfang));
  ASSERT_EQ(anzeige.gezeigt.size(), 3u);  // output tax, account length, open months
  EXPECT_TRUE(suite.Messages().Count() == 0) << suite.Messages().LastText();

  // Warnings alone: going on is the person's choice, and the log keeps it.
  liste.zeilen.pop_back();
  EXPECT_TRUE(pruefung.TestenOk(&exporter, "DATEV", 0, &umfang));
  EXPECT_EQ(anzeige.gezeigt.size(), 2u);
  EXPECT_EQ(MenuLog_Tail(1).at(0).text.rfind("Umsatzsteuer darf nur in Verbindung mit Erlösen "
                                              "exportiert werden. ", 0),
            0u);
  anzeige.antwort = false;
  EXPECT_FALSE(pruefung.TestenOk(&exporter, "DATEV", 0, &umfang));
}

}  // namespace
