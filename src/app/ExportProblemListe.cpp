#include "app/ExportProblemListe.h"

#include <algorithm>

#include "suite/DateTime.h"
#include "suite/Format.h"

std::string TfrmExportProbleme::Spaltentitel(std::size_t spalte) {
  static const char* const titel[] = {"Beleg", "Datum", "Konto", "Feld",
                                      "Wert",  "Regel", "Art"};
  return spalte < SpaltenAnzahl ? titel[spalte] : "";
}

std::string TfrmExportProbleme::Text(std::size_t zeile, std::size_t spalte) const {
  const TExportProblem& p = probleme_.at(zeile);
  const bool ganz = p.Zeile == TExportProblem::kGanzerExport;
  switch (spalte) {
    case Beleg: return ganz ? std::string("(gesamter Export)") : p.Belegnummer;
    case Datum: return p.Datum > 0 ? DateToStr(p.Datum) : std::string();
    case Konto: return p.Konto;
    case Feld: return p.Feld;
    case Wert: return p.Wert;
    case Regel: return p.Regel;
    case Art: return p.Sperrt ? "Fehler" : "Warnung";
    default: return {};
  }
}

void TfrmExportProbleme::Auswaehlen(std::size_t zeile) {
  const TExportProblem& p = probleme_.at(zeile);
  if (p.Zeile == TExportProblem::kGanzerExport || p.Zeile >= liste_.Anzahl()) return;
  liste_.ZeileAuswaehlen(liste_.Zeile(p.Zeile));
}

std::string TfrmExportProbleme::Hinweis() const {
  const auto fehler = std::count_if(probleme_.begin(), probleme_.end(),
                                    [](const TExportProblem& p) { return p.Sperrt; });
  const auto warnungen = static_cast<long>(probleme_.size()) - fehler;
  if (fehler > 0) {
    return Format("%d Fehler verhindern den Export, %d Warnungen. Bitte erst korrigieren.",
                  static_cast<long>(fehler), warnungen);
  }
  return Format("%d Warnungen. Der Export ist trotzdem möglich.", warnungen);
}
