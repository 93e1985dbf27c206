// The program's in-memory booking: one per booking-file record the booking list reads.
#pragma once

#include <cstdint>
#include <string>

#include "suite/Types.h"

struct TfbdetempSatz {
  std::int32_t Rechner = 0;
  std::int32_t TransaktionsNr = 0;
  std::int32_t LfdNr = 0;
  std::string SortString;
  TIntPair Firma;
  TIntPair GepNr;
  std::string GepBez;
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
  std::string KtoBez;
  std::string GegenKtoBez;
  std::string KtoKurzBez;
  std::string GegenKtoKurzBez;
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
  std::int32_t Verw2RNr = 0;
  std::int32_t Verw2LNr = 0;
  std::int32_t Verw2SNr = 0;
  std::int32_t Filiale = 0;

  // Stored beside the booking; the list needs them for its cost-centre columns and the
  // export-flag switch.
  bool Export = true;
  std::int32_t Kost1 = 0;
  std::int32_t Kost2 = 0;

  TIntTrio Ident() const {
    return {Rechner, TransaktionsNr, static_cast<std::int16_t>(LfdNr)};
  }
};
