// One settlement of a client: its number within the settlement year and the period it
// covers. The records of the export, the journal, the list's loading and the mail build on it.
#pragma once

#include "suite/Types.h"

struct TAbrechnung {
  TIntPair Firma;
  int AbrNr = 0;
  int AbrJahr = 0;
  TDateTime DatumVon = 0;
  TDateTime DatumBis = 0;

  bool operator==(const TAbrechnung&) const = default;
};
