#include "suite/db/SqliteStorage.h"

#include <sqlite3.h>

#include <atomic>
#include <filesystem>
#include <unordered_map>

namespace suitedb {
namespace {

[[noreturn]] void Fail(sqlite3* db, int code, std::string_view what) {
  std::string message(what);
  message += ": ";
  message += db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
  const int primary = code & 0xff;
  if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
    throw LockTimeout(message);
  }
  throw StorageError(message);
}

class SqliteStatement final : public Statement {
 public:
  SqliteStatement(sqlite3* db, std::string_view sql) : db_(db) {
    const int rc = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                                      SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
    if (rc != SQLITE_OK) Fail(db_, rc, "SQL-Anweisung ungültig");
  }
  ~SqliteStatement() override { sqlite3_finalize(stmt_); }

  void BindNull(int index) override { Check(sqlite3_bind_null(stmt_, index)); }
  void BindInt(int index, std::int64_t value) override {
    Check(sqlite3_bind_int64(stmt_, index, value));
  }
  void BindReal(int index, double value) override {
    Check(sqlite3_bind_double(stmt_, index, value));
  }
  void BindText(int index, std::string_view value) override {
    Check(sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()),
                            SQLITE_TRANSIENT));
  }

  bool Step() override {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3_reset(stmt_);
    Fail(db_, rc, "Datenbankzugriff fehlgeschlagen");
  }
  int Run() override {
    while (Step()) {
    }
    return sqlite3_changes(db_);
  }
  void Reset() override {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
  }

  int ColumnCount() const override { return sqlite3_column_count(stmt_); }
  std::string ColumnName(int column) const override {
    const char* name = sqlite3_column_name(stmt_, column);
    return name ? name : "";
  }
  bool IsNull(int column) const override {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
  }
  std::int64_t Int(int column) const override { return sqlite3_column_int64(stmt_, column); }
  double Real(int column) const override { return sqlite3_column_double(stmt_, column); }
  std::string Text(int column) const override {
    const auto* text = sqlite3_column_text(stmt_, column);
    if (!text) return {};
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
  }

 private:
  void Check(int rc) {
    if (rc != SQLITE_OK) Fail(db_, rc, "Parameter nicht gebunden");
  }

  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

