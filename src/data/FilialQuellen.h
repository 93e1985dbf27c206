// The branch sources of the suite database: cash-report headers, sales transactions, the
// computer table and the document's organisation.
#pragma once

#include "data/BelegLookups.h"
#include "data/BelegQuellen.h"
#include "data/FilialeErmittlung.h"

class TFilialQuellenSuite final : public IFilialQuellen {
 public:
  TFilialQuellenSuite(TBelegQuellen& quellen, TBelegLookups& belege)
      : quellen_(quellen), belege_(belege) {}

  std::optional<int> KassenberichtFiliale(int rnr, int lnr) override;
  std::optional<int> VerkaufFiliale(const TIntPair& firma, int rnr, int lnr) override;
  int RechnerFiliale(int rechner) override;
  int BelegFiliale(int belegRNr, int belegLNr) override;

 private:
  TBelegQuellen& quellen_;
  TBelegLookups& belege_;
};
