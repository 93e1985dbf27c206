// The figures of one export as the bookkeeper confirms and files them: bookings, file
// lines and the debit and credit totals of the marked rows.
#pragma once

#include <string>
#include <vector>

#include "app/ExportZeilen.h"

struct TExportUebersicht {
  int Buchungen = 0;  // bookings marked, each member of a marked group counted
  int Zeilen = 0;     // marked top-level rows: one file line each
  long double Soll = 0;
  long double Haben = 0;
};

TExportUebersicht ExportUebersicht(const IExportListe& liste);

// An amount as the bookkeeper reads it: "1.234,56".
std::string BetragText(long double betrag);

// "Datei: a" or "Dateien: a, b"; "" without files.
std::string DateienText(const std::vector<std::string>& dateien);
