#include <gtest/gtest.h>

#include <chrono>

#include "suite/FBDEMani.h"
#include "suite/QTXBuchung.h"
#include "suite/db/SqliteStorage.h"
#include "support/BookingFixture.h"
#include "support/TestSuite.h"

namespace {

std::unique_ptr<suitedb::Connection> SecondProcess(const TestSuite& suite) {
  suitedb::SqliteOptions options;
  options.busyTimeout = std::chrono::milliseconds(50);
  return suitedb::OpenSqlite(suite.DbPath(), options);
}

TEST(QTXBuchung, ASecondWriterWaitsThenFailsCleanlyAndChangesNothing) {
  TestSuite suite;
  InsertBooking(TestBooking({1, 10, 1}));
  auto other = SecondProcess(suite);

  QTXBuchung buchung;
  buchung.Start(QTXBuchung::kExport);
  TFBDEMani(SuiteDatabase::Get(), 1).AbrNrUpdate(CFBDE_BV_Saldix, {{1, 10, 1}}, 1, 2024);

  TFBDEMani otherMani(*other, 2);
  try {
    otherMani.ExportKzUpdate(CFBDE_BV_Saldix, {{1, 10, 1}}, false);
    FAIL() << "two booking operations interleaved";
  } catch (const suitedb::LockTimeout&) {
  }
  QTXBuchung otherBuchung(*other);
  try {
    otherBuchung.Start(QTXBuchung::kManuell);
    FAIL() << "the lock was granted twice";
  } catch (const suitedb::LockTimeout& e) {
    EXPECT_NE(std::string(e.what()).find("Die Buchungssperre konnte nicht erhalten werden"),
              std::string::npos);
  }
  EXPECT_FALSE(otherBuchung.Active());
  buchung.Commit();

  // Once released, the other process books normally.
  otherMani.ExportKzUpdate(CFBDE_BV_Saldix, {{1, 10, 1}}, false);
  const auto satz = ReadBooking({1, 10, 1});
  EXPECT_EQ(satz.AbrNr, 1);
  EXPECT_FALSE(satz.Export);
}

TEST(QTXBuchung, AnOperationFailingInsideKeepsEarlierWorkAndRollbackUndoesAll) {
  TestSuite suite;
  InsertBooking(TestBooking({1, 10, 1}));
  TFBDEMani mani(SuiteDatabase::Get(), 1);
  {
    QTXBuchung buchung;
    buchung.Start(QTXBuchung::kExport);
    mani.ExportKzUpdate(CFBDE_BV_Saldix, {{1, 10, 1}}, false);
    EXPECT_THROW(mani.AbrNrUpdate(CFBDE_BV_Saldix, {{1, 10, 1}, {9, 9, 9}}, 3, 2024),
                 suitedb::StorageError);
    EXPECT_TRUE(buchung.Active());
    const auto inside = ReadBooking({1, 10, 1});
    EXPECT_FALSE(inside.Export);
    EXPECT_EQ(inside.AbrNr, 0);
  }  // not committed
  EXPECT_TRUE(ReadBooking({1, 10, 1}).Export);
  EXPECT_EQ(SuiteDatabase::Get().TransactionDepth(), 0);
  QTXBuchung buchung;
  EXPECT_THROW(buchung.Start(52), suitedb::StorageError);
}

TEST(QTXBuchung, ARefusedCommitLeavesNothingAndTheNextBookingWorks) {
  TestSuite suite;
  auto& db = SuiteDatabase::Get();
  // A deferred constraint is checked only at commit.
  db.ExecuteScript(
      "CREATE TEMP TABLE kopf (id INTEGER PRIMARY KEY);"
      "CREATE TEMP TABLE zeile (kopf_id INTEGER REFERENCES kopf(id) DEFERRABLE INITIALLY DEFERRED)");
  {
    QTXBuchung buchung;
    buchung.Start(QTXBuchung::kExport);
    InsertBooking(TestBooking({1, 10, 1}));
    db.ExecuteScript("INSERT INTO zeile VALUES (99)");
    EXPECT_THROW(buchung.Commit(), suitedb::StorageError);
  }
  EXPECT_EQ(db.TransactionDepth(), 0);
  EXPECT_FALSE(BookingExists({1, 10, 1}));
  QTXBuchung buchung;
  buchung.Start(QTXBuchung::kManuell);
  InsertBooking(TestBooking({1, 11, 1}));
  buchung.Commit();
  EXPECT_TRUE(BookingExists({1, 11, 1}));
}

}  // namespace
