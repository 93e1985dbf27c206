// Creditor and debtor account numbers of business partners, by the client's settings:
// a partner-number kind, the customer number or a customer attribute, widened by the
// debtor schema.
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "data/EinstellungenRecord.h"
#include "suite/Types.h"

class Tgnumfile;
class Tmerfile;

class TPartnerKonten {
 public:
  using TKundennummerQuelle = std::function<int(const TIntPair& partner)>;

  TPartnerKonten(const TEinstellungen& einstellungen, Tgnumfile& gnumfile, Tmerfile& merfile);

  // The partner's customer number (the suite's partner-list server).
  void SetKundennummerQuelle(TKundennummerQuelle quelle) { kundennummer_ = std::move(quelle); }

  int Get_Kreditoren_Konto(const TIntPair& partner);
  int Get_Debitoren_Konto(const TIntPair& partner);
  // Both caches; the settings that number the partners changed.
  void CachesLeeren();

  // value + schema when the value has fewer digits than the schema (123 with 10000
  // gives 10123); 0 and values that would overflow stay unchanged.
  static int SchemaAnwenden(int wert, const std::string& schema);

 private:
  const TEinstellungen& einstellungen_;
  Tgnumfile& gnumfile_;
  Tmerfile& merfile_;
  TKundennummerQuelle kundennummer_;
  std::map<TIntPair, int> kreditoren_;
  std::map<TIntPair, int> debitoren_;
};
