#include "suite/servers/TKontoServer.h"

#include "suite/SuiteDatabase.h"

std::string TKontoServer::KontoZuCode(const TIntPair& mandant, int code) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT kurz_bez FROM konten_codes WHERE firma1 = ? AND firma2 = ? AND code = ?"
      " ORDER BY kurz_bez, zusatz LIMIT 1");
  stmt.With(mandant.Nr1, mandant.Nr2, code);
  std::string name;
  if (stmt.Step()) name = stmt.Text(0);
  stmt.Reset();
  return name;
}

bool TKontoServer::KontoHatCode(const TIntPair& mandant, const std::string& kurzbez,
                                const std::string& zusatz, const std::vector<int>& codes) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT 1 FROM konten_codes WHERE firma1 = ? AND firma2 = ? AND code = ?"
      " AND kurz_bez = ? AND zusatz = ?");
  for (const int code : codes) {
    stmt.With(mandant.Nr1, mandant.Nr2, code, kurzbez, zusatz);
    const bool found = stmt.Step();
    stmt.Reset();
    if (found) return true;
  }
  return false;
}

const std::vector<int>& TKontoServer::BonusPartnerKontoCodes() {
  static const std::vector<int> codes = {37, 38, 40, 41, 47};
  return codes;
}
