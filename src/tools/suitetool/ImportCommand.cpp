#include "suitetool/ImportCommand.h"

#include "suite/SuiteDatabase.h"
#include "suite/db/Schema.h"
#include "suite/db/SqliteStorage.h"
#include "suitetool/CsvImport.h"
#include "suitetool/TableColumns.h"

namespace suitetool {
namespace {

// The tables as this program's schema declares them, read from an empty database in
// memory, so that the help needs no suite database.
std::string TablesText() {
  try {
    auto db = suitedb::OpenSqlite(":memory:", {true});
    suitedb::MigrateSuiteSchema(*db);
    std::string text;
    for (const auto& table : SuiteTableNames(*db)) {
      std::string required;
      for (const auto& column : ReadTableColumns(*db, table)) {
        if (column.Required()) required += (required.empty() ? "" : ", ") + column.name;
      }
      text += "  " + table + ": " + (required.empty() ? "(keine)" : required) + "\n";
    }
    return text;
  } catch (const std::exception& e) {
    return std::string("  (nicht verfügbar: ") + e.what() + ")\n";
  }
}

}  // namespace

std::string ImportCommand::Help() const {
  return "Aufruf: saldix-suite import TABELLE DATEI.csv [--db PFAD]\n\n"
         "Lädt Datensätze aus einer CSV-Datei (UTF-8) in eine Tabelle der Suite-Datenbank.\n"
         "Die erste Zeile nennt die Spalten der Tabelle, getrennt durch \";\" oder \",\".\n"
         "Fehlende Spalten erhalten ihren Vorgabewert; Pflichtspalten müssen vorhanden sein.\n"
         "Datumswerte als TT.MM.JJJJ oder JJJJ-MM-TT, Beträge mit \",\" oder \".\" als\n"
         "Dezimaltrennzeichen. Jede Zeile wird geprüft; bei einem Fehler wird nichts\n"
         "importiert und Datei, Zeile, Spalte und Grund werden genannt.\n\n"
         "Tabellen und ihre Pflichtspalten:\n" +
         TablesText();
}

int ImportCommand::Run(const CommandLine& line, ToolContext& context) {
  if (line.Arguments().size() != 2) throw UsageError("Es fehlen TABELLE und DATEI.csv");
  const std::string& table = line.Arguments()[0];
  const std::string& file = line.Arguments()[1];
  OpenSuiteDatabase(line, false);
  CsvImport import(SuiteDatabase::Get());
  const std::size_t rows = import.ImportFile(table, file);
  context.out << rows << " Datensätze aus \"" << file << "\" in die Tabelle \"" << table
              << "\" importiert.\n";
  return 0;
}

}  // namespace suitetool
