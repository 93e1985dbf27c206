// When the suite database does not take a menu-log line, the caller goes on: the line is
// kept for the next write, and a file that is no suite is never made one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "suite/MenuLog.h"
#include "suite/SuiteDatabase.h"
#include "suite/db/SqliteStorage.h"
#include "support/TestSuite.h"

namespace {

TEST(MenuLogFailure, ARefusedLineIsKeptAndWrittenWithTheNextOne) {
  TestSuite suite;
  SuiteDatabase::Get().ExecuteScript(
      "CREATE TRIGGER voll BEFORE INSERT ON menu_log BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END;");
  EXPECT_NO_THROW(MenuLog_Append("Saldix Export", "erste", 1, 1));
  EXPECT_EQ(MenuLog_Ausstehend(), 1u);

  SuiteDatabase::Get().ExecuteScript("DROP TRIGGER voll");
  MenuLog_Append("Saldix Export", "zweite", 2, 2);
  EXPECT_EQ(MenuLog_Ausstehend(), 0u);
  const auto zeilen = MenuLog_Tail(5);
  ASSERT_EQ(zeilen.size(), 2u);
  EXPECT_EQ(zeilen[0].text, "erste");
  EXPECT_EQ(zeilen[1].text, "zweite");

  // Without any database the line waits as well, and nothing is thrown.
  SuiteDatabase::Close();
  EXPECT_NO_THROW(MenuLog_Append("Saldix Export", "dritte", 3, 3));
  EXPECT_EQ(MenuLog_Ausstehend(), 1u);
  suite.Reopen();
  EXPECT_EQ(MenuLog_Ausstehend(), 0u);
  EXPECT_EQ(MenuLog_Tail(1).front().text, "dritte");
}

std::string Inhalt(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SuiteDatabaseOpen, OnlyASuiteIsOpenedEveryOtherFileStaysAsItWas) {
  TestSuite suite;
  SuiteDatabase::Close();
  const auto leer = suite.Dir() / "leer.db";
  std::ofstream(leer, std::ios::binary).flush();
  const auto text = suite.Dir() / "text.db";
  std::ofstream(text, std::ios::binary) << "Buchungen 2026\n";
  const auto fremd = suite.Dir() / "fremd.db";
  {
    suitedb::SqliteOptions options;
    options.create = true;
    auto andere = suitedb::OpenSqlite(fremd.string(), options);
    andere->ExecuteScript("CREATE TABLE menu_log (x); CREATE TABLE settings_store (y);");
  }  // version 0: never migrated, even with tables of the same names
  for (const auto& datei : {leer, text, fremd}) {
    SCOPED_TRACE(datei.filename().string());
    const std::string vorher = Inhalt(datei);
    EXPECT_THROW(SuiteDatabase::Open(datei.string(), false), suitedb::NotADatabase);
    EXPECT_FALSE(SuiteDatabase::IsOpen());
    EXPECT_EQ(Inhalt(datei), vorher);
  }
  EXPECT_NO_THROW(SuiteDatabase::Open(suite.DbPath(), false));
}

}  // namespace
