#include "suitetool/DemoEvents.h"

#include <stdexcept>
#include <string>
#include <string_view>

#include "suitetool/DemoAccounts.h"

namespace suitetool {

using namespace demo_konto;

namespace {

constexpr DemoDesk kCash = DemoDesk::Cash;
constexpr DemoDesk kOffice = DemoDesk::Office;
constexpr bool kSoll = true;
constexpr bool kHaben = false;
constexpr const char* kNoReduced = nullptr;

}  // namespace

const std::vector<DemoEvent>& DemoEvents() {
  // clang-format off
  static const std::vector<DemoEvent> events = {
    {"KASSENBERICHT", "KASBER", kCash, "KB", "Kassenbericht", kKasse, kSoll, kErlWare, kErlWare7, DemoVat::Output, DemoParty::None, DemoDoc::None, 5, 400, 300, "Allgemeiner Verkauf"},
    {"KASSENDIFF", "KASBER", kCash, "KB", "Kassenbericht", kKasse, kSoll, kKassenDiff, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 1, 20, 10, "Kassendifferenz", true},
    {"GUTSAUSGA", "KASBER", kCash, "KB", "Kassenbericht", kKasse, kSoll, kGutschein, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 10, 100, 15, "Gutscheinausgabe"},
    {"GUTSRUECK", "KASBER", kCash, "KB", "Kassenbericht", kKasse, kHaben, kGutschein, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 10, 100, 10, "Gutscheinrückgabe"},
    {"ENTNBESTKTO", "KASBER", kCash, "KB", "Kassenbericht", kKasse, kHaben, kGeldtransit, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 200, 2000, 15, "Vermindern Kassensbestand"},
    {"AUFWBUCH", "KASBER", kCash, "KB", "Aufwandsbuchung", kKasse, kHaben, kBuerobedarf, kNoReduced, DemoVat::Input, DemoParty::None, DemoDoc::None, 5, 150, 25, "Aufwandsbuchung"},
    {"KAUFRECHNUNG", "KASBER", kCash, "KB", "Kassenbericht", kKasse, kHaben, kAnkauf, kNoReduced, DemoVat::None, DemoParty::Customer, DemoDoc::None, 20, 500, 5, "Kaufrechnung Ankauf"},
    {"KAUFKREDIT", "KASBER", kCash, "KB", "Kassenbericht", kForderung, kSoll, kErlWare, kErlWare7, DemoVat::Output, DemoParty::Customer, DemoDoc::None, 100, 2000, 10, "Verkauf auf Kredit"},
    {"ARE", "ORDER", kOffice, "AR", "Rechnung", kForderung, kSoll, kErlWare, kErlWare7, DemoVat::Output, DemoParty::Customer, DemoDoc::Invoice, 50, 5000, 150, "Ausgangsrechnung"},
    {"ERT", "ORDER", kOffice, "GU", "Rechnung", kForderung, kHaben, kErlWare, kErlWare7, DemoVat::Output, DemoParty::Customer, DemoDoc::CreditNote, 10, 500, 10, "Erstattung"},
    {"AGU", "ORDER", kOffice, "GU", "Rechnung", kForderung, kHaben, kErlWare, kErlWare7, DemoVat::Output, DemoParty::Customer, DemoDoc::CreditNote, 10, 800, 20, "Ausgangsgutschrift"},
    {"ASG", "ORDER", kOffice, "GU", "Rechnung", kForderung, kHaben, kErlWare, kNoReduced, DemoVat::Output, DemoParty::Customer, DemoDoc::CreditNote, 10, 300, 5, "Sammelgutschrift"},
    {"ELA", "ORDER", kOffice, "AR", "Rechnung", kForderung, kSoll, kErlEu, kNoReduced, DemoVat::Foreign, DemoParty::ForeignCustomer, DemoDoc::Invoice, 200, 8000, 15, "Lieferung EU-Ausland"},
    {"GEWINNANTEIL", "ORDER", kOffice, "PN", "Undefiniert", kVerbindlich, kHaben, kProvision, kNoReduced, DemoVat::None, DemoParty::Supplier, DemoDoc::None, 50, 1500, 3, "Gewinnanteil Partner"},
    {"EINGRE", "REKO", kOffice, "ER", "Eingangsrechnung", kVerbindlich, kHaben, kWareIn, kWareIn7, DemoVat::Input, DemoParty::Supplier, DemoDoc::IncomingInvoice, 50, 8000, 100, "Eingangsrechnung"},
    {"EGU", "REKO", kOffice, "EG", "Eingangsrechnung", kVerbindlich, kSoll, kWareIn, kWareIn7, DemoVat::Input, DemoParty::Supplier, DemoDoc::IncomingCredit, 10, 800, 10, "Eingangsgutschrift"},
    {"ABA", "REKO", kOffice, "ER", "Eingangsrechnung", kVerbindlich, kHaben, kFracht, kNoReduced, DemoVat::Input, DemoParty::Supplier, DemoDoc::IncomingInvoice, 20, 600, 10, "Abschlagsrechnung Fracht"},
    {"ZRABRECH", "REKO", kOffice, "EG", "Eingangsrechnung", kVerbindlich, kSoll, kErhBoni, kNoReduced, DemoVat::Input, DemoParty::Supplier, DemoDoc::IncomingCredit, 50, 1500, 5, "Abrechnung Zentralregulierung"},
    {"ZAHLUNG", "BANK", kOffice, "BA", "Bankbewegung", kBank, kSoll, kForderung, kNoReduced, DemoVat::None, DemoParty::Customer, DemoDoc::None, 50, 5000, 90, "Zahlungseingang"},
    {"AWPAUSGL", "BANK", kOffice, "BA", "Bankbewegung", kBank, kSoll, kForderung, kNoReduced, DemoVat::None, DemoParty::Customer, DemoDoc::None, 10, 2000, 20, "Forderungsausgleich"},
    {"KASSE", "BANK", kOffice, "BA", "Bankbewegung", kBank, kSoll, kGeldtransit, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 200, 3000, 20, "Einzahlung Kassenbestand"},
    {"AUSGLOZ_FBDE", "BANK", kOffice, "BA", "Bankbewegung", kBank, kHaben, kVerbindlich, kNoReduced, DemoVat::None, DemoParty::Supplier, DemoDoc::None, 50, 8000, 60, "Allgemeine OP-Buchung"},
    {"GEHALTH", "GEHALT", kOffice, "LO", "Undefiniert", kBank, kHaben, kGehalt, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 1500, 4500, 8, "Gehaltszahlung"},
    {"GEHALTS", "GEHALT", kOffice, "LO", "Undefiniert", kBank, kHaben, kSozAufw, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 300, 1500, 8, "Sozialabgaben"},
    {"DARLAUS", "DARLEHEN", kOffice, "DA", "Undefiniert", kBank, kSoll, kDarlehen, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 10000, 50000, 1, "Darlehensauszahlung"},
    {"DARLRUECKRATE", "DARLEHEN", kOffice, "DA", "Undefiniert", kBank, kHaben, kDarlehen, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 500, 2000, 4, "Darlehenstilgung"},
    {"DARLRUECKVAR", "DARLEHEN", kOffice, "DA", "Undefiniert", kBank, kHaben, kZinsAufw, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 50, 500, 2, "Darlehenszinsen"},
    {"STEUERBE", "STEUER", kOffice, "ST", "Undefiniert", kBank, kHaben, kGewerbesteuer, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 500, 5000, 2, "Steuerbescheid Gewerbesteuer"},
    {"STEUERBEERST", "STEUER", kOffice, "ST", "Undefiniert", kBank, kSoll, kGewerbesteuer, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 100, 1000, 1, "Steuererstattung"},
    {"GEWINNAUS", "GEWINN", kOffice, "PN", "Undefiniert", kBank, kHaben, kGewinnVerw, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 5000, 20000, 1, "Gewinnausschüttung"},
    {"SPENDENZUSAGE", "SPENDEN", kOffice, "SP", "Undefiniert", kSpendVerb, kHaben, kSpenden, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 100, 2000, 2, "Spendenzusage"},
    {"AUSGSPENDZUSA", "SPENDEN", kOffice, "SP", "Undefiniert", kBank, kHaben, kSpendVerb, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 100, 2000, 2, "Auszahlung Spendenzusage"},
    {"AUSGSPZUSA_R", "SPENDEN", kOffice, "SP", "Undefiniert", kBank, kSoll, kSpendVerb, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 100, 2000, 1, "Rückbuchung Spendenauszahlung"},
    {"BILEROEFF_AKT", "BILANZ", kOffice, "PN", "Undefiniert", kEbk, kHaben, kBank, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 10000, 80000, 1, "Eröffnungsbilanz Aktiva"},
    {"BILEROEFF_PASS", "BILANZ", kOffice, "PN", "Undefiniert", kEbk, kSoll, kDarlehen, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 10000, 80000, 1, "Eröffnungsbilanz Passiva"},
    {"BOGV", "BILANZ", kOffice, "PN", "Undefiniert", kBank, kHaben, kBuerobedarf, kNoReduced, DemoVat::Input, DemoParty::None, DemoDoc::None, 20, 300, 3, "Bürobedarf ohne Vorgang"},
    {"AUSGSONSTVERB", "BILANZ", kOffice, "PN", "Undefiniert", kBank, kHaben, kSonstVerb, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 50, 3000, 5, "Ausgleich sonstige Verbindlichkeit"},
    {"WPKAUF", "WERTP", kOffice, "WP", "Undefiniert", kBank, kHaben, kWertpapiere, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 1000, 20000, 2, "Wertpapierkauf"},
    {"WPVERKAUF", "WERTP", kOffice, "WP", "Undefiniert", kBank, kSoll, kWertpapiere, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 1000, 20000, 2, "Wertpapierverkauf"},
    {"WPDIVIDENDE", "WERTP", kOffice, "WP", "Undefiniert", kBank, kSoll, kDividende, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 50, 2000, 2, "Dividende"},
    {"WPBERICHT", "WERTP", kOffice, "WP", "Undefiniert", kWertpapiere, kHaben, kAbschrWp, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 100, 3000, 1, "Bewertung laut Depotbericht"},
    {"VERSCHROTTUNG", "GBG", kOffice, "GG", "Undefiniert", kBga, kHaben, kAnlagenAbgang, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 50, 2000, 1, "Verschrottung Gebrauchsgut"},
    {"GGVERKAUF", "GBG", kOffice, "GG", "Undefiniert", kBank, kSoll, kErlAnlage, kNoReduced, DemoVat::Output, DemoParty::Customer, DemoDoc::None, 100, 3000, 2, "Verkauf Gebrauchsgut"},
    {"PRIMANOTA", "PRIMAN", kOffice, "PN", "Undefiniert", kBank, kHaben, kMiete, kNoReduced, DemoVat::None, DemoParty::None, DemoDoc::None, 800, 3000, 30, "Primanota Miete"},
  };
  // clang-format on
  return events;
}

int DemoEventWeightTotal() {
  static const int total = [] {
    int sum = 0;
    for (const auto& event : DemoEvents()) sum += event.weight;
    return sum;
  }();
  return total;
}

const DemoEvent& DemoEventByCode(const char* code) {
  for (const auto& event : DemoEvents()) {
    if (std::string_view(event.code) == code) return event;
  }
  throw std::logic_error(std::string("Unbekannter Geschäftsvorfall ") + code);
}

const DemoEvent& DemoEventByTicket(int ticket) {
  for (const auto& event : DemoEvents()) {
    if (ticket < event.weight) return event;
    ticket -= event.weight;
  }
  return DemoEvents().front();
}

}  // namespace suitetool
