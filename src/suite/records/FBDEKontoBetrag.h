// The suite's expense and stock-withdrawal records and the account-amount entries that
// replace the lines of such a booking.
#pragma once

#include <string>
#include <vector>

#include "suite/Types.h"

struct TFBDEKontoBetrag {
  std::string KontoName;
  std::string KontoZusatz;
  long double Betrag1 = 0;  // amount in a foreign currency; 0 = none
  long double Betrag2 = 0;  // booking amount
};

struct TQTX_AufwandsbuchungZeile {
  std::string KontoName;
  std::string KontoZusatz;
  long double Betrag = 0;
  int Int1 = 0;
  int Int2 = 0;
};

struct TQTX_Aufwandsbuchung {
  std::string Text;
  TDateTime Datum = 0;
  std::vector<TQTX_AufwandsbuchungZeile> Zeilen;
  long double Steuerbetrag1 = 0;
  double Steuersatz1 = 0;  // percent, 19.0
  long double Steuerbetrag2 = 0;
  double Steuersatz2 = 0;
};

struct TQTX_EntnahmeBestand {
  std::string KontoName;
  long double Betrag = 0;
  std::string Text;
};
