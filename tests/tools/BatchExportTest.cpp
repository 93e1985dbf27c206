// The whole unattended export on a demo suite: load, combine, check, write, mark, journal.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/SaldixBatchProgramm.h"
#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "formats/datev700/DatevDemoProfile.h"
#include "formats/datev700/FibuExporter_Datev_700.h"
#include "suite/DateTime.h"
#include "suite/MenuLog.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ProgressDisplay.h"
#include "support/TestSuite.h"
#include "support/DemoBuchungen.h"

namespace {

class BatchExport : public ::testing::Test {
 protected:
  void SetUp() override {
    exportDir = suite.Dir() / "export";
    DemoBuchungenAnlegen(exportDir);
    QTXProgramm().Init("Saldix", 3);  // computer 1 of the demo suite
  }

  int Zahl(const char* sql) {
    auto& stmt = SuiteDatabase::Get().Cached(sql);
    const int n = stmt.Step() ? static_cast<int>(stmt.Int(0)) : -1;
    stmt.Reset();
    return n;
  }
  int OffeneNovember() {
    return Zahl(
        "SELECT COUNT(*) FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND abr_nr = 0 AND export_kz = 'J' AND "
        "belegdatum >= 46327 AND belegdatum < 46357");
  }
  std::string LetzteLogZeile(int zurueck = 1) {
    const auto zeilen = MenuLog_Tail(zurueck);
    return zeilen.empty() ? std::string() : zeilen.front().text;
  }
  std::size_t Dateien() {
    std::size_t n = 0;
    if (!std::filesystem::exists(exportDir)) return 0;
    for (const auto& entry : std::filesystem::directory_iterator(exportDir)) {
      n += entry.is_regular_file() ? 1 : 0;
    }
    return n;
  }

  // The November run fails: every booking stays open, the journal unchanged, the menu log
  // names the reason, and no log line waited for the booking lock.
  void ScheitertOhneSpur(const std::string& grund) {
    const int offen = OffeneNovember();
    const int journal = Zahl("SELECT COUNT(*) FROM fbex");
    const auto beginn = std::chrono::steady_clock::now();
    EXPECT_NE(SaldixBatchProgramm(november), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(8));
    EXPECT_EQ(OffeneNovember(), offen);
    EXPECT_EQ(Zahl("SELECT COUNT(*) FROM fbex"), journal);
    EXPECT_NE(LetzteLogZeile(2).find(grund), std::string::npos) << LetzteLogZeile(2);
  }

