// The suite's VAT table: the rates of a country by kind ('N' normal, 'R' reduced,
// 'S' special) and the dates from which they apply.
#pragma once

#include <string>
#include <vector>

#include "suite/Types.h"

struct TMWSatz {
  std::string Art;
  double Prozent = 0;  // 19.00 for 19 %
  std::string Bezeichnung;
  TDateTime GueltigAb = 0;
};

class TMWTable {
 public:
  virtual ~TMWTable() = default;

  // The dates (after 0, up to bis) from which the country's rates changed, ascending.
  virtual std::vector<TDateTime> MWST_AenderungAlle(const std::string& land, TDateTime bis);
  // Per kind the rate valid at datum, in the order of the kinds.
  virtual std::vector<TMWSatz> GetValidMWArray(const std::string& land, TDateTime datum);
};
