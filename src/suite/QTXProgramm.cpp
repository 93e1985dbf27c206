#include "suite/QTXProgramm.h"

#include <unistd.h>

#include <cstdlib>

#include "suite/QTXInfo.h"
#include "suite/SimpleMask.h"
#include "suite/SuiteDatabase.h"

namespace {

// This workstation's number: $SALDIX_RECHNER, 1 when unset or not a positive number.
int WorkstationFromEnvironment() {
  const char* text = std::getenv("SALDIX_RECHNER");
  if (!text || !*text) return 1;
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (*end != '\0' || value <= 0 || value > 2147483647L) return 1;
  return static_cast<int>(value);
}

TSimpleMask SystemSettings() { return TSimpleMask("SUITE", "SYSTEM"); }

}  // namespace

bool TQTXProgramm::Init(const std::string& programName, int processType) {
  programName_ = programName;
  processType_ = processType;
  computerNumber_ = WorkstationFromEnvironment();
  computerType_ = 0;
  auto& stmt = SuiteDatabase::Get().Cached("SELECT type FROM computers WHERE number = ?");
  stmt.With(computerNumber_);
  if (stmt.Step()) computerType_ = static_cast<int>(stmt.Int(0));
  stmt.Reset();
  return true;
}

void TQTXProgramm::SetSilentMode(bool silent) {
  silent_ = silent;
  if (silent) QTXInfo().SetPresenter(std::make_shared<SilentPresenter>());
}

void TQTXProgramm::ShowException(const std::exception& error) {
  QTXInfo().RegisterException(programName_.empty() ? "Programm" : programName_, error, true);
  if (!silent_) QTXInfo().QTXWarnungBox(error.what());
}

std::string TQTXProgramm::GetSprache() const {
  return SuiteDatabase::IsOpen() ? SystemSettings().ReadGlobalDef("SPRACHE", "D") : "D";
}

std::string TQTXProgramm::GetWaehrung() const {
  return SuiteDatabase::IsOpen() ? SystemSettings().ReadGlobalDef("WAEHRUNG", "EUR") : "EUR";
}

std::string TQTXProgramm::GetLand() const {
  return SuiteDatabase::IsOpen() ? SystemSettings().ReadGlobalDef("LAND", "D") : "D";
}

void TQTXProgramm::SetAktMandant(TIntPair mandant, const std::string& text) {
  aktMandant_ = mandant;
  textMandant_ = text;
}

std::string TQTXProgramm::ProzessIdFormated() const {
  std::string id = std::to_string(static_cast<long>(getpid()));
  if (id.size() < 8) id.insert(0, 8 - id.size(), '0');
  return id;
}

TQTXProgramm& QTXProgramm() {
  static TQTXProgramm program;
  return program;
}
