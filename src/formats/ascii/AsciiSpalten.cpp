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

std::string Betrag(long double betrag) { return Format("%9.2f", betrag); }

// A date that is not set stays an empty cell instead of the day before day one.
std::string Datum(TDateTime datum) { return datum == 0 ? std::string() : DateToStr(datum); }

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

TUmsatzUndKennzeichen GetUmsatzUndKennzeichen(const TFibuExportBuchInfo& buchung) {
  const long long soll = Cent(buchung.BetragSoll);
  const long long haben = Cent(buchung.BetragHaben);
  if (soll == 0 && haben != 0) return {buchung.BetragHaben, "H"};
  if (haben == 0 && soll != 0) return {buchung.BetragSoll, "S"};
  return {buchung.BetragSoll - buchung.BetragHaben, "S"};
}

void AsciiWerte(const TFibuExportBuchInfo& b, const TEigenListe& eigen,
                const std::vector<int>& spalten, std::vector<std::string>& werte) {
  for (std::size_t i = 0; i < spalten.size(); ++i) {
    std::string& w = werte[i];
    const int spalte = spalten[i];
    switch (spalte) {
      case spSoll: w = Betrag(b.BetragSoll); break;
      case spHaben: w = Betrag(b.BetragHaben); break;
      case spUmsatz: w = Betrag(GetUmsatzUndKennzeichen(b).Umsatz); break;
      case spSollHaben: w = GetUmsatzUndKennzeichen(b).Kennzeichen; break;
      case spBetrag: w = Betrag(b.BetragSoll - b.BetragHaben); break;
      case spStSchl: w = std::to_string(b.StSchlGgKto); break;
      case spStSchlTxt: w = b.StSchlGgKto == 0 ? std::string() : std::to_string(b.StSchlGgKto); break;
      case spGgKto: w = std::to_string(b.GegenKonto); break;
      case spKonto: w = std::to_string(b.Konto); break;
      case spBelegDatum: w = Datum(b.BelegDatum); break;
      case spBuchungDatum: w = Datum(b.BuchungsDatum); break;
      case spBeleg1: w = b.Beleg1; break;
      case spBeleg2: w = b.Beleg2; break;
      case spText: w = b.Text; break;
      case spUStID: w = b.UStID; break;
      case spFiliale: w = std::to_string(b.Filiale); break;
      case spKost1: w = b.KOST1; break;
      case spKost2: w = b.KOST2; break;
      case spGepName: w = b.GepName; break;
      case spWaehrung: w = b.Waehrung; break;
      case spBelegNr: w = b.Belegnr; break;
      case spBuchMonat: w = Datum(b.Buchungsmonat); break;
      case spDokuNr: w = b.DokumentenNr; break;
      case spExtBelegNr: w = b.ExtBelegNr; break;
      case spValuta: w = Datum(b.ValutaDatum); break;
      case spNettoTage: w = b.NettoTage; break;
      case spSkontoProz1: w = b.SkontoProz1; break;
      case spSkontoTage1: w = b.SkontoTage1; break;
      case spSkontoProz2: w = b.SkontoProz2; break;
      case spSkontoTage2: w = b.SkontoTage2; break;
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
