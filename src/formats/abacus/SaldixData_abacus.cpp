#include "formats/abacus/SaldixData_abacus.h"

#include "suite/QrReferenz.h"
#include "suite/Text.h"

namespace abacus {

const std::optional<TAbacusBelegkopf>& TSaldixData_abacus::Belegkopf(const TIntTrio& AIdent) {
  if (FKopfIdent == AIdent) return FKopf;
  auto& stmt = FConnection.Cached(
      "SELECT firma1, firma2, gep_nr1, gep_nr2, phase, nr_teil1, nr_teil2, nr_teil3, "
      // The header text is kept as document attribute 1.
      "COALESCE((SELECT wert FROM beleg_merkmale m WHERE m.rnr = b.rnr AND m.lnr = b.lnr "
      "AND m.snr = b.snr AND m.merkmal = 1), '') FROM belege b "
      "WHERE rnr = ? AND lnr = ? AND snr = ?");
  stmt.With(AIdent.RNr, AIdent.LNr, static_cast<int>(AIdent.SNr));
  FKopf.reset();
  if (stmt.Step()) {
    TAbacusBelegkopf kopf;
    kopf.Firma = {static_cast<std::int32_t>(stmt.Int(0)), static_cast<std::int32_t>(stmt.Int(1))};
    kopf.GepNr = {static_cast<std::int32_t>(stmt.Int(2)), static_cast<std::int32_t>(stmt.Int(3))};
    kopf.Phase = stmt.Text(4);
    kopf.NrTeil1 = static_cast<int>(stmt.Int(5));
    kopf.NrTeil2 = static_cast<int>(stmt.Int(6));
    kopf.NrTeil3 = static_cast<int>(stmt.Int(7));
    kopf.Kopftext = stmt.Text(8);
    FKopf = std::move(kopf);
  }
  stmt.Reset();
  FKopfIdent = AIdent;
  return FKopf;
}

TIntPair TSaldixData_abacus::Partner(const TIntTrio& AIdent, const TIntPair& AGepNr) {
  const auto& kopf = Belegkopf(AIdent);
  if (kopf && !kopf->GepNr.IsEmpty()) return kopf->GepNr;
  return AGepNr;
}

long long TSaldixData_abacus::GetAbacusKundennr(const TIntTrio& AIdent, const TIntPair& AGepNr,
                                                long long AKundenNrMax, long long AKundenNrMin) {
  const TIntPair partner = Partner(AIdent, AGepNr);
  if (partner.IsEmpty()) return 0;
  const auto imBereich = [&](long long nummer) {
    return nummer >= AKundenNrMin && nummer <= AKundenNrMax;
  };
  if (const auto it = FKundennummern.find(partner); it != FKundennummern.end() && imBereich(it->second)) {
    return it->second;
  }
  const auto gespeichert = FNummern.SpezNummer4Gep(partner, CQTX_Abacus_Kundennummer);
  if (gespeichert && imBereich(*gespeichert)) return FKundennummern[partner] = *gespeichert;
  const long long neu =
      FNummern.SpezNummer4MerkmalNext(CQTX_Abacus_Kundennummer, AKundenNrMin, AKundenNrMax);
  if (neu < 0) return -1;
  FNummern.SpezNummer4GepInsert(partner, CQTX_Abacus_Kundennummer, neu);
  return FKundennummern[partner] = neu;
}

void TSaldixData_abacus::MerkmalAbacusAnlegen() {
  FNummern.NewNummerFix(CQTX_Abacus_Kundennummer, "Abacus-Kundennummer", "cccccccccccc");
}

int TSaldixData_abacus::GetVEXAKundennr(const TIntTrio& AIdent, const TIntPair& AMandNr,
                                        const TIntPair& AGepNr) {
  const auto& kopf = Belegkopf(AIdent);
  TIntPair partner;
  if (kopf && !kopf->GepNr.IsEmpty() && !kopf->Firma.IsEmpty()) {
    partner = kopf->GepNr;
  } else if (!AGepNr.IsEmpty() && !AMandNr.IsEmpty()) {
    partner = AGepNr;
  } else {
    return -1;
  }
  auto& stmt = FConnection.Cached("SELECT kunden_nr FROM partner WHERE gep_nr1 = ? AND gep_nr2 = ?");
  stmt.With(partner.Nr1, partner.Nr2);
  const int nummer = stmt.Step() ? static_cast<int>(stmt.Int(0)) : -1;
  stmt.Reset();
  return nummer;
}

std::optional<TAdresse> TSaldixData_abacus::GetAdresse(const TIntTrio& AIdent, const TIntPair& AGepNr) {
  const TIntPair partner = Partner(AIdent, AGepNr);
  if (partner.IsEmpty()) return std::nullopt;
  auto& stmt = FConnection.Cached(
      "SELECT COALESCE(a.vorname, ''), COALESCE(NULLIF(a.name, ''), p.name), "
      "COALESCE(a.strasse, ''), COALESCE(a.hausnummer, ''), "
      "COALESCE(NULLIF(a.land, ''), p.land), COALESCE(a.plz, ''), COALESCE(a.ort, '') "
      "FROM partner p LEFT JOIN partner_adressen a ON a.gep_nr1 = p.gep_nr1 "
      "AND a.gep_nr2 = p.gep_nr2 AND a.adr_nr = (SELECT MIN(adr_nr) FROM partner_adressen "
      "WHERE gep_nr1 = p.gep_nr1 AND gep_nr2 = p.gep_nr2) "
      "WHERE p.gep_nr1 = ? AND p.gep_nr2 = ?");
  stmt.With(partner.Nr1, partner.Nr2);
  std::optional<TAdresse> adresse;
  if (stmt.Step()) adresse = AdresseAusZeile(stmt, 0);
  stmt.Reset();
  return adresse;
}

std::optional<TAbacusKontakt> TSaldixData_abacus::GetKontakt(const TIntTrio& AIdent,
                                                            const TIntPair& AGepNr) {
  const TIntPair partner = Partner(AIdent, AGepNr);
  if (partner.IsEmpty()) return std::nullopt;
  auto& stmt = FConnection.Cached(
      "SELECT name, telefon, email FROM partner_kontakte WHERE gep_nr1 = ? AND gep_nr2 = ? "
      "ORDER BY kontakt_nr LIMIT 1");
  stmt.With(partner.Nr1, partner.Nr2);
  std::optional<TAbacusKontakt> kontakt;
  if (stmt.Step()) kontakt = TAbacusKontakt{stmt.Text(0), stmt.Text(1), stmt.Text(2)};
  stmt.Reset();
  return kontakt;
}

int TSaldixData_abacus::GetAnrede(const TIntTrio& AIdent, const TIntPair& AGepNr) {
  const TIntPair partner = Partner(AIdent, AGepNr);
  if (partner.IsEmpty()) return 3;
  auto& stmt = FConnection.Cached("SELECT anrede FROM partner WHERE gep_nr1 = ? AND gep_nr2 = ?");
  stmt.With(partner.Nr1, partner.Nr2);
  const std::string kennzeichen = stmt.Step() ? Trim(stmt.Text(0)) : std::string();
  stmt.Reset();
  if (kennzeichen == "M") return 1;
  if (kennzeichen == "W") return 2;
  return 3;
}

std::string TSaldixData_abacus::GetVEXABelegnr(const TIntTrio& AIdent) {
  const auto& kopf = Belegkopf(AIdent);
  if (!kopf) return {};
  return Formatiere_QR_Belegnummer(kopf->NrTeil1, kopf->NrTeil2, kopf->NrTeil3);
}

std::string TSaldixData_abacus::GetRechnungGutschrift(const TIntTrio& AIdent) {
  const auto& kopf = Belegkopf(AIdent);
  if (!kopf) return {};
  const std::string phase = Trim(kopf->Phase);
  if (phase == "13" || phase == "26") return "R";
  if (phase == "14" || phase == "17" || phase == "29") return "G";
  return {};
}

bool TSaldixData_abacus::VorfallAusOC(const std::string& AVorfall) {
  return AVorfall == "ARE" || AVorfall == "ELA" || AVorfall == "AGU" || AVorfall == "ASG" ||
         AVorfall == "ERT";
}

std::string TSaldixData_abacus::GetKopftext(const TIntTrio& AIdent) {
  const auto& kopf = Belegkopf(AIdent);
  return kopf ? kopf->Kopftext : std::string();
}

}  // namespace abacus
