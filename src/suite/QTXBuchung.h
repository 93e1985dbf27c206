// The suite's booking transaction: a database transaction holding the write lock, so
// that booking changes of two processes never interleave.
#pragma once

#include <memory>

#include "suite/db/Storage.h"

class QTXBuchung {
 public:
  static constexpr int kExport = 51;       // real export and settlement deletion
  static constexpr int kManuell = 53;      // manual booking

  // On the current suite database, or on the given connection.
  QTXBuchung();
  explicit QTXBuchung(suitedb::Connection& connection);
  // Rolls back unless committed.
  ~QTXBuchung();
  QTXBuchung(const QTXBuchung&) = delete;
  QTXBuchung& operator=(const QTXBuchung&) = delete;

  // Takes the write lock for the given lock kind (51 or 53); waits up to the
  // connection's busy time-out, then throws suitedb::LockTimeout with a clear message.
  void Start(int kind);
  void Commit();
  void Rollback();

  bool Active() const { return transaction_ != nullptr; }
  int Kind() const { return kind_; }

 private:
  suitedb::Connection& db_;
  std::unique_ptr<suitedb::Transaction> transaction_;
  int kind_ = 0;
};
