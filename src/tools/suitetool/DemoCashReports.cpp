#include "suitetool/DemoCashReports.h"

#include "suitetool/DemoModel.h"

namespace suitetool {

TIntPair DemoCashReports::ReportOf(const TIntPair& firma, int computer, TDateTime day) {
  const auto key = std::make_pair(computer, day);
  if (const auto found = reports_.find(key); found != reports_.end()) return found->second.ident;

  const int number = ++lastNumber_[computer];
  Report report{{computer, number}, number};
  const int branch = BranchOfComputer(computer);
  db_.Cached("INSERT INTO kv (rnr, lnr, firma1, firma2, filiale, datum, nr2) VALUES (?, ?, ?, ?, ?, ?, ?)")
      .With(computer, number, firma.Nr1, firma.Nr2, branch, day, ClosingNumber(number))
      .Run();
  db_.Cached("INSERT INTO lfnr (firma1, firma2, art, rnr, lnr, nummer1, nummer2, trans_rnr, "
             "trans_lnr) VALUES (?, ?, 'KB', ?, ?, ?, ?, ?, ?)")
      .With(firma.Nr1, firma.Nr2, computer, number, computer, number, computer, number)
      .Run();
  reports_.emplace(key, report);
  return report.ident;
}

std::string DemoCashReports::ReportNumber(const TIntPair& report) const {
  return std::to_string(report.Nr1) + "-" + std::to_string(report.Nr2);
}

void DemoCashReports::AddMovement(const TIntPair& report, const std::string& means,
                                  std::int64_t cents) {
  amounts_[{report.Nr1, report.Nr2}][means] += cents;
}

void DemoCashReports::RecordVoucherSale(const TIntPair& firma, const TIntPair& transaction,
                                        const std::string& means, std::int64_t cents) {
  db_.Cached("INSERT INTO lfnr (firma1, firma2, art, rnr, lnr, nummer1, nummer2, trans_rnr, "
             "trans_lnr) VALUES (?, ?, 'GS', ?, ?, ?, ?, ?, ?)")
      .With(firma.Nr1, firma.Nr2, transaction.Nr1, transaction.Nr2, transaction.Nr1,
            transaction.Nr2, transaction.Nr1, transaction.Nr2)
      .Run();
  db_.Cached("INSERT INTO zm (rnr, lnr, pos, zm_kuerzel, waehrung, betrag) VALUES (?, ?, 1, ?, 'EUR', ?)")
      .With(transaction.Nr1, transaction.Nr2, means, static_cast<double>(cents) / 100.0)
      .Run();
}

int DemoCashReports::ClosingNumber(int number) { return number + kClosingOffset; }

long long DemoCashReports::Difference(int number) {
  // Every seventh report is off: a cent, then growing amounts a person would look into.
  if (number % 7 != 3) return 0;
  static constexpr long long kCents[] = {-1, 250, -1000, -5, 2000};
  return kCents[(number / 7) % 5];
}

void DemoCashReports::Finish() {
  // A report's own amounts hold the cash in the till at its start (the float), the
  // amounts under its closing number the cash counted at its end: the start plus what
  // was booked on the cash account, and for some reports a difference.
  auto& line = db_.Cached(
      "INSERT INTO kvzm (kv_rnr, kv_lnr, pos, zm_kuerzel, waehrung, betrag) "
      "VALUES (?, ?, ?, ?, 'EUR', ?)");
  for (const auto& [key, report] : reports_) {
    const int computer = report.ident.Nr1;
    const std::int64_t start = 50000 + (report.number % 5) * 5000;
    line.With(computer, report.number, 1, "BAR", static_cast<double>(start) / 100.0).Run();
    std::map<std::string, std::int64_t> counted{{"BAR", start}};
    if (const auto found = amounts_.find({report.ident.Nr1, report.ident.Nr2});
        found != amounts_.end()) {
      for (const auto& [means, cents] : found->second) counted[means] += cents;
    }
    counted["BAR"] += Difference(report.number);
    int pos = 0;
    for (const auto& [means, cents] : counted) {
      line.With(computer, ClosingNumber(report.number), ++pos, means,
                static_cast<double>(cents) / 100.0)
          .Run();
    }
  }
  amounts_.clear();
}

}  // namespace suitetool
