#include "data/FilialQuellen.h"

namespace {

template <typename... Args>
std::optional<int> ErsteZahl(suitedb::Connection& connection, const char* sql,
                             const Args&... args) {
  auto& stmt = connection.Cached(sql);
  stmt.With(args...);
  std::optional<int> wert;
  if (stmt.Step()) wert = static_cast<int>(stmt.Int(0));
  stmt.Reset();
  return wert;
}

}  // namespace

std::optional<int> TFilialQuellenSuite::KassenberichtFiliale(int rnr, int lnr) {
  return ErsteZahl(quellen_.Connection(), "SELECT filiale FROM kv WHERE rnr = ? AND lnr = ?", rnr,
                   lnr);
}

std::optional<int> TFilialQuellenSuite::VerkaufFiliale(const TIntPair& firma, int rnr, int lnr) {
  return ErsteZahl(quellen_.Connection(),
                   "SELECT filiale FROM lst WHERE firma1 = ? AND firma2 = ? AND rnr = ? AND "
                   "lnr = ? AND snr = 0",
                   firma.Nr1, firma.Nr2, rnr, lnr);
}

int TFilialQuellenSuite::RechnerFiliale(int rechner) {
  return quellen_.GFRHelper().GetFilialeByRechner(rechner);
}

int TFilialQuellenSuite::BelegFiliale(int belegRNr, int belegLNr) {
  return belege_.GetFilialeAusBeleg(belegRNr, belegLNr);
}
