// The suite's payment means: the kind of a payment-means code and the list of
// user-defined payment means with their accounts.
#pragma once

#include <string>
#include <vector>

#include "suite/db/Storage.h"

struct TZMUDEintrag {
  std::string Kuerzel;
  std::string Konto;
  int Art = 0;  // user-defined kind: 1, 2, ...
  bool Aktiv = false;
};

class TZMUDMani {
 public:
  explicit TZMUDMani(suitedb::Connection& connection) : connection_(connection) {}

  // The payment means in list order.
  std::vector<TZMUDEintrag> Liste();

 private:
  suitedb::Connection& connection_;
};

// The suite's payment-means kind of a code; 0 for an unknown code.
int Kuerzel_2_ZM(suitedb::Connection& connection, const std::string& kuerzel);

inline constexpr int ZM_EC = 21;
