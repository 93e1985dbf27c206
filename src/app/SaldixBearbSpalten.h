// The booking list's columns: one constant table, and every piece of code reaches a
// column through its fixed tag, never through its position.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

enum class TSpaltenTyp : std::uint8_t { Text, Dezimal, Ganzzahl, Datum };

struct TQTX_Saldix_Spalten_Data {
  std::string_view ColName;
  TSpaltenTyp ColType;
  std::string_view FormatString;
  bool Visible;
  int Tag;
};

// Column tags.
namespace Sp {
inline constexpr int Gegenkonto = 2;         // contra account number (or key + suffix)
inline constexpr int GegenkontoBez = 3;
inline constexpr int Konto = 4;              // account number (or key + suffix)
inline constexpr int KontoBez = 5;
inline constexpr int BetragSoll = 6;         // counts for the current marks
inline constexpr int BetragHaben = 7;
inline constexpr int BuchBetragSoll = 8;     // the booking's own amounts
inline constexpr int BuchBetragHaben = 9;
inline constexpr int Waehrung = 10;
inline constexpr int GepName = 11;
inline constexpr int UStID = 12;
inline constexpr int Belegdatum = 13;
inline constexpr int Buchungsdatum = 14;
inline constexpr int Belegart = 15;
inline constexpr int Beleg1 = 16;
inline constexpr int Beleg2 = 17;
inline constexpr int Verweisart = 18;
inline constexpr int Verweis1 = 19;
inline constexpr int Verweis2 = 20;
inline constexpr int Beschreibung = 21;
inline constexpr int ZMZusatz = 22;
inline constexpr int Protokollnummer = 23;
inline constexpr int GegenkontoName = 24;    // contra account key
inline constexpr int KontoName = 25;         // account key
inline constexpr int GegenkontoZusatz = 26;
inline constexpr int KontoZusatz = 27;
inline constexpr int Menge = 28;
inline constexpr int Filiale = 29;
inline constexpr int Level = 30;
inline constexpr int GepRNr = 31;
inline constexpr int GepLNr = 32;
inline constexpr int GKIdent = 33;
inline constexpr int AKIdent = 34;
inline constexpr int AKPrefixNr = 35;
inline constexpr int AKGKtoBez = 36;
inline constexpr int AKKntoBez = 37;
inline constexpr int AKGKtoNr = 38;
inline constexpr int AKKntoNr = 39;
inline constexpr int Beleg1Org = 40;
inline constexpr int Beleg2Org = 41;
inline constexpr int BU = 42;
inline constexpr int AKSteuerGGKto = 43;
inline constexpr int AKGKtoName = 44;
inline constexpr int AKKntoName = 45;
inline constexpr int Belegnr = 46;
inline constexpr int GutscheinZahlungsart = 47;
inline constexpr int Vorfall = 48;
inline constexpr int KoSt1 = 49;
inline constexpr int KoSt2 = 50;
inline constexpr int BelegRNr = 51;
inline constexpr int BelegLNr = 52;
inline constexpr int BelegSNr = 53;
inline constexpr int Kost1Org = 54;
inline constexpr int Kost2Org = 55;
inline constexpr int ExportBeleg1 = 56;
inline constexpr int ExportBeleg2 = 57;
inline constexpr int ExportBeschreibung = 58;
inline constexpr int Zahlungsreferenz = 59;
inline constexpr int EULand = 60;
inline constexpr int EUSteuer = 61;
inline constexpr int DokumentenNr = 62;
inline constexpr int ExtBelegNr = 63;
inline constexpr int Valutadatum = 64;
inline constexpr int Nettotage = 65;
inline constexpr int SkontoProz1 = 66;
inline constexpr int SkontoTage1 = 67;
inline constexpr int SkontoProz2 = 68;
inline constexpr int SkontoTage2 = 69;
inline constexpr int SollHaben = 70;
inline constexpr int HoechsterTag = 70;
}  // namespace Sp

inline constexpr std::size_t CSaldixSpaltenAnzahl = 69;

