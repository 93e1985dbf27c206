// The storage interface of the suite database. Callers use prepared statements only;
// the SQLite implementation is the embedded default, another engine can follow
// behind the same interface.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace suitedb {

class StorageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Thrown when the write lock could not be had in time (another process holds it).
class LockTimeout : public StorageError {
 public:
  using StorageError::StorageError;
};

// Thrown when opening a file that is not a database of this storage at all.
class NotADatabase : public StorageError {
 public:
  using StorageError::StorageError;
};

class Statement {
 public:
  virtual ~Statement() = default;

  // Parameters are numbered from 1.
  virtual void BindNull(int index) = 0;
  virtual void BindInt(int index, std::int64_t value) = 0;
  virtual void BindReal(int index, double value) = 0;
  virtual void BindText(int index, std::string_view value) = 0;

  void Bind(int index, std::int64_t value) { BindInt(index, value); }
  void Bind(int index, int value) { BindInt(index, value); }
  void Bind(int index, bool value) { BindInt(index, value ? 1 : 0); }
  void Bind(int index, double value) { BindReal(index, value); }
  void Bind(int index, long double value) { BindReal(index, static_cast<double>(value)); }
  void Bind(int index, std::string_view value) { BindText(index, value); }
  void Bind(int index, const std::string& value) { BindText(index, value); }
  void Bind(int index, const char* value) { BindText(index, value); }

  // Binds all arguments in order from parameter 1.
  template <typename... Args>
  Statement& With(const Args&... args) {
    Reset();
    int index = 0;
    (Bind(++index, args), ...);
    return *this;
  }

  // Advances to the next row; false when there is none left.
  virtual bool Step() = 0;
  // Runs the statement to its end and returns the number of rows changed.
  virtual int Run() = 0;
  // Resets for another execution and clears the bindings.
  virtual void Reset() = 0;

  virtual int ColumnCount() const = 0;
  virtual std::string ColumnName(int column) const = 0;
  virtual bool IsNull(int column) const = 0;
  virtual std::int64_t Int(int column) const = 0;
  virtual double Real(int column) const = 0;
  virtual std::string Text(int column) const = 0;
};

class Connection {
 public:
  virtual ~Connection() = default;

  virtual const std::string& Path() const = 0;
  // A new statement owned by the caller.
  virtual std::unique_ptr<Statement> Prepare(std::string_view sql) = 0;
  // A statement kept by the connection for repeated use; reset on every call.
  virtual Statement& Cached(std::string_view sql) = 0;
  // Runs a script of schema statements (migrations only, never with outside data).
  virtual void ExecuteScript(std::string_view sql) = 0;
  virtual std::int64_t LastInsertId() const = 0;

  virtual int SchemaVersion() = 0;
  virtual void SetSchemaVersion(int version) = 0;

  // Transactions: the outermost takes the write lock (waiting up to the busy time-out),
  // nested ones become save points.
  virtual void Begin() = 0;
  // A read snapshot: many reads under one shared lock instead of one lock per statement.
  virtual void BeginRead() = 0;
  virtual void Commit() = 0;
  virtual void Rollback() = 0;
  virtual int TransactionDepth() const = 0;
  // True once this connection's current transaction has read or written: from then on it
  // sees its own state, which another connection may not share.
  virtual bool SnapshotTaken() const = 0;

  // Another connection to the same database, for work on another thread. Throws
  // StorageError when the database cannot be opened twice (in memory).
  virtual std::unique_ptr<Connection> OpenAnother() const = 0;

  // Runs once after the outermost transaction ended (commit or rollback); used to write
  // what must survive a rollback, such as the logs. A hook given again under the same key
  // replaces the earlier one; hooks run in the order of their first giving.
  void AfterTransaction(const void* key, std::function<void()> hook) {
    for (auto& [gegeben, alt] : afterTransaction_) {
      if (gegeben == key) {
        alt = std::move(hook);
        return;
      }
    }
    afterTransaction_.emplace_back(key, std::move(hook));
  }

  // The connection of this process whose outermost transaction holds the write lock, or
  // nullptr: another connection of the process cannot write before it has ended.
  static Connection* WriteLockHolder();

 protected:
  void TransactionEnded() {
    auto hooks = std::move(afterTransaction_);
    afterTransaction_.clear();
    for (auto& [key, hook] : hooks) {
      // The transaction has ended either way: a hook that fails (a log write on a full
      // disk) must not make a commit look failed. Hooks report their own failures.
      try {
        hook();
      } catch (...) {
      }
    }
  }

 private:
  std::vector<std::pair<const void*, std::function<void()>>> afterTransaction_;
};

// All-or-nothing scope: rolls back unless Commit() was called.
class Transaction {
 public:
  explicit Transaction(Connection& connection) : connection_(connection) { connection_.Begin(); }
  ~Transaction() {
    if (!done_) {
      try {
        connection_.Rollback();
      } catch (...) {
        // A failed rollback leaves nothing to do; the connection reports it next time.
      }
    }
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  void Commit() {
    connection_.Commit();
    done_ = true;
  }

 private:
  Connection& connection_;
  bool done_ = false;
};

// Reads under one snapshot; ends with the scope (nothing to roll back).
class ReadTransaction {
 public:
  explicit ReadTransaction(Connection& connection) : connection_(connection) {
    connection_.BeginRead();
  }
  ~ReadTransaction() {
    try {
      connection_.Commit();
    } catch (...) {
      try {
        connection_.Rollback();
      } catch (...) {
        // Nothing was written; the connection reports its state next time.
      }
    }
  }
  ReadTransaction(const ReadTransaction&) = delete;
  ReadTransaction& operator=(const ReadTransaction&) = delete;

 private:
  Connection& connection_;
};

}  // namespace suitedb
