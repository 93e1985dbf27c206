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
      .With(computer, number, firma.Nr1, firma.Nr2, branch, day, number)
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

void DemoCashReports::Finish() {
  auto& line = db_.Cached(
      "INSERT INTO kvzm (kv_rnr, kv_lnr, pos, zm_kuerzel, waehrung, betrag) "
      "VALUES (?, ?, ?, ?, 'EUR', ?)");
  for (const auto& [report, byMeans] : amounts_) {
    int pos = 0;
    for (const auto& [means, cents] : byMeans) {
      line.With(report.first, report.second, ++pos, means, static_cast<double>(cents) / 100.0).Run();
    }
  }
  amounts_.clear();
}

}  // namespace suitetool