// In display order.
inline constexpr std::array<TQTX_Saldix_Spalten_Data, CSaldixSpaltenAnzahl> CQTX_Saldix_Spalten{{
    {"Betrag Soll", TSpaltenTyp::Dezimal, "%9.2n", true, 6},
    {"Betrag Haben", TSpaltenTyp::Dezimal, "%9.2n", true, 7},
    {"BU", TSpaltenTyp::Text, "", true, 42},
    {"Gegenkonto", TSpaltenTyp::Text, "", true, 2},
    {"Beleg 1", TSpaltenTyp::Text, "", true, 16},
    {"Beleg 2", TSpaltenTyp::Text, "", true, 17},
    {"Belegnr.", TSpaltenTyp::Text, "", true, 46},
    {"Belegdatum", TSpaltenTyp::Datum, "", true, 13},
    {"Konto", TSpaltenTyp::Text, "", true, 4},
    {"Beschreibung", TSpaltenTyp::Text, "", true, 21},
    {"Filiale", TSpaltenTyp::Ganzzahl, "", true, 29},
    {"KoSt 1", TSpaltenTyp::Text, "", true, 49},
    {"KoSt 2", TSpaltenTyp::Text, "", true, 50},
    {"Umsatzsteuer-Ident", TSpaltenTyp::Text, "", true, 12},
    {"Gegenkonto Bezeichnung", TSpaltenTyp::Text, "", true, 3},
    {"Konto Bezeichnung", TSpaltenTyp::Text, "", true, 5},
    {"Betrag Soll", TSpaltenTyp::Dezimal, "%9.2n", false, 8},
    {"Betrag Haben", TSpaltenTyp::Dezimal, "%9.2n", false, 9},
    {"Währung", TSpaltenTyp::Text, "", true, 10},
    {"Menge", TSpaltenTyp::Ganzzahl, "", true, 28},
    {"Geschäftspartner", TSpaltenTyp::Text, "", true, 11},
    {"Buchungsdatum", TSpaltenTyp::Datum, "", true, 14},
    {"Belegart", TSpaltenTyp::Text, "", false, 15},
    {"Verweisart", TSpaltenTyp::Text, "", false, 18},
    {"Verweis 1", TSpaltenTyp::Ganzzahl, "", false, 19},
    {"Verweis 2", TSpaltenTyp::Ganzzahl, "", false, 20},
    {"Zahlungsmittelzusatz", TSpaltenTyp::Text, "", false, 22},
    {"Protokollnummer", TSpaltenTyp::Text, "", true, 23},
    {"Gegenkonto", TSpaltenTyp::Text, "", true, 24},
    {"Konto", TSpaltenTyp::Text, "", true, 25},
    {"Zusatz Gegenkonto", TSpaltenTyp::Text, "", false, 26},
    {"Zusatz Konto", TSpaltenTyp::Text, "", false, 27},
    {"LEVEL", TSpaltenTyp::Ganzzahl, "", false, 30},
    {"GEPRNR", TSpaltenTyp::Ganzzahl, "", false, 31},
    {"GEPLNR", TSpaltenTyp::Ganzzahl, "", false, 32},
    {"GKIDENT", TSpaltenTyp::Text, "", false, 33},
    {"AKIDENT", TSpaltenTyp::Text, "", false, 34},
    {"AKPREFIXNR", TSpaltenTyp::Ganzzahl, "", false, 35},
    {"AKGKTOBEZ", TSpaltenTyp::Text, "", false, 36},
    {"AKKNTOBEZ", TSpaltenTyp::Text, "", false, 37},
    {"AKGKTONR", TSpaltenTyp::Text, "", false, 38},
    {"AKKNTONR", TSpaltenTyp::Text, "", false, 39},
    {"AKSTEUERGGKTO", TSpaltenTyp::Text, "", false, 43},
    {"AKGKTONAME", TSpaltenTyp::Text, "", false, 44},
    {"AKKNTONAME", TSpaltenTyp::Text, "", false, 45},
    {"Zahlungsart Gutschein", TSpaltenTyp::Text, "", true, 47},
    {"Geschäftsvorfall", TSpaltenTyp::Text, "", true, 48},
    {"Rechner aus BelegRNr", TSpaltenTyp::Ganzzahl, "", false, 51},
    {"BelegLNr", TSpaltenTyp::Ganzzahl, "", false, 52},
    {"BelegSNr", TSpaltenTyp::Ganzzahl, "", false, 53},
    {"KOST1_ORG", TSpaltenTyp::Ganzzahl, "", false, 54},
    {"KOST2_ORG", TSpaltenTyp::Ganzzahl, "", false, 55},
    {"Beleg 1", TSpaltenTyp::Text, "", false, 56},
    {"Beleg 2", TSpaltenTyp::Text, "", false, 57},
    {"Beschreibung", TSpaltenTyp::Text, "", false, 58},
    {"Zahlungsreferenz", TSpaltenTyp::Text, "", true, 59},
    {"EU-Land", TSpaltenTyp::Text, "", false, 60},
    {"EU-Steuer", TSpaltenTyp::Dezimal, "%2.2n", false, 61},
    {"Dokumenten-Nr./Barcode", TSpaltenTyp::Text, "", true, 62},
    {"Externe BelegNr.", TSpaltenTyp::Text, "", true, 63},
    {"Valuta-Datum", TSpaltenTyp::Datum, "", true, 64},
    {"Nettotage", TSpaltenTyp::Ganzzahl, "", true, 65},
    {"Skonto Prozent 1", TSpaltenTyp::Ganzzahl, "", true, 66},
    {"Skonto Tage 1", TSpaltenTyp::Ganzzahl, "", true, 67},
    {"Skonto Prozent 2", TSpaltenTyp::Ganzzahl, "", true, 68},
    {"Skonto Tage 2", TSpaltenTyp::Ganzzahl, "", true, 69},
    {"BELEG1_ORG", TSpaltenTyp::Text, "", false, 40},
    {"BELEG2_ORG", TSpaltenTyp::Text, "", false, 41},
    {"SOLL_HABEN", TSpaltenTyp::Text, "", false, 70},
}};

