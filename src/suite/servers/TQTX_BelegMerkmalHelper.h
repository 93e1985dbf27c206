// The suite's accessor for the attributes of a document.
#pragma once

#include <string>

#include "suite/Types.h"
#include "suite/db/Storage.h"

class TQTX_BelegMerkmalHelper {
 public:
  explicit TQTX_BelegMerkmalHelper(suitedb::Connection& connection) : connection_(connection) {}

  // Empty when the document has no such attribute.
  std::string Get_BelegMerkmalWert(const TIntTrio& beleg, int merkmal);

 private:
  suitedb::Connection& connection_;
};
