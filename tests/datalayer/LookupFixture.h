// Rows for the lookup tests, written straight into the temporary suite database, and a
// database without any table for the failure paths.
#pragma once

#include <memory>

#include "suite/SuiteDatabase.h"
#include "suite/db/SqliteStorage.h"
#include "suite/db/Storage.h"
#include "support/TestSuite.h"

template <typename... Args>
void Zeile(const char* sql, const Args&... args) {
  SuiteDatabase::Get().Prepare(sql)->With(args...).Run();
}

// Every read on it fails because the tables are missing.
inline std::unique_ptr<suitedb::Connection> LeereDatenbank(const TestSuite& suite) {
  suitedb::SqliteOptions options;
  options.create = true;
  return suitedb::OpenSqlite((suite.Dir() / "leer.db").string(), options);
}
