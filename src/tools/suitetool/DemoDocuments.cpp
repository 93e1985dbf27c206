#include "suitetool/DemoDocuments.h"

#include <cstdio>
#include <string_view>

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

constexpr std::int64_t kShippingCents = 490;
// Service types of the demo master data (rnr 1, snr 0).
constexpr int kShippingServiceType = 1;
constexpr int kAssemblyServiceType = 5;

int ServiceTypeOf(const char* article) {
  return std::string_view(article) == "Montageservice" ? kAssemblyServiceType : 0;
}

// Origin, sub-origin and payment kind follow the document kind; the running number varies
// them without drawing further random numbers, so the rest of the demo stays as it was.
const char* OriginMark(const DemoDocumentRequest& request, int running) {
  if (!request.orderId) return "FILIALE";
  return running % 3 == 0 ? "MARKTPLATZ" : "ONLINESHOP";
}

const char* SubOrigin(const DemoDocumentRequest& request, int running) {
  if (!request.orderId) return "";
  if (running % 3 != 0) return "Webshop";
  return running % 2 == 0 ? "Amazon" : "eBay";
}

const char* PaymentKind(const DemoDocumentRequest& request, int running) {
  if (request.orderId) {
    static constexpr const char* kOnline[] = {"PAYPAL", "KREDITKARTE", "VORKASSE"};
    return kOnline[running % 3];
  }
  return request.paymentTerms ? "RECHNUNG" : "BAR";
}

// The phase of an outgoing document: 13 invoiced, 14 credited; incoming ones stay "E".
const char* Phase(const DemoDocumentRequest& request) {
  const std::string_view art = request.belegart;
  if (art == "AR") return "13";
  if (art == "GU") return "14";
  return "E";
}

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
             "VALUES (?, ?, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
      .With(request.computer, lnr, request.firma.Nr1, request.firma.Nr2, request.partner.Nr1,
            request.partner.Nr2, OrgeOfBranch(request.branch), request.belegart, request.date,
            request.prefix, year, request.branch, running,
            request.belegart[0] == 'E' ? "EXT-" + std::to_string(running) : std::string(),
            "D" + std::to_string(request.computer * 10000000 + lnr), document.orderId,
            request.lieferLand, request.steuerLand, OriginMark(request, running),
            PaymentKind(request, running), Phase(request), request.predecessor.RNr, request.predecessor.LNr,
            request.predecessor.SNr)
      .Run();
  db_.Cached("UPDATE belege SET subherkunft = ? WHERE rnr = ? AND lnr = ? AND snr = 0")
      .With(SubOrigin(request, running), request.computer, lnr)
      .Run();
  // Every fifth online order goes to an address of its own.
  if (request.orderId && running % 5 == 0) WriteDeliveryAddress(document.ident, running);

  WritePositions(document.ident, request.netCents, request.orderId);
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

void DemoDocuments::WritePositions(const TIntTrio& ident, std::int64_t netCents, bool order) {
  auto& position = db_.Cached(
      "INSERT INTO beleg_positionen (rnr, lnr, snr, pos, artikel, menge, betrag, lar_rnr, "
      "lar_lnr, lar_snr) VALUES (?, ?, 0, ?, ?, ?, ?, ?, ?, 0)");
  // Online orders carry their shipping costs as a position of their own.
  const std::int64_t shipping = order && netCents > 2 * kShippingCents ? kShippingCents : 0;
  const std::int64_t articles = netCents - shipping;
  const bool split = articles > 2000 && random_.Percent(50);
  const std::int64_t first = split ? articles / 3 : articles;
  const char* article = kArticles[random_.Below(std::size(kArticles))];
  const auto quantity = static_cast<double>(random_.Between(1, 4));
  int pos = 0;
  position.With(ident.RNr, ident.LNr, ++pos, article, quantity,
                static_cast<double>(first) / 100.0, ServiceTypeOf(article) > 0 ? 1 : 0, ServiceTypeOf(article))
      .Run();
  if (split) {
    article = kArticles[random_.Below(std::size(kArticles))];
    position.With(ident.RNr, ident.LNr, ++pos, article, 1.0,
                  static_cast<double>(articles - first) / 100.0, ServiceTypeOf(article) > 0 ? 1 : 0,
                  ServiceTypeOf(article))
        .Run();
  }
  if (shipping > 0) {
    position.With(ident.RNr, ident.LNr, ++pos, "Versandkosten", 1.0,
                  static_cast<double>(shipping) / 100.0, 1, kShippingServiceType)
        .Run();
  }
}

void DemoDocuments::WriteDeliveryAddress(const TIntTrio& ident, int running) {
  static constexpr const char* kFirstNames[] = {"Anna", "Jonas", "Lena", "Paul"};
  static constexpr const char* kNames[] = {"Becker", "Hoffmann", "Krüger", "Schulz"};
  db_.Cached("INSERT INTO beleg_lieferadressen (rnr, lnr, snr, vorname, name, strasse, "
             "hausnummer, land, plz, ort) VALUES (?, ?, 0, ?, ?, 'Am Markt', ?, 'DE', '20095', "
             "'Hamburg')")
      .With(ident.RNr, ident.LNr, kFirstNames[running % 4], kNames[(running / 4) % 4],
            std::to_string(1 + running % 40))
      .Run();
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
