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
         "Datumswerte als TT.MM.JJJJ oder JJJJ-MM-TT (Jahre 1900 bis 2200; leer: kein Datum),\n"
         "Beträge mit \",\" oder \".\" als Dezimaltrennzeichen, unter 10^13 und mit höchstens\n"
         "4 Nachkommastellen. Identitäten: Rechner 0 bis 9999, laufende Nummer 0 bis\n"
         "999999999, Unternummer -32768 bis 32767; andere ganze Zahlen mit 32 Bit.\n"
         "Abrechnungen: 0/0 (offen) oder Nummer 1 bis 9999 mit Jahr 1900 bis 2200.\n"
         "Der Mandant (firma1/firma2) muss in der Tabelle mandanten stehen. Texte ohne\n"
         "Steuerzeichen (außer Tabulator und Zeilenumbruch).\n"
         "Jede Zeile wird geprüft; bei einem Fehler wird nichts importiert und Datei,\n"
         "Zeile, Spalte, Wert und Regel werden genannt.\n\n"
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
