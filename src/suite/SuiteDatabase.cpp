#include "suite/SuiteDatabase.h"

#include <chrono>
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

// How long a write waits for another workstation's lock: $SALDIX_DB_WARTEZEIT in
// milliseconds, else the default.
std::chrono::milliseconds BusyTimeout(std::chrono::milliseconds fallback) {
  const char* text = std::getenv("SALDIX_DB_WARTEZEIT");
  if (!text || !*text) return fallback;
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (*end != '\0' || value < 0 || value > 3'600'000L) return fallback;
  return std::chrono::milliseconds(value);
}

// Refuses a file that holds no suite: a new suite is made by "saldix-suite init" only,
// never by opening an empty file or another program's database. Reads only.
void RefuseUnlessSuite(const std::string& path) {
  const auto refuse = [&](const std::string& why) {
    throw suitedb::NotADatabase("Die Datei \"" + path + "\" ist keine Suite-Datenbank (" + why +
                                "); sie wurde nicht verändert");
  };
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error) && std::filesystem::file_size(path, error) == 0 &&
      !error) {
    refuse("sie ist leer");
  }
  suitedb::SqliteOptions options;
  options.readOnly = true;
  std::unique_ptr<suitedb::Connection> probe;
  try {
    probe = suitedb::OpenSqlite(path, options);
  } catch (const suitedb::NotADatabase&) {
    refuse("kein SQLite-Format");
  }  // any other failure (disk, lock, rights) is reported as it is
  auto& tables = probe->Cached(
      "SELECT COUNT(*) FROM sqlite_schema WHERE type = 'table' AND name IN ('settings_store', "
      "'menu_log', 'message_log')");
  const bool schema = tables.Step() && tables.Int(0) == 3;
  tables.Reset();
  if (probe->SchemaVersion() <= 0 || !schema) refuse("das Schema der Suite fehlt");
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
  if (!create) RefuseUnlessSuite(path);
  suitedb::SqliteOptions options;
  options.create = create;
  options.busyTimeout = BusyTimeout(options.busyTimeout);
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
  // The transaction that ends first may not be the last one open (a read snapshot of the
  // current connection while another connection holds the write lock): look again then.
  offen->AfterTransaction(key, [key, write = std::move(write)] {
    if (!DeferWhileLocked(key, write)) write();
  });
  return true;
}
