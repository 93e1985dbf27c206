#include "suite/servers/Tgnumfile.h"

#include "suite/SuiteDatabase.h"

std::optional<std::string> Tgnumfile::Lesen(const TIntPair& partner, const TIntPair& art) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT nummer FROM partner_nummern WHERE gep_nr1 = ? AND gep_nr2 = ? AND art1 = ?"
      " AND art2 = ?");
  stmt.With(partner.Nr1, partner.Nr2, art.Nr1, art.Nr2);
  std::optional<std::string> nummer;
  if (stmt.Step()) nummer = stmt.Text(0);
  stmt.Reset();
  return nummer;
}
