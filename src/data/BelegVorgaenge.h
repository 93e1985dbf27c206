// Lookups on a booking's transaction: cash-report and running numbers, the payment means
// of a sold voucher, foreign voucher numbers, cash reports of a computer and their
// payment totals, and the shipping and voucher service types. None of them throws.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "suite/Types.h"
#include "suite/db/Storage.h"

class TBelegVorgaenge {
 public:
  // Converts an amount of the given currency into the program currency.
  using TUmrechner = std::function<long double(long double betrag, const std::string& waehrung)>;

  TBelegVorgaenge(suitedb::Connection& connection, TUmrechner umrechner)
      : connection_(connection), umrechner_(std::move(umrechner)) {}

  std::string GetZMBeiGutschein(const TIntPair& firma, const TIntPair& ident);
  std::string GetFremdGutscheinNr(const std::string& konto, const TIntPair& ident);
  std::string GetKBNummer(const TIntPair& ident, std::string& sort);
  std::string GetLFNRNummer(const TIntPair& ident, const std::string& vorfall, std::string& sort);
  TIntPair KVZuDatumUndRechner(int rechner, TDateTime datum, bool istVonDatum);
  long double KVZMBetrag(const TIntPair& ident);
  bool LAR_Ist_Versand(const TIntTrio& larNr);
  bool LAR_Ist_Gutschein(const TIntTrio& larNr);

 private:
  std::string LaufendeNummer(const TIntPair& ident, const std::string& art, std::string& sort);
  std::vector<TIntTrio> Leistungsarten(const char* filter1, const char* filter2);

  suitedb::Connection& connection_;
  TUmrechner umrechner_;
  // Filled once per run.
  std::optional<std::vector<TIntTrio>> FLARVersand;
  std::optional<std::vector<TIntTrio>> FLARGutschein;
};

// Key text of a voucher pair in the foreign-voucher file: both parts zero-padded to nine
// digits, without separator.
std::string GutscheinSchluessel(const TIntPair& ident);
