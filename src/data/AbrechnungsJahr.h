// The settlement year of a client: its business year, either the calendar year or a year
// starting in a given month, named after the calendar year it starts or ends in.
#pragma once

#include "suite/Types.h"
#include "suite/db/Storage.h"

struct TWirtschaftsjahrRegel {
  int BeginnMonat = 1;
  bool NachEndjahr = false;  // named after the year it ends in

  int Jahr(TDateTime datum) const;
  TDateTime Anfang(int jahr) const;
  TDateTime Ende(int jahr) const;
};

class TAbrechnungsJahr {
 public:
  explicit TAbrechnungsJahr(suitedb::Connection& connection) : connection_(connection) {}

  // 0 for an unknown client, a date that is not set or a year that is not positive.
  int GetAbrJahr(const TIntPair& firma, TDateTime datum);
  TDateTime GetAnfangAbrJahr(const TIntPair& firma, int jahr);
  TDateTime GetEndeAbrJahr(const TIntPair& firma, int jahr);

 private:
  TWirtschaftsjahrRegel Regel(const TIntPair& firma);

  suitedb::Connection& connection_;
};
