#include "suite/servers/Tmerfile.h"

#include "suite/SuiteDatabase.h"

std::optional<std::string> Tmerfile::Lesen(const TIntPair& partner, int merkmal) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT wert FROM partner_merkmale WHERE gep_nr1 = ? AND gep_nr2 = ? AND merkmal = ?");
  stmt.With(partner.Nr1, partner.Nr2, merkmal);
  std::optional<std::string> wert;
  if (stmt.Step()) wert = stmt.Text(0);
  stmt.Reset();
  return wert;
}
