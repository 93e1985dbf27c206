// Settlement numbers over the export journal FBEX: the next free number of a year,
// whether a number is taken, the client's last settlement, the running document number
// a settlement ended with, and writing the journal lines of a settlement.
#pragma once

#include "data/SelektTab.h"
#include "suite/Types.h"
#include "suite/db/Storage.h"

class TAbrechnungsNummern {
 public:
  static constexpr int MaxAbrNr = 9999;

  explicit TAbrechnungsNummern(suitedb::Connection& connection) : connection_(connection) {}

  // Highest number of the year up to 9999, plus one; 1 for an empty year or a failure.
  int GetNextAbrNr(const TIntPair& firma, int abrJahr);
  // True when no journal line carries the settlement (also on a failed read).
  bool AbrNrFrei(const TIntPair& firma, int abrJahr, int abrNr);
  // The client's settlement with the highest year and, within it, the highest number.
  bool GetLastAbr(const TIntPair& firma, int& abrJahr, TDateTime& datumBis, int& abrNr);
  // The highest running document number journalled for the settlement; 0 when none.
  int GetMaxBelegNrFBEX(const TIntPair& firma, int abrJahr, int abrNr);
  // One line per computer of markiertTab, replacing that computer's earlier line of the
  // same settlement. All lines or none; false when the journal could not be written.
  bool AbrNrNachFBEX(const TIntPair& firma, int abrJahr, int abrNr, TDateTime datumVon,
                     TDateTime datumBis, const TSelektTab& markiertTab, int maxBelegNr);

 private:
  suitedb::Connection& connection_;
};
