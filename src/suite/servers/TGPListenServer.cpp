#include "suite/servers/TGPListenServer.h"

std::string TGPListenServer::GetName(const TIntPair& gepNr) {
  auto& partner = connection_.Cached("SELECT name FROM partner WHERE gep_nr1 = ? AND gep_nr2 = ?");
  partner.With(gepNr.Nr1, gepNr.Nr2);
  if (partner.Step()) {
    std::string name = partner.Text(0);
    partner.Reset();
    return name;
  }
  auto& mandant =
      connection_.Cached("SELECT name FROM mandanten WHERE firma1 = ? AND firma2 = ?");
  mandant.With(gepNr.Nr1, gepNr.Nr2);
  std::string name = mandant.Step() ? mandant.Text(0) : std::string();
  mandant.Reset();
  return name;
}

int TGPListenServer::GetKundennummer(const TIntPair& gepNr) {
  auto& stmt =
      connection_.Cached("SELECT kunden_nr FROM partner WHERE gep_nr1 = ? AND gep_nr2 = ?");
  stmt.With(gepNr.Nr1, gepNr.Nr2);
  const int nummer = stmt.Step() ? static_cast<int>(stmt.Int(0)) : 0;
  stmt.Reset();
  return nummer;
}

std::string TGPListenServer::GetLand(const TIntPair& gepNr, int adresse) {
  auto& stmt = connection_.Cached(
      "SELECT COALESCE(NULLIF(a.land, ''), p.land) FROM partner p "
      "LEFT JOIN partner_adressen a ON a.gep_nr1 = p.gep_nr1 AND a.gep_nr2 = p.gep_nr2 "
      "AND a.adr_nr = ? WHERE p.gep_nr1 = ? AND p.gep_nr2 = ?");
  stmt.With(adresse, gepNr.Nr1, gepNr.Nr2);
  std::string land = stmt.Step() ? stmt.Text(0) : std::string();
  stmt.Reset();
  return land;
}

std::optional<TAdresse> TGPListenServer::GetAdresse(const TIntPair& gepNr) {
  auto& stmt = connection_.Cached(
      "SELECT COALESCE(a.vorname, ''), COALESCE(NULLIF(a.name, ''), p.name), "
      "COALESCE(a.strasse, ''), COALESCE(a.hausnummer, ''), "
      "COALESCE(NULLIF(a.land, ''), p.land), COALESCE(a.plz, ''), COALESCE(a.ort, '') "
      "FROM partner p LEFT JOIN partner_adressen a ON a.gep_nr1 = p.gep_nr1 "
      "AND a.gep_nr2 = p.gep_nr2 AND a.adr_nr = (SELECT MIN(adr_nr) FROM partner_adressen "
      "WHERE gep_nr1 = p.gep_nr1 AND gep_nr2 = p.gep_nr2) "
      "WHERE p.gep_nr1 = ? AND p.gep_nr2 = ?");
  stmt.With(gepNr.Nr1, gepNr.Nr2);
  std::optional<TAdresse> adresse;
  if (stmt.Step()) adresse = AdresseAusZeile(stmt, 0);
  stmt.Reset();
  return adresse;
}
