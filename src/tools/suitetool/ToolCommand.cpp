#include "suitetool/ToolCommand.h"

#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"

namespace suitetool {

std::string DatabasePath(const CommandLine& line) {
  const std::string given = line.Value("db");
  if (line.Has("db") && given.empty()) throw UsageError("Die Option \"--db\" braucht einen Pfad");
  return given.empty() ? SuiteDatabase::DefaultPath() : given;
}

void OpenSuiteDatabase(const CommandLine& line, bool create) {
  const std::string path = DatabasePath(line);
  SuiteDatabase::Open(path, create);
  QTXProgramm().Init("saldix-suite", 0);
}

}  // namespace suitetool
