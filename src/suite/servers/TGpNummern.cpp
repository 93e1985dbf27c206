#include "suite/servers/TGpNummern.h"

#include "suite/Format.h"
#include "suite/SimpleMask.h"
#include "suite/Text.h"

void TGpNummern::NewNummerFix(const TIntPair& merkmal, const std::string& bezeichnung,
                              const std::string& maske) {
  TSimpleMask merkmale("SUITE", "GPNUMMERN");
  const std::string index = qtx_TIntPair2String(merkmal);
  if (!merkmale.ReadByIndexDef(index, "BEZEICHNUNG", "").empty()) return;
  merkmale.WriteByIndex(index, "BEZEICHNUNG", bezeichnung);
  merkmale.WriteByIndex(index, "MASKE", maske);
}

std::optional<long long> TGpNummern::SpezNummer4Gep(const TIntPair& gepNr, const TIntPair& merkmal) {
  auto& stmt = connection_.Cached(
      "SELECT nummer FROM partner_nummern WHERE gep_nr1 = ? AND gep_nr2 = ? AND art1 = ? AND art2 = ?");
  stmt.With(gepNr.Nr1, gepNr.Nr2, merkmal.Nr1, merkmal.Nr2);
  std::optional<long long> nummer;
  if (stmt.Step()) {
    const std::string text = Trim(stmt.Text(0));
    const long long wert = StrToInt64Def(text, -1);
    if (wert >= 0 && !text.empty()) nummer = wert;
  }
  stmt.Reset();
  return nummer;
}

long long TGpNummern::SpezNummer4MerkmalNext(const TIntPair& merkmal, long long von, long long bis) {
  if (von > bis) return -1;
  // The numbers held in the range, in order: the first gap is the next free number.
  auto& stmt = connection_.Cached(
      "SELECT DISTINCT CAST(nummer AS INTEGER) AS n FROM partner_nummern "
      "WHERE art1 = ? AND art2 = ? AND trim(nummer) GLOB '[0-9]*' "
      "AND CAST(nummer AS INTEGER) BETWEEN ? AND ? ORDER BY n");
  stmt.With(merkmal.Nr1, merkmal.Nr2, static_cast<std::int64_t>(von), static_cast<std::int64_t>(bis));
  long long frei = von;
  while (stmt.Step()) {
    const long long belegt = stmt.Int(0);
    if (belegt > frei) break;
    if (belegt == frei) ++frei;
  }
  stmt.Reset();
  return frei <= bis ? frei : -1;
}

void TGpNummern::SpezNummer4GepInsert(const TIntPair& gepNr, const TIntPair& merkmal, long long nummer) {
  connection_
      .Cached("INSERT OR REPLACE INTO partner_nummern (gep_nr1, gep_nr2, art1, art2, nummer) "
              "VALUES (?, ?, ?, ?, ?)")
      .With(gepNr.Nr1, gepNr.Nr2, merkmal.Nr1, merkmal.Nr2, std::to_string(nummer))
      .Run();
}
