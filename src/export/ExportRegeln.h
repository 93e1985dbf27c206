// The check before an export: every problem of the marked rows in one list, from the
// run's own checks and from the target system's import rules. Each format brings its
// rules through TFibuExporter::Importregeln; this part knows no format.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "export/ExportRecords.h"
#include "suite/Types.h"

// One problem: the row, the field and its value, the rule, and whether it blocks.
struct TExportProblem {
  static constexpr std::size_t kGanzerExport = static_cast<std::size_t>(-1);

  std::size_t Zeile = kGanzerExport;  // top-level row of the export list; or the whole export
  std::string Belegnummer;            // Beleg 1 of the row
  TDateTime Datum = 0;                // document date of the row
  std::string Konto;
  std::string Feld;
  std::string Wert;
  std::string Regel;
  bool Sperrt = true;  // false: a warning; the export may go on

  bool operator==(const TExportProblem&) const = default;
};

using TExportProblemListe = std::vector<TExportProblem>;

// Where a booking's problems lie: its row, document, date and account.
TExportProblem ProblemOrt(std::size_t zeile, const TFibuExportBuchInfo& buchung);
// The problem of one field at that place.
TExportProblem Problem(const TExportProblem& ort, std::string feld, std::string wert,
                       std::string regel, bool sperrt);

// True when a problem of the list blocks the export.
bool SperrtExport(const TExportProblemListe& probleme);

// One line of a problem, for the menu log and the list window.
std::string ProblemText(const TExportProblem& problem);

// What the export covers, for the rules over the whole export.
struct TExportUmfang {
  TIntPair Firma;
  int AbrJahr = 0;
  TDateTime DatumVon = 0;
  TDateTime DatumBis = 0;
  // Bookings of the client's settlement year still open before a date; null: unknown.
  std::function<long long(TDateTime vor)> OffeneVor;
};

class IExportRegeln {
 public:
  virtual ~IExportRegeln() = default;
  // One marked row as the run hands it to the exporter; zeile is its index in the list.
  virtual void Buchung(std::size_t zeile, const TFibuExportBuchInfo& buchung,
                       TExportProblemListe& probleme) = 0;
  // After the last row: the rules over the whole export.
  virtual void Ende(const TExportUmfang& umfang, TExportProblemListe& probleme) = 0;
};
