// The suite's special numbers of business partners: per number feature (a kind of the
// partner-number file) one number per partner, handed out from a range.
#pragma once

#include <optional>
#include <string>

#include "suite/Types.h"
#include "suite/db/Storage.h"

class TGpNummern {
 public:
  explicit TGpNummern(suitedb::Connection& connection) : connection_(connection) {}

  // Registers the feature with its caption and input mask (kept when already registered).
  void NewNummerFix(const TIntPair& merkmal, const std::string& bezeichnung,
                    const std::string& maske);
  // The partner's number of the feature; nothing when none is stored or it is no number.
  std::optional<long long> SpezNummer4Gep(const TIntPair& gepNr, const TIntPair& merkmal);
  // The lowest number in [von, bis] that no partner holds for the feature; -1 when none.
  long long SpezNummer4MerkmalNext(const TIntPair& merkmal, long long von, long long bis);
  // Stores the number for the partner (replacing an earlier one).
  void SpezNummer4GepInsert(const TIntPair& gepNr, const TIntPair& merkmal, long long nummer);

 private:
  suitedb::Connection& connection_;
};
