// The branch of a booking, with a one-entry cache: consecutive bookings of the same cash
// report, sale or document are resolved by a single read.
#pragma once

#include <optional>
#include <string>

#include "suite/Types.h"

// Where a branch can come from; the suite database in the program, fakes in tests.
class IFilialQuellen {
 public:
  virtual ~IFilialQuellen() = default;
  // Branch of the cash report (computer, number); nothing when there is no such report.
  virtual std::optional<int> KassenberichtFiliale(int rnr, int lnr) = 0;
  // Branch of the general sale (client, computer, transaction); nothing when not found.
  virtual std::optional<int> VerkaufFiliale(const TIntPair& firma, int rnr, int lnr) = 0;
  virtual int RechnerFiliale(int rechner) = 0;
  // Branch of the document's organisation; 0 when none.
  virtual int BelegFiliale(int belegRNr, int belegLNr) = 0;
};

class TFilialeErmittlung {
 public:
  explicit TFilialeErmittlung(IFilialQuellen& quellen) : quellen_(quellen) {}

  // Branch number of a booking; 0 when none or when a source fails.
  int GetFiliale(const TIntPair& firma, const std::string& bgv, int rnr, int lnr,
                 const std::string& belegart, int belegRNr, int belegLNr);

 private:
  // Which rule filled the cache; a pair only counts as the same when it was resolved by
  // the same rule, since a cash report and a transaction may share their numbers.
  enum class TQuelle { Keine, Kassenbericht, Verkauf, Rechner, Beleg, BuchungsRechner };

  template <typename Lookup>
  int Merken(TQuelle quelle, int rnr, int lnr, Lookup lookup);

  IFilialQuellen& quellen_;
  int MerkFiliale = 0;
  int MerkRNr = 0;
  int MerkLNr = 0;
  TQuelle MerkQuelle = TQuelle::Keine;
};
