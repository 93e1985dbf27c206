// The figures of one export as the bookkeeper confirms and files them: bookings, file
// lines and the debit and credit totals of the marked rows.
#pragma once

#include <string>
#include <vector>

#include "app/ExportZeilen.h"
#include "suite/BetragText.h"

struct TExportUebersicht {
  int Buchungen = 0;  // bookings marked, each member of a marked group counted
  int Zeilen = 0;     // marked top-level rows: one file line each
  long double Soll = 0;
  long double Haben = 0;
};

TExportUebersicht ExportUebersicht(const IExportListe& liste);

// "Datei: a" or "Dateien: a, b"; "" without files.
std::string DateienText(const std::vector<std::string>& dateien);
