#include "suite/ProgrammLauf.h"

#include <chrono>

#include "suite/AppExec.h"

namespace {

TProgrammLaufAnzeigeFabrik& Fabrik() {
  static TProgrammLaufAnzeigeFabrik fabrik;
  return fabrik;
}

// Short enough for a smooth window, long enough to cost nothing.
constexpr int kTaktMs = 50;

}  // namespace

void SetProgrammLaufAnzeige(TProgrammLaufAnzeigeFabrik fabrik) { Fabrik() = std::move(fabrik); }

int ProgrammAbwarten(TAppExec& programm, const std::string& titel, int hoechstSekunden) {
  if (!programm.Starten()) return -1;
  std::unique_ptr<IProgrammLaufAnzeige> anzeige = Fabrik() ? Fabrik()() : nullptr;
  if (anzeige) anzeige->Beginnen(titel);
  const auto frist = std::chrono::steady_clock::now() + std::chrono::seconds(hoechstSekunden);
  while (programm.Warten(kTaktMs)) {
    const bool weiter = anzeige ? anzeige->Weiter(programm.NeueAusgabe()) : true;
    if (!weiter || (hoechstSekunden > 0 && std::chrono::steady_clock::now() >= frist)) {
      programm.Abbrechen();
    }
  }
  if (anzeige) {
    anzeige->Weiter(programm.NeueAusgabe());
    anzeige->Ende();
  }
  return programm.Ergebnis();
}
