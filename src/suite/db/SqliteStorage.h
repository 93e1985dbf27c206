// SQLite implementation of the storage interface.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "suite/db/Storage.h"

namespace suitedb {

struct SqliteOptions {
  bool create = false;  // create the file when it does not exist
  // Only read: the file is neither created nor changed (no journal mode is set).
  bool readOnly = false;
  std::chrono::milliseconds busyTimeout{10000};
};

std::unique_ptr<Connection> OpenSqlite(const std::string& path, const SqliteOptions& options);

}  // namespace suitedb
