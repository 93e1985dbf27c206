// saldix: with parameters an unattended export (batch mode), reported to the menu log and
// never needing a display; without parameters the desktop program.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/SaldixBatchProgramm.h"
#include "app/SaldixStart.h"
#include "app/saldixbatchmode.h"
#include "suite/MenuLog.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "ui/DesktopProgramm.h"

namespace {

constexpr const char* kHilfe =
    "Aufruf: saldix                 (Desktop-Programm: Mandantenwahl, dann Hauptmenü)\n"
    "        saldix [-MAND:n (-MONAT:A|V | -HEUTE:n | -VDATUM:TTMMJJJJ -BDATUM:TTMMJJJJ)\n"
    "               [-PROFIL:name] [-HERKUNFT:code] [-EXPORTER:kennung]]\n\n"
    "Mit Parametern exportiert Saldix die offenen Buchungen eines Mandanten und Zeitraums\n"
    "ohne Fenster in das aktive Exportformat, vergibt die nächste Abrechnungsnummer und\n"
    "schreibt jedes Ergebnis in das Menüprotokoll (saldix-suite log).\n\n"
    "  -MAND:n           Kurznummer des Mandanten (Pflicht)\n"
    "  -MONAT:A | V      aktueller Monat bis heute | ganzer Vormonat\n"
    "  -HEUTE:n          die letzten n Tage bis heute\n"
    "  -VDATUM/-BDATUM   Zeitraum von/bis, z. B. -VDATUM:01032024 -BDATUM:31032024\n"
    "  -PROFIL:name      Exportprofil des Formats\n"
    "  -HERKUNFT:code    Herkunft der Buchungen (z. B. KASBER)\n"
    "  -EXPORTER:kennung Exportformat nur für diesen Lauf (z. B. DATEV1.4.700)\n\n"
    "Umgebung: SALDIX_DB (Suite-Datenbank), SALDIX_RECHNER (Rechnernummer, Vorgabe 1),\n"
    "SALDIX_HOME (Verzeichnisse der Suite).\n"
    "Jede Zeile des Menüprotokolls geht auch auf die Standardfehlerausgabe.\n"
    "Rückgabewert: 0 exportiert, 1 abgebrochen oder fehlgeschlagen, 2 Parameter falsch,\n"
    "              3 keine Sätze im angegebenen Zeitraum gefunden.\n";

bool HilfeGewuenscht(const std::string& argument) {
  return argument == "--help" || argument == "-h" || argument == "-?" || argument == "/?" ||
         argument == "help";
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> argumente(argv + 1, argv + argc);
  for (const auto& argument : argumente) {
    if (HilfeGewuenscht(argument)) {
      std::cout << kHilfe;
      return 0;
    }
  }
  const bool batch = !argumente.empty();

  try {
    SuiteDatabase::Open(SuiteDatabase::DefaultPath(), false);
  } catch (const std::exception& e) {
    const std::string text = std::string(e.what()) +
                             "\nLegen Sie die Suite-Datenbank mit \"saldix-suite init\" an oder "
                             "setzen Sie SALDIX_DB.";
    std::cerr << "Saldix: " << text << '\n';
    if (!batch) SaldixStartfehlerZeigen(argc, argv, text);
    return 1;
  }

  try {
    if (!batch) return SaldixDesktopProgramm(argc, argv);
    MenuLog_EchoTo(&std::cerr);
    const std::string abbruch = SaldixStarten(batch);
    if (!abbruch.empty()) return 1;  // the menu log has said why
    const int ergebnis = SaldixBatchProgramm(argumente);
    SuiteDatabase::Close();
    return ergebnis;
  } catch (const std::exception& e) {
    QTXProgramm().ShowException(e);
    if (batch) {
      BatchLog(e.what());  // echoed to standard error
    } else {
      std::cerr << "Saldix: " << e.what() << '\n';
    }
    return 1;
  }
}
