// The suite's booking record as the booking file stores it.
#pragma once

#include <cstdint>
#include <string>

#include "suite/Types.h"

struct TFBDEDaten {
  // Identity; a running number of -1 asks the writer to assign one.
  std::int32_t Rechner = 0;
  std::int32_t TransaktionsNr = 0;
  std::int32_t LfdNr = 0;
  TIntPair Firma;
  TIntPair GepNr;
  TDateTime Belegdatum = 0;
  TDateTime Buchungsdatum = 0;
  std::string FiBuGVorfall;
  long double BetragSoll = 0;
  long double BetragHaben = 0;
  std::string Waehrung;
  std::int32_t Menge = 0;
  std::string KtoName;
  std::string KtoZusatz;
  std::string GegenKtoName;
  std::string GegenKtoZusatz;
  std::string Beleg1;
  std::string Beleg2;
  std::string Beschreibung;
  std::string UStID;
  std::int32_t AbrJahr = 0;
  std::int32_t AbrNr = 0;
  std::int32_t TextRNr = 0;
  std::int32_t TextLNr = 0;
  std::int32_t TextSNr = 0;
  std::string Belegart;
  std::int32_t BelegRNr = 0;
  std::int32_t BelegLNr = 0;
  std::int32_t BelegSNr = 0;
  std::string Verw1Art;
  std::int32_t Verw1RNr = 0;
  std::int32_t Verw1LNr = 0;
  std::int32_t Verw1SNr = 0;
  std::string ZMZusatz;
  std::int32_t Filiale = 0;
  bool Export = true;  // stored as "J"/"N"
  std::int32_t Kost1 = 0;
  std::int32_t Kost2 = 0;
  TDateTime Erstellt = 0;
  std::int32_t Vorgang = 0;  // booking process that wrote the record
  std::int32_t Manuell = 0;  // 1 for a booking entered by hand

  TIntTrio Ident() const {
    return {Rechner, TransaktionsNr, static_cast<std::int16_t>(LfdNr)};
  }
  void SetIdent(const TIntTrio& ident) {
    Rechner = ident.RNr;
    TransaktionsNr = ident.LNr;
    LfdNr = ident.SNr;
  }
};

// An empty record: every field zero or empty, offered for export.
inline TFBDEDaten FBDEDaten_Init() { return TFBDEDaten{}; }
