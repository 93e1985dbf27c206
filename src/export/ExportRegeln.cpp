#include "export/ExportRegeln.h"

#include <algorithm>

#include "suite/DateTime.h"

bool SperrtExport(const TExportProblemListe& probleme) {
  return std::any_of(probleme.begin(), probleme.end(),
                     [](const TExportProblem& p) { return p.Sperrt; });
}

TExportProblem ProblemOrt(std::size_t zeile, const TFibuExportBuchInfo& buchung) {
  TExportProblem ort;
  ort.Zeile = zeile;
  ort.Belegnummer = buchung.Beleg1;
  ort.Datum = buchung.BelegDatum;
  ort.Konto = std::to_string(buchung.Konto);
  return ort;
}

TExportProblem Problem(const TExportProblem& ort, std::string feld, std::string wert,
                       std::string regel, bool sperrt) {
  TExportProblem p = ort;
  p.Feld = std::move(feld);
  p.Wert = std::move(wert);
  p.Regel = std::move(regel);
  p.Sperrt = sperrt;
  return p;
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
