#include "formats/ascii/AsciiSpalten.h"

#include <cmath>

#include "suite/DateTime.h"
#include "suite/Format.h"

namespace ascii {

namespace {

// The columns in catalogue order; the index is the column's position in AsciiSpalten.
enum TSpalte : int {
  spSoll, spHaben, spUmsatz, spSollHaben, spBetrag, spStSchl, spStSchlTxt, spGgKto, spKonto,
  spBelegDatum, spBuchungDatum, spBeleg1, spBeleg2, spText, spUStID, spFiliale, spKost1,
  spKost2, spGepName, spWaehrung, spBelegNr, spBuchMonat, spDokuNr, spExtBelegNr, spValuta,
  spNettoTage, spSkontoProz1, spSkontoTage1, spSkontoProz2, spSkontoTage2, spEigen1,
  spAnzahl = spEigen1 + CEigenAnzahl,
};

struct TFeste {
  const char* Key;
  const char* Beschreibung;
  const char* Ueberschrift;  // nullptr: as the description
  int Flag;
  int MinBreite;
  int Breite;
  char Typ;
};

constexpr TFeste kFeste[] = {
    {"SOLL", "Soll-Betrag", nullptr, 1, 10, 16, 'F'},
    {"HABEN", "Haben-Betrag", nullptr, 1, 10, 16, 'F'},
    {"UMSATZ", "Umsatz ohne Vorzeichen", "Umsatz", 0, 10, 16, 'F'},
    {"SOLLHABEN", "Soll/Haben", nullptr, 0, 1, 1, 'C'},
    {"BETRAG", "Umsatz mit Vorzeichen", "Betrag", 0, 10, 16, 'F'},
    {"STSCHL", "Steuerschlüßel numerisch", nullptr, 0, 1, 4, 'S'},
    {"STSCHLTXT", "Steuerschlüßel Text", nullptr, 0, 1, 4, 'S'},
    {"GGKTO", "Gegenkonto", nullptr, 1, 4, 8, 'S'},
    {"KONTO", "Konto", nullptr, 1, 4, 8, 'S'},
    {"BELEGDATUM", "Belegdatum", nullptr, 1, 8, 10, 'D'},
    {"BUCHUNGDATUM", "Buchungsdatum", nullptr, 0, 8, 10, 'D'},
    {"BELEG1", "Beleg 1", nullptr, 1, 0, 6, 'S'},
    {"BELEG2", "Beleg 2", nullptr, 1, 0, 6, 'S'},
    {"TEXT", "Beschreibung", nullptr, 1, 0, 20, 'S'},
    {"USTID", "Umsatzsteuer-ID", nullptr, 0, 0, 14, 'S'},
    {"FILIALE", "Filiale", nullptr, 0, 1, 4, 'I'},
    {"KOST1", "Kostenstelle 1", "Kost 1", 1, 0, 10, 'S'},
    {"KOST2", "Kostenstelle 2", "Kost 2", 1, 0, 10, 'S'},
    {"GEPNAME", "Geschäftspartner", nullptr, 0, 0, 40, 'S'},
    {"WAEHRUNG", "Währung", nullptr, 1, 3, 5, 'S'},
    {"BELEGNR", "Beleg-Nummer", nullptr, 1, 0, 20, 'S'},
    {"BUCHMONAT", "Buchungsmonat", nullptr, 0, 8, 10, 'D'},
    {"DOKUNR", "Barcode", nullptr, 0, 0, 20, 'S'},
    {"EXTBELEGNR", "Ext-Beleg-Nummer", "Rechnungsnr. Lieferant", 0, 0, 20, 'S'},
    {"VALUTA", "Valuta-Datum", nullptr, 0, 8, 10, 'D'},
    {"NETTOTAGE", "Netto-Tage", nullptr, 0, 0, 20, 'S'},
    {"SKONTOPROZ1", "Skonto-Prozent 1", nullptr, 0, 0, 20, 'S'},
    {"SKONTOTAGE1", "Skonto-Tage 1", nullptr, 0, 0, 20, 'S'},
    {"SKONTOPROZ2", "Skonto-Prozent 2", nullptr, 0, 0, 20, 'S'},
    {"SKONTOTAGE2", "Skonto-Tage 2", nullptr, 0, 0, 20, 'S'},
};
static_assert(std::size(kFeste) == spEigen1);

long long Cent(long double betrag) { return std::llround(betrag * 100); }

void Ziffern(std::string& text, unsigned long long wert, int mindestens) {
  char puffer[24];
  int n = 0;
  do {
    puffer[n++] = static_cast<char>('0' + wert % 10);
    wert /= 10;
  } while (wert > 0 || n < mindestens);
  while (n > 0) text += puffer[--n];
}

// "%9.2f" as the suite's Format writes it (rounded half away from zero, the program's
// decimal separator, no minus before zero), without reading the pattern for every value.
std::string Betrag(long double betrag) {
  if (!(std::fabs(betrag) < 1e15L)) return Format("%9.2f", betrag);
  const long long cent = std::llround(qtx_Round(betrag, 2) * 100);
  const unsigned long long betragCent =
      cent < 0 ? 0ULL - static_cast<unsigned long long>(cent) : static_cast<unsigned long long>(cent);
  std::string zahl;
  if (cent < 0) zahl += '-';
  Ziffern(zahl, betragCent / 100, 1);
  zahl += FormatSettings().DecimalSeparator;
  Ziffern(zahl, betragCent % 100, 2);
  return zahl.size() < 9 ? std::string(9 - zahl.size(), ' ') + zahl : zahl;
}

// A date that is not set stays an empty cell instead of the day before day one.
std::string Datum(TDateTime datum) {
  if (datum == 0) return {};
  if (FormatSettings().ShortDateFormat != "dd.mm.yyyy") return DateToStr(datum);
  int jahr = 0, monat = 0, tag = 0;
  DecodeDate(datum, jahr, monat, tag);
  if (jahr < 1 || jahr > 9999) return DateToStr(datum);
  std::string text;
  text.reserve(10);
  Ziffern(text, static_cast<unsigned>(tag), 2);
  text += '.';
  Ziffern(text, static_cast<unsigned>(monat), 2);
  text += '.';
  Ziffern(text, static_cast<unsigned>(jahr), 4);
  return text;
}

}  // namespace

std::vector<TSerBriefSpalte> AsciiSpalten(const TEigenListe& eigen) {
  std::vector<TSerBriefSpalte> spalten;
  spalten.reserve(spAnzahl);
  for (const auto& f : kFeste) {
    spalten.push_back({f.Key, f.Beschreibung, f.Ueberschrift ? f.Ueberschrift : f.Beschreibung,
                       f.Flag, f.MinBreite, f.Breite, f.Typ});
  }
  for (int i = 0; i < CEigenAnzahl; ++i) {
    const std::string n = std::to_string(i + 1);
    spalten.push_back({"EIGEN" + n, "Eigen " + n, eigen[static_cast<std::size_t>(i)].Ueberschrift,
                       0, 0, 20, 'S'});
  }
  return spalten;
}

TUmsatzUndKennzeichen GetUmsatzUndKennzeichen(long double soll, long double haben) {
  const long long sollCent = Cent(soll);
  const long long habenCent = Cent(haben);
  if (sollCent == 0 && habenCent != 0) return {haben, "H"};
  if (habenCent == 0 && sollCent != 0) return {soll, "S"};
  return {soll - haben, "S"};
}

void AsciiWerte(const TAsciiBuchungen& buchungen, const TAsciiBuchungen::TSatz& b,
                const TEigenListe& eigen, const std::vector<int>& spalten,
                std::vector<std::string>& werte) {
  using T = TAsciiBuchungen;
  const auto text = [&](T::TText t) { return buchungen.Text(b, t); };
  for (std::size_t i = 0; i < spalten.size(); ++i) {
    std::string& w = werte[i];
    const int spalte = spalten[i];
    switch (spalte) {
      case spSoll: w = Betrag(b.BetragSoll); break;
      case spHaben: w = Betrag(b.BetragHaben); break;
      case spUmsatz: w = Betrag(GetUmsatzUndKennzeichen(b.BetragSoll, b.BetragHaben).Umsatz); break;
      case spSollHaben: w = GetUmsatzUndKennzeichen(b.BetragSoll, b.BetragHaben).Kennzeichen; break;
      case spBetrag: w = Betrag(b.BetragSoll - b.BetragHaben); break;
      case spStSchl: w = std::to_string(b.StSchlGgKto); break;
      case spStSchlTxt: w = b.StSchlGgKto == 0 ? std::string() : std::to_string(b.StSchlGgKto); break;
      case spGgKto: w = std::to_string(b.GegenKonto); break;
      case spKonto: w = std::to_string(b.Konto); break;
      case spBelegDatum: w = Datum(b.BelegDatum); break;
      case spBuchungDatum: w = Datum(b.BuchungsDatum); break;
      case spBeleg1: w = text(T::txBeleg1); break;
      case spBeleg2: w = text(T::txBeleg2); break;
      case spText: w = text(T::txText); break;
      case spUStID: w = text(T::txUStID); break;
      case spFiliale: w = std::to_string(b.Filiale); break;
      case spKost1: w = text(T::txKost1); break;
      case spKost2: w = text(T::txKost2); break;
      case spGepName: w = text(T::txGepName); break;
      case spWaehrung: w = text(T::txWaehrung); break;
      case spBelegNr: w = text(T::txBelegNr); break;
      case spBuchMonat: w = Datum(b.Buchungsmonat); break;
      case spDokuNr: w = text(T::txDokuNr); break;
      case spExtBelegNr: w = text(T::txExtBelegNr); break;
      case spValuta: w = Datum(b.ValutaDatum); break;
      case spNettoTage: w = text(T::txNettoTage); break;
      case spSkontoProz1: w = text(T::txSkontoProz1); break;
      case spSkontoTage1: w = text(T::txSkontoTage1); break;
      case spSkontoProz2: w = text(T::txSkontoProz2); break;
      case spSkontoTage2: w = text(T::txSkontoTage2); break;
      default:
        if (spalte >= spEigen1 && spalte < spAnzahl) {
          w = eigen[static_cast<std::size_t>(spalte - spEigen1)].Inhalt;
        } else {
          w.clear();
        }
    }
  }
}

}  // namespace ascii
