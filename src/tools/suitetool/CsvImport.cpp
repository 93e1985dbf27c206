#include "suitetool/CsvImport.h"

#include <fstream>
#include <optional>
#include <vector>

#include "suite/Text.h"
#include "suitetool/CsvReader.h"
#include "suitetool/CsvValue.h"
#include "suitetool/TableColumns.h"

namespace suitetool {
namespace {

constexpr int kHeaderLine = 1;

std::string QuoteIdentifier(const std::string& name) {
  std::string quoted = "\"";
  for (const char c : name) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

// Maps each header field to the table column of that name (case ignored).
std::vector<const TableColumn*> MatchHeader(const std::vector<TableColumn>& columns,
                                            const std::vector<std::string>& header,
                                            const std::string& fileName) {
  std::vector<const TableColumn*> matched;
  for (const auto& rawName : header) {
    const std::string name = Trim(rawName);
    if (name.empty()) {
      throw ImportRefused(fileName, kHeaderLine, "(leer)", "die Kopfzeile hat eine leere Spalte");
    }
    const TableColumn* found = nullptr;
    for (const auto& column : columns) {
      if (qtx_strmatch(column.name, name)) found = &column;
    }
    if (!found) throw ImportRefused(fileName, kHeaderLine, name, "unbekannte Spalte");
    for (const auto* earlier : matched) {
      if (earlier == found) throw ImportRefused(fileName, kHeaderLine, name, "Spalte doppelt");
    }
    matched.push_back(found);
  }
  for (const auto& column : columns) {
    if (!column.Required()) continue;
    bool given = false;
    for (const auto* match : matched) given = given || match == &column;
    if (!given) throw ImportRefused(fileName, kHeaderLine, column.name, "Pflichtspalte fehlt");
  }
  return matched;
}

std::string InsertStatement(const std::string& table,
                            const std::vector<const TableColumn*>& columns) {
  std::string names;
  std::string marks;
  for (const auto* column : columns) {
    if (!names.empty()) {
      names += ", ";
      marks += ", ";
    }
    names += QuoteIdentifier(column->name);
    marks += "?";
  }
  return "INSERT INTO " + QuoteIdentifier(table) + " (" + names + ") VALUES (" + marks + ")";
}

void BindValue(suitedb::Statement& stmt, int index, const ColumnValue& value) {
  if (const auto* number = std::get_if<std::int64_t>(&value)) {
    stmt.BindInt(index, *number);
  } else if (const auto* real = std::get_if<double>(&value)) {
    stmt.BindReal(index, *real);
  } else if (const auto* text = std::get_if<std::string>(&value)) {
    stmt.BindText(index, *text);
  } else {
    stmt.BindNull(index);
  }
}

// The database's refusal of a row in the user's terms: the columns it names, a reason.
ImportRefused ConstraintRefusal(const std::string& fileName, int line, const std::string& table,
                                const std::string& message) {
  const auto columnsAfter = [&](const std::string& marker) -> std::optional<std::string> {
    const auto at = message.find(marker);
    if (at == std::string::npos) return std::nullopt;
    std::string list = message.substr(at + marker.size());
    const std::string prefix = table + ".";
    for (auto pos = list.find(prefix); pos != std::string::npos; pos = list.find(prefix)) {
      list.erase(pos, prefix.size());
    }
    return Trim(list);
  };
  if (auto columns = columnsAfter("UNIQUE constraint failed:")) {
    return ImportRefused(fileName, line, *columns,
                         "doppelte Identität: ein Datensatz mit diesem Schlüssel ist schon "
                         "vorhanden (in der Datenbank oder weiter oben in der Datei)");
  }
  if (auto columns = columnsAfter("NOT NULL constraint failed:")) {
    return ImportRefused(fileName, line, *columns, "der Wert fehlt");
  }
  if (message.find("CHECK constraint failed") != std::string::npos) {
    return ImportRefused(fileName, line, columnsAfter("CHECK constraint failed:").value_or(kNoColumn),
                         "der Wert ist nicht zulässig");
  }
  if (message.find("FOREIGN KEY constraint failed") != std::string::npos) {
    return ImportRefused(fileName, line, kNoColumn, "verweist auf einen Datensatz, den es nicht gibt");
  }
  return ImportRefused(fileName, line, kNoColumn, message);
}

}  // namespace

ImportRefused::ImportRefused(std::string file, int line, std::string column, std::string reason)
    : std::runtime_error("Import abgelehnt, es wurde nichts importiert: Datei \"" + file + "\"" +
                         (line > 0 ? ", Zeile " + std::to_string(line) : std::string()) +
                         (column != kNoColumn ? ", Spalte \"" + column + "\"" : std::string()) +
                         ": " + reason),
      file_(std::move(file)),
      line_(line),
      column_(std::move(column)),
      reason_(std::move(reason)) {}

std::size_t CsvImport::ImportFile(const std::string& table, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ImportRefused(path, 0, kNoColumn, "die Datei kann nicht gelesen werden");
  return Import(table, in, path);
}

std::size_t CsvImport::Import(const std::string& table, std::istream& in,
                              const std::string& fileName) {
  const auto columns = ReadTableColumns(connection_, table);
  if (columns.empty()) {
    std::string known;
    for (const auto& name : SuiteTableNames(connection_)) known += (known.empty() ? "" : ", ") + name;
    throw ImportRefused(fileName, 0, kNoColumn,
                        "die Tabelle \"" + table + "\" gibt es nicht (vorhanden: " + known + ")");
  }
  try {
    CsvReader reader(in);
    const auto matched = MatchHeader(columns, reader.Header().fields, fileName);
    auto insert = connection_.Prepare(InsertStatement(table, matched));

    suitedb::Transaction transaction(connection_);
    std::size_t rows = 0;
    CsvRecord record;
    while (reader.Next(record)) {
      if (record.fields.size() != matched.size()) {
        throw ImportRefused(fileName, record.line, kNoColumn,
                            "die Zeile hat " + std::to_string(record.fields.size()) +
                                " Felder, die Kopfzeile " + std::to_string(matched.size()));
      }
      insert->Reset();
      for (std::size_t i = 0; i < matched.size(); ++i) {
        const auto converted = ConvertField(*matched[i], record.fields[i]);
        if (!converted.refusal.empty()) {
          throw ImportRefused(fileName, record.line, matched[i]->name, converted.refusal);
        }
        BindValue(*insert, static_cast<int>(i) + 1, converted.value);
      }
      try {
        insert->Run();
      } catch (const suitedb::LockTimeout&) {
        throw;
      } catch (const suitedb::StorageError& e) {
        throw ConstraintRefusal(fileName, record.line, table, e.what());
      }
      ++rows;
    }
    transaction.Commit();
    return rows;
  } catch (const CsvSyntaxError& e) {
    throw ImportRefused(fileName, e.Line(), kNoColumn, e.what());
  }
}

}  // namespace suitetool
