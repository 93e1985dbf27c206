#include <gtest/gtest.h>

#include <string>

#include "suite/SuiteDatabase.h"
#include "suite/db/Schema.h"
#include "suite/db/SqliteStorage.h"
#include "suite/db/migrations/Migrations.h"
#include "support/TestSuite.h"

namespace {

std::string QueryPlan(suitedb::Connection& db, const std::string& sql) {
  auto stmt = db.Prepare("EXPLAIN QUERY PLAN " + sql);
  std::string plan;
  while (stmt->Step()) plan += stmt->Text(3) + "\n";
  return plan;
}

TEST(BookingSchema, BookingListReadsAreRangeSearchesWithoutSorting) {
  TestSuite suite;
  auto& db = SuiteDatabase::Get();
  EXPECT_EQ(db.SchemaVersion(), suitedb::LatestSchemaVersion());
  const auto open = QueryPlan(db,
                              "SELECT * FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND abr_jahr = 0 "
                              "AND abr_nr = 0 AND belegdatum >= 1 AND belegdatum < 2 ORDER BY "
                              "belegdatum");
  EXPECT_NE(open.find("SEARCH fbde USING PRIMARY KEY (firma1=? AND firma2=? AND belegdatum>? AND "
                      "belegdatum<?)"),
            std::string::npos)
      << open;
  const auto settled = QueryPlan(db,
                                 "SELECT * FROM fbde INDEXED BY fbde_abrechnung WHERE firma1 = 1 "
                                 "AND firma2 = 1 AND abr_jahr = 2024 AND abr_nr = 3 AND abr_nr <> 0 "
                                 "ORDER BY belegdatum");
  EXPECT_NE(settled.find("fbde_abrechnung (firma1=? AND firma2=? AND abr_jahr=? AND abr_nr=?)"),
            std::string::npos)
      << settled;
  for (const auto& plan : {open, settled}) {
    EXPECT_EQ(plan.find("TEMP B-TREE"), std::string::npos) << plan;
  }
  const auto byIdent = QueryPlan(
      db, "SELECT * FROM fbde WHERE rechner = 1 AND transaktions_nr = 2 AND lfd_nr = 3");
  EXPECT_NE(byIdent.find("fbde_ident"), std::string::npos) << byIdent;
}

TEST(BookingSchema, DocumentLinesOfARangeAreReadInKeyOrderWithoutSorting) {
  TestSuite suite;
  auto& db = SuiteDatabase::Get();
  for (const char* tabelle : {"beleg_zahlungsbedingungen", "beleg_steuern"}) {
    const auto plan = QueryPlan(db, std::string("SELECT lnr FROM ") + tabelle +
                                        " WHERE rnr = 1 AND lnr BETWEEN 1 AND 9 AND snr + 0 = 0 "
                                        "ORDER BY lnr, snr, pos");
    EXPECT_NE(plan.find("USING PRIMARY KEY (rnr=? AND lnr>? AND lnr<?)"), std::string::npos)
        << plan;
    EXPECT_EQ(plan.find("TEMP B-TREE"), std::string::npos) << plan;
  }
}

TEST(BookingSchema, RejectsDuplicateIdentitiesAndUnknownFlags) {
  TestSuite suite;
  auto& db = SuiteDatabase::Get();
  const char* insert =
      "INSERT INTO fbde (rechner, transaktions_nr, lfd_nr, firma1, firma2, belegdatum, export_kz) "
      "VALUES (?, ?, ?, 1, 1, ?, ?)";
  db.Cached(insert).With(1, 10, 1, 45000.0, "J").Run();
  // Another date must not make the same identity a second booking.
  EXPECT_THROW(db.Cached(insert).With(1, 10, 1, 45001.0, "J").Run(), suitedb::StorageError);
  EXPECT_THROW(db.Cached(insert).With(1, 10, 2, 45000.0, "X").Run(), suitedb::StorageError);
  db.Cached(insert).With(1, 10, 2, 45000.0, "N").Run();
}

TEST(BookingSchema, ReorderingTheBookingFileKeepsEveryBooking) {
  TestSuite suite;
  const std::string path = (suite.Dir() / "alt.db").string();
  {
    suitedb::SqliteOptions options;
    options.create = true;
    auto old = suitedb::OpenSqlite(path, options);
    old->ExecuteScript(suitedb::kFoundationSchema.script);
    old->ExecuteScript(suitedb::kBookingSchema.script);
    old->SetSchemaVersion(suitedb::kBookingSchema.version);
    old->ExecuteScript(
        "INSERT INTO fbde (rechner, transaktions_nr, lfd_nr, firma1, firma2, belegdatum, "
        "betrag_soll, beschreibung, abr_jahr, abr_nr, kost2) VALUES "
        "(1, 5, 1, 1, 1, 45000, 12.5, 'Kasse', 2024, 3, 7), "
        "(2, 6, 1, 1, 1, 45001, 0, '', 0, 0, 0)");
  }
  auto& db = SuiteDatabase::Open(path);
  EXPECT_EQ(db.SchemaVersion(), suitedb::LatestSchemaVersion());
  auto stmt = db.Prepare(
      "SELECT rechner, betrag_soll, beschreibung, abr_nr, kost2, export_kz FROM fbde ORDER BY rechner");
  ASSERT_TRUE(stmt->Step());
  EXPECT_EQ(stmt->Real(1), 12.5);
  EXPECT_EQ(stmt->Text(2), "Kasse");
  EXPECT_EQ(stmt->Int(3), 3);
  EXPECT_EQ(stmt->Int(4), 7);
  EXPECT_EQ(stmt->Text(5), "J");
  ASSERT_TRUE(stmt->Step());
  EXPECT_EQ(stmt->Int(0), 2);
  EXPECT_FALSE(stmt->Step());
}

}  // namespace
