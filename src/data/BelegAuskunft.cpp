#include "data/BelegAuskunft.h"

TBelegAuskunft::TBelegAuskunft(suitedb::Connection& connection)
    : quellen_(connection),
      belege_(quellen_),
      vorgaenge_(connection,
                 [this](long double betrag, const std::string& waehrung) {
                   // An empty target is the program currency.
                   return waehrungen_.Umrechnen(betrag, waehrung, "");
                 }),
      filialQuellen_(quellen_, belege_),
      filialen_(filialQuellen_) {}
