#include <gtest/gtest.h>

#include <string>

#include "suite/SuiteDatabase.h"
#include "suite/db/Schema.h"
#include "support/TestSuite.h"

namespace {

std::string QueryPlan(const std::string& sql) {
  auto stmt = SuiteDatabase::Get().Prepare("EXPLAIN QUERY PLAN " + sql);
  std::string plan;
  while (stmt->Step()) plan += stmt->Text(3) + "\n";
  return plan;
}

TEST(BookingSchema, BookingListReadsUseTheSettlementIndex) {
  TestSuite suite;
  EXPECT_EQ(SuiteDatabase::Get().SchemaVersion(), suitedb::LatestSchemaVersion());
  const auto open = QueryPlan(
      "SELECT * FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND abr_jahr = 0 AND abr_nr = 0 "
      "AND belegdatum BETWEEN 1 AND 2");
  EXPECT_NE(open.find("fbde_abrechnung"), std::string::npos) << open;
  const auto settlement = QueryPlan(
      "SELECT * FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND abr_jahr = 2024 AND abr_nr = 3");
  EXPECT_NE(settlement.find("fbde_abrechnung"), std::string::npos) << settlement;
}

TEST(BookingSchema, RejectsDuplicateIdentitiesAndUnknownFlags) {
  TestSuite suite;
  auto& db = SuiteDatabase::Get();
  const char* insert =
      "INSERT INTO fbde (rechner, transaktions_nr, lfd_nr, firma1, firma2, export_kz) "
      "VALUES (?, ?, ?, 1, 1, ?)";
  db.Cached(insert).With(1, 10, 1, "J").Run();
  EXPECT_THROW(db.Cached(insert).With(1, 10, 1, "J").Run(), suitedb::StorageError);
  EXPECT_THROW(db.Cached(insert).With(1, 10, 2, "X").Run(), suitedb::StorageError);
  db.Cached(insert).With(1, 10, 2, "N").Run();
}

}  // namespace
