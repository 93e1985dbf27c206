#include "suite/servers/TAlleingServer.h"

#include <cmath>

#include "suite/DateTime.h"
#include "suite/SuiteDatabase.h"

namespace {

constexpr const char* kSpalten = "kurz_bez, zusatz, bezeichnung, nummer, art, bilanz_kz, gueltig_ab";

char Zeichen(const std::string& text) { return text.empty() ? ' ' : text.front(); }

TQTX_Fibukonto Lesen(suitedb::Statement& stmt) {
  TQTX_Fibukonto konto;
  konto.Kurzbez = stmt.Text(0);
  konto.Zusatz = stmt.Text(1);
  konto.Bezeichnung = stmt.Text(2);
  konto.Nummer = static_cast<int>(stmt.Int(3));
  konto.Art = Zeichen(stmt.Text(4));
  konto.Bilanzkennzeichen = Zeichen(stmt.Text(5));
  konto.GueltigAb = stmt.Real(6);
  return konto;
}

}  // namespace

double KontenStichtag(TDateTime datum) {
  return std::floor(datum != 0 ? datum : qtx_Date()) + 0.99999;
}

std::optional<TQTX_Fibukonto> TAlleingServer::GetFibukonto(const TIntPair& mandant,
                                                           const std::string& kurzbez,
                                                           const std::string& zusatz, int rechner,
                                                           int filiale, TDateTime datum) {
  auto& stmt = SuiteDatabase::Get().Cached(
      std::string("SELECT ") + kSpalten +
      " FROM konten WHERE firma1 = ?1 AND firma2 = ?2 AND kurz_bez = ?3 AND zusatz = ?4"
      " AND gueltig_ab <= ?5 AND rechner IN (0, ?6) AND filiale IN (0, ?7)"
      " ORDER BY rechner <> 0 DESC, filiale <> 0 DESC, gueltig_ab DESC LIMIT 1");
  stmt.With(mandant.Nr1, mandant.Nr2, kurzbez, zusatz, KontenStichtag(datum), rechner, filiale);
  std::optional<TQTX_Fibukonto> konto;
  if (stmt.Step()) konto = Lesen(stmt);
  stmt.Reset();
  return konto;
}

void TAlleingServer::FibukontoGueltigkeit(const TIntPair& mandant, const std::string& kurzbez,
                                          const std::string& zusatz, int rechner, int filiale,
                                          TDateTime datum, double& ab, double& bis) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT MAX(CASE WHEN gueltig_ab <= ?5 THEN gueltig_ab END),"
      " MIN(CASE WHEN gueltig_ab > ?5 THEN gueltig_ab END)"
      " FROM konten WHERE firma1 = ?1 AND firma2 = ?2 AND kurz_bez = ?3 AND zusatz = ?4"
      " AND rechner IN (0, ?6) AND filiale IN (0, ?7)");
  stmt.With(mandant.Nr1, mandant.Nr2, kurzbez, zusatz, KontenStichtag(datum), rechner, filiale);
  ab = -1;
  bis = 0;
  if (stmt.Step()) {
    if (!stmt.IsNull(0)) ab = stmt.Real(0);
    if (!stmt.IsNull(1)) bis = stmt.Real(1);
  }
  stmt.Reset();
}

std::optional<TQTX_Fibukonto> TAlleingServer::GetFibukontoZuNummer(const TIntPair& mandant,
                                                                   int nummer, TDateTime datum) {
  auto& stmt = SuiteDatabase::Get().Cached(
      std::string("SELECT ") + kSpalten +
      " FROM konten WHERE firma1 = ?1 AND firma2 = ?2 AND nummer = ?3 AND gueltig_ab <= ?4"
      " ORDER BY gueltig_ab DESC, rechner, filiale LIMIT 1");
  stmt.With(mandant.Nr1, mandant.Nr2, nummer, KontenStichtag(datum));
  std::optional<TQTX_Fibukonto> konto;
  if (stmt.Step()) konto = Lesen(stmt);
  stmt.Reset();
  return konto;
}

std::vector<TQTX_Fibukonto> TAlleingServer::GetFibukontenListe(const TIntPair& mandant,
                                                               TDateTime datum) {
  // The latest version of each account (any computer and branch) valid at the date.
  auto stmt = SuiteDatabase::Get().Prepare(
      std::string("SELECT ") + kSpalten +
      " FROM konten k WHERE firma1 = ?1 AND firma2 = ?2 AND rechner = 0 AND filiale = 0"
      " AND gueltig_ab = (SELECT MAX(gueltig_ab) FROM konten j WHERE j.firma1 = k.firma1"
      " AND j.firma2 = k.firma2 AND j.kurz_bez = k.kurz_bez AND j.zusatz = k.zusatz"
      " AND j.rechner = 0 AND j.filiale = 0 AND j.gueltig_ab <= ?3)"
      " ORDER BY nummer, kurz_bez, zusatz");
  stmt->With(mandant.Nr1, mandant.Nr2, KontenStichtag(datum));
  std::vector<TQTX_Fibukonto> liste;
  while (stmt->Step()) liste.push_back(Lesen(*stmt));
  return liste;
}
