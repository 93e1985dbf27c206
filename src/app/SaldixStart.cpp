#include "app/SaldixStart.h"

#include "app/saldixbatchmode.h"
#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "suite/DateiFreigaben.h"
#include "suite/Files.h"
#include "suite/MenuLog.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/Rechte.h"
#include "suite/SuiteDatabase.h"

namespace {

bool RechnertypErlaubt(int typ) { return typ == 1 || typ == 2 || typ == 7; }

std::string Abbruch(bool batch, std::string text) {
  if (batch) BatchLog(text);
  return text;
}

// Completes the exports a dead process had filed and removes what unfinished ones left.
void ExportdateienAufraeumen() {
  std::string tempDir;
  try {
    tempDir = GetDirWwsByName(27, "");
  } catch (const std::exception&) {
    return;  // no directory, no leftovers
  }
  const TFreigabeAufraeumen ergebnis = TDateiFreigaben(SuiteDatabase::Get()).Aufraeumen(tempDir);
  for (const auto& datei : ergebnis.Nachgeholt) {
    BatchLog("Die Exportdatei \"" + datei + "\" einer gespeicherten Abrechnung wurde "
             "nachträglich abgelegt");
  }
  for (const auto& datei : ergebnis.Entfernt) {
    QTXInfo().RegisterException("SaldixStarten",
                                "Unvollständige Exportdatei entfernt: " + datei, false);
  }
  for (const auto& fehler : ergebnis.Fehler) {
    QTXInfo().RegisterException("SaldixStarten", fehler, false);
  }
}

}  // namespace

std::string SaldixStarten(bool batch) {
  ExportFormateRegistrieren(TFibuExportKatalog::Global());
  QTXProgramm().Init("Saldix", 3);
  if (batch) QTXProgramm().SetSilentMode(true);

  const int typ = QTXProgramm().GetRTyp();
  if (!RechnertypErlaubt(typ)) {
    // Only computers of types 1, 2 and 7 may run the program, unattended or not.
    return Abbruch(batch, "Abbruch: Rechner " + std::to_string(QTXProgramm().GetRId()) +
                              " (Typ " + std::to_string(typ) + ") darf Saldix nicht ausführen");
  }
  if (!UserRechte().UserRechtePruefen(CRecht_Saldix_Programm, !batch)) {
    return Abbruch(batch, "Abbruch: Keine Berechtigung, Saldix auszuführen");
  }
  ExportdateienAufraeumen();
  return {};
}
