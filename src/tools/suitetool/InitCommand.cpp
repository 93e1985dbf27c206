#include "suitetool/InitCommand.h"

#include <filesystem>
#include <stdexcept>

#include "suite/SuiteDatabase.h"

namespace suitetool {

std::string InitCommand::Help() const {
  return "Aufruf: saldix-suite init [--db PFAD]\n\n"
         "Legt eine leere Suite-Datenbank mit dem aktuellen Schema an. Eine vorhandene\n"
         "Datei wird nicht angetastet: dann endet der Befehl mit einem Fehler.\n";
}

int InitCommand::Run(const CommandLine& line, ToolContext& context) {
  const std::string path = DatabasePath(line);
  std::error_code error;
  // Never reuse an existing file: "init" promises an empty database.
  if (std::filesystem::exists(path, error) || error) {
    throw std::runtime_error("Die Datei \"" + path +
                             "\" existiert bereits; es wurde nichts verändert");
  }
  auto& connection = SuiteDatabase::Open(path, true);
  context.out << "Suite-Datenbank angelegt: " << path << " (Schema-Version "
              << connection.SchemaVersion() << ")\n";
  return 0;
}

}  // namespace suitetool