  TestSuite suite;
  std::filesystem::path exportDir;
  const std::vector<std::string> november{"-MAND:1", "-VDATUM:01112026", "-BDATUM:30112026"};
};

TEST_F(BatchExport, ExportsMarksJournalsAndFindsNothingTheSecondTime) {
  ASSERT_EQ(EncodeDate(2026, 11, 1), 46327);
  const int offen = OffeneNovember();
  ASSERT_GT(offen, 0);
  const int journalVorher = Zahl("SELECT COUNT(*) FROM fbex");

  EXPECT_EQ(SaldixBatchProgramm(november), 0);
  EXPECT_NE(LetzteLogZeile(3).find("Fibu-Sätze wurden erfolgreich exportiert"), std::string::npos)
      << LetzteLogZeile(3);
  // The line after it names client, settlement, period, bookings and file.
  EXPECT_EQ(LetzteLogZeile(2).rfind("Mandant 1 Nordlicht Handels GmbH, Abrechnung ", 0), 0u)
      << LetzteLogZeile(2);
  EXPECT_NE(LetzteLogZeile(2).find(", Zeitraum 01.11.2026 - 30.11.2026, " +
                                   std::to_string(offen) + " Buchungen, Datei: " +
                                   exportDir.string() + "/EXTF_NORDLICHT_10001_202611_"),
            std::string::npos)
      << LetzteLogZeile(2);
  EXPECT_EQ(OffeneNovember(), 0);
  EXPECT_GT(Zahl("SELECT COUNT(*) FROM fbex"), journalVorher);
  EXPECT_EQ(Dateien(), 1u);

  EXPECT_EQ(SaldixBatchProgramm(november), 3);
  EXPECT_EQ(LetzteLogZeile(2), "Abbruch: Keine Sätze im angegebenen Zeitraum gefunden");
}

TEST_F(BatchExport, AFailingJournalWriteLeavesEveryBookingOpen) {
  SuiteDatabase::Get().ExecuteScript(
      "CREATE TRIGGER journal_voll BEFORE INSERT ON fbex "
      "BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END;");
  ScheitertOhneSpur("Abbruch: Die Exportdatei konnte nicht erstellt werden.");
}

TEST_F(BatchExport, AFileThatCannotBeWrittenLeavesEveryBookingOpen) {
  std::filesystem::remove_all(exportDir);
  std::ofstream(exportDir.string()) << "kein Verzeichnis";  // where the directory should be
  // The marking ran beside the file and is undone with it.
  ScheitertOhneSpur("Abbruch: Die Exportdatei konnte nicht erstellt werden.");
}

TEST_F(BatchExport, AMarkingThatFailsLeavesEveryBookingOpenAndNoJournal) {
  SuiteDatabase::Get().ExecuteScript(
      "CREATE TRIGGER markieren_scheitert BEFORE UPDATE OF abr_nr ON fbde "
      "BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END;");
  ScheitertOhneSpur("nicht als exportiert gekennzeichnet");
  // The failure, reported while the booking lock was held, reached the message log once
  // the lock was free.
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM message_log WHERE text LIKE '%Datenträger voll%'"), 1);
}

TEST_F(BatchExport, AListThatFailsTheCheckUndoesTheBookkeepingBegunBeforeIt) {
  // The cash account loses its number: the check refuses the list.
  SuiteDatabase::Get().ExecuteScript("DELETE FROM konten WHERE kurz_bez = 'KASSE'");
  ScheitertOhneSpur("Abbruch: Keine Nummer zugeordnet bei Konto");
  EXPECT_EQ(Dateien(), 0u);
  // The check's report, made while the booking lock was held, followed in its place.
  EXPECT_EQ(LetzteLogZeile(1), "Automatischer Fibu-Export beendet");
}

TEST_F(BatchExport, AdditionalFieldsCarryTheDocumentsMarksAndAddresses) {
  TFibuExporter_Datev_700 exporter;
  exporter.Init();
  exporter.ZusatzFelderDatenClear();
  exporter.SetZusatzFelderDaten("ZUSATZ01", "HERKUNFT2");
  exporter.SetZusatzFelderDaten("ZUSATZ02", "ZAHLART2");
  exporter.SetZusatzFelderDaten("ZUSATZ03", "SUBHERKUNFT");
  exporter.SetZusatzFelderDaten("ZUSATZ04", "LIEFERADR");
  exporter.Config_Save("");
  exporter.Done();

  ASSERT_EQ(SaldixBatchProgramm(november), 0) << LetzteLogZeile(2);
  ASSERT_EQ(Dateien(), 1u);
  std::string inhalt;
  for (const auto& entry : std::filesystem::directory_iterator(exportDir)) {
    std::ifstream datei(entry.path(), std::ios::binary);
    inhalt.assign(std::istreambuf_iterator<char>(datei), {});
  }
  // Online orders come from the shop or a marketplace and are paid online.
  EXPECT_NE(inhalt.find("\"Onlineshop\""), std::string::npos);
  EXPECT_NE(inhalt.find("\"Webshop\""), std::string::npos);
  EXPECT_NE(inhalt.find("\"Rechnung\""), std::string::npos);
  // Delivery addresses are joined into one line: "..., DE-20095 Hamburg".
  EXPECT_TRUE(inhalt.find("DE-") != std::string::npos || inhalt.find("AT-") != std::string::npos);
}

TEST_F(BatchExport, IdentitiesStayNumbersFromTheListToTheMarking) {
  // Three bookings beside an open November booking of the same transaction: sub-numbers
  // wider than the list's four digits and below zero, and one of an old settlement whose
  // sub-number a cut-off 10001 would read.
  SuiteDatabase::Get().ExecuteScript(
      "CREATE TEMP TABLE neu AS SELECT * FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND "
      "abr_nr = 0 AND export_kz = 'J' AND belegdatum >= 46327 AND belegdatum < 46357 LIMIT 1;"
      "UPDATE neu SET lfd_nr = 10001; INSERT INTO fbde SELECT * FROM neu;"
      "UPDATE neu SET lfd_nr = -5; INSERT INTO fbde SELECT * FROM neu;"
      "UPDATE neu SET lfd_nr = 1000, abr_nr = 6, abr_jahr = 2025; INSERT INTO fbde SELECT * FROM neu;"
      "CREATE TEMP TABLE schluessel AS SELECT rechner, transaktions_nr FROM neu;"
      "DROP TABLE neu;");
  const std::string wo = " FROM fbde f JOIN temp.schluessel s ON f.rechner = s.rechner AND "
                         "f.transaktions_nr = s.transaktions_nr WHERE ";

  ASSERT_EQ(SaldixBatchProgramm(november), 0) << LetzteLogZeile(2);
  EXPECT_EQ(Zahl(("SELECT COUNT(*)" + wo + "lfd_nr IN (10001, -5) AND abr_nr > 0 AND "
                  "NOT (abr_nr = 6 AND abr_jahr = 2025)").c_str()),
            2);
  // The old settlement keeps its booking.
  EXPECT_EQ(Zahl(("SELECT COUNT(*)" + wo + "lfd_nr = 1000 AND abr_nr = 6 AND abr_jahr = 2025")
                     .c_str()),
            1);
  EXPECT_EQ(OffeneNovember(), 0);
}

}  // namespace
