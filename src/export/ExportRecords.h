// The records through which the export run hands files and bookings to an exporter.
// Plain values: they own their texts, are copied by value and carry no behaviour
// beyond emptying; an exporter copies what it wants to keep beyond a call.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "suite/Abrechnung.h"
#include "suite/Types.h"

// Opens one export file (or one file of a monthly or daily series): the settlement, with
// the month or day of the file as its period.
using TFibuExportFileInfo = TAbrechnung;

// One booking. Fields the run does not fill for the active exporter stay empty.
struct TFibuExportBuchInfo {
  long double BetragSoll = 0;
  long double BetragHaben = 0;
  std::int32_t StSchlGgKto = 0;
  std::int32_t GegenKonto = 0;
  std::int32_t Konto = 0;
  TDateTime BelegDatum = 0;
  TDateTime BuchungsDatum = 0;
  std::string Text;
  std::string Beleg1;
  std::string Beleg2;
  std::string UStID;
  std::int32_t Filiale = 0;
  std::string KOST1;
  std::string KOST2;
  std::string GepName;
  std::string Waehrung;
  std::int32_t Menge = 0;
  std::string Belegnr;
  std::string Gutschein_Z;
  std::string ZahlungsRef;
  std::string StSchlGgKtoSt;
  long double SteuerProzent = 0;
  std::string Herkunft;
  std::string EULand;
  long double EUSteuer = 0;
  TDateTime Buchungsmonat = 0;
  std::string DokumentenNr;
  std::string ExtBelegNr;
  TDateTime ValutaDatum = 0;
  std::string NettoTage;
  std::string SkontoProz1;
  std::string SkontoTage1;
  std::string SkontoProz2;
  std::string SkontoTage2;
  std::string Vorfall;
  std::string Belegart;
  TIntTrio Ident = CLeeresIntTrio;
  TIntPair GepNr;
};

// One additional information item; Art is only set together with a non-empty Inhalt.
struct TFibuInfoZusatz {
  std::string Art;
  std::string Inhalt;
};

// Additional document links and free information of one booking (DATEV family).
// The items are numbered from 1 in the formats' descriptions; the arrays are 0-based,
// so item n is Beleg[n - 1] or Zusatz[n - 1]. BelegItem/ZusatzItem take the number.
struct TFibuExportBuchInfoZusatz {
  static constexpr int CBelegAnzahl = 8;
  static constexpr int CZusatzAnzahl = 20;

  std::array<TFibuInfoZusatz, CBelegAnzahl> Beleg;
  std::array<TFibuInfoZusatz, CZusatzAnzahl> Zusatz;
  std::string AuftragsNr;

  // Item number n (1-based); std::out_of_range for a number outside the range.
  TFibuInfoZusatz& BelegItem(int n) { return Beleg.at(ItemIndex(n)); }
  const TFibuInfoZusatz& BelegItem(int n) const { return Beleg.at(ItemIndex(n)); }
  TFibuInfoZusatz& ZusatzItem(int n) { return Zusatz.at(ItemIndex(n)); }
  const TFibuInfoZusatz& ZusatzItem(int n) const { return Zusatz.at(ItemIndex(n)); }

  // Empties all texts; the run does this before each booking.
  void Clear() { *this = TFibuExportBuchInfoZusatz{}; }

 private:
  // Numbers below 1 map past the end so that at() rejects them.
  static std::size_t ItemIndex(int n) {
    return n >= 1 ? static_cast<std::size_t>(n - 1) : static_cast<std::size_t>(-1);
  }
};
