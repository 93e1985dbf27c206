#include "suitetool/TableColumns.h"

#include "suite/Text.h"

namespace suitetool {
namespace {

// The type affinity rules of SQLite, reduced to the three kinds the suite uses.
ColumnKind KindOf(const std::string& declaredType) {
  const std::string type = Utf8Upper(declaredType);
  if (type.find("INT") != std::string::npos) return ColumnKind::Integer;
  if (type.find("CHAR") != std::string::npos || type.find("CLOB") != std::string::npos ||
      type.find("TEXT") != std::string::npos) {
    return ColumnKind::Text;
  }
  if (type.find("REAL") != std::string::npos || type.find("FLOA") != std::string::npos ||
      type.find("DOUB") != std::string::npos || type.find("NUM") != std::string::npos ||
      type.find("DEC") != std::string::npos) {
    return ColumnKind::Real;
  }
  return ColumnKind::Text;
}

// A default written as SQL literal ('J', 0, -1.5) as a plain value; NULL gives none.
std::optional<std::string> DefaultValue(suitedb::Statement& stmt, int column) {
  if (stmt.IsNull(column)) return std::nullopt;
  std::string literal = Trim(stmt.Text(column));
  if (literal.size() >= 2 && literal.front() == '(' && literal.back() == ')') {
    literal = Trim(literal.substr(1, literal.size() - 2));
  }
  if (Utf8Upper(literal) == "NULL") return std::nullopt;
  if (literal.size() >= 2 && literal.front() == '\'' && literal.back() == '\'') {
    std::string value;
    for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
      value += literal[i];
      if (literal[i] == '\'' && literal[i + 1] == '\'') ++i;
    }
    return value;
  }
  return literal;
}

bool Contains(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

}  // namespace

ValueRule RuleOf(const std::string& table, const std::string& column, ColumnKind kind,
                 bool rowId) {
  const std::string name = Utf8Lower(column);
  switch (kind) {
    case ColumnKind::Text:
      return ValueRule::None;
    case ColumnKind::Real:
      for (const char* word : {"datum", "date", "time", "zeit", "erstellt", "gueltig"}) {
        if (Contains(name, word)) return ValueRule::Date;
      }
      return Contains(name, "betrag") ? ValueRule::Amount : ValueRule::Decimal;
    case ColumnKind::Integer:
      break;
  }
  if (Utf8Lower(table) == "computers" && name == "number") return ValueRule::Computer;
  if (rowId) return ValueRule::None;
  if (name == "abr_nr") return ValueRule::SettlementNumber;
  if (name == "abr_jahr") return ValueRule::SettlementYear;
  if (name == "rechner" || name.ends_with("_rechner") || name.ends_with("rnr")) {
    return ValueRule::Computer;
  }
  if (name == "transaktions_nr" || name == "letzte_nr" || name.ends_with("lnr") ||
      name.starts_with("lnr_")) {
    return ValueRule::Serial;
  }
  if (name == "lfd_nr" || name.ends_with("snr") || name.starts_with("snr_")) {
    return ValueRule::SubNumber;
  }
  return ValueRule::Integer32;
}

bool TableExists(suitedb::Connection& connection, const std::string& table) {
  auto& stmt = connection.Cached(
      "SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ? "
      "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
  stmt.With(table);
  const bool found = stmt.Step();
  stmt.Reset();
  return found;
}

std::vector<TableColumn> ReadTableColumns(suitedb::Connection& connection,
                                          const std::string& table) {
  std::vector<TableColumn> columns;
  if (!TableExists(connection, table)) return columns;
  auto& stmt = connection.Cached(
      "SELECT name, type, \"notnull\", dflt_value, pk FROM pragma_table_info(?) ORDER BY cid");
  stmt.With(table);
  int keyColumns = 0;
  while (stmt.Step()) {
    TableColumn column;
    column.name = stmt.Text(0);
    const std::string type = stmt.Text(1);
    column.kind = KindOf(type);
    column.notNull = stmt.Int(2) != 0;
    column.defaultValue = DefaultValue(stmt, 3);
    if (stmt.Int(4) > 0) {
      ++keyColumns;
      column.rowId = Utf8Upper(Trim(type)) == "INTEGER";
    }
    columns.push_back(std::move(column));
  }
  stmt.Reset();
  // Only a single-column INTEGER PRIMARY KEY is the row id.
  if (keyColumns != 1) {
    for (auto& column : columns) column.rowId = false;
  }
  for (auto& column : columns) column.rule = RuleOf(table, column.name, column.kind, column.rowId);
  return columns;
}

std::vector<std::string> SuiteTableNames(suitedb::Connection& connection) {
  auto& stmt = connection.Cached(
      "SELECT name FROM sqlite_schema WHERE type = 'table' "
      "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name");
  std::vector<std::string> names;
  while (stmt.Step()) names.push_back(stmt.Text(0));
  stmt.Reset();
  return names;
}

}  // namespace suitetool
