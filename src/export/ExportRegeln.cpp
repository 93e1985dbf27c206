#include "export/ExportRegeln.h"

#include <algorithm>

#include "suite/DateTime.h"

bool SperrtExport(const TExportProblemListe& probleme) {
  return std::any_of(probleme.begin(), probleme.end(),
                     [](const TExportProblem& p) { return p.Sperrt; });
}

std::string ProblemText(const TExportProblem& problem) {
  std::string text = problem.Sperrt ? "Fehler: " : "Warnung: ";
  if (problem.Zeile != TExportProblem::kGanzerExport) {
    text += "Beleg " + (problem.Belegnummer.empty() ? std::string("-") : problem.Belegnummer);
    if (problem.Datum > 0) text += " vom " + DateToStr(problem.Datum);
    text += ", Konto " + problem.Konto + ": ";
  }
  if (!problem.Feld.empty()) text += problem.Feld + " \"" + problem.Wert + "\": ";
  text += problem.Regel;
  return text;
}
