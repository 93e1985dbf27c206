// The demo's completed exports: every month before the last two is settled per client
// (numbered from 1 in each business year), its bookings carry the settlement, and the
// export journal has one line per settlement and computer.
#pragma once

#include <cstdint>
#include <map>
#include <utility>

#include "data/SelektTab.h"
#include "suite/Types.h"
#include "suite/db/Storage.h"

namespace suitetool {

struct DemoSettlement {
  int abrJahr = 0;
  int abrNr = 0;
  bool IsOpen() const { return abrNr == 0; }
};

class DemoSettlements {
 public:
  // Months are month indexes (year * 12 + month - 1); months from openFrom stay open.
  DemoSettlements(int firstMonth, int openFrom) : firstMonth_(firstMonth), openFrom_(openFrom) {}

  DemoSettlement SettlementOf(int client, int year, int month) const;
  // Enters an exported booking into its settlement's journal lines.
  void Record(int client, int year, int month, const TIntTrio& ident);
  // Writes the journal lines and the export runs' menu-log lines; returns the number of
  // settlements.
  std::size_t Write(suitedb::Connection& db) const;

 private:
  struct Entry {
    TSelektTab ranges;
    std::int64_t bookings = 0;
  };

  int firstMonth_;
  int openFrom_;
  std::map<std::pair<int, int>, Entry> entries_;  // by client and month index
};

}  // namespace suitetool
