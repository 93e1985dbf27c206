// The suite's partner-list server: names, customer numbers and countries of business
// partners. Clients are partners of the suite too; a client without a partner entry is
// answered from the client table.
#pragma once

#include <optional>
#include <string>

#include "suite/Types.h"
#include "suite/db/Storage.h"
#include "suite/servers/TAdresse.h"

class TGPListenServer {
 public:
  explicit TGPListenServer(suitedb::Connection& connection) : connection_(connection) {}

  // Empty when the partner is unknown.
  std::string GetName(const TIntPair& gepNr);
  // 0 when the partner is unknown.
  int GetKundennummer(const TIntPair& gepNr);
  // Country of the partner's address (organisation); the partner's own country when the
  // address is missing or has none.
  std::string GetLand(const TIntPair& gepNr, int adresse);
  // The partner's first address (its name and country where the address has none);
  // nothing for an unknown partner.
  std::optional<TAdresse> GetAdresse(const TIntPair& gepNr);

 private:
  suitedb::Connection& connection_;
};
