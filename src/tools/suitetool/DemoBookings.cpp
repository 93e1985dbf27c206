#include "suitetool/DemoBookings.h"

#include "suite/DateTime.h"
#include "suitetool/DemoAccounts.h"
#include "suitetool/DemoModel.h"

namespace suitetool {
namespace {

constexpr const char* kCurrency = "EUR";
// Foreign VAT of the EU deliveries (hundredths of a percent).
constexpr int kForeignRate = 2000;
// Bookings the user excluded from export stay open.
constexpr int kExcludedPerMille = 10;

// The rates in force on a day: 16 % and 5 % in the second half of 2020.
int NormalRate(TDateTime day) {
  return day >= EncodeDate(2020, 7, 1) && day < EncodeDate(2021, 1, 1) ? 1600 : 1900;
}
int ReducedRate(TDateTime day) {
  return day >= EncodeDate(2020, 7, 1) && day < EncodeDate(2021, 1, 1) ? 500 : 700;
}

int CostCentreOfBranch(int branch) {
  static constexpr int kCentres[] = {0, 200, 210, 220, 300, 310};
  return branch > 0 && branch < 6 ? kCentres[branch] : 0;
}

// Each client books on its own bank account.
std::string SuffixOf(const char* account, int client) {
  return std::string(account) == demo_konto::kBank ? std::to_string(client + 1) : std::string();
}

}  // namespace

// One booking record.
struct DemoBookingWriter::Row {
  TIntTrio ident;
  TIntPair firma;
  TIntPair gepNr;
  TDateTime belegdatum = 0;
  TDateTime buchungsdatum = 0;
  const char* vorfall = "";
  double soll = 0;
  double haben = 0;
  const char* konto = "";
  std::string kontoZusatz;
  const char* gegenKonto = "";
  std::string gegenKontoZusatz;
  const char* beschreibung = "";
  DemoSettlement settlement;
  const Source* source = nullptr;
  int filiale = 0;
  bool exported = true;
  int kost1 = 0;
  TDateTime erstellt = 0;
  int vorgang = 0;
  bool manuell = false;
};

// What a transaction's rows share: document, references and texts.
struct DemoBookingWriter::Source {
  const char* belegart = "";
  TIntTrio beleg;
  std::string beleg1;
  std::string beleg2;
  std::string ustId;
  std::string zmZusatz;
  const char* verweisart = "";
};

DemoBookingWriter::Source DemoBookingWriter::SourceOf(const DemoEvent& event, int client,
                                                      int computer, int transaction,
                                                      TDateTime day, const DemoPartner* partner,
                                                      std::int64_t netCents, int taxRate,
                                                      std::int64_t taxCents) {
  const auto& firma = DemoClients()[client].firma;
  Source source;
  source.belegart = event.belegart;
  source.verweisart = event.verweisart;
  source.beleg = {computer, transaction, 0};
  source.beleg1 = std::string(event.belegart) + "-" + std::to_string(transaction);
  if (partner) source.ustId = partner->ustId;

  if (event.desk == DemoDesk::Cash) {
    const TIntPair report = parts_.cashReports.ReportOf(firma, computer, day);
    source.beleg = {report.Nr1, report.Nr2, 0};
    source.beleg1 = parts_.cashReports.ReportNumber(report);
    static constexpr const char* kMeans[] = {"BAR", "BAR", "BAR", "EC", "EC", "VISA"};
    const bool sale = event.vat == DemoVat::Output;
    source.zmZusatz = sale ? kMeans[parts_.random.Below(6)] : "BAR";
    const std::int64_t gross = netCents + taxCents;
    if (std::string(event.konto) == demo_konto::kKasse) {
      parts_.cashReports.AddMovement(report, source.zmZusatz, event.soll ? gross : -gross);
    }
    if (std::string(event.code) == "GUTSAUSGA") {
      parts_.cashReports.RecordVoucherSale(firma, {computer, transaction}, source.zmZusatz, gross);
    }
    return source;
  }

  if (event.doc == DemoDoc::None || !partner) return source;
  DemoDocumentRequest request;
  request.firma = firma;
  request.partner = partner->gepNr;
  request.computer = computer;
  request.branch = BranchOfComputer(computer);
  request.belegart = event.belegart;
  request.date = day;
  request.netCents = netCents;
  request.taxRate = taxRate;
  request.taxCents = taxCents;
  request.lieferLand = partner->land;
  request.steuerLand = event.vat == DemoVat::Foreign ? partner->land : std::string("D");
  switch (event.doc) {
    case DemoDoc::Invoice:
      request.prefix = "RE";
      request.paymentTerms = true;
      request.orderId = parts_.random.Percent(60);
      break;
    case DemoDoc::CreditNote:
      request.prefix = "GS";
      if (const auto found = lastInvoice_.find(client); found != lastInvoice_.end()) {
        request.predecessor = found->second.ident;
      }
      break;
    case DemoDoc::IncomingInvoice:
      request.prefix = "ER";
      request.paymentTerms = true;
      break;
    case DemoDoc::IncomingCredit:
    case DemoDoc::None:
      request.prefix = "EG";
      break;
  }
  const DemoDocument document = parts_.documents.Write(request);
  if (event.doc == DemoDoc::Invoice) lastInvoice_[client] = document;
  source.beleg = document.ident;
  source.beleg1 = document.number;
  source.beleg2 = document.orderId;
  return source;
}

int DemoBookingWriter::Write(const DemoEvent& event, int client, TDateTime day) {
  auto& random = parts_.random;
  const auto& clientEntry = DemoClients()[client];
  const int computer =
      event.desk == DemoDesk::Cash
          ? clientEntry.cashComputers[random.Below(clientEntry.cashComputers.size())]
          : clientEntry.officeComputer;
  const int transaction = ++lastTransaction_[computer];

  const DemoPartner* partner = nullptr;
  const auto& partners = parts_.partners;
  if (event.party == DemoParty::Customer) {
    partner = &partners.customers[random.Below(partners.customers.size())];
  } else if (event.party == DemoParty::ForeignCustomer) {
    partner = &partners.customers[partners.foreignCustomers[random.Below(partners.foreignCustomers.size())]];
  } else if (event.party == DemoParty::Supplier) {
    partner = &partners.suppliers[random.Below(partners.suppliers.size())];
  }

  const bool reduced = event.gegenKontoReduced && random.Percent(20);
  int taxRate = 0;
  const char* taxAccount = nullptr;
  switch (event.vat) {
    case DemoVat::Output:
      taxRate = reduced ? ReducedRate(day) : NormalRate(day);
      taxAccount = OutputTaxAccount(taxRate);
      break;
    case DemoVat::Input:
      taxRate = reduced ? ReducedRate(day) : NormalRate(day);
      taxAccount = InputTaxAccount(taxRate);
      break;
    case DemoVat::Foreign:
      taxRate = kForeignRate;
      taxAccount = demo_konto::kSteuerEu;
      break;
    case DemoVat::None:
      break;
  }
  const std::int64_t netCents =
      random.Between(static_cast<std::int64_t>(event.minEuro) * 100, static_cast<std::int64_t>(event.maxEuro) * 100);
  const std::int64_t taxCents = taxAccount ? TaxCents(netCents, taxRate) : 0;
  const bool soll = event.eitherSide ? random.Percent(50) : event.soll;
  const Source source =
      SourceOf(event, client, computer, transaction, day, partner, netCents, taxRate, taxCents);

  int year = 0, month = 0, dayOfMonth = 0;
  DecodeDate(day, year, month, dayOfMonth);
  Row row;
  row.firma = clientEntry.firma;
  row.gepNr = partner ? partner->gepNr : TIntPair{};
  row.belegdatum = day;
  row.buchungsdatum = event.desk == DemoDesk::Cash ? day : day + static_cast<double>(random.Below(3));
  row.vorfall = event.code;
  row.konto = event.konto;
  row.kontoZusatz = SuffixOf(event.konto, client);
  row.beschreibung = event.description;
  row.exported = random.Below(1000) >= kExcludedPerMille;
  row.settlement = row.exported ? parts_.settlements.SettlementOf(client, year, month) : DemoSettlement{};
  row.source = &source;
  row.filiale = BranchOfComputer(computer);
  row.erstellt = day + (8 * 60 + static_cast<double>(random.Below(600))) / 1440.0;
  row.vorgang = event.desk == DemoDesk::Cash ? 1 : 2;
  row.manuell = std::string(event.belegart) == "PN";

  const auto writeRow = [&](int lfdNr, const char* contra, std::int64_t cents, bool withCostCentre) {
    row.ident = {computer, transaction, static_cast<std::int16_t>(lfdNr)};
    row.gegenKonto = contra;
    row.gegenKontoZusatz = SuffixOf(contra, client);
    row.soll = soll ? static_cast<double>(cents) / 100.0 : 0.0;
    row.haben = soll ? 0.0 : static_cast<double>(cents) / 100.0;
    row.kost1 = withCostCentre ? CostCentreOfBranch(row.filiale) : 0;
    Insert(row);
    if (!row.settlement.IsOpen()) parts_.settlements.Record(client, year, month, row.ident);
  };
  const char* contra = reduced ? event.gegenKontoReduced : event.gegenKonto;
  const bool expense = event.vat == DemoVat::Input || std::string(event.origin) == "GEHALT";
  writeRow(1, contra, netCents, expense);
  if (taxAccount) writeRow(2, taxAccount, taxCents, false);
  return RowsOf(event);
}

void DemoBookingWriter::Insert(const Row& row) {
  const Source& s = *row.source;
  parts_.db
      .Cached("INSERT INTO fbde (rechner, transaktions_nr, lfd_nr, firma1, firma2, gep_nr1, "
              "gep_nr2, belegdatum, buchungsdatum, fibu_gvorfall, betrag_soll, betrag_haben, "
              "waehrung, menge, kto_name, kto_zusatz, gegen_kto_name, gegen_kto_zusatz, beleg1, "
              "beleg2, beschreibung, ust_id, abr_jahr, abr_nr, belegart, beleg_rnr, beleg_lnr, "
              "beleg_snr, verw1_art, verw1_rnr, verw1_lnr, verw1_snr, zm_zusatz, filiale, "
              "export_kz, kost1, kost2, erstellt, vorgang, manuell) VALUES (?, ?, ?, ?, ?, ?, ?, "
              "?, ?, ?, ?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
              "?, 0, ?, ?, ?)")
      .With(row.ident.RNr, row.ident.LNr, static_cast<int>(row.ident.SNr), row.firma.Nr1,
            row.firma.Nr2, row.gepNr.Nr1, row.gepNr.Nr2, row.belegdatum, row.buchungsdatum,
            row.vorfall, row.soll, row.haben, kCurrency, row.konto, row.kontoZusatz,
            row.gegenKonto, row.gegenKontoZusatz, s.beleg1, s.beleg2, row.beschreibung, s.ustId,
            row.settlement.abrJahr, row.settlement.abrNr, s.belegart, s.beleg.RNr, s.beleg.LNr,
            static_cast<int>(s.beleg.SNr), s.verweisart, s.beleg.RNr, s.beleg.LNr,
            static_cast<int>(s.beleg.SNr), s.zmZusatz, row.filiale, row.exported ? "J" : "N",
            row.kost1, row.erstellt, row.vorgang, row.manuell ? 1 : 0)
      .Run();
}

void DemoBookingWriter::Finish() {
  auto& counter = parts_.db.Cached("INSERT INTO fbde_transaktionen (rechner, letzte_nr) VALUES (?, ?)");
  for (const auto& [computer, last] : lastTransaction_) counter.With(computer, last).Run();
}

}  // namespace suitetool
