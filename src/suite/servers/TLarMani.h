// The suite's service-type manipulator, as far as finding service types by search group.
#pragma once

#include <string>
#include <vector>

#include "suite/Types.h"
#include "suite/db/Storage.h"

class TLarMani {
 public:
  explicit TLarMani(suitedb::Connection& connection) : connection_(connection) {}

  // Identities of all service types of the search group, in key order.
  std::vector<TIntTrio> Suchen(const std::string& filter);

 private:
  suitedb::Connection& connection_;
};
