// The export journal as the settlement choice lists it: every line in key order,
// optionally for one client and one year.
#pragma once

#include <vector>

#include "suite/Abrechnung.h"
#include "suite/Types.h"
#include "suite/db/Storage.h"

// One computer's line of a settlement in the export journal.
struct TFBEXZeile : TAbrechnung {
  int RNr = 0;
  int LNrVon = 0;
  int SNrVon = 0;
  int LNrBis = 0;
  int SNrBis = 0;
  int MaxBelegNr = 0;
};

class TAbrechnungsJournal {
 public:
  explicit TAbrechnungsJournal(suitedb::Connection& connection) : connection_(connection) {}

  // An empty client means all clients, a year of 0 or less all years.
  std::vector<TFBEXZeile> Zeilen(const TIntPair& firma, int jahr);

 private:
  suitedb::Connection& connection_;
};
