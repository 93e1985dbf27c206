#include "formats/abacus/AbacusRegeln.h"

#include "suite/Format.h"
#include "suite/QTXProgramm.h"
#include "suite/Text.h"
#include "suite/servers/TWHRechner.h"

namespace abacus {
TAbacusRegeln::TAbacusRegeln(int abacusMandant, bool mitDebitoren, int kundenNrMin, int kundenNrMax)
    : FMandant(abacusMandant),
      FMitDebitoren(mitDebitoren),
      FKundenNrMin(kundenNrMin),
      FKundenNrMax(kundenNrMax),
      FRechner(std::make_unique<TWHRechner>()) {}

TAbacusRegeln::~TAbacusRegeln() = default;

void TAbacusRegeln::Buchung(std::size_t zeile, const TFibuExportBuchInfo& buchung,
                            TExportProblemListe& probleme) {
  TExportProblem ort = ProblemOrt(zeile, buchung);
  if (HatSteuerzeichen(buchung.Text)) {
    probleme.push_back(Problem(ort, "Text", OhneSteuerzeichen(buchung.Text),
                               "Steuerzeichen werden als Leerzeichen geschrieben", false));
  }
  const std::string waehrung = Trim(buchung.Waehrung);
  if (waehrung.empty() || FGepruefteWaehrungen.contains(waehrung)) return;
  try {
    FRechner->Umrechnen(1, QTXProgramm().GetWaehrung(), waehrung);
    FGepruefteWaehrungen.insert(waehrung);
  } catch (const std::exception& e) {
    probleme.push_back(Problem(ort, "Währung", waehrung, e.what(), true));
  }
}

void TAbacusRegeln::Ende(const TExportUmfang&, TExportProblemListe& probleme) {
  if (FMandant <= 0 || FMandant > kGroessterMandant) {
    TExportProblem p;
    p.Feld = "Abacus-Mandant";
    p.Wert = std::to_string(FMandant);
    p.Regel = "Die Abacus-Mandantennummer muss zwischen 1 und 999999 liegen";
    probleme.push_back(std::move(p));
  }
  if (FMitDebitoren && (FKundenNrMax <= 0 || FKundenNrMin >= FKundenNrMax ||
                        FKundenNrMax > kGroessteKundenNr || FKundenNrMin < 0)) {
    TExportProblem p;
    p.Feld = "Abacus-Kundennummer";
    p.Wert = Format("%d bis %d", FKundenNrMin, FKundenNrMax);
    p.Regel = "Kein gültiger Bereich für die Abacus-Kundennummer";
    probleme.push_back(std::move(p));
  }
}

}  // namespace abacus
