// The versioned schema of the suite database (PRAGMA user_version).
#pragma once

#include <vector>

#include "suite/db/Storage.h"

namespace suitedb {

struct Migration {
  int version;          // the user_version after this step
  const char* purpose;  // short description for the admin tool
  const char* script;   // schema statements only
};

// All steps in ascending order of version.
const std::vector<Migration>& SuiteMigrations();
int LatestSchemaVersion();

// Brings the database up to the latest version, each step in its own transaction.
// A database of a newer version than this program knows is refused, not altered.
void MigrateSuiteSchema(Connection& connection);

}  // namespace suitedb
