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
      {"FILIALE", "Filiale", {TSpalte::BU, TSpalte::Filiale}, D::Monatsende, R::Filiale},
      {"FILIALEDATUM", "Belegdatum-Filiale", {TSpalte::BU, TSpalte::Belegdatum, TSpalte::Filiale},
       D::Gemeinsam, R::FilialeDatum},
      {"RECHNER", "Rechner", {TSpalte::BU, TSpalte::BelegRNr}, D::Monatsende, R::Rechner},
      {"RECHNERDATUM", "Belegdatum-Rechner", {TSpalte::BU, TSpalte::Belegdatum, TSpalte::BelegRNr},
       D::Gemeinsam, R::RechnerDatum},
      // Meant as accounts, tax key, date, computer and debit/credit side.
      {"RECHNERDATUMSH", "Belegdatum-Rechner-SollHaben",
       {TSpalte::BU, TSpalte::Belegdatum, TSpalte::BelegRNr, TSpalte::SollHaben}, D::Gemeinsam, R::RechnerDatum},
      {"DATUM", "Belegdatum", {TSpalte::BU, TSpalte::Belegdatum}, D::Gemeinsam, R::Datum},
      {"BELEGDATUM", "Belegdatum-Beleg1-Beleg2", {TSpalte::BU, TSpalte::Belegdatum, TSpalte::Beleg1, TSpalte::Beleg2},
       D::Gemeinsam, R::BelegDatum},
      {"BELEGUSTID", "Belegdatum-Beleg1-Beleg2", {TSpalte::BU, TSpalte::Belegdatum, TSpalte::Beleg1, TSpalte::Beleg2},
       D::Gemeinsam, R::BelegDatum},
      {"RECHNEREU", "Rechner-EU-Land-Steuersatz", {TSpalte::BU, TSpalte::BelegRNr, TSpalte::EULand, TSpalte::EUSteuer},
       D::Monatsende, R::Keine},
      {"EU", "EU-Land-Steuersatz", {TSpalte::BU, TSpalte::EULand, TSpalte::EUSteuer}, D::Monatsende, R::Keine},
      {"", "Konto-Kombination", {TSpalte::BU}, D::Monatsende, R::Keine},
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
  static const TKriterium zk{"", "Zusammengefasste Konten", {TSpalte::GKIdent}, D::Spaetestes,
                             R::ZusammengefassteKonten};
  return zk;
}

std::vector<TSpalte> SchluesselSpalten(const TKriterium& kriterium, bool nachNummer) {
  if (kriterium.Regel == R::ZusammengefassteKonten) return kriterium.Spalten;
  std::vector<TSpalte> spalten = nachNummer ? std::vector<TSpalte>{TSpalte::Konto, TSpalte::Gegenkonto}
                                        : std::vector<TSpalte>{TSpalte::KontoName, TSpalte::GegenkontoName};
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
  const TDateTime datum = erstes.Datum(TSpalte::Belegdatum);
  const std::string datumText = DatumAlsAnzeige(datum);
  const std::string filiale = Zahl(erstes.Ganzzahl(TSpalte::Filiale));
  const std::string rechner = Zahl(erstes.Ganzzahl(TSpalte::BelegRNr));
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
      const std::string b1(erstes.Text(TSpalte::Beleg1)), b2(erstes.Text(TSpalte::Beleg2));
      const std::string belege = !b1.empty() && !b2.empty() ? b1 + "-" + b2 : b1 + b2;
      return belege + " vom " + datumText;
    }
    case R::ZusammengefassteKonten:
      return "Sammler " + Utf8Schneiden(std::string(erstes.Text(TSpalte::Gegenkonto)) + " - " +
                                            std::string(erstes.Text(TSpalte::Konto)),
                                        22);
  }
  return {};
}