class SqliteConnection final : public Connection {
 public:
  SqliteConnection(std::string path, const SqliteOptions& options)
      : path_(std::move(path)), options_(options) {
    int flags = (options.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
                SQLITE_OPEN_NOMUTEX;
    if (options.create && !options.readOnly) flags |= SQLITE_OPEN_CREATE;
    if (!options.create && !std::filesystem::exists(path_)) {
      throw StorageError("Die Suite-Datenbank \"" + path_ + "\" existiert nicht");
    }
    const int rc = sqlite3_open_v2(path_.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
      const std::string reason = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
      sqlite3_close(db_);
      db_ = nullptr;
      throw StorageError("Die Suite-Datenbank \"" + path_ + "\" kann nicht geöffnet werden: " +
                         reason);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, static_cast<int>(options.busyTimeout.count()));
    try {
      // A file that is not a database fails here, not at first use.
      ExecuteScript(options.readOnly
                        ? "PRAGMA foreign_keys=ON; SELECT COUNT(*) FROM sqlite_schema;"
                        : "PRAGMA foreign_keys=ON; PRAGMA journal_mode=WAL; "
                          "PRAGMA synchronous=NORMAL;");
    } catch (const StorageError& e) {
      const bool keineDatenbank = (sqlite3_errcode(db_) & 0xff) == SQLITE_NOTADB;
      sqlite3_close(db_);
      db_ = nullptr;
      const std::string message =
          "Die Suite-Datenbank \"" + path_ + "\" ist nicht lesbar: " + e.what();
      if (keineDatenbank) throw NotADatabase(message);
      throw StorageError(message);
    }
  }
  ~SqliteConnection() override {
    Connection* self = this;
    LockHolder().compare_exchange_strong(self, nullptr);
    cache_.clear();
    sqlite3_close(db_);
  }

  const std::string& Path() const override { return path_; }

  std::unique_ptr<Statement> Prepare(std::string_view sql) override {
    return std::make_unique<SqliteStatement>(db_, sql);
  }

  Statement& Cached(std::string_view sql) override {
    auto found = cache_.find(std::string(sql));
    if (found == cache_.end()) {
      found = cache_.emplace(std::string(sql), std::make_unique<SqliteStatement>(db_, sql)).first;
    }
    found->second->Reset();
    return *found->second;
  }

  void ExecuteScript(std::string_view sql) override {
    const std::string script(sql);
    char* error = nullptr;
    const int rc = sqlite3_exec(db_, script.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
      const std::string message = error ? error : sqlite3_errstr(rc);
      sqlite3_free(error);
      if ((rc & 0xff) == SQLITE_BUSY) throw LockTimeout(message);
      throw StorageError(message);
    }
  }

  std::int64_t LastInsertId() const override { return sqlite3_last_insert_rowid(db_); }

  int SchemaVersion() override {
    auto& stmt = Cached("PRAGMA user_version");
    const int version = stmt.Step() ? static_cast<int>(stmt.Int(0)) : 0;
    // A statement left on its row keeps a read snapshot open: the connection would no
    // longer see other processes' commits and could not take the write lock.
    stmt.Reset();
    return version;
  }
  void SetSchemaVersion(int version) override {
    // PRAGMA takes no parameters; the value is our own integer.
    ExecuteScript("PRAGMA user_version=" + std::to_string(version));
  }

  void Begin() override {
    if (depth_ == 0) {
      ExecuteScript("BEGIN IMMEDIATE");
      LockHolder() = this;
    } else {
      ExecuteScript("SAVEPOINT sp" + std::to_string(depth_));
    }
    ++depth_;
  }
  void BeginRead() override {
    ExecuteScript(depth_ == 0 ? std::string("BEGIN DEFERRED")
                              : "SAVEPOINT sp" + std::to_string(depth_));
    ++depth_;
  }
  void Commit() override {
    if (depth_ == 0) throw StorageError("Commit ohne offene Transaktion");
    --depth_;
    if (depth_ == 0) {
      try {
        ExecuteScript("COMMIT");
      } catch (...) {
        // A refused commit leaves the transaction open; end it so that nothing of the
        // failed work stays and the next transaction can begin.
        if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        Ended();
        throw;
      }
      Ended();
    } else {
      ExecuteScript("RELEASE sp" + std::to_string(depth_));
    }
  }
  void Rollback() override {
    if (depth_ == 0) return;
    --depth_;
    if (depth_ == 0) {
      ExecuteScript("ROLLBACK");
      Ended();
    } else {
      ExecuteScript("ROLLBACK TO sp" + std::to_string(depth_) + "; RELEASE sp" +
                    std::to_string(depth_));
    }
  }
  int TransactionDepth() const override { return depth_; }
  bool SnapshotTaken() const override { return sqlite3_txn_state(db_, nullptr) != SQLITE_TXN_NONE; }

  std::unique_ptr<Connection> OpenAnother() const override {
    const char* file = sqlite3_db_filename(db_, "main");
    if (file == nullptr || *file == '\0') {
      throw StorageError("Eine Datenbank im Speicher kann nicht ein zweites Mal geöffnet werden");
    }
    SqliteOptions options = options_;
    options.create = false;
    return std::make_unique<SqliteConnection>(path_, options);
  }

 private:
  static std::atomic<Connection*>& LockHolder() {
    static std::atomic<Connection*> holder = nullptr;
    return holder;
  }
  friend Connection* Connection::WriteLockHolder();

  void Ended() {
    Connection* self = this;
    LockHolder().compare_exchange_strong(self, nullptr);
    TransactionEnded();
  }

  std::string path_;
  SqliteOptions options_;
  sqlite3* db_ = nullptr;
  int depth_ = 0;
  std::unordered_map<std::string, std::unique_ptr<SqliteStatement>> cache_;
};

}  // namespace

Connection* Connection::WriteLockHolder() { return SqliteConnection::LockHolder(); }

std::unique_ptr<Connection> OpenSqlite(const std::string& path, const SqliteOptions& options) {
  return std::make_unique<SqliteConnection>(path, options);
}

}  // namespace suitedb
