// Writes the demo's business events as bookings: one transaction per event, the
// revenue or expense row first and its tax row after it on the same account, so that
// the automatic-account pairing finds them.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "suite/Types.h"
#include "suite/db/Storage.h"
#include "suitetool/DemoCashReports.h"
#include "suitetool/DemoDocuments.h"
#include "suitetool/DemoEvents.h"
#include "suitetool/DemoPartners.h"
#include "suitetool/DemoRandom.h"
#include "suitetool/DemoSettlements.h"

namespace suitetool {

struct DemoParts {
  suitedb::Connection& db;
  DemoRandom& random;
  const DemoPartnerList& partners;
  DemoDocuments& documents;
  DemoCashReports& cashReports;
  DemoSettlements& settlements;
};

class DemoBookingWriter {
 public:
  explicit DemoBookingWriter(DemoParts parts) : parts_(parts) {}

  // Books event for client (index into DemoClients()) on day; returns the rows written.
  int Write(const DemoEvent& event, int client, TDateTime day);
  static int RowsOf(const DemoEvent& event) { return event.vat == DemoVat::None ? 1 : 2; }
  // Stores the last transaction number of every computer for later bookings.
  void Finish();

 private:
  struct Row;
  struct Source;

  Source SourceOf(const DemoEvent& event, int client, int computer, int transaction,
                  TDateTime day, const DemoPartner* partner, std::int64_t netCents, int taxRate,
                  std::int64_t taxCents);
  void Insert(const Row& row);

  DemoParts parts_;
  std::map<int, int> lastTransaction_;
  std::map<int, DemoDocument> lastInvoice_;  // by client, for credit notes
};

}  // namespace suitetool
