#include "suite/SuiteDatabase.h"

#include <cstdlib>
#include <filesystem>

#include "suite/Paths.h"
#include "suite/db/Schema.h"
#include "suite/db/SqliteStorage.h"

namespace {

std::unique_ptr<suitedb::Connection>& Current() {
  static std::unique_ptr<suitedb::Connection> connection;
  return connection;
}

}  // namespace

std::string SuiteDatabase::DefaultPath() {
  if (const char* path = std::getenv("SALDIX_DB"); path && *path) return path;
  return (std::filesystem::path(XdgDataHome()) / "saldix" / "suite.db").string();
}

suitedb::Connection& SuiteDatabase::Open(const std::string& path, bool create) {
  if (create) {
    const auto parent = std::filesystem::path(path).parent_path();
    std::error_code ignored;
    if (!parent.empty()) std::filesystem::create_directories(parent, ignored);
  }
  suitedb::SqliteOptions options;
  options.create = create;
  auto connection = suitedb::OpenSqlite(path, options);
  suitedb::MigrateSuiteSchema(*connection);
  return Attach(std::move(connection));
}

suitedb::Connection& SuiteDatabase::Attach(std::unique_ptr<suitedb::Connection> connection) {
  Current() = std::move(connection);
  return *Current();
}

void SuiteDatabase::Close() { Current().reset(); }

bool SuiteDatabase::IsOpen() { return Current() != nullptr; }

suitedb::Connection& SuiteDatabase::Get() {
  if (!Current()) throw suitedb::StorageError("Es ist keine Suite-Datenbank geöffnet");
  return *Current();
}

suitedb::Connection* SuiteDatabase::TryGet() { return Current().get(); }

bool SuiteDatabase::DeferWhileLocked(const void* key, std::function<void()> write) {
  suitedb::Connection* db = TryGet();
  suitedb::Connection* offen =
      db && db->TransactionDepth() > 0 ? db : suitedb::Connection::WriteLockHolder();
  if (!offen) return false;
  offen->AfterTransaction(key, std::move(write));
  return true;
}
