// The one suite database of the process: where it is, opening it, and access for the
// suite services.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "suite/db/Storage.h"

class SuiteDatabase {
 public:
  // $SALDIX_DB, else $XDG_DATA_HOME/saldix/suite.db (XDG default ~/.local/share).
  static std::string DefaultPath();

  // Opens (create: creates) the database at path, migrates it and makes it current.
  // Without create, a file that is not a suite database (empty, not SQLite, another
  // program's database) is refused untouched: only "saldix-suite init" makes a suite.
  // Throws suitedb::StorageError with a message naming the path.
  static suitedb::Connection& Open(const std::string& path, bool create = false);
  // Makes an already open connection current (tests, tools).
  static suitedb::Connection& Attach(std::unique_ptr<suitedb::Connection> connection);
  static void Close();

  static bool IsOpen();
  // The current connection; throws StorageError when none is open.
  static suitedb::Connection& Get();
  static suitedb::Connection* TryGet();

  // For writes that must outlast a rollback and must not wait for a lock this process
  // holds (the logs): true while the process holds the write lock, in a transaction of the
  // current connection or on another connection (an export's bookkeeping); write then runs
  // once that transaction has ended. key names the writer: a later write under the same key
  // replaces its waiting one. False: nothing waits, the caller writes now.
  static bool DeferWhileLocked(const void* key, std::function<void()> write);
};
