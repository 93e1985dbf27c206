#include "suite/servers/TGpNummern.h"

#include <map>
#include <set>
#include <tuple>

#include "suite/Format.h"
#include "suite/SimpleMask.h"
#include "suite/SuiteDatabase.h"
#include "suite/Text.h"

namespace {

// Numbers handed out while this process holds the write lock (an export's bookkeeping on
// another connection): they count at once and are stored when the lock ends.
using TWartend = std::map<std::tuple<TIntPair, TIntPair>, long long>;  // (feature, partner)
TWartend& Wartend() {
  static TWartend wartend;
  return wartend;
}

void WartendeSchreiben() {
  auto& db = SuiteDatabase::Get();
  for (const auto& [schluessel, nummer] : Wartend()) {
    const auto& [merkmal, gepNr] = schluessel;
    db.Cached("INSERT OR REPLACE INTO partner_nummern (gep_nr1, gep_nr2, art1, art2, nummer) "
              "VALUES (?, ?, ?, ?, ?)")
        .With(gepNr.Nr1, gepNr.Nr2, merkmal.Nr1, merkmal.Nr2, std::to_string(nummer))
        .Run();
  }
  Wartend().clear();
}

}  // namespace

void TGpNummern::NewNummerFix(const TIntPair& merkmal, const std::string& bezeichnung,
                              const std::string& maske) {
  TSimpleMask merkmale("SUITE", "GPNUMMERN");
  const std::string index = qtx_TIntPair2String(merkmal);
  if (!merkmale.ReadByIndexDef(index, "BEZEICHNUNG", "").empty()) return;
  auto schreiben = [merkmale, index, bezeichnung, maske]() mutable {
    merkmale.WriteByIndex(index, "BEZEICHNUNG", bezeichnung);
    merkmale.WriteByIndex(index, "MASKE", maske);
  };
  static const char kSchluessel = 0;
  if (!SuiteDatabase::DeferWhileLocked(&kSchluessel, schreiben)) schreiben();
}

std::optional<long long> TGpNummern::SpezNummer4Gep(const TIntPair& gepNr, const TIntPair& merkmal) {
  if (const auto it = Wartend().find({merkmal, gepNr}); it != Wartend().end()) return it->second;
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
  std::set<long long> belegt;
  while (stmt.Step()) belegt.insert(stmt.Int(0));
  stmt.Reset();
  for (const auto& [schluessel, nummer] : Wartend()) {
    if (std::get<0>(schluessel) == merkmal) belegt.insert(nummer);
  }
  long long frei = von;
  for (const long long nummer : belegt) {
    if (nummer > frei) break;
    if (nummer == frei) ++frei;
  }
  return frei <= bis ? frei : -1;
}

void TGpNummern::SpezNummer4GepInsert(const TIntPair& gepNr, const TIntPair& merkmal, long long nummer) {
  Wartend()[{merkmal, gepNr}] = nummer;
  if (SuiteDatabase::DeferWhileLocked(&Wartend(), WartendeSchreiben)) return;
  Wartend().erase({merkmal, gepNr});
  connection_
      .Cached("INSERT OR REPLACE INTO partner_nummern (gep_nr1, gep_nr2, art1, art2, nummer) "
              "VALUES (?, ?, ?, ?, ?)")
      .With(gepNr.Nr1, gepNr.Nr2, merkmal.Nr1, merkmal.Nr2, std::to_string(nummer))
      .Run();
}
