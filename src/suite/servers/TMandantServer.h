// The suite's client server: name, short number and balance year of a client.
#pragma once

#include <string>

#include "suite/Types.h"

class TMandantServer {
 public:
  virtual ~TMandantServer() = default;
  // 0 when the client is unknown.
  virtual int GetKurzNr(const TIntPair& mandant);
  virtual int GetBilanzJahr(const TIntPair& mandant);
  // Empty when the client is unknown.
  virtual std::string GetName(const TIntPair& mandant);
};
