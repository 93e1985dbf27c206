// The booking list's columns: one constant table, and every piece of code reaches a
// column through its fixed tag, never through its position.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/SpaltenTag.h"

enum class TSpaltenTyp : std::uint8_t { Text, Dezimal, Ganzzahl, Datum };

struct TQTX_Saldix_Spalten_Data {
  std::string_view ColName;
  TSpaltenTyp ColType;
  std::string_view FormatString;
  bool Visible;
  TSpalte Tag;
};

inline constexpr std::size_t CSaldixSpaltenAnzahl = 69;

// In display order.
inline constexpr std::array<TQTX_Saldix_Spalten_Data, CSaldixSpaltenAnzahl> CQTX_Saldix_Spalten{{
    {"Betrag Soll", TSpaltenTyp::Dezimal, "%9.2n", true, TSpalte::BetragSoll},
    {"Betrag Haben", TSpaltenTyp::Dezimal, "%9.2n", true, TSpalte::BetragHaben},
    {"BU", TSpaltenTyp::Text, "", true, TSpalte::BU},
    {"Gegenkonto", TSpaltenTyp::Text, "", true, TSpalte::Gegenkonto},
    {"Beleg 1", TSpaltenTyp::Text, "", true, TSpalte::Beleg1},
    {"Beleg 2", TSpaltenTyp::Text, "", true, TSpalte::Beleg2},
    {"Belegnr.", TSpaltenTyp::Text, "", true, TSpalte::Belegnr},
    {"Belegdatum", TSpaltenTyp::Datum, "", true, TSpalte::Belegdatum},
    {"Konto", TSpaltenTyp::Text, "", true, TSpalte::Konto},
    {"Beschreibung", TSpaltenTyp::Text, "", true, TSpalte::Beschreibung},
    {"Filiale", TSpaltenTyp::Ganzzahl, "", true, TSpalte::Filiale},
    {"KoSt 1", TSpaltenTyp::Text, "", true, TSpalte::KoSt1},
    {"KoSt 2", TSpaltenTyp::Text, "", true, TSpalte::KoSt2},
    {"Umsatzsteuer-Ident", TSpaltenTyp::Text, "", true, TSpalte::UStID},
    {"Gegenkonto Bezeichnung", TSpaltenTyp::Text, "", true, TSpalte::GegenkontoBez},
    {"Konto Bezeichnung", TSpaltenTyp::Text, "", true, TSpalte::KontoBez},
    {"Betrag Soll", TSpaltenTyp::Dezimal, "%9.2n", false, TSpalte::BuchBetragSoll},
    {"Betrag Haben", TSpaltenTyp::Dezimal, "%9.2n", false, TSpalte::BuchBetragHaben},
    {"Währung", TSpaltenTyp::Text, "", true, TSpalte::Waehrung},
    {"Menge", TSpaltenTyp::Ganzzahl, "", true, TSpalte::Menge},
    {"Geschäftspartner", TSpaltenTyp::Text, "", true, TSpalte::GepName},
    {"Buchungsdatum", TSpaltenTyp::Datum, "", true, TSpalte::Buchungsdatum},
    {"Belegart", TSpaltenTyp::Text, "", false, TSpalte::Belegart},
    {"Verweisart", TSpaltenTyp::Text, "", false, TSpalte::Verweisart},
    {"Verweis 1", TSpaltenTyp::Ganzzahl, "", false, TSpalte::Verweis1},
    {"Verweis 2", TSpaltenTyp::Ganzzahl, "", false, TSpalte::Verweis2},
    {"Zahlungsmittelzusatz", TSpaltenTyp::Text, "", false, TSpalte::ZMZusatz},
    {"Protokollnummer", TSpaltenTyp::Text, "", true, TSpalte::Protokollnummer},
    {"Gegenkonto", TSpaltenTyp::Text, "", true, TSpalte::GegenkontoName},
    {"Konto", TSpaltenTyp::Text, "", true, TSpalte::KontoName},
    {"Zusatz Gegenkonto", TSpaltenTyp::Text, "", false, TSpalte::GegenkontoZusatz},
    {"Zusatz Konto", TSpaltenTyp::Text, "", false, TSpalte::KontoZusatz},
    {"LEVEL", TSpaltenTyp::Ganzzahl, "", false, TSpalte::Level},
    {"GEPRNR", TSpaltenTyp::Ganzzahl, "", false, TSpalte::GepRNr},
    {"GEPLNR", TSpaltenTyp::Ganzzahl, "", false, TSpalte::GepLNr},
    {"GKIDENT", TSpaltenTyp::Text, "", false, TSpalte::GKIdent},
    {"AKIDENT", TSpaltenTyp::Text, "", false, TSpalte::AKIdent},
    {"AKPREFIXNR", TSpaltenTyp::Ganzzahl, "", false, TSpalte::AKPrefixNr},
    {"AKGKTOBEZ", TSpaltenTyp::Text, "", false, TSpalte::AKGKtoBez},
    {"AKKNTOBEZ", TSpaltenTyp::Text, "", false, TSpalte::AKKntoBez},
    {"AKGKTONR", TSpaltenTyp::Text, "", false, TSpalte::AKGKtoNr},
    {"AKKNTONR", TSpaltenTyp::Text, "", false, TSpalte::AKKntoNr},
    {"AKSTEUERGGKTO", TSpaltenTyp::Text, "", false, TSpalte::AKSteuerGGKto},
    {"AKGKTONAME", TSpaltenTyp::Text, "", false, TSpalte::AKGKtoName},
    {"AKKNTONAME", TSpaltenTyp::Text, "", false, TSpalte::AKKntoName},
    {"Zahlungsart Gutschein", TSpaltenTyp::Text, "", true, TSpalte::GutscheinZahlungsart},
    {"Geschäftsvorfall", TSpaltenTyp::Text, "", true, TSpalte::Vorfall},
    {"Rechner aus BelegRNr", TSpaltenTyp::Ganzzahl, "", false, TSpalte::BelegRNr},
    {"BelegLNr", TSpaltenTyp::Ganzzahl, "", false, TSpalte::BelegLNr},
    {"BelegSNr", TSpaltenTyp::Ganzzahl, "", false, TSpalte::BelegSNr},
    {"KOST1_ORG", TSpaltenTyp::Ganzzahl, "", false, TSpalte::Kost1Org},
    {"KOST2_ORG", TSpaltenTyp::Ganzzahl, "", false, TSpalte::Kost2Org},
    {"Beleg 1", TSpaltenTyp::Text, "", false, TSpalte::ExportBeleg1},
    {"Beleg 2", TSpaltenTyp::Text, "", false, TSpalte::ExportBeleg2},
    {"Beschreibung", TSpaltenTyp::Text, "", false, TSpalte::ExportBeschreibung},
    {"Zahlungsreferenz", TSpaltenTyp::Text, "", true, TSpalte::Zahlungsreferenz},
    {"EU-Land", TSpaltenTyp::Text, "", false, TSpalte::EULand},
    {"EU-Steuer", TSpaltenTyp::Dezimal, "%2.2n", false, TSpalte::EUSteuer},
    {"Dokumenten-Nr./Barcode", TSpaltenTyp::Text, "", true, TSpalte::DokumentenNr},
    {"Externe BelegNr.", TSpaltenTyp::Text, "", true, TSpalte::ExtBelegNr},
    {"Valuta-Datum", TSpaltenTyp::Datum, "", true, TSpalte::Valutadatum},
    {"Nettotage", TSpaltenTyp::Ganzzahl, "", true, TSpalte::Nettotage},
    {"Skonto Prozent 1", TSpaltenTyp::Ganzzahl, "", true, TSpalte::SkontoProz1},
    {"Skonto Tage 1", TSpaltenTyp::Ganzzahl, "", true, TSpalte::SkontoTage1},
    {"Skonto Prozent 2", TSpaltenTyp::Ganzzahl, "", true, TSpalte::SkontoProz2},
    {"Skonto Tage 2", TSpaltenTyp::Ganzzahl, "", true, TSpalte::SkontoTage2},
    {"BELEG1_ORG", TSpaltenTyp::Text, "", false, TSpalte::Beleg1Org},
    {"BELEG2_ORG", TSpaltenTyp::Text, "", false, TSpalte::Beleg2Org},
    {"SOLL_HABEN", TSpaltenTyp::Text, "", false, TSpalte::SollHaben},
}};

