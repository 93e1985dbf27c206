#include <gtest/gtest.h>

#include "suite/Guarded.h"
#include "suite/MenuLog.h"
#include "suite/QTXInfo.h"
#include "suite/SuiteDatabase.h"
#include "suite/db/SqliteStorage.h"
#include "support/TestSuite.h"

namespace {

int LoggedLines(const std::string& context, bool flag) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT COUNT(*) FROM message_log WHERE context = ? AND flag = ?");
  stmt.With(context, flag);
  stmt.Step();
  const int count = static_cast<int>(stmt.Int(0));
  stmt.Reset();
  return count;
}

TEST(MessageService, RegistrationsLandInTheLogWithTheirFlag) {
  TestSuite suite;
  const int result = Guarded("TKlasse.Operation", []() -> int {
    throw std::runtime_error("kaputt");
  });
  EXPECT_EQ(result, 0);
  TeardownStep("TKlasse.Done", [] { throw std::runtime_error("beim Aufräumen"); });

  EXPECT_EQ(LoggedLines("TKlasse.Operation", true), 1);
  EXPECT_EQ(LoggedLines("TKlasse.Done", false), 1);
  EXPECT_TRUE(QTXInfo().HasError());
  QTXInfo().ResetError();
  EXPECT_FALSE(QTXInfo().HasError());
}

TEST(MessageService, AFailureInsideARolledBackTransactionIsStillLogged) {
  TestSuite suite;
  auto& db = SuiteDatabase::Get();
  {
    suitedb::Transaction transaction(db);
    Guarded("TKlasse.Buchen", [] { throw std::runtime_error("mitten drin"); });
  }  // rolled back
  EXPECT_EQ(LoggedLines("TKlasse.Buchen", true), 1);
}

TEST(MessageService, WhileAnotherConnectionHoldsTheLockTheLineWaitsForItsEnd) {
  TestSuite suite;
  auto buchung = SuiteDatabase::Get().OpenAnother();
  buchung->Begin();  // an export's bookkeeping on a connection of its own
  EXPECT_EQ(suitedb::Connection::WriteLockHolder(), buchung.get());
  Guarded("TKlasse.Markieren", [] { throw std::runtime_error("gesperrt"); });
  EXPECT_EQ(LoggedLines("TKlasse.Markieren", true), 0);
  buchung->Rollback();
  EXPECT_EQ(suitedb::Connection::WriteLockHolder(), nullptr);
  EXPECT_EQ(LoggedLines("TKlasse.Markieren", true), 1);
}

TEST(MessageService, ASnapshotEndingBeforeTheLockDoesNotLoseTheLine) {
  TestSuite suite;
  auto buchung = SuiteDatabase::Get().OpenAnother();
  buchung->Begin();
  {
    const suitedb::ReadTransaction schnappschuss(SuiteDatabase::Get());
    Guarded("TKlasse.Nachschlagen", [] { throw std::runtime_error("im Schnappschuss"); });
  }  // the snapshot ends while the lock is still held: writing now would find it busy
  buchung->Commit();
  EXPECT_EQ(LoggedLines("TKlasse.Nachschlagen", true), 1);
}

TEST(MessageService, MenuLogLinesWaitForTheLockInTheirOrderAndOutlastARollback) {
  TestSuite suite;
  auto buchung = SuiteDatabase::Get().OpenAnother();
  buchung->Begin();
  MenuLog_Append("Saldix Export", "erste", 1, 1);
  Guarded("TKlasse.Pruefen", [] { throw std::runtime_error("dazwischen"); });
  MenuLog_Append("Saldix Export", "zweite", 2, 2);
  EXPECT_TRUE(MenuLog_Tail(5).empty());
  buchung->Rollback();
  auto zeilen = MenuLog_Tail(5);
  ASSERT_EQ(zeilen.size(), 2u);
  EXPECT_EQ(zeilen[0].text, "erste");
  EXPECT_EQ(zeilen[1].text, "zweite");
  EXPECT_EQ(LoggedLines("TKlasse.Pruefen", true), 1);

  {
    suitedb::Transaction transaktion(SuiteDatabase::Get());
    MenuLog_Append("Saldix Export", "dritte", 3, 3);
  }  // rolled back
  zeilen = MenuLog_Tail(5);
  ASSERT_EQ(zeilen.size(), 3u);
  EXPECT_EQ(zeilen[2].text, "dritte");
}

TEST(MessageService, CatalogueMessagesPlaceTheirArguments) {
  TestSuite suite;
  suite.Messages().Answer(mrYes);
  EXPECT_EQ(QTXInfo().ShowMeldung(TMeldungsArt::Frage, {"Wirklich?"}, "STANDARD", 981), mrYes);
  EXPECT_EQ(suite.Messages().LastText(), "Wirklich?");
  EXPECT_EQ(QTXInfo().ShowMeldung(TMeldungsArt::Frage, {"Noch einmal?"}, "STANDARD", 981), mrNo);
  QTXInfo().ShowMeldung(TMeldungsArt::Fehler, {"Datum fehlt"}, "STANDARD", 994);
  EXPECT_NE(suite.Messages().LastText().find("Datum fehlt"), std::string::npos);
  EXPECT_THROW(QTXInfo().FehlerRaise("STANDARD", 991, {"Keine Nummer"}), EQTXError);
}

TEST(SuiteDatabaseTest, MissingFileAndNewerSchemaAreRefused) {
  TestSuite suite;
  const std::string missing = (suite.Dir() / "fehlt.db").string();
  try {
    SuiteDatabase::Open(missing, false);
    FAIL() << "opened a missing database";
  } catch (const suitedb::StorageError& e) {
    EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
  }
  SuiteDatabase::Open(suite.DbPath(), false).SetSchemaVersion(999);
  SuiteDatabase::Close();
  EXPECT_THROW(SuiteDatabase::Open(suite.DbPath(), false), suitedb::StorageError);
  suitedb::SqliteOptions options;
  EXPECT_EQ(suitedb::OpenSqlite(suite.DbPath(), options)->SchemaVersion(), 999);  // unaltered
}

}  // namespace
