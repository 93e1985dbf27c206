// The columns of a suite table as the database declares them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "suite/db/Storage.h"

namespace suitetool {

enum class ColumnKind { Integer, Real, Text };

struct TableColumn {
  std::string name;
  ColumnKind kind = ColumnKind::Text;
  bool notNull = false;
  bool rowId = false;  // INTEGER PRIMARY KEY: the database assigns it when absent
  std::optional<std::string> defaultValue;  // the default as a plain value, not SQL

  // Must the file give this column?
  bool Required() const { return notNull && !defaultValue && !rowId; }
};

// Whether the table exists (tables only, not views or internal tables).
bool TableExists(suitedb::Connection& connection, const std::string& table);
// The table's columns in declaration order; empty when the table does not exist.
std::vector<TableColumn> ReadTableColumns(suitedb::Connection& connection,
                                          const std::string& table);
// The names of the suite's tables, sorted.
std::vector<std::string> SuiteTableNames(suitedb::Connection& connection);

}  // namespace suitetool