// Where a tag's value lives in a row: its kind and its slot among the values of that kind.
struct TSpaltenPlatz {
  TSpaltenTyp Typ = TSpaltenTyp::Text;
  std::int16_t Platz = -1;  // -1: no column has this tag
};

namespace spalten_detail {
struct TPlaetze {
  std::array<TSpaltenPlatz, CHoechsterSpaltenTag + 1> NachTag{};
  std::array<int, 4> Anzahl{};
  std::array<std::int16_t, CHoechsterSpaltenTag + 1> Position{};
};

constexpr TPlaetze BerechnePlaetze() {
  TPlaetze p;
  for (auto& pos : p.Position) pos = -1;
  for (std::size_t i = 0; i < CQTX_Saldix_Spalten.size(); ++i) {
    const auto& s = CQTX_Saldix_Spalten[i];
    const auto typ = static_cast<std::size_t>(s.ColType);
    const auto tag = static_cast<std::size_t>(s.Tag);
    p.NachTag[tag] = {s.ColType, static_cast<std::int16_t>(p.Anzahl[typ]++)};
    p.Position[tag] = static_cast<std::int16_t>(i);
  }
  return p;
}
inline constexpr TPlaetze CPlaetze = BerechnePlaetze();

// Every column carries a tag of its own, and no tag lies beyond the highest.
constexpr bool TagsEindeutig() {
  for (std::size_t i = 0; i < CQTX_Saldix_Spalten.size(); ++i) {
    if (SpaltenNummer(CQTX_Saldix_Spalten[i].Tag) > CHoechsterSpaltenTag) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (CQTX_Saldix_Spalten[j].Tag == CQTX_Saldix_Spalten[i].Tag) return false;
    }
  }
  return true;
}
static_assert(TagsEindeutig(), "two columns carry one tag");
}  // namespace spalten_detail

inline constexpr int SpaltenAnzahlVomTyp(TSpaltenTyp typ) {
  return spalten_detail::CPlaetze.Anzahl[static_cast<std::size_t>(typ)];
}

// Slot of a tag; Platz -1 for a tag no column carries.
inline constexpr TSpaltenPlatz SpaltenPlatz(TSpalte tag) {
  const int nummer = SpaltenNummer(tag);
  if (nummer < 0 || nummer > CHoechsterSpaltenTag) return {};
  return spalten_detail::CPlaetze.NachTag[static_cast<std::size_t>(nummer)];
}

// The column with this tag; nullptr when none.
const TQTX_Saldix_Spalten_Data* SpalteZuTag(TSpalte tag);
// Display position (0-based) of the column with this tag; -1 when none.
int SpaltenPosition(TSpalte tag);
