#include "suitetool/DemoGenerator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "data/AbrechnungsJahr.h"
#include "suite/DateTime.h"
#include "suite/Rechte.h"
#include "suite/SimpleMask.h"
#include "suite/SuiteDatabase.h"
#include "suite/Text.h"
#include "suitetool/TableColumns.h"
#include "support/TestSuite.h"

namespace {

using suitetool::DemoGenerator;
using suitetool::DemoOptions;
using suitetool::ProgressDisplay;

DemoOptions Options(std::uint64_t bookings, std::uint64_t seed) {
  DemoOptions options;
  options.bookings = bookings;
  options.seed = seed;
  options.untilYear = 2025;
  options.untilMonth = 3;
  return options;
}

void Generate(const DemoOptions& options) {
  ProgressDisplay silent(nullptr, "", 0);
  DemoGenerator(SuiteDatabase::Get(), options).Run(silent);
}

std::int64_t Number(const std::string& sql) {
  auto stmt = SuiteDatabase::Get().Prepare(sql);
  EXPECT_TRUE(stmt->Step()) << sql;
  return stmt->Int(0);
}

// Every table's rows as text, in a fixed order.
std::string Content() {
  auto& db = SuiteDatabase::Get();
  std::string text;
  for (const auto& table : suitetool::SuiteTableNames(db)) {
    const auto columns = suitetool::ReadTableColumns(db, table);
    std::string order;
    for (std::size_t i = 1; i <= columns.size(); ++i) {
      order += (i > 1 ? ", " : "") + std::to_string(i);
    }
    auto stmt = db.Prepare("SELECT * FROM \"" + table + "\" ORDER BY " + order);
    text += "[" + table + "]\n";
    while (stmt->Step()) {
      for (int c = 0; c < stmt->ColumnCount(); ++c) text += stmt->Text(c) + "|";
      text += "\n";
    }
  }
  return text;
}

TEST(DemoGenerator, SameSeedGivesSameDatabaseOtherSeedDoesNot) {
  std::string first, second, other;
  {
    TestSuite suite;
    Generate(Options(1500, 42));
    first = Content();
  }
  {
    TestSuite suite;
    Generate(Options(1500, 42));
    second = Content();
  }
  {
    TestSuite suite;
    Generate(Options(1500, 43));
    other = Content();
  }
  EXPECT_GT(first.size(), 100000u);
  EXPECT_TRUE(first == second) << "same seed and month must give the same content";
  EXPECT_FALSE(first == other);
}

TEST(DemoGenerator, WritesExactlyTheBookingsAskedForCoveringEveryEventAndAccount) {
  TestSuite suite;
  Generate(Options(3000, 1));
  EXPECT_EQ(Number("SELECT COUNT(*) FROM fbde"), 3000);
  EXPECT_EQ(Number("SELECT COUNT(DISTINCT fibu_gvorfall) FROM fbde"), 44);
  EXPECT_EQ(Number("SELECT COUNT(*) FROM fbde WHERE fibu_gvorfall = ''"), 0);
  // Spread over the 24 months before the given month.
  EXPECT_EQ(Number("SELECT CAST(MIN(belegdatum) AS INTEGER) FROM fbde"),
            static_cast<std::int64_t>(EncodeDate(2023, 3, 1)));
  EXPECT_EQ(Number("SELECT CAST(MAX(belegdatum) AS INTEGER) FROM fbde"),
            static_cast<std::int64_t>(EncodeDate(2025, 2, 28)));
  // Every account and contra account a booking names is in its client's chart.
  EXPECT_EQ(Number("SELECT COUNT(*) FROM fbde f WHERE NOT EXISTS (SELECT 1 FROM konten k "
                   "WHERE k.firma1 = f.firma1 AND k.firma2 = f.firma2 AND k.kurz_bez = f.kto_name "
                   "AND k.zusatz = f.kto_zusatz AND k.gueltig_ab <= f.belegdatum)"),
            0);
  EXPECT_EQ(Number("SELECT COUNT(*) FROM fbde f WHERE NOT EXISTS (SELECT 1 FROM konten k "
                   "WHERE k.firma1 = f.firma1 AND k.firma2 = f.firma2 "
                   "AND k.kurz_bez = f.gegen_kto_name AND k.zusatz = f.gegen_kto_zusatz "
                   "AND k.gueltig_ab <= f.belegdatum)"),
            0);
  // Every document and cash report a booking refers to exists.
  EXPECT_EQ(Number("SELECT COUNT(*) FROM fbde f WHERE belegart = 'KB' AND NOT EXISTS "
                   "(SELECT 1 FROM kv WHERE kv.rnr = f.beleg_rnr AND kv.lnr = f.beleg_lnr)"),
            0);
  EXPECT_EQ(Number("SELECT COUNT(*) FROM fbde f WHERE belegart IN ('AR', 'GU', 'ER', 'EG') AND "
                   "NOT EXISTS (SELECT 1 FROM belege b WHERE b.rnr = f.beleg_rnr "
                   "AND b.lnr = f.beleg_lnr AND b.snr = f.beleg_snr)"),
            0);
  // Later bookings continue the transaction numbers.
  EXPECT_EQ(Number("SELECT COUNT(*) FROM fbde_transaktionen t WHERE t.letzte_nr <> "
                   "(SELECT MAX(transaktions_nr) FROM fbde WHERE rechner = t.rechner)"),
            0);
}

TEST(DemoGenerator, TaxRowsFollowTheirRevenueOrExpenseRowOnTheSameAccount) {
  TestSuite suite;
  Generate(Options(2000, 5));
  auto stmt = SuiteDatabase::Get().Prepare(
      "SELECT t.gegen_kto_name, t.betrag_soll - t.betrag_haben, n.betrag_soll - n.betrag_haben, "
      "n.kto_name = t.kto_name FROM fbde t JOIN fbde n ON n.rechner = t.rechner "
      "AND n.transaktions_nr = t.transaktions_nr AND n.lfd_nr = t.lfd_nr - 1 "
      "WHERE t.gegen_kto_name LIKE 'MWST%' OR t.gegen_kto_name LIKE 'VORST%'");
  int pairs = 0;
  while (stmt->Step()) {
    ++pairs;
    const std::string account = stmt->Text(0);
    const double rate = std::stoi(account.substr(account.size() - 4)) / 10000.0;
    EXPECT_NEAR(std::round(stmt->Real(2) * rate * 100) / 100, stmt->Real(1), 0.005) << account;
    EXPECT_EQ(stmt->Int(3), 1);
  }
  EXPECT_GT(pairs, 500);
  EXPECT_EQ(Number("SELECT COUNT(*) FROM fbde WHERE (gegen_kto_name LIKE 'MWST%' OR "
                   "gegen_kto_name LIKE 'VORST%') AND lfd_nr = 1"),
            0);
}

TEST(DemoGenerator, SettlesAllButTheLastTwoMonthsAndJournalsEachComputersRange) {
  TestSuite suite;
  Generate(Options(3000, 3));
  const auto openFrom = static_cast<std::int64_t>(EncodeDate(2025, 1, 1));
  EXPECT_EQ(Number("SELECT COUNT(*) FROM fbde WHERE belegdatum >= " + std::to_string(openFrom) +
                   " AND abr_nr <> 0"),
            0);
  EXPECT_EQ(Number("SELECT COUNT(*) FROM fbde WHERE belegdatum < " + std::to_string(openFrom) +
                   " AND abr_nr = 0 AND export_kz = 'J'"),
            0);
  EXPECT_EQ(Number("SELECT COUNT(*) FROM fbde WHERE export_kz = 'N' AND abr_nr <> 0"), 0);

  // Each journal line bounds exactly its computer's bookings of the settlement.
  EXPECT_EQ(Number(
                "SELECT COUNT(*) FROM fbex x WHERE NOT EXISTS (SELECT 1 FROM ("
                "SELECT MIN(transaktions_nr * 100 + lfd_nr) lo, MAX(transaktions_nr * 100 + lfd_nr) "
                "hi FROM fbde b WHERE b.firma1 = x.firma1 AND b.firma2 = x.firma2 AND "
                "b.abr_jahr = x.abr_jahr AND b.abr_nr = x.abr_nr AND b.rechner = x.rnr) r "
                "WHERE r.lo = x.lnr_von * 100 + x.snr_von AND r.hi = x.lnr_bis * 100 + x.snr_bis)"),
            0);
  EXPECT_EQ(Number("SELECT COUNT(*) FROM (SELECT DISTINCT firma1, firma2, abr_jahr, abr_nr, "
                   "rechner FROM fbde WHERE abr_nr <> 0) b WHERE NOT EXISTS (SELECT 1 FROM fbex x "
                   "WHERE x.firma1 = b.firma1 AND x.firma2 = b.firma2 AND x.abr_jahr = b.abr_jahr "
                   "AND x.abr_nr = b.abr_nr AND x.rnr = b.rechner)"),
            0);

  // Client 1 settles by calendar year; client 2's business year starts in July.
  const auto settlementOf = [](int kurzNr, int year, int month) {
    return Number("SELECT x.abr_nr * 10000 + x.abr_jahr FROM fbex x JOIN mandanten m ON "
                  "m.firma1 = x.firma1 AND m.firma2 = x.firma2 WHERE m.kurz_nr = " +
                  std::to_string(kurzNr) + " AND CAST(x.datum_von AS INTEGER) = " +
                  std::to_string(static_cast<std::int64_t>(EncodeDate(year, month, 1))) +
                  " LIMIT 1");
  };
  EXPECT_EQ(settlementOf(1, 2023, 3), 1 * 10000 + 2023);
  EXPECT_EQ(settlementOf(1, 2023, 12), 10 * 10000 + 2023);
  EXPECT_EQ(settlementOf(1, 2024, 1), 1 * 10000 + 2024);
  EXPECT_EQ(settlementOf(2, 2023, 6), 4 * 10000 + 2022);
  EXPECT_EQ(settlementOf(2, 2023, 7), 1 * 10000 + 2023);
  EXPECT_EQ(settlementOf(2, 2024, 6), 12 * 10000 + 2023);
}

TEST(DemoGenerator, SettlementYearsAreTheClientServersBusinessYears) {
  TestSuite suite;
  Generate(Options(1500, 9));
  TAbrechnungsJahr years(SuiteDatabase::Get());
  auto stmt = SuiteDatabase::Get().Prepare(
      "SELECT firma1, firma2, abr_jahr, MIN(belegdatum), MAX(belegdatum) FROM fbde "
      "WHERE abr_nr <> 0 GROUP BY firma1, firma2, abr_jahr, abr_nr");
  int settlements = 0;
  while (stmt->Step()) {
    ++settlements;
    const TIntPair firma{static_cast<std::int32_t>(stmt->Int(0)),
                         static_cast<std::int32_t>(stmt->Int(1))};
    EXPECT_EQ(years.GetAbrJahr(firma, stmt->Real(3)), stmt->Int(2));
    EXPECT_EQ(years.GetAbrJahr(firma, stmt->Real(4)), stmt->Int(2));
  }
  EXPECT_EQ(settlements, 2 * 22);
}

TEST(DemoGenerator, SetsUpClientsComputersAndExportSettings) {
  TestSuite suite;
  Generate(Options(200, 1));
  EXPECT_EQ(Number("SELECT wj_beginn_monat FROM mandanten WHERE kurz_nr = 1"), 1);
  EXPECT_EQ(Number("SELECT wj_beginn_monat FROM mandanten WHERE kurz_nr = 2"), 7);
  EXPECT_EQ(Number("SELECT type FROM computers WHERE number = 1"), 7);
  EXPECT_EQ(Number("SELECT c.type FROM computers c JOIN mandanten m ON m.export_rechner = c.number "
                   "WHERE m.kurz_nr = 2"),
            2);
  EXPECT_EQ(Number("SELECT COUNT(DISTINCT type) FROM computers WHERE type IN (1, 2)"), 2);
  EXPECT_EQ(Number("SELECT COUNT(DISTINCT gruppe) FROM filialen f JOIN mandanten m ON "
                   "m.firma1 = f.firma1 AND m.firma2 = f.firma2 WHERE m.kurz_nr = 1"),
            2);
  EXPECT_EQ(Number("SELECT COUNT(*) FROM partner WHERE kunden_nr > 0"), 160);
  EXPECT_GT(Number("SELECT COUNT(*) FROM beleg_zahlungsbedingungen"), 0);

  TSimpleMask settings("SALDIX", "WEITEINS");
  for (const TIntPair client : {TIntPair{1, 1}, TIntPair{1, 2}}) {
    const std::string index = qtx_TIntPair2String(client);
    EXPECT_TRUE(settings.ReadByIndexDef(index, "ZUSAAUTOK", false));
    EXPECT_EQ(settings.ReadByIndexDef(index, "AUKTOVOLL", ""), "1900");
    EXPECT_EQ(settings.ReadByIndexDef(index, "AUKTOREDU", ""), "0700");
    EXPECT_EQ(settings.ReadByIndexDef(index, "AUKTOALT_", ""), "1600");
    EXPECT_EQ(settings.ReadByIndexDef(index, "AUKTOALTR", ""), "0500");
    EXPECT_EQ(settings.ReadByIndexDef(index, "AUKTOADAT", ""), "01.01.2021");
  }
  EXPECT_EQ(TSimpleMask("SALDIX", "FIBUEXPO").ReadGlobalDef("FIBUAKTEXP", ""), "DATEV1.4");
  EXPECT_TRUE(TUserRechte("demo").UserRechtePruefen(CRecht_Saldix_Loeschen, false));
  EXPECT_TRUE(TUserRechte("jeder").UserRechtePruefen(CRecht_Saldix_Umkehrbuchung, false));
}

TEST(DemoGenerator, RefusesADatabaseThatHoldsDataAndChangesNothing) {
  TestSuite suite;
  Generate(Options(100, 1));
  const std::string before = Content();
  ProgressDisplay silent(nullptr, "", 0);
  EXPECT_THROW(DemoGenerator(SuiteDatabase::Get(), Options(100, 2)).Run(silent), std::runtime_error);
  EXPECT_TRUE(Content() == before);
}

}  // namespace
