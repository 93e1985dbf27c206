// The suite's client list: every client (company) with its short number, key, names
// and the first month of its fiscal year, in the order of the short numbers.
#pragma once

#include <string>
#include <vector>

#include "suite/Types.h"
#include "suite/db/Storage.h"

struct TMandListeEintrag {
  int KurzNr = 0;
  TIntPair GepNr;
  std::string Name;
  std::string KurzName;
  int BeginnWJ = 1;  // 1-12
};

class TMandListeServer {
 public:
  explicit TMandListeServer(suitedb::Connection& connection) : connection_(connection) {}

  // Reads the list anew on every call, so a client added meanwhile is seen.
  std::vector<TMandListeEintrag> Liste() const;

 private:
  suitedb::Connection& connection_;
};