// Where a tag's value lives in a row: its kind and its slot among the values of that kind.
struct TSpaltenPlatz {
  TSpaltenTyp Typ = TSpaltenTyp::Text;
  std::int16_t Platz = -1;  // -1: no column has this tag
};

namespace spalten_detail {
struct TPlaetze {
  std::array<TSpaltenPlatz, Sp::HoechsterTag + 1> NachTag{};
  std::array<int, 4> Anzahl{};
  std::array<std::int16_t, Sp::HoechsterTag + 1> Position{};
};

constexpr TPlaetze BerechnePlaetze() {
  TPlaetze p;
  for (auto& pos : p.Position) pos = -1;
  for (std::size_t i = 0; i < CQTX_Saldix_Spalten.size(); ++i) {
    const auto& s = CQTX_Saldix_Spalten[i];
    const auto typ = static_cast<std::size_t>(s.ColType);
    p.NachTag[s.Tag] = {s.ColType, static_cast<std::int16_t>(p.Anzahl[typ]++)};
    p.Position[s.Tag] = static_cast<std::int16_t>(i);
  }
  return p;
}
inline constexpr TPlaetze CPlaetze = BerechnePlaetze();
}  // namespace spalten_detail

inline constexpr int SpaltenAnzahlVomTyp(TSpaltenTyp typ) {
  return spalten_detail::CPlaetze.Anzahl[static_cast<std::size_t>(typ)];
}

// Slot of a tag; Platz -1 for a tag no column carries.
inline constexpr TSpaltenPlatz SpaltenPlatz(int tag) {
  if (tag < 0 || tag > Sp::HoechsterTag) return {};
  return spalten_detail::CPlaetze.NachTag[tag];
}

// The column with this tag; nullptr when none.
const TQTX_Saldix_Spalten_Data* SpalteZuTag(int tag);
// Display position (0-based) of the column with this tag; -1 when none.
int SpaltenPosition(int tag);
