// The demo's business partners: customers with customer numbers and suppliers with
// creditor numbers, each with an address and a contact.
#pragma once

#include <string>
#include <vector>

#include "suite/Types.h"
#include "suite/db/Storage.h"
#include "suitetool/DemoRandom.h"

namespace suitetool {

struct DemoPartner {
  TIntPair gepNr;
  std::string name;
  std::string land;   // the suite's country code ("D", "A", ...)
  std::string ustId;  // VAT id of foreign business customers
};

struct DemoPartnerList {
  std::vector<DemoPartner> customers;          // domestic and foreign
  std::vector<std::size_t> foreignCustomers;   // indexes into customers
  std::vector<DemoPartner> suppliers;
};

DemoPartnerList WriteDemoPartners(suitedb::Connection& db, DemoRandom& random);

}  // namespace suitetool
