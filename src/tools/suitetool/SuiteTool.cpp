#include "suitetool/SuiteTool.h"

#include <exception>

#include "suite/QTXInfo.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/ConnectionCommand.h"
#include "suitetool/DemoCommand.h"
#include "suitetool/ImportCommand.h"
#include "suitetool/InitCommand.h"
#include "suitetool/JournalCommand.h"
#include "suitetool/LogCommand.h"
#include "suitetool/MailCommand.h"

namespace suitetool {
namespace {

constexpr const char* kProgram = "saldix-suite";

void PrintOverview(std::ostream& out) {
  out << "Aufruf: " << kProgram << " BEFEHL [OPTIONEN]\n\n"
      << "Verwaltungswerkzeug der Suite-Datenbank.\n\nBefehle:\n";
  for (const auto& command : AllCommands()) {
    std::string name = command->Name();
    name.resize(12, ' ');
    out << "  " << name << command->Summary() << '\n';
  }
  out << "\nGemeinsame Optionen:\n"
      << "  --db PFAD   Suite-Datenbank (sonst $SALDIX_DB, sonst "
         "$XDG_DATA_HOME/saldix/suite.db)\n"
      << "  --help      Hilfe zum Befehl\n\n"
      << "Exit-Code: 0 Erfolg, 1 Fehler, 2 falscher Aufruf.\n";
}

void PrintHelp(const ToolCommand& command, std::ostream& out) {
  out << command.Help() << "\nGemeinsame Optionen:\n"
      << "  --db PFAD   Suite-Datenbank (sonst $SALDIX_DB, sonst "
         "$XDG_DATA_HOME/saldix/suite.db)\n"
      << "  --help      diese Hilfe\n";
}

// Keeps a failure in the message log as well, when the database is open.
void Register(const std::string& command, const std::string& text) {
  if (!SuiteDatabase::IsOpen()) return;
  QTXInfo().RegisterException(std::string(kProgram) + "." + command, text, true);
}

}  // namespace

std::vector<std::unique_ptr<ToolCommand>> AllCommands() {
  std::vector<std::unique_ptr<ToolCommand>> commands;
  commands.push_back(std::make_unique<InitCommand>());
  commands.push_back(std::make_unique<DemoCommand>());
  commands.push_back(std::make_unique<ImportCommand>());
  commands.push_back(std::make_unique<JournalCommand>());
  commands.push_back(std::make_unique<LogCommand>());
  commands.push_back(std::make_unique<ConnectionCommand>());
  commands.push_back(std::make_unique<MailCommand>());
  return commands;
}

int RunSuiteTool(const std::vector<std::string>& args, ToolContext& context) {
  if (args.empty()) {
    PrintOverview(context.err);
    return kExitUsage;
  }
  if (args.front() == "--help" || args.front() == "-h" || args.front() == "help") {
    PrintOverview(context.out);
    return kExitOk;
  }
  auto commands = AllCommands();
  ToolCommand* command = nullptr;
  for (const auto& candidate : commands) {
    if (candidate->Name() == args.front()) command = candidate.get();
  }
  if (!command) {
    context.err << kProgram << ": unbekannter Befehl \"" << args.front() << "\"\n"
                << "\"" << kProgram << " --help\" zeigt die Befehle.\n";
    return kExitUsage;
  }

  const std::vector<std::string> rest(args.begin() + 1, args.end());
  try {
    auto options = command->Options();
    options.push_back({"db", true});
    const CommandLine line(rest, options, command->MaxArguments());
    if (line.HelpWanted()) {
      PrintHelp(*command, context.out);
      return kExitOk;
    }
    const int code = command->Run(line, context);
    SuiteDatabase::Close();
    return code;
  } catch (const UsageError& e) {
    context.err << kProgram << ' ' << command->Name() << ": " << e.what() << "\n\""
                << kProgram << ' ' << command->Name() << " --help\" zeigt den Aufruf.\n";
    SuiteDatabase::Close();
    return kExitUsage;
  } catch (const std::exception& e) {
    context.err << kProgram << ' ' << command->Name() << ": " << e.what() << '\n';
    Register(command->Name(), e.what());
    SuiteDatabase::Close();
    return kExitFailure;
  }
}

}  // namespace suitetool
