// The demo's German chart of accounts (the same for both clients) and the account
// codes of the account server.
#pragma once

#include <cstddef>

#include "suite/db/Storage.h"

namespace suitetool {

struct DemoAccount {
  const char* kurzBez;
  const char* zusatz;
  int nummer;
  const char* bezeichnung;
  const char* art;       // A expense, E revenue, B balance
  const char* bilanzKz;  // "B" for balance accounts
};

// Short names the demo bookings use; each is in the chart.
namespace demo_konto {
inline constexpr const char* kKasse = "KASSE";
inline constexpr const char* kBank = "BANK";  // suffix "1" and "2"
inline constexpr const char* kGeldtransit = "GELDTRANSIT";
inline constexpr const char* kForderung = "FORDERUNG";
inline constexpr const char* kVerbindlich = "VERBINDLICH";
inline constexpr const char* kGutschein = "GUTSCHEIN";
inline constexpr const char* kSonstVerb = "SONSTVERB";
inline constexpr const char* kLohnVerb = "LOHNVERB";
inline constexpr const char* kSozVerb = "SOZVERB";
inline constexpr const char* kDarlehen = "DARLEHEN";
inline constexpr const char* kWertpapiere = "WERTPAPIERE";
inline constexpr const char* kBga = "BGA";
inline constexpr const char* kSpendVerb = "SPENDVERB";
inline constexpr const char* kEbk = "EBK";
inline constexpr const char* kGewinnVerw = "GEWINNVERW";
inline constexpr const char* kSteuerEu = "STEUEREU";
inline constexpr const char* kErlWare = "ERLWARE";
inline constexpr const char* kErlWare7 = "ERLWARE7";
inline constexpr const char* kErlEu = "ERLEU";
inline constexpr const char* kErlAnlage = "ERLANLAGE";
inline constexpr const char* kDividende = "DIVIDENDE";
inline constexpr const char* kWareIn = "WAREIN";
inline constexpr const char* kWareIn7 = "WAREIN7";
inline constexpr const char* kAnkauf = "ANKAUF";
inline constexpr const char* kErhBoni = "ERHBONI";
inline constexpr const char* kKassenDiff = "KASSENDIFF";
inline constexpr const char* kBuerobedarf = "BUEROBEDARF";
inline constexpr const char* kFracht = "FRACHT";
inline constexpr const char* kProvision = "PROVISION";
inline constexpr const char* kGehalt = "GEHALT";
inline constexpr const char* kSozAufw = "SOZAUFW";
inline constexpr const char* kZinsAufw = "ZINSAUFW";
inline constexpr const char* kGewerbesteuer = "GEWERBESTEUER";
inline constexpr const char* kSpenden = "SPENDEN";
inline constexpr const char* kAbschrWp = "ABSCHRWP";
inline constexpr const char* kAnlagenAbgang = "ANLAGENABGANG";
inline constexpr const char* kMiete = "MIETE";
}  // namespace demo_konto

// The VAT accounts are "MWST" or "VORST" and the rate as four digits.
const char* OutputTaxAccount(int rate);
const char* InputTaxAccount(int rate);

// Writes the chart and the account codes for every demo client; returns the rows.
std::size_t WriteDemoAccounts(suitedb::Connection& db);

}  // namespace suitetool
