// The columns of a suite table as the database declares them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "suite/db/Storage.h"

namespace suitetool {

enum class ColumnKind { Integer, Real, Text };

// What the suite's programs can hold in a column beyond its SQL type; the import refuses
// anything else. The limits are in ValueRules.h.
enum class ValueRule {
  None,              // texts, row ids
  Integer32,         // whole numbers the programs keep in 32 bits
  Computer,          // computer number of an identity
  Serial,            // serial number of an identity
  SubNumber,         // sub-number of an identity
  Date,              // a day given as date text
  Amount,            // money: bounded, with few decimals
  Decimal,           // quantities, rates, percentages: bounded
  SettlementNumber,  // 0 for open, else the number of a settlement
  SettlementYear,    // 0 for open, else the year of a settlement
};

struct TableColumn {
  std::string name;
  ColumnKind kind = ColumnKind::Text;
  bool notNull = false;
  bool rowId = false;  // INTEGER PRIMARY KEY: the database assigns it when absent
  std::optional<std::string> defaultValue;  // the default as a plain value, not SQL
  ValueRule rule = ValueRule::None;

  // Must the file give this column?
  bool Required() const { return notNull && !defaultValue && !rowId; }
};

// Whether the table exists (tables only, not views or internal tables).
bool TableExists(suitedb::Connection& connection, const std::string& table);
// The rule of a column, from the suite's naming conventions (identity parts end in
// rnr/lnr/snr, dates are named after a date, settlements are abr_jahr/abr_nr).
ValueRule RuleOf(const std::string& table, const std::string& column, ColumnKind kind,
                 bool rowId);
// The table's columns in declaration order; empty when the table does not exist.
std::vector<TableColumn> ReadTableColumns(suitedb::Connection& connection,
                                          const std::string& table);
// The names of the suite's tables, sorted.
std::vector<std::string> SuiteTableNames(suitedb::Connection& connection);

}  // namespace suitetool
