#include "suitetool/DemoAccounts.h"

#include <vector>

#include "suite/DateTime.h"
#include "suitetool/DemoModel.h"

namespace suitetool {
namespace {

using namespace demo_konto;

// Valid long before any demo booking.
constexpr int kValidFromYear = 2000;

const std::vector<DemoAccount>& Chart() {
  static const std::vector<DemoAccount> chart = {
      {kKasse, "", 1000, "Kasse", "B", "B"},
      {kBank, "1", 1200, "Bank Sparkasse", "B", "B"},
      {kBank, "2", 1210, "Bank Volksbank", "B", "B"},
      {kGeldtransit, "", 1360, "Geldtransit", "B", "B"},
      {kForderung, "", 1400, "Forderungen aus Lieferungen und Leistungen", "B", "B"},
      {kVerbindlich, "", 1600, "Verbindlichkeiten aus Lieferungen und Leistungen", "B", "B"},
      {kGutschein, "", 1718, "Verbindlichkeiten aus Gutscheinen", "B", "B"},
      {kSonstVerb, "", 1700, "Sonstige Verbindlichkeiten", "B", "B"},
      {kLohnVerb, "", 1740, "Verbindlichkeiten aus Lohn und Gehalt", "B", "B"},
      {kSozVerb, "", 1742, "Verbindlichkeiten im Rahmen der sozialen Sicherheit", "B", "B"},
      {kDarlehen, "", 630, "Verbindlichkeiten gegenüber Kreditinstituten", "B", "B"},
      {kWertpapiere, "", 525, "Wertpapiere des Anlagevermögens", "B", "B"},
      {kBga, "", 420, "Betriebs- und Geschäftsausstattung", "B", "B"},
      {kSpendVerb, "", 1705, "Verbindlichkeiten aus Spendenzusagen", "B", "B"},
      {kEbk, "", 9000, "Saldenvorträge Sachkonten", "B", "B"},
      {kGewinnVerw, "", 2790, "Gewinnausschüttung", "B", "B"},
      {"VORST0500", "", 1572, "Abziehbare Vorsteuer 5 %", "B", "B"},
      {"VORST0700", "", 1571, "Abziehbare Vorsteuer 7 %", "B", "B"},
      {"VORST1600", "", 1575, "Abziehbare Vorsteuer 16 %", "B", "B"},
      {"VORST1900", "", 1576, "Abziehbare Vorsteuer 19 %", "B", "B"},
      {"MWST0500", "", 1773, "Umsatzsteuer 5 %", "B", "B"},
      {"MWST0700", "", 1771, "Umsatzsteuer 7 %", "B", "B"},
      {"MWST1600", "", 1775, "Umsatzsteuer 16 %", "B", "B"},
      {"MWST1900", "", 1776, "Umsatzsteuer 19 %", "B", "B"},
      {kSteuerEu, "", 1767, "Umsatzsteuer aus EU-Lieferungen", "B", "B"},
      {kErlWare, "", 8400, "Erlöse 19 % USt", "E", ""},
      {kErlWare7, "", 8300, "Erlöse 7 % USt", "E", ""},
      {kErlEu, "", 8320, "Erlöse aus im anderen EU-Land steuerpflichtigen Lieferungen", "E", ""},
      {kErlAnlage, "", 8820, "Erlöse aus Anlagenverkäufen 19 % USt", "E", ""},
      {kDividende, "", 2600, "Erträge aus Beteiligungen", "E", ""},
      {kWareIn, "", 3400, "Wareneingang 19 % Vorsteuer", "A", ""},
      {kWareIn7, "", 3300, "Wareneingang 7 % Vorsteuer", "A", ""},
      {kAnkauf, "", 3200, "Wareneingang Ankauf differenzbesteuert", "A", ""},
      {kErhBoni, "", 3769, "Erhaltene Boni 19 % Vorsteuer", "A", ""},
      {kKassenDiff, "", 4901, "Kassendifferenzen", "A", ""},
      {kBuerobedarf, "", 4930, "Bürobedarf", "A", ""},
      {kFracht, "", 4730, "Ausgangsfrachten", "A", ""},
      {kProvision, "", 4760, "Verkaufsprovisionen", "A", ""},
      {kGehalt, "", 4120, "Gehälter", "A", ""},
      {kSozAufw, "", 4130, "Gesetzliche soziale Aufwendungen", "A", ""},
      {kZinsAufw, "", 2110, "Zinsaufwendungen für kurzfristige Verbindlichkeiten", "A", ""},
      {kGewerbesteuer, "", 4320, "Gewerbesteuer", "A", ""},
      {kSpenden, "", 2380, "Zuwendungen, Spenden", "A", ""},
      {kAbschrWp, "", 4875, "Abschreibungen auf Wertpapiere", "A", ""},
      {kAnlagenAbgang, "", 2310, "Anlagenabgänge Sachanlagen (Restbuchwert)", "A", ""},
      {kMiete, "", 4210, "Miete", "A", ""},
  };
  return chart;
}

struct AccountCode {
  int code;
  const char* kurzBez;
};

// 42 receivables, 49 creditors, 134 cash, 159 foreign tax.
constexpr AccountCode kCodes[] = {
    {42, kForderung}, {49, kVerbindlich}, {134, kKasse}, {159, kSteuerEu}};

}  // namespace

const char* OutputTaxAccount(int rate) {
  switch (rate) {
    case 500: return "MWST0500";
    case 700: return "MWST0700";
    case 1600: return "MWST1600";
    default: return "MWST1900";
  }
}

const char* InputTaxAccount(int rate) {
  switch (rate) {
    case 500: return "VORST0500";
    case 700: return "VORST0700";
    case 1600: return "VORST1600";
    default: return "VORST1900";
  }
}

std::size_t WriteDemoAccounts(suitedb::Connection& db) {
  auto& account = db.Cached(
      "INSERT INTO konten (firma1, firma2, kurz_bez, zusatz, gueltig_ab, nummer, bezeichnung, "
      "art, bilanz_kz) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
  auto& code = db.Cached(
      "INSERT INTO konten_codes (firma1, firma2, code, kurz_bez, zusatz) VALUES (?, ?, ?, ?, '')");
  const TDateTime validFrom = EncodeDate(kValidFromYear, 1, 1);
  std::size_t rows = 0;
  for (const auto& client : DemoClients()) {
    for (const auto& entry : Chart()) {
      account.With(client.firma.Nr1, client.firma.Nr2, entry.kurzBez, entry.zusatz, validFrom,
                   entry.nummer, entry.bezeichnung, entry.art, entry.bilanzKz)
          .Run();
      ++rows;
    }
    for (const auto& entry : kCodes) {
      code.With(client.firma.Nr1, client.firma.Nr2, entry.code, entry.kurzBez).Run();
    }
  }
  return rows;
}

}  // namespace suitetool
