// The demo's cash reports: one header per cash computer and day with bookings, its
// running number, the payment-means amounts, and the payment lines of voucher sales.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "suite/Types.h"
#include "suite/db/Storage.h"

namespace suitetool {

class DemoCashReports {
 public:
  explicit DemoCashReports(suitedb::Connection& db) : db_(db) {}

  // The cash report of computer on day (created on first use).
  TIntPair ReportOf(const TIntPair& firma, int computer, TDateTime day);
  // The report's number as the cash-report bookings show it.
  std::string ReportNumber(const TIntPair& report) const;
  // Adds a cash movement to the report's amount of the payment means.
  void AddMovement(const TIntPair& report, const std::string& means, std::int64_t cents);
  // A voucher sold in transaction (rnr, lnr), paid with means.
  void RecordVoucherSale(const TIntPair& firma, const TIntPair& transaction,
                         const std::string& means, std::int64_t cents);
  // Writes the payment-means amounts of all reports.
  void Finish();

  std::size_t Count() const { return reports_.size(); }

  // Where a report's closing count is kept (its second number) and the difference,
  // in cents, by which the demo makes the count miss what was booked.
  static int ClosingNumber(int number);
  static long long Difference(int number);
  static constexpr int kClosingOffset = 500000;

 private:
  struct Report {
    TIntPair ident;
    int number = 0;
  };

  suitedb::Connection& db_;
  std::map<std::pair<int, TDateTime>, Report> reports_;
  std::map<int, int> lastNumber_;
  std::map<std::pair<std::int32_t, std::int32_t>, std::map<std::string, std::int64_t>> amounts_;
};

}  // namespace suitetool
