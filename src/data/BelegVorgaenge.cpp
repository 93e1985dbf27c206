#include "data/BelegVorgaenge.h"

#include <algorithm>

#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/Text.h"
#include "suite/servers/Spalten.h"
#include "suite/servers/TLarMani.h"
#include "suite/servers/TZMUDMani.h"

namespace {

constexpr int kErsteKartenArt = 7;
constexpr int kLetzteKartenArt = 18;

}  // namespace

std::string GutscheinSchluessel(const TIntPair& ident) {
  return Format("%.9d%.9d", ident.Nr1, ident.Nr2);
}

std::string TBelegVorgaenge::GetZMBeiGutschein(const TIntPair& firma, const TIntPair& ident) {
  return Guarded("TSaldixDataModule.GetZMBeiGutschein", [&] {
    auto& lfnr = connection_.Cached(
        "SELECT trans_rnr, trans_lnr FROM lfnr "
        "WHERE firma1 = ? AND firma2 = ? AND art = 'GS' AND rnr = ? AND lnr = ?");
    lfnr.With(firma.Nr1, firma.Nr2, ident.Nr1, ident.Nr2);
    if (!lfnr.Step()) {
      lfnr.Reset();
      return std::string();
    }
    const TIntPair transaktion = PaarSpalte(lfnr, 0);
    lfnr.Reset();

    std::vector<std::string> kuerzel;
    auto& zm = connection_.Cached("SELECT zm_kuerzel FROM zm WHERE rnr = ? AND lnr = ? ORDER BY pos");
    zm.With(transaktion.Nr1, transaktion.Nr2);
    while (zm.Step()) kuerzel.push_back(zm.Text(0));
    zm.Reset();

    for (const auto& code : kuerzel) {
      const int art = Kuerzel_2_ZM(connection_, code);
      if (art == ZM_EC) return std::string("EC");
      if (art >= kErsteKartenArt && art <= kLetzteKartenArt) return code;
    }
    return std::string();
  });
}

std::string TBelegVorgaenge::GetFremdGutscheinNr(const std::string& konto, const TIntPair& ident) {
  return Guarded("TSaldixDataModule.GetFremdGutscheinNr", [&] {
    const std::string gesucht = Trim(konto);
    for (const auto& zahlungsmittel : TZMUDMani(connection_).Liste()) {
      if (!qtx_strmatch(Trim(zahlungsmittel.Konto), gesucht)) continue;
      if (zahlungsmittel.Art != 1 && zahlungsmittel.Art != 2) continue;
      if (!zahlungsmittel.Aktiv) continue;
      auto& zo =
          connection_.Cached("SELECT gutschein_nr FROM zo WHERE zm_kuerzel = ? AND ident = ?");
      zo.With(zahlungsmittel.Kuerzel, GutscheinSchluessel(ident));
      std::string nummer = zo.Step() ? zo.Text(0) : std::string();
      zo.Reset();
      return nummer;
    }
    return std::string();
  });
}

std::string TBelegVorgaenge::LaufendeNummer(const TIntPair& ident, const std::string& art,
                                            std::string& sort) {
  auto& stmt = connection_.Cached(
      "SELECT nummer1, nummer2 FROM lfnr WHERE rnr = ? AND lnr = ? AND art = ? "
      "ORDER BY firma1, firma2 LIMIT 1");
  stmt.With(ident.Nr1, ident.Nr2, art);
  std::string nummer;
  if (stmt.Step()) {
    const TIntPair teile = PaarSpalte(stmt, 0);
    nummer = Format("%d-%d", teile.Nr1, teile.Nr2);
    sort = Format("%.6d%.6d", teile.Nr1, teile.Nr2);
  }
  stmt.Reset();
  return nummer;
}

std::string TBelegVorgaenge::GetKBNummer(const TIntPair& ident, std::string& sort) {
  sort.clear();
  return Guarded("TSaldixDataModule.GetKBNummer",
                 [&] { return LaufendeNummer(ident, "KB", sort); });
}

std::string TBelegVorgaenge::GetLFNRNummer(const TIntPair& ident, const std::string& vorfall,
                                           std::string& sort) {
  sort.clear();
  return Guarded("TSaldixDataModule.GetLFNRNummer",
                 [&] { return LaufendeNummer(ident, vorfall, sort); });
}

TIntPair TBelegVorgaenge::KVZuDatumUndRechner(int rechner, TDateTime datum, bool istVonDatum) {
  return Guarded("TSaldixDataModule.KVZuDatumUndRechner", [&] {
    auto& stmt = connection_.Cached(
        istVonDatum
            ? "SELECT rnr, lnr FROM kv WHERE rnr = ? AND datum >= ? ORDER BY lnr LIMIT 1"
            : "SELECT rnr, nr2 FROM kv WHERE rnr = ? AND datum <= ? ORDER BY lnr DESC LIMIT 1");
    stmt.With(rechner, datum);
    const TIntPair bericht = stmt.Step() ? PaarSpalte(stmt, 0) : TIntPair{};
    stmt.Reset();
    return bericht;
  });
}

long double TBelegVorgaenge::KVZMBetrag(const TIntPair& ident) {
  return Guarded("TSaldixDataModule.KVZMBetrag", [&] {
    auto stmt = connection_.Prepare(
        "SELECT betrag, waehrung FROM kvzm WHERE kv_rnr = ? AND kv_lnr = ? ORDER BY pos");
    stmt->With(ident.Nr1, ident.Nr2);
    long double summe = 0;
    while (stmt->Step()) summe += umrechner_(stmt->Real(0), stmt->Text(1));
    return summe;
  });
}

std::vector<TIntTrio> TBelegVorgaenge::Leistungsarten(const char* filter1, const char* filter2) {
  TLarMani mani(connection_);
  auto liste = mani.Suchen(filter1);
  const auto weitere = mani.Suchen(filter2);
  liste.insert(liste.end(), weitere.begin(), weitere.end());
  return liste;
}

bool TBelegVorgaenge::LAR_Ist_Versand(const TIntTrio& larNr) {
  return Guarded("TSaldixDataModule.LAR_Ist_Versand", [&] {
    if (!FLARVersand) FLARVersand = Leistungsarten("VERSANDKOS", "FRACHTKOST");
    return std::find(FLARVersand->begin(), FLARVersand->end(), larNr) != FLARVersand->end();
  });
}

bool TBelegVorgaenge::LAR_Ist_Gutschein(const TIntTrio& larNr) {
  return Guarded("TSaldixDataModule.LAR_Ist_Gutschein", [&] {
    if (!FLARGutschein) FLARGutschein = Leistungsarten("EINLGUTSCH", "RABATTE");
    return std::find(FLARGutschein->begin(), FLARGutschein->end(), larNr) != FLARGutschein->end();
  });
}
