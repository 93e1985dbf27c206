// The problem list before an export: one line per problem with its row, field, value,
// rule and kind. Selecting a line selects its row in the booking list; the export may go
// on only when no problem blocks it.
#pragma once

#include <cstddef>
#include <string>

#include "app/ExportZeilen.h"
#include "export/ExportRegeln.h"

class TfrmExportProbleme {
 public:
  enum TSpalte : std::size_t { Beleg, Datum, Konto, Feld, Wert, Regel, Art, SpaltenAnzahl };

  TfrmExportProbleme(TExportProblemListe probleme, IExportListe& liste)
      : probleme_(std::move(probleme)), liste_(liste) {}

  static std::string Titel() { return "Prüfung vor dem Export"; }
  static std::string Spaltentitel(std::size_t spalte);

  std::size_t Anzahl() const { return probleme_.size(); }
  std::string Text(std::size_t zeile, std::size_t spalte) const;
  bool Sperrt(std::size_t zeile) const { return probleme_.at(zeile).Sperrt; }
  // The line's booking row becomes the selected row of the list (a line of the whole
  // export has none).
  void Auswaehlen(std::size_t zeile);
  bool ExportMoeglich() const { return !SperrtExport(probleme_); }
  // What the window says above its list.
  std::string Hinweis() const;

 private:
  TExportProblemListe probleme_;
  IExportListe& liste_;
};
