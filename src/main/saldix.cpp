// saldix: with parameters an unattended export (batch mode), reported to the menu log and
// never needing a display; without parameters the desktop program.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <stdexcept>
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
    "               [-PROFIL:name] [-HERKUNFT:code] [-EXPORTER:kennung] [-VERSAND]]\n\n"
    "Mit Parametern exportiert Saldix die offenen Buchungen eines Mandanten und Zeitraums\n"
    "ohne Fenster in das aktive Exportformat, vergibt die nächste Abrechnungsnummer und\n"
    "schreibt jedes Ergebnis in das Menüprotokoll (saldix-suite log).\n\n"
    "  -MAND:n           Kurznummer des Mandanten (Pflicht)\n"
    "  -MONAT:A | V      aktueller Monat bis heute | ganzer Vormonat\n"
    "  -HEUTE:n          die letzten n Tage bis heute\n"
    "  -VDATUM/-BDATUM   Zeitraum von/bis, z. B. -VDATUM:01032024 -BDATUM:31032024\n"
    "  -PROFIL:name      Exportprofil des Formats\n"
    "  -HERKUNFT:code    Herkunft der Buchungen (z. B. KASBER)\n"
    "  -EXPORTER:kennung Exportformat nur für diesen Lauf (z. B. DATEV1.4.700)\n"
    "  -VERSAND          Exportdateien danach per Mail versenden (saldix-suite mail set);\n"
    "                    misslingt die Mail, bleibt der Export bestehen\n\n"
    "Umgebung: SALDIX_DB (Suite-Datenbank), SALDIX_RECHNER (Rechnernummer, Vorgabe 1),\n"
    "SALDIX_HOME (Verzeichnisse der Suite), SALDIX_DB_WARTEZEIT (Millisekunden, die ein\n"
    "Schreibzugriff auf die Sperre eines anderen Arbeitsplatzes wartet, Vorgabe 10000).\n"
    "Jede Zeile des Menüprotokolls geht auch auf die Standardfehlerausgabe.\n"
    "Rückgabewert: 0 exportiert, 1 abgebrochen oder fehlgeschlagen, 2 Parameter falsch,\n"
    "              3 keine Sätze im angegebenen Zeitraum gefunden,\n"
    "              4 exportiert, aber die Mail (-VERSAND) nicht versandt.\n";

bool HilfeGewuenscht(const std::string& argument) {
  return argument == "--help" || argument == "-h" || argument == "-?" || argument == "/?" ||
         argument == "help";
}

}  // namespace

namespace {

// The end of a batch run: lines the menu log did not take are on stderr and make the
// run count as failed, so that the administrator looks.
int BatchEnde(int ergebnis) noexcept {
  std::size_t offen = 0;
  try {
    offen = MenuLog_Ausstehend();
    SuiteDatabase::Close();
  } catch (const std::exception& e) {
    std::cerr << "Saldix: " << e.what() << '\n';
    return 1;
  }
  if (offen == 0) return ergebnis;
  std::cerr << "Saldix: " << offen
            << " Zeile(n) des Menüprotokolls konnten nicht geschrieben werden (siehe oben)\n";
  return ergebnis == 0 ? 1 : ergebnis;
}

// What escaped the run: in the menu log if it can take it, always on stderr.
int Fehler(bool batch, const std::string& text) noexcept {
  try {
    QTXProgramm().ShowException(std::runtime_error(text));
    if (batch) BatchLog(text);  // echoed on stderr
  } catch (...) {
    // Reporting must not end the program by another way than exit 1.
  }
  if (!batch) std::cerr << "Saldix: " << text << '\n';
  return batch ? BatchEnde(1) : 1;
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

  const std::string pfad = SuiteDatabase::DefaultPath();
  try {
    SuiteDatabase::Open(pfad, false);
  } catch (const std::exception& e) {
    std::string text = e.what();
    std::error_code fehlt;
    if (dynamic_cast<const suitedb::NotADatabase*>(&e) || !std::filesystem::exists(pfad, fehlt)) {
      text += "\nLegen Sie die Suite-Datenbank mit \"saldix-suite init\" an oder setzen Sie "
              "SALDIX_DB.";
    }
    std::cerr << "Saldix: " << text << '\n';
    if (!batch) SaldixStartfehlerZeigen(argc, argv, text);
    return 1;
  }

  try {
    if (!batch) return SaldixDesktopProgramm(argc, argv);
    MenuLog_EchoTo(&std::cerr);
    const std::string abbruch = SaldixStarten(batch);
    if (!abbruch.empty()) return BatchEnde(1);  // the menu log has said why, on stderr too
    return BatchEnde(SaldixBatchProgramm(argumente));
  } catch (const std::exception& e) {
    return Fehler(batch, e.what());
  } catch (...) {
    return Fehler(batch, "Unbekannter Fehler");
  }
}
