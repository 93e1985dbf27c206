// The fixed shape of the demo suite: its clients, branches and computers, and the
// calendar rules the generator shares between its parts.
#pragma once

#include <cstdint>
#include <vector>

#include "suite/Types.h"

namespace suitetool {

struct DemoBranch {
  int number;
  int client;  // index into DemoClients()
  int orge;    // organisation number of the branch
  int group;
  const char* name;
};

struct DemoComputer {
  int number;
  int type;
  int branch;
  const char* name;
};

struct DemoClient {
  TIntPair firma;
  int kurzNr;
  const char* name;
  const char* kurzName;
  int fiscalStartMonth;  // first month of the business year
  int officeComputer;    // writes invoices, bank and ledger bookings
  int exportComputer;
  std::vector<int> cashComputers;
  int sharePercent;      // share of the demo's bookings
};

const std::vector<DemoClient>& DemoClients();
const std::vector<DemoBranch>& DemoBranches();
const std::vector<DemoComputer>& DemoComputers();
int BranchOfComputer(int computer);
int OrgeOfBranch(int branch);

// The business year a month belongs to, named after the calendar year it starts in.
int BusinessYear(const DemoClient& client, int year, int month);

// Month arithmetic on a (year, month) pair counted as year * 12 + month - 1.
inline int MonthIndex(int year, int month) { return year * 12 + month - 1; }
inline int YearOfIndex(int index) { return index / 12; }
inline int MonthOfIndex(int index) { return index % 12 + 1; }

// Tax of a net amount in cents at a rate in hundredths of a percent (1900 = 19 %),
// rounded half away from zero.
std::int64_t TaxCents(std::int64_t netCents, int rate);

}  // namespace suitetool
