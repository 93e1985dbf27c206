#include "suitetool/DemoSettlements.h"

#include <algorithm>

#include "suite/DateTime.h"
#include "suitetool/DemoModel.h"
#include "suitetool/ToolText.h"

namespace suitetool {
namespace {

constexpr const char* kLogTitle = "Saldix Export";

}  // namespace

DemoSettlement DemoSettlements::SettlementOf(int client, int year, int month) const {
  const int index = MonthIndex(year, month);
  if (index < firstMonth_ || index >= openFrom_) return {};
  const auto& entry = DemoClients()[client];
  const int businessYear = BusinessYear(entry, year, month);
  const int yearStart = std::max(MonthIndex(businessYear, entry.fiscalStartMonth), firstMonth_);
  return {businessYear, index - yearStart + 1};
}

void DemoSettlements::Record(int client, int year, int month, const TIntTrio& ident) {
  auto& entry = entries_[{client, MonthIndex(year, month)}];
  SelektTabEintragen(entry.ranges, ident);
  ++entry.bookings;
}

std::size_t DemoSettlements::Write(suitedb::Connection& db) const {
  auto& line = db.Cached(
      "INSERT INTO fbex (firma1, firma2, abr_jahr, abr_nr, rnr, lnr_von, snr_von, datum_von, "
      "datum_bis, lnr_bis, snr_bis, max_beleg_nr) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  auto& log = db.Cached(
      "INSERT INTO menu_log (title, text, start_time, end_time, computer) VALUES (?, ?, ?, ?, ?)");

  std::map<std::pair<int, int>, std::int64_t> runningNumbers;  // by client and business year
  for (const auto& [key, entry] : entries_) {
    const auto [client, index] = key;
    const int year = YearOfIndex(index);
    const int month = MonthOfIndex(index);
    const auto settlement = SettlementOf(client, year, month);
    const auto& firma = DemoClients()[client].firma;
    const TDateTime from = EncodeDate(year, month, 1);
    const TDateTime to = EncodeDate(year, month, DaysInMonth(year, month));
    // The exporter numbers its documents on through the business year.
    auto& maxNumber = runningNumbers[{client, settlement.abrJahr}];
    maxNumber += entry.bookings;

    auto ranges = entry.ranges;
    std::sort(ranges.begin(), ranges.end(),
              [](const TSelektItem& a, const TSelektItem& b) { return a.RNr < b.RNr; });
    for (const auto& range : ranges) {
      line.With(firma.Nr1, firma.Nr2, settlement.abrJahr, settlement.abrNr, range.RNr,
                range.LNrVon, range.SNrVon, from, to, range.LNrBis, range.SNrBis, maxNumber)
          .Run();
    }
    // The export ran in the night after the month had ended.
    const TDateTime start = to + 1 + 2.0 / 24;
    const TDateTime end = start + 3.0 / 1440;
    const int computer = DemoClients()[client].exportComputer;
    const std::string period = DateText(from) + " - " + DateText(to);
    log.With(kLogTitle, "Automatischer Fibu-Export wurde gestartet", start, start, computer).Run();
    log.With(kLogTitle,
             "Export " + std::to_string(settlement.abrNr) + "/" +
                 std::to_string(settlement.abrJahr) + " " + period + ": " +
                 std::to_string(entry.bookings) + " Buchungen exportiert",
             end, end, computer)
        .Run();
    log.With(kLogTitle, "Automatischer Fibu-Export beendet", end, end, computer).Run();
  }
  return entries_.size();
}

}  // namespace suitetool
