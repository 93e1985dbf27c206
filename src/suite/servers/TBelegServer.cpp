#include "suite/servers/TBelegServer.h"

#include <string_view>

#include "suite/Format.h"
#include "suite/servers/Spalten.h"

namespace {

TIntTrio TrioSpalte(const suitedb::Statement& stmt, int column) {
  return {Int32Spalte(stmt, column), Int32Spalte(stmt, column + 1),
          static_cast<std::int16_t>(stmt.Int(column + 2))};
}

TBelegKopf KopfAusZeile(const suitedb::Statement& s) {
  TBelegKopf kopf;
  kopf.Ident = TrioSpalte(s, 0);
  kopf.Firma = PaarSpalte(s, 3);
  kopf.GepNr = PaarSpalte(s, 5);
  kopf.Orge = Int32Spalte(s, 7);
  kopf.Belegart = s.Text(8);
  kopf.Datum = s.Real(9);
  kopf.NrPraefix = s.Text(10);
  kopf.NrTeil1 = Int32Spalte(s, 11);
  kopf.NrTeil2 = Int32Spalte(s, 12);
  kopf.NrTeil3 = Int32Spalte(s, 13);
  kopf.FormatKz = Int32Spalte(s, 14);
  kopf.NrExtern = s.Text(15);
  kopf.DokumentenNr = s.Text(16);
  kopf.OrderID = s.Text(17);
  kopf.LieferLand = s.Text(18);
  kopf.LieferGepNr = PaarSpalte(s, 19);
  kopf.LieferAdrNr = Int32Spalte(s, 21);
  kopf.SteuerLand = s.Text(22);
  kopf.Vorgaenger = TrioSpalte(s, 23);
  kopf.HerkunftKz = s.Text(26);
  kopf.Zahlungsart = s.Text(27);
  kopf.Subherkunft = s.Text(28);
  return kopf;
}

constexpr std::string_view kKopfSpalten =
    "SELECT rnr, lnr, snr, firma1, firma2, gep_nr1, gep_nr2, orge, belegart, datum, "
    "nr_praefix, nr_teil1, nr_teil2, nr_teil3, format_kz, nr_extern, dokumenten_nr, order_id, "
    "liefer_land, liefer_gep_nr1, liefer_gep_nr2, liefer_adr_nr, steuer_land, "
    "vorg_rnr, vorg_lnr, vorg_snr, herkunft_kz, zahlungsart, subherkunft FROM belege ";

const std::string& KopfSql() {
  static const std::string sql = std::string(kKopfSpalten) + "WHERE rnr = ? AND lnr = ? AND snr = ?";
  return sql;
}

TBelegZahlungsbedingung BedingungAusZeile(const suitedb::Statement& s, int column) {
  return {Int32Spalte(s, column), Int32Spalte(s, column + 1), s.Real(column + 2),
          s.Real(column + 3)};
}

TBelegSteuer SteuerAusZeile(const suitedb::Statement& s, int column) {
  return {Int32Spalte(s, column), s.Real(column + 1)};
}

}  // namespace

bool TBelegServer::Lesen(const TIntTrio& ident, bool komplett) {
  ++lesevorgaenge_;
  aktuell_.reset();
  auto& stmt = connection_.Cached(KopfSql());
  stmt.With(ident.RNr, ident.LNr, static_cast<int>(ident.SNr));
  if (!stmt.Step()) {
    stmt.Reset();
    return false;
  }
  TBeleg beleg;
  beleg.Kopf = KopfAusZeile(stmt);
  stmt.Reset();
  if (komplett) KomplettLesen(beleg);
  aktuell_ = std::move(beleg);
  return true;
}

void TBelegServer::KomplettLesen(TBeleg& beleg) {
  const TIntTrio& id = beleg.Kopf.Ident;
  const int snr = id.SNr;
  auto& positionen = connection_.Cached(
      "SELECT pos, artikel, menge, betrag, lar_rnr, lar_lnr, lar_snr FROM beleg_positionen "
      "WHERE rnr = ? AND lnr = ? AND snr = ? ORDER BY pos");
  positionen.With(id.RNr, id.LNr, snr);
  while (positionen.Step()) {
    beleg.Positionen.push_back({Int32Spalte(positionen, 0), positionen.Text(1),
                                positionen.Real(2), positionen.Real(3),
                                TrioSpalte(positionen, 4)});
  }
  auto& bedingungen = connection_.Cached(
      "SELECT art, tage, prozent, datum FROM beleg_zahlungsbedingungen "
      "WHERE rnr = ? AND lnr = ? AND snr = ? ORDER BY pos");
  bedingungen.With(id.RNr, id.LNr, snr);
  while (bedingungen.Step()) beleg.Zahlungsbedingungen.push_back(BedingungAusZeile(bedingungen, 0));
  auto& steuern = connection_.Cached(
      "SELECT satz, betrag FROM beleg_steuern WHERE rnr = ? AND lnr = ? AND snr = ? ORDER BY pos");
  steuern.With(id.RNr, id.LNr, snr);
  while (steuern.Step()) beleg.Steuern.push_back(SteuerAusZeile(steuern, 0));
}

