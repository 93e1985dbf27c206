#include "app/SaldixBearbInhalt.h"

#include <cstdio>

#include "app/SaldixBearbZeile.h"
#include "suite/Text.h"

bool IstKontenabhaengigerInhalt(std::string_view key) {
  return qtx_strmatch(key, "KOMBIKUE") || qtx_strmatch(key, "GGKTOBEZ") ||
         qtx_strmatch(key, "KOMBIFIK") || qtx_strmatch(key, "KTOKUERZ");
}

const TListenBelegDaten& TInhaltQuelle::Beleg() {
  if (!belegGelesen_) {
    belegGelesen_ = true;
    if (satz_.BelegRNr != 0 || satz_.BelegLNr != 0) {
      beleg_ = belege_.GetBelegDaten(satz_.BelegRNr, satz_.BelegLNr, satz_.BelegSNr);
    }
  }
  return beleg_;
}

std::string TInhaltQuelle::KontoKuerzel() {
  const bool soll = satz_.BetragSoll - satz_.BetragHaben > 0.005L;
  std::string kuerzel = konten_.HoleExportKuerzel(satz_.GegenKtoName, soll);
  if (kuerzel.empty()) kuerzel = konten_.HoleExportKuerzel(satz_.KtoName, soll);
  return kuerzel;
}

namespace {

std::string Verbunden(const std::string& a, const std::string& b) {
  return Trim(a) + "-" + Trim(b);
}

std::string MitLeerzeichen(const std::string& a, const std::string& b) {
  return Trim(Trim(a) + " " + Trim(b));
}

std::string EigenesFeld(TInhaltFeld feld, TInhaltQuelle& q) {
  switch (feld) {
    case TInhaltFeld::Beleg1:
      return q.Satz().Beleg1;
    case TInhaltFeld::Beleg2:
      return q.Satz().Beleg2;
    case TInhaltFeld::Text:
      return q.Beschreibung;
  }
  return {};
}

std::string BelegNrMitArt(TInhaltQuelle& q, const std::string& nummer) {
  return MitLeerzeichen(q.Satz().Belegart, nummer);
}

bool IstGutschein(const std::string& belegart) {
  return belegart == "GS" || belegart == "G-";
}

std::string KassenberichtNr(TInhaltQuelle& q) {
  if (q.Satz().Belegart != "KB") return {};
  std::string sort;
  return q.Belege().GetKBNummer({q.Satz().BelegRNr, q.Satz().BelegLNr,
                                 static_cast<std::int16_t>(q.Satz().BelegSNr)},
                                sort);
}

std::string ZusammengesetzterWert(std::string_view key, TInhaltFeld feld, TInhaltQuelle& q) {
  const TBuchungsRohsatz& s = q.Satz();
  auto ist = [&](const char* k) { return qtx_strmatch(key, k); };
  if (key.empty() || ist("STANDARD")) return EigenesFeld(feld, q);
  if (ist("KEIN")) return {};
  if (ist("BELEGNR")) return Trim(q.Beleg().BelegNr);
  if (ist("BELEGNRMIT")) return BelegNrMitArt(q, q.Beleg().BelegNr);
  if (ist("BBELEGNRMIT")) {
    if (s.FiBuGVorfall == "AGU" || s.FiBuGVorfall == "ERT" || s.FiBuGVorfall == "ASG") {
      std::string sort;
      return BelegNrMitArt(q, q.Belege().GetVorgaengerBelegNr(s.BelegRNr, s.BelegLNr,
                                                              s.BelegSNr, sort));
    }
    return BelegNrMitArt(q, q.Beleg().BelegNr);
  }
  if (ist("FILIALE")) return std::to_string(s.Filiale);
  if (ist("ECBEIGS")) return q.Belege().GetZMBeiGutschein(s.Firma, {s.BelegRNr, s.BelegLNr});
  if (ist("ABRNR")) {
    const int jahr = ((q.AbrJahr() % 100) + 100) % 100;
    char text[8];
    std::snprintf(text, sizeof text, "%02d", jahr);
    return std::to_string(q.AbrNr()) + text;
  }
  if (ist("KOMBI")) return Verbunden(s.Beleg1, s.Beleg2);
  if (ist("KOMBIKUE")) return Verbunden(s.Beleg1, s.Beleg2) + q.KontoKuerzel();
  if (ist("GGKTOBEZ")) return Trim(q.GegenKtoBez);
  if (ist("KOMBIFIK")) {
    if (s.Filiale < 1) return q.KontoKuerzel();
    char text[16];
    std::snprintf(text, sizeof text, "#%02d ", s.Filiale);
    return text + q.KontoKuerzel();
  }
  if (ist("GEPNAME")) return Trim(q.GepName);
  if (ist("ORDERID")) return q.Belege().GetOrderID(s.BelegRNr, s.BelegLNr);
  if (ist("ORDERID7")) {
    const std::string id = q.Belege().GetOrderID(s.BelegRNr, s.BelegLNr);
    return id.size() > 7 ? id.substr(id.size() - 7) : id;
  }
  if (ist("ISOLAND")) return q.Belege().PartnerLandISO(s.GepNr);
  if (ist("BELEGNRGEPNAME")) return MitLeerzeichen(BelegNrMitArt(q, q.Beleg().BelegNr), q.GepName);
  if (ist("EXTBELEG")) return q.Beleg().BelegNrExt;
  if (ist("EXTBELEGGEPNAME")) return MitLeerzeichen(q.Beleg().BelegNrExt, q.GepName);
  if (ist("FILIALEDATUM")) return std::to_string(s.Filiale) + DatumJJMMTT(s.Belegdatum);
  if (ist("EXTINTGUTSCHEIN")) {
    if (!IstGutschein(s.Belegart)) return {};
    const std::string fremd = q.Belege().GetFremdGutscheinNr(
        s.KtoName, {s.BelegRNr, s.BelegLNr, static_cast<std::int16_t>(s.BelegSNr)});
    return fremd.empty() ? Trim(q.Beleg().BelegNr) : fremd;
  }
  if (ist("KTOKUERZ")) {
    if (q.Konten().SteuerschluesselNormOderReduziert(q.BU)) return {};
    const std::string kuerzel = q.KontoKuerzel();
    return kuerzel.empty() ? q.GegenKtoBez : kuerzel;
  }
  if (ist("KBNUMMER")) return KassenberichtNr(q);
  if (ist("RECHNERDATUM")) return std::to_string(s.BelegRNr) + "-" + DatumAlsAnzeige(s.Belegdatum);
  if (ist("RECHNERDATUMS")) return std::to_string(s.BelegRNr) + DatumJJMMTT(s.Belegdatum);
  if (ist("KBNRDATUM")) {
    if (s.Belegart != "KB") return {};
    return "Kassenabschluss " + KassenberichtNr(q) + " / " + DatumAlsAnzeige(s.Belegdatum);
  }
  // A key this program does not know keeps the booking's own value rather than losing it.
  return EigenesFeld(feld, q);
}

}  // namespace

std::string InhaltWert(std::string_view key, TInhaltFeld feld, TInhaltQuelle& quelle,
                       bool textAnhaengen) {
  std::string wert = ZusammengesetzterWert(key, feld, quelle);
  if (feld != TInhaltFeld::Text || !textAnhaengen) return wert;
  if (qtx_strmatch(key, "STANDARD") || qtx_strmatch(key, "LEER")) return wert;
  const std::string eigene = Trim(quelle.Beschreibung);
  if (eigene.empty() || wert.find(eigene) != std::string::npos) return wert;
  return wert.empty() ? eigene : wert + " " + eigene;
}
