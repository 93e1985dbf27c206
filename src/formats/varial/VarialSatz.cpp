#include "formats/varial/VarialSatz.h"

#include <cmath>
#include <stdexcept>

#include "suite/Format.h"

namespace varial {

namespace {

constexpr TVarialInfo kFelder[CFeldAnzahl] = {
    {"Applikation", 2}, {"Firma", 3}, {"Buchungsperiode", 6}, {"Buchungsdatum", 6},
    {"Stapelnummer", 6}, {"Stapelfolgenummer", 5}, {"Transaktionsnummer", 5},
    {"Buchungsart", 3}, {"Buchungsident", 3}, {"Kontenart", 1}, {"Kontonummer", 8},
    {"Gegenkontenart", 1}, {"Gegenkonto", 8}, {"An Firma", 3}, {"Von Filiale", 4},
    {"An Filiale", 4}, {"Belegnummer", 11}, {"Unterbeleg", 3}, {"Belegdatum", 6},
    {"Valutadatum", 6}, {"Buchungssymbol", 3}, {"Frei", 3}, {"Frei", 3}, {"Herkunft", 10},
    {"Sz Soll/Haben", 1}, {"Sz Storno", 1}, {"Buchungsbetrag EW", 15}, {"Steuerbetrag EW", 15},
    {"Skontobetrag EW", 15}, {"Steuerschlüssel", 3}, {"Steuerart", 5},
    {"Steuerprozentsatz", 6}, {"Entgeldbetrag", 15}, {"skontofähig", 1}, {"USt-ID", 15},
    {"USt-ID Kunde", 15}, {"Werkleistung", 1}, {"Dreiecksgeschäft", 1},
    {"Buchungsbetrag FW", 15}, {"Steuerbetrag FW", 15}, {"Skontobetrag FW", 15},
    {"Währung", 3}, {"Währungskurs", 8}, {"Währungseinheit", 1}, {"Währungsbezeichnung", 3},
    {"Sachkontenart", 1}, {"Sachkonto", 8}, {"Sz Forderung/Verbindlichkeit", 1},
    {"Fremdbelegnummer", 25}, {"Zuordnung", 20}, {"Buchungstext", 50}, {"Sz Text", 1},
    {"Menge", 15}, {"Mengeneinheit", 3}, {"Kostenstellen-/Kostenträger-Art", 1},
    {"Kostenstelle/Kostenträger", 8}, {"Kostenträgerart", 1}, {"Kostenträger", 8},
    {"Frei", 1}, {"Frei", 8}, {"Frei", 1}, {"Kostenart", 8}, {"Frei", 1}, {"Frei", 8},
    {"Frei", 1}, {"Frei", 8}, {"Zahlungskondition", 3}, {"Skontotage 1", 3},
    {"Skontoprozent 1", 5}, {"Skontotage 2", 3}, {"Skontoprozent 2", 5}, {"Nettotage", 4},
    {"Skontodatum 1", 6}, {"Skontodatum 2", 6}, {"Nettodatum", 6},
    {"Skontofähiger Betrag", 15}, {"Skontobetrag 1", 15}, {"Skontobetrag 2", 15},
    {"Stichtag Zahlungsanweisung", 6}, {"Verrechnungsbelegnummer", 11},
    {"Verrechnungsunterbeleg", 3}, {"OP-Status", 1}, {"OP-Status extern", 1},
    {"OP-Sperre", 2}, {"OP-Sperrdatum von", 6}, {"OP-Sperrdatum bis", 6},
    {"Auftragsnummer", 15}, {"Auftragsdatum", 6}, {"Lieferscheinnummer", 15},
    {"Lieferscheindatum", 6}, {"Mahnstufe", 1}, {"Datum letzte Mahnung", 6},
    {"Eurokennzeichen", 1},
};

constexpr std::size_t Summe() {
  std::size_t summe = 0;
  for (const auto& feld : kFelder) summe += feld.Laenge;
  return summe;
}
static_assert(Summe() == CSatzLaenge, "the fields make up the record");

}  // namespace

const TVarialInfo (&VarialFelder())[CFeldAnzahl] { return kFelder; }

TVarialStelle VarialStelle(std::string_view name) {
  std::size_t von = 1;
  for (const auto& feld : kFelder) {
    if (feld.FeldName == name) return {feld.FeldName, von, feld.Laenge};
    von += feld.Laenge;
  }
  throw std::invalid_argument("Das Feld \"" + std::string(name) + "\" gibt es im Varial-Satz nicht.");
}

TVarialSatz& TVarialSatz::Feld(const TVarialStelle& stelle, std::string_view wert) {
  satz_.Text(stelle.Von, stelle.Laenge, wert);
  return *this;
}

TVarialSatz& TVarialSatz::Nummer(const TVarialStelle& stelle, long long wert) {
  const std::string text = wert == 0 ? std::string() : std::to_string(wert);
  if (text.size() > stelle.Laenge) {
    throw std::length_error("Der Wert " + text + " passt nicht in das Feld \"" + std::string(stelle.Name) +
                            "\" mit " + std::to_string(stelle.Laenge) + " Stellen.");
  }
  satz_.Text(stelle.Von, stelle.Laenge, text);
  return *this;
}

TVarialSatz& TVarialSatz::Betrag(const TVarialStelle& stelle, long double wert) {
  if (!std::isfinite(wert)) throw std::invalid_argument("Kein darstellbarer Betrag");
  const long double gerundet = qtx_Round(wert, 2);
  std::string text = Format("%*.2f", static_cast<int>(stelle.Laenge - 1), std::fabs(gerundet));
  if (text.size() > stelle.Laenge - 1) {
    throw std::length_error("Der Betrag " + FloatToStrF(gerundet) + " passt nicht in das Feld \"" +
                            std::string(stelle.Name) + "\" mit " + std::to_string(stelle.Laenge) +
                            " Stellen.");
  }
  for (char& c : text) {
    if (c == ' ') c = '0';
  }
  text += gerundet < 0 ? '-' : '+';
  satz_.Text(stelle.Von, stelle.Laenge, text);
  return *this;
}

}  // namespace varial
