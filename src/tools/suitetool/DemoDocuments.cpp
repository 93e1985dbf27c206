#include "suitetool/DemoDocuments.h"

#include <cstdio>

#include "suite/DateTime.h"
#include "suitetool/DemoModel.h"

namespace suitetool {
namespace {

// Payment-condition kinds of the document server.
constexpr int kNetDays = 1;
constexpr int kDiscount = 2;
constexpr int kValueDate = 3;
// Document attribute holding the payment reference.
constexpr int kPaymentReference = 7;

constexpr const char* kArticles[] = {"Schreibtisch Eiche", "Bürostuhl Comfort", "Aktenschrank",
                                     "Monitorarm", "Stehleuchte", "Montageservice",
                                     "Kabelkanal 2 m", "Garderobe Stahl"};

}  // namespace

DemoDocuments::DemoDocuments(suitedb::Connection& db, DemoRandom& random)
    : db_(db), random_(random) {}

DemoDocument DemoDocuments::Write(const DemoDocumentRequest& request) {
  int year = 0, month = 0, day = 0;
  DecodeDate(request.date, year, month, day);
  const int lnr = ++lastNumberOfComputer_[request.computer];
  const std::string counterKey = std::to_string(request.firma.Nr2) + request.prefix +
                                 std::to_string(year);
  const int running = ++lastRunningNumber_[counterKey];

  DemoDocument document;
  document.ident = {request.computer, lnr, 0};
  char number[40];
  std::snprintf(number, sizeof number, "%s-%04d-%06d", request.prefix, year, running);
  document.number = number;
  if (request.orderId) {
    char order[24];
    std::snprintf(order, sizeof order, "WEB-%08lld",
                  static_cast<long long>(random_.Between(10000000, 99999999)));
    document.orderId = order;
  }

  db_.Cached("INSERT INTO belege (rnr, lnr, snr, firma1, firma2, gep_nr1, gep_nr2, orge, "
             "belegart, datum, nr_praefix, nr_teil1, nr_teil2, nr_teil3, format_kz, nr_extern, "
             "dokumenten_nr, order_id, liefer_land, steuer_land, herkunft_kz, zahlungsart, "
             "phase, vorg_rnr, vorg_lnr, vorg_snr) "
             "VALUES (?, ?, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, 'E', ?, ?, ?)")
      .With(request.computer, lnr, request.firma.Nr1, request.firma.Nr2, request.partner.Nr1,
            request.partner.Nr2, OrgeOfBranch(request.branch), request.belegart, request.date,
            request.prefix, year, request.branch, running,
            request.belegart[0] == 'E' ? "EXT-" + std::to_string(running) : std::string(),
            "D" + std::to_string(request.computer * 10000000 + lnr), document.orderId,
            request.lieferLand, request.steuerLand, request.orderId ? "WEB" : "",
            request.paymentTerms ? "RECHNUNG" : "BAR", request.predecessor.RNr,
            request.predecessor.LNr, request.predecessor.SNr)
      .Run();

  WritePositions(document.ident, request.netCents);
  if (request.paymentTerms) WriteTerms(document.ident, request.date);
  if (request.taxRate > 0) {
    db_.Cached("INSERT INTO beleg_steuern (rnr, lnr, snr, pos, satz, betrag) VALUES (?, ?, 0, 1, ?, ?)")
        .With(request.computer, lnr, request.taxRate, static_cast<double>(request.taxCents) / 100.0)
        .Run();
  }
  if (request.prefix[0] == 'R') {
    char reference[32];
    std::snprintf(reference, sizeof reference, "RF%02d%04d%06d", running % 97, year, running);
    db_.Cached("INSERT INTO beleg_merkmale (rnr, lnr, snr, merkmal, wert) VALUES (?, ?, 0, ?, ?)")
        .With(request.computer, lnr, kPaymentReference, reference)
        .Run();
  }
  ++count_;
  return document;
}

void DemoDocuments::WritePositions(const TIntTrio& ident, std::int64_t netCents) {
  auto& position = db_.Cached(
      "INSERT INTO beleg_positionen (rnr, lnr, snr, pos, artikel, menge, betrag) "
      "VALUES (?, ?, 0, ?, ?, ?, ?)");
  const bool split = netCents > 2000 && random_.Percent(50);
  const std::int64_t first = split ? netCents / 3 : netCents;
  const char* article = kArticles[random_.Below(std::size(kArticles))];
  const auto quantity = static_cast<double>(random_.Between(1, 4));
  position.With(ident.RNr, ident.LNr, 1, article, quantity, static_cast<double>(first) / 100.0)
      .Run();
  if (split) {
    article = kArticles[random_.Below(std::size(kArticles))];
    position.With(ident.RNr, ident.LNr, 2, article, 1.0,
                  static_cast<double>(netCents - first) / 100.0)
        .Run();
  }
}

void DemoDocuments::WriteTerms(const TIntTrio& ident, TDateTime date) {
  auto& condition = db_.Cached(
      "INSERT INTO beleg_zahlungsbedingungen (rnr, lnr, snr, pos, art, tage, prozent, datum) "
      "VALUES (?, ?, 0, ?, ?, ?, ?, ?)");
  static constexpr double kRates[] = {2.0, 3.0, 2.5};
  int pos = 0;
  condition.With(ident.RNr, ident.LNr, ++pos, kDiscount, 10, kRates[random_.Below(3)], 0.0).Run();
  if (random_.Percent(25)) {
    condition.With(ident.RNr, ident.LNr, ++pos, kDiscount, 20, 1.0, 0.0).Run();
  }
  condition.With(ident.RNr, ident.LNr, ++pos, kNetDays, 30, 0.0, 0.0).Run();
  if (random_.Percent(20)) {
    condition.With(ident.RNr, ident.LNr, ++pos, kValueDate, 0, 0.0, date + 45).Run();
  }
}

}  // namespace suitetool
