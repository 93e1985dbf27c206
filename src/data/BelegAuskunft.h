// The document, transaction and branch lookups of the data module in one place: the
// servers they ask, created on first use, and the branch cache.
#pragma once

#include <memory>

#include "data/BelegLookups.h"
#include "data/BelegQuellen.h"
#include "data/BelegVorgaenge.h"
#include "data/FilialQuellen.h"
#include "data/FilialeErmittlung.h"
#include "suite/servers/TWHRechner.h"

class TBelegAuskunft {
 public:
  explicit TBelegAuskunft(suitedb::Connection& connection);

  TBelegQuellen& Quellen() { return quellen_; }
  TBelegLookups& Belege() { return belege_; }
  TBelegVorgaenge& Vorgaenge() { return vorgaenge_; }
  TFilialeErmittlung& Filialen() { return filialen_; }
  TGruppenFilialenRechnerHelper& GFRHelper() { return quellen_.GFRHelper(); }

 private:
  TBelegQuellen quellen_;
  TBelegLookups belege_;
  TWHRechner waehrungen_;
  TBelegVorgaenge vorgaenge_;
  TFilialQuellenSuite filialQuellen_;
  TFilialeErmittlung filialen_;
};
