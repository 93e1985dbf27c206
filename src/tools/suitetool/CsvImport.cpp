#include "suitetool/CsvImport.h"

#include <fstream>
#include <optional>
#include <set>
#include <utility>
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

std::int64_t WholeNumber(const ColumnValue& value) {
  const auto* number = std::get_if<std::int64_t>(&value);
  return number ? *number : 0;
}

// Rules over several columns of a row: a settlement is number and year together, and a
// client reference names a client of the client table (or earlier in the same file).
class RowRules {
 public:
  struct Refusal {
    std::string columns;
    std::string reason;
  };

  RowRules(suitedb::Connection& connection, const std::string& table,
           const std::vector<TableColumn>& columns,
           const std::vector<const TableColumn*>& matched)
      : connection_(connection), matched_(matched) {
    const auto find = [&](const char* name) -> const TableColumn* {
      for (const auto& column : columns) {
        if (qtx_strmatch(column.name, name)) return &column;
      }
      return nullptr;
    };
    abrJahr_ = find("abr_jahr");
    abrNr_ = find("abr_nr");
    if (!qtx_strmatch(table, "mandanten")) {
      firma1_ = find("firma1");
      firma2_ = find("firma2");
    }
  }

  std::optional<Refusal> Check(const std::vector<ColumnValue>& values) {
    if (abrJahr_ && abrNr_) {
      const std::int64_t jahr = Value(abrJahr_, values);
      const std::int64_t nr = Value(abrNr_, values);
      const std::string shown = "\"" + std::to_string(nr) + "/" + std::to_string(jahr) + "\"";
      // A journal line is always a settlement; a booking is open (0/0) or settled.
      const bool required = !abrNr_->defaultValue;
      if ((nr == 0) != (jahr == 0) || (required && nr == 0)) {
        return Refusal{abrNr_->name + ", " + abrJahr_->name,
                       "die Abrechnung " + shown +
                           (required ? " braucht Nummer 1 bis 9999 und Jahr"
                                     : " ist entweder offen (0/0) oder hat Nummer 1 bis 9999 und Jahr")};
      }
    }
    if (firma1_ && firma2_) {
      const std::pair<std::int64_t, std::int64_t> firma{Value(firma1_, values), Value(firma2_, values)};
      const bool optional = firma1_->defaultValue.has_value();
      if (!(optional && firma.first == 0 && firma.second == 0) && !ClientExists(firma)) {
        return Refusal{firma1_->name + ", " + firma2_->name,
                       "den Mandanten \"" + std::to_string(firma.first) + "/" +
                           std::to_string(firma.second) +
                           "\" gibt es in der Tabelle mandanten nicht"};
      }
    }
    return std::nullopt;
  }

 private:
  // The row's value of column: from the file, else the column's default.
  std::int64_t Value(const TableColumn* column, const std::vector<ColumnValue>& values) const {
    for (std::size_t i = 0; i < matched_.size(); ++i) {
      if (matched_[i] == column) return WholeNumber(values[i]);
    }
    return WholeNumber(ConvertField(*column, "").value);
  }

  bool ClientExists(const std::pair<std::int64_t, std::int64_t>& firma) {
    if (known_.contains(firma)) return true;
    auto& stmt = connection_.Cached("SELECT 1 FROM mandanten WHERE firma1 = ? AND firma2 = ?");
    stmt.With(firma.first, firma.second);
    const bool found = stmt.Step();
    stmt.Reset();
    if (found) known_.insert(firma);
    return found;
  }

  suitedb::Connection& connection_;
  const std::vector<const TableColumn*>& matched_;
  const TableColumn* abrJahr_ = nullptr;
  const TableColumn* abrNr_ = nullptr;
  const TableColumn* firma1_ = nullptr;
  const TableColumn* firma2_ = nullptr;
  std::set<std::pair<std::int64_t, std::int64_t>> known_;
};

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
    RowRules rowRules(connection_, table, columns, matched);
    std::size_t rows = 0;
    CsvRecord record;
    std::vector<ColumnValue> values(matched.size());
    while (reader.Next(record)) {
      if (record.fields.size() != matched.size()) {
        throw ImportRefused(fileName, record.line, kNoColumn,
                            "die Zeile hat " + std::to_string(record.fields.size()) +
                                " Felder, die Kopfzeile " + std::to_string(matched.size()));
      }
      insert->Reset();
      for (std::size_t i = 0; i < matched.size(); ++i) {
        auto converted = ConvertField(*matched[i], record.fields[i]);
        if (!converted.refusal.empty()) {
          throw ImportRefused(fileName, record.line, matched[i]->name, converted.refusal);
        }
        BindValue(*insert, static_cast<int>(i) + 1, converted.value);
        values[i] = std::move(converted.value);
      }
      if (auto refusal = rowRules.Check(values)) {
        throw ImportRefused(fileName, record.line, refusal->columns, refusal->reason);
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
