#include "suite/servers/TGlobKonten.h"

#include "suite/servers/TAlleingServer.h"
#include "suite/SuiteDatabase.h"

namespace {

// Accounts valid for any computer and branch, latest version at the day first.
constexpr const char* kKontoDesMandanten =
    " FROM konten k JOIN mandanten m ON m.firma1 = k.firma1 AND m.firma2 = k.firma2"
    " WHERE m.kurz_nr = ?1 AND k.kurz_bez = ?2 AND k.zusatz = ?3 AND k.gueltig_ab <= ?4"
    " AND k.rechner = 0 AND k.filiale = 0 ORDER BY k.gueltig_ab DESC LIMIT 1";

}  // namespace

int TGlobKonten::GetMandKonto_Nummer(int mandKurzNr, const std::string& kurzbez, TDateTime datum,
                                     const std::string& zusatz) {
  auto& stmt = SuiteDatabase::Get().Cached(std::string("SELECT k.nummer") + kKontoDesMandanten);
  stmt.With(mandKurzNr, kurzbez, zusatz, KontenStichtag(datum));
  const int nummer = stmt.Step() ? static_cast<int>(stmt.Int(0)) : -1;
  stmt.Reset();
  return nummer;
}

std::string TGlobKonten::GetMandKonto_Bezeichung(int mandKurzNr, const std::string& kurzbez,
                                                 const std::string& zusatz) {
  auto& stmt = SuiteDatabase::Get().Cached(std::string("SELECT k.bezeichnung") + kKontoDesMandanten);
  stmt.With(mandKurzNr, kurzbez, zusatz, KontenStichtag(0));
  std::string text;
  if (stmt.Step()) text = stmt.Text(0);
  stmt.Reset();
  return text;
}
