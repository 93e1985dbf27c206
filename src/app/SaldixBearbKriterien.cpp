#include "app/SaldixBearbKriterien.h"

#include <array>
#include <cstdio>

#include "suite/DateTime.h"
#include "suite/Text.h"

namespace {

using D = TGruppenDatum;
using R = TBeschreibungsRegel;

const std::array<TKriterium, 11>& Tabelle() {
  static const std::array<TKriterium, 11> tabelle{{
      {"FILIALE", "Filiale", {Sp::BU, Sp::Filiale}, D::Monatsende, R::Filiale},
      {"FILIALEDATUM", "Belegdatum-Filiale", {Sp::BU, Sp::Belegdatum, Sp::Filiale},
       D::Gemeinsam, R::FilialeDatum},
      {"RECHNER", "Rechner", {Sp::BU, Sp::BelegRNr}, D::Monatsende, R::Rechner},
      {"RECHNERDATUM", "Belegdatum-Rechner", {Sp::BU, Sp::Belegdatum, Sp::BelegRNr},
       D::Gemeinsam, R::RechnerDatum},
      // Meant as accounts, tax key, date, computer and debit/credit side.
      {"RECHNERDATUMSH", "Belegdatum-Rechner-SollHaben",
       {Sp::BU, Sp::Belegdatum, Sp::BelegRNr, Sp::SollHaben}, D::Gemeinsam, R::RechnerDatum},
      {"DATUM", "Belegdatum", {Sp::BU, Sp::Belegdatum}, D::Gemeinsam, R::Datum},
      {"BELEGDATUM", "Belegdatum-Beleg1-Beleg2", {Sp::BU, Sp::Belegdatum, Sp::Beleg1, Sp::Beleg2},
       D::Gemeinsam, R::BelegDatum},
      {"BELEGUSTID", "Belegdatum-Beleg1-Beleg2", {Sp::BU, Sp::Belegdatum, Sp::Beleg1, Sp::Beleg2},
       D::Gemeinsam, R::BelegDatum},
      {"RECHNEREU", "Rechner-EU-Land-Steuersatz", {Sp::BU, Sp::BelegRNr, Sp::EULand, Sp::EUSteuer},
       D::Monatsende, R::Keine},
      {"EU", "EU-Land-Steuersatz", {Sp::BU, Sp::EULand, Sp::EUSteuer}, D::Monatsende, R::Keine},
      {"", "Konto-Kombination", {Sp::BU}, D::Monatsende, R::Keine},
  }};
  return tabelle;
}

std::string Zahl(long long wert) { return std::to_string(wert); }

}  // namespace

const TKriterium& KriteriumZu(std::string_view kriterien) {
  const auto& tabelle = Tabelle();
  for (const auto& k : tabelle) {
    if (!k.Key.empty() && qtx_strmatch(k.Key, kriterien)) return k;
  }
  return tabelle.back();
}

const TKriterium& ZusammengefassteKonten() {
  static const TKriterium zk{"", "Zusammengefasste Konten", {Sp::GKIdent}, D::Spaetestes,
                             R::ZusammengefassteKonten};
  return zk;
}

std::vector<int> SchluesselSpalten(const TKriterium& kriterium, bool nachNummer) {
  if (kriterium.Regel == R::ZusammengefassteKonten) return kriterium.Spalten;
  std::vector<int> spalten = nachNummer ? std::vector<int>{Sp::Konto, Sp::Gegenkonto}
                                        : std::vector<int>{Sp::KontoName, Sp::GegenkontoName};
  spalten.insert(spalten.end(), kriterium.Spalten.begin(), kriterium.Spalten.end());
  return spalten;
}

std::string Utf8Schneiden(std::string_view text, std::size_t n) {
  std::size_t zeichen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c & 0xC0) != 0x80) {
      if (zeichen == n) return std::string(text.substr(0, i));
      ++zeichen;
    }
  }
  return std::string(text);
}

std::string RegelText(const TKriterium& kriterium, const TZeilenWerte& erstes,
                      const std::string& kurzBeschreibung, const std::string& kassenKontoName) {
  const TDateTime datum = erstes.Datum(Sp::Belegdatum);
  const std::string datumText = DatumAlsAnzeige(datum);
  const std::string filiale = Zahl(erstes.Ganzzahl(Sp::Filiale));
  const std::string rechner = Zahl(erstes.Ganzzahl(Sp::BelegRNr));
  switch (kriterium.Regel) {
    case R::Keine:
      return {};
    case R::Filiale: {
      int jahr = 0, monat = 0, tag = 0;
      if (datum != 0) DecodeDate(datum, jahr, monat, tag);
      return "Sammler " + Zahl(monat) + "/" + Zahl(jahr) + " FI " + filiale;
    }
    case R::FilialeDatum:
      if (!kassenKontoName.empty()) {
        return kurzBeschreibung + " " + kassenKontoName + " FI " + filiale + " vom " + datumText;
      }
      return kurzBeschreibung + " FI " + filiale + " vom " + datumText;
    case R::Rechner:
      return "Sammler Rechner " + rechner;
    case R::RechnerDatum:
      return "Sammler Rechner " + rechner + " vom " + datumText;
    case R::Datum:
      return "Sammler " + datumText;
    case R::BelegDatum: {
      const std::string b1(erstes.Text(Sp::Beleg1)), b2(erstes.Text(Sp::Beleg2));
      const std::string belege = !b1.empty() && !b2.empty() ? b1 + "-" + b2 : b1 + b2;
      return belege + " vom " + datumText;
    }
    case R::ZusammengefassteKonten:
      return "Sammler " + Utf8Schneiden(std::string(erstes.Text(Sp::Gegenkonto)) + " - " +
                                            std::string(erstes.Text(Sp::Konto)),
                                        22);
  }
  return {};
}
