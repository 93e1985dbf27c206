// The fixed tables of the DATEV booking batch: additional fields, their contents,
// the column names of both header versions and the tax keys.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace datev {

// One content an additional field can carry; number 0 means no content.
struct TDatevInhalt {
  std::string_view Kennung;      // stored in the settings
  std::string_view Bezeichnung;  // shown in the settings form
  std::string_view Kurzname;     // written into the "Art" column
};

inline constexpr int CAnzahlInhalte = 25;  // including entry 0
inline constexpr int CAnzahlBelegFelder = 8;
inline constexpr int CAnzahlZusatzFelder = 20;
inline constexpr int CAnzahlFelder = CAnzahlBelegFelder + CAnzahlZusatzFelder;

// Content numbers used by the field filling.
enum TDatevInhaltNr : int {
  diKeiner = 0, diFirma, diLfdNr, diBuchDatum1, diBuchDatum2, diBuchDatum3, diBelegDatum1,
  diBelegDatum2, diBelegDatum3, diDokumentArt, diLieferland, diSteuersatz, diOrderId,
  diBelegNr, diExtBelegNr, diHerkunft1, diHerkunft2, diSubHerkunft, diZahlart1, diZahlart2,
  diKundenNr, diVersandkosten, diZahlReferenz, diGutschein, diLieferAdresse
};

const TDatevInhalt& DatevInhalt(int nummer);
// Number of the content with that key; 0 when the key is empty or unknown.
int DatevInhaltNummer(std::string_view kennung);

// The 28 additional fields in their fixed order: identifier and caption.
struct TDatevFeld {
  std::string Kennung;      // "BELEG01" ... "ZUSATZ20"
  std::string Bezeichnung;  // "Beleg-Information 1" ... "Zusatzinformation 20"
};
const std::array<TDatevFeld, CAnzahlFelder>& DatevFelder();
// Caption of a field identifier; empty when it names no field.
std::string DatevFeldBezeichnung(std::string_view kennung);

// The column line (names joined by ";") of header version 510 and 700.
const std::string& DatevSpaltenzeile510();
const std::string& DatevSpaltenzeile700();

// Tax key per tax kind (index = TQTX_FibuExport_Steuer, 12 kinds).
inline constexpr int CAnzahlSteuerarten = 12;
std::string DatevSteuerschluessel510(int steuerart);
std::string DatevSteuerschluessel700(int steuerart);

}  // namespace datev