std::vector<TBeleg> TBelegServer::BereichLesen(int rnr, int lnrVon, int lnrBis) {
  ++lesevorgaenge_;
  std::vector<TBeleg> belege;
  static const std::string kBereichSql =
      std::string(kKopfSpalten) + "WHERE rnr = ? AND lnr BETWEEN ? AND ? AND snr = 0 ORDER BY lnr";
  auto& koepfe = connection_.Cached(kBereichSql);
  koepfe.With(rnr, lnrVon, lnrBis);
  while (koepfe.Step()) belege.push_back({KopfAusZeile(koepfe), {}, {}, {}});
  if (belege.empty()) return belege;
  // The lines of the whole range come in number order; each goes to its document. The lines
  // are read in key order: with "snr = 0" the planner would drop snr from the order and sort
  // each document's lines again.
  auto verteilen = [&](const char* sql, auto&& anhaengen) {
    auto& zeilen = connection_.Cached(sql);
    zeilen.With(rnr, lnrVon, lnrBis);
    std::size_t i = 0;
    while (zeilen.Step()) {
      const std::int32_t lnr = Int32Spalte(zeilen, 0);
      while (i < belege.size() && belege[i].Kopf.Ident.LNr < lnr) ++i;
      if (i < belege.size() && belege[i].Kopf.Ident.LNr == lnr) anhaengen(belege[i], zeilen);
    }
  };
  verteilen(
      "SELECT lnr, art, tage, prozent, datum FROM beleg_zahlungsbedingungen WHERE rnr = ? AND "
      "lnr BETWEEN ? AND ? AND snr + 0 = 0 ORDER BY lnr, snr, pos",
      [](TBeleg& beleg, const suitedb::Statement& s) {
        beleg.Zahlungsbedingungen.push_back(BedingungAusZeile(s, 1));
      });
  verteilen(
      "SELECT lnr, satz, betrag FROM beleg_steuern WHERE rnr = ? AND lnr BETWEEN ? AND ? AND "
      "snr + 0 = 0 ORDER BY lnr, snr, pos",
      [](TBeleg& beleg, const suitedb::Statement& s) {
        beleg.Steuern.push_back(SteuerAusZeile(s, 1));
      });
  return belege;
}

std::optional<TIntTrio> TBelegServer::GetVorgaenger(const TIntTrio& ident) {
  auto& stmt = connection_.Cached(
      "SELECT vorg_rnr, vorg_lnr, vorg_snr FROM belege WHERE rnr = ? AND lnr = ? AND snr = ?");
  stmt.With(ident.RNr, ident.LNr, static_cast<int>(ident.SNr));
  std::optional<TIntTrio> vorgaenger;
  if (stmt.Step()) {
    const TIntTrio gelesen = TrioSpalte(stmt, 0);
    if (!gelesen.IsEmpty()) vorgaenger = gelesen;
  }
  stmt.Reset();
  return vorgaenger;
}

std::optional<TAdresse> TBelegServer::Lieferadresse(const TIntTrio& ident) {
  auto& stmt = connection_.Cached(
      "SELECT vorname, name, strasse, hausnummer, land, plz, ort FROM beleg_lieferadressen "
      "WHERE rnr = ? AND lnr = ? AND snr = ?");
  stmt.With(ident.RNr, ident.LNr, static_cast<int>(ident.SNr));
  std::optional<TAdresse> adresse;
  if (stmt.Step()) adresse = AdresseAusZeile(stmt, 0);
  stmt.Reset();
  return adresse;
}

std::string Formatiere_Belegnummer(const TBelegKopf& kopf, bool formatiert) {
  return Format(formatiert ? "%s%d-%.4d-%.6d" : "%s%d%.4d%.6d", kopf.NrPraefix, kopf.NrTeil1,
                kopf.NrTeil2, kopf.NrTeil3);
}
