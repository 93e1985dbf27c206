#include "app/SaldixStart.h"

#include "app/saldixbatchmode.h"
#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "suite/QTXProgramm.h"
#include "suite/Rechte.h"

namespace {

bool RechnertypErlaubt(int typ) { return typ == 1 || typ == 2 || typ == 7; }

std::string Abbruch(bool batch, std::string text) {
  if (batch) BatchLog(text);
  return text;
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
  return {};
}
