#include "suitetool/DemoGenerator.h"

#include <stdexcept>

#include "suite/DateTime.h"
#include "suitetool/DemoAccounts.h"
#include "suitetool/DemoBookings.h"
#include "suitetool/DemoMasterData.h"
#include "suitetool/DemoModel.h"
#include "suitetool/DemoPartners.h"
#include "suitetool/ToolText.h"

namespace suitetool {
namespace {

// Relaxed durability while the one big transaction is written; restored afterwards.
class RelaxedSync {
 public:
  explicit RelaxedSync(suitedb::Connection& db) : db_(db) {
    db_.ExecuteScript("PRAGMA synchronous=OFF");
  }
  ~RelaxedSync() {
    try {
      db_.ExecuteScript("PRAGMA synchronous=NORMAL");
    } catch (...) {
      // The connection ends with the tool; nothing else depends on it.
    }
  }
  RelaxedSync(const RelaxedSync&) = delete;
  RelaxedSync& operator=(const RelaxedSync&) = delete;

 private:
  suitedb::Connection& db_;
};

// The event for a business transaction: each event once at the start, then by weight;
// the last rows of a day take an event that fits.
class EventChooser {
 public:
  const DemoEvent& Next(DemoRandom& random, std::uint64_t rowsLeft) {
    const auto& events = DemoEvents();
    while (next_ < events.size()) {
      const auto& event = events[next_];
      if (static_cast<std::uint64_t>(DemoBookingWriter::RowsOf(event)) > rowsLeft) break;
      ++next_;
      return event;
    }
    const auto& event = DemoEventByTicket(static_cast<int>(random.Below(DemoEventWeightTotal())));
    if (static_cast<std::uint64_t>(DemoBookingWriter::RowsOf(event)) <= rowsLeft) return event;
    return DemoEventByCode("ZAHLUNG");
  }

 private:
  std::size_t next_ = 0;
};

int ClientOfTransaction(DemoRandom& random) {
  const auto& clients = DemoClients();
  int ticket = static_cast<int>(random.Below(100));
  for (std::size_t i = 0; i < clients.size(); ++i) {
    if (ticket < clients[i].sharePercent) return static_cast<int>(i);
    ticket -= clients[i].sharePercent;
  }
  return 0;
}

}  // namespace

void DemoGenerator::RefuseFilledDatabase() {
  for (const char* table : {"mandanten", "fbde", "fbex", "konten", "partner", "computers"}) {
    const auto stmt = db_.Prepare(std::string("SELECT EXISTS (SELECT 1 FROM ") + table + ")");
    if (stmt->Step() && stmt->Int(0) != 0) {
      throw std::runtime_error(std::string("Die Suite-Datenbank enthält bereits Daten (Tabelle \"") +
                               table + "\"); die Demo braucht eine leere Datenbank "
                               "(saldix-suite init)");
    }
  }
}

DemoSummary DemoGenerator::Run(ProgressDisplay& progress) {
  RefuseFilledDatabase();
  const int untilIndex = MonthIndex(options_.untilYear, options_.untilMonth);
  const int firstMonth = untilIndex - kDemoMonths;
  const TDateTime firstDay = EncodeDate(YearOfIndex(firstMonth), MonthOfIndex(firstMonth), 1);
  const TDateTime endDay = EncodeDate(options_.untilYear, options_.untilMonth, 1);
  const auto days = static_cast<std::uint64_t>(endDay - firstDay);

  RelaxedSync relaxed(db_);
  suitedb::Transaction transaction(db_);
  DemoRandom random(options_.seed);
  DemoSummary summary;
  summary.from = firstDay;
  summary.to = endDay - 1;

  WriteDemoOrganisation(db_);
  WriteDemoTables(db_);
  WriteDemoSettings();
  GrantDemoProgramRights();
  summary.accounts = WriteDemoAccounts(db_);
  const DemoPartnerList partners = WriteDemoPartners(db_, random);
  summary.partners = partners.customers.size() + partners.suppliers.size();

  DemoDocuments documents(db_, random);
  DemoCashReports cashReports(db_);
  DemoSettlements settlements(firstMonth, untilIndex - kDemoOpenMonths);
  DemoBookingWriter writer({db_, random, partners, documents, cashReports, settlements});
  EventChooser chooser;

  // Spread the bookings evenly over the days, in date order; a transaction may run a
  // day past its share, only the total is exact.
  std::uint64_t written = 0;
  for (std::uint64_t d = 0; d < days; ++d) {
    const TDateTime day = firstDay + static_cast<double>(d);
    const std::uint64_t target = options_.bookings * (d + 1) / days;
    while (written < target) {
      const DemoEvent& event = chooser.Next(random, options_.bookings - written);
      written += static_cast<std::uint64_t>(writer.Write(event, ClientOfTransaction(random), day));
    }
    progress.Update(written);
  }
  writer.Finish();
  cashReports.Finish();
  summary.settlements = settlements.Write(db_);
  summary.documents = documents.Count();
  summary.cashReports = cashReports.Count();
  summary.bookings = written;
  transaction.Commit();
  progress.Finish();
  return summary;
}

}  // namespace suitetool
