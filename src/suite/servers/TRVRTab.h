// The suite's computer table as far as lookups need it: the branch a computer belongs to.
#pragma once

#include "suite/db/Storage.h"

class TRVRTab {
 public:
  explicit TRVRTab(suitedb::Connection& connection) : connection_(connection) {}

  // Branch of the computer; 0 for a computer the table does not know.
  int GetRNrUmfang(int rechner);

 private:
  suitedb::Connection& connection_;
};
