// What the export run reads from the booking list: the top-level rows in display
// order, their marks, column values by tag, and the member rows of a group.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "suite/Types.h"

class IExportZeile {
 public:
  virtual ~IExportZeile() = default;

  virtual bool Markiert() const = 0;
  // A row that combines bookings (its children); a booking row has none.
  virtual bool IstGruppe() const = 0;
  virtual std::size_t KinderAnzahl() const = 0;
  virtual const IExportZeile& Kind(std::size_t index) const = 0;
  // The booking's identity, kept as numbers from the row read to the row marked; empty
  // for a group.
  virtual TIntTrio Ident() const = 0;

  // The column value as text (export values for tags 56, 57, 58).
  virtual std::string Text(int tag) const = 0;
  // Decimal columns (6, 7, 8, 9, 61); for a group the sums of its marked members.
  virtual long double Betrag(int tag) const = 0;
  // Date columns (13, 14, 64); 0 when not set.
  virtual TDateTime Datum(int tag) const = 0;
};

class IExportListe {
 public:
  using Vorher = std::function<bool(const IExportZeile&, const IExportZeile&)>;

  virtual ~IExportListe() = default;
  virtual std::size_t Anzahl() const = 0;
  virtual const IExportZeile& Zeile(std::size_t index) const = 0;
  // Reorders the top-level rows; rows that compare equal keep their order.
  virtual void StabilSortieren(const Vorher& vorher) = 0;
  // Selects the row and scrolls it into view (a check names it).
  virtual void ZeileAuswaehlen(const IExportZeile& zeile) = 0;
};

// Column tags the run reads.
namespace spalte {
inline constexpr int Gegenkonto = 2;
inline constexpr int GegenkontoBezeichnung = 3;
inline constexpr int Konto = 4;
inline constexpr int BetragSoll = 6;
inline constexpr int BetragHaben = 7;
inline constexpr int Waehrung = 10;
inline constexpr int Geschaeftspartner = 11;
inline constexpr int UStID = 12;
inline constexpr int Belegdatum = 13;
inline constexpr int Buchungsdatum = 14;
inline constexpr int Belegart = 15;
inline constexpr int Protokollnummer = 23;
inline constexpr int GegenkontoKuerzel = 24;
inline constexpr int KontoKuerzel = 25;
inline constexpr int ZusatzGegenkonto = 26;
inline constexpr int ZusatzKonto = 27;
inline constexpr int Menge = 28;
inline constexpr int Filiale = 29;
inline constexpr int Level = 30;
inline constexpr int GepRNr = 31;
inline constexpr int GepLNr = 32;
inline constexpr int BU = 42;
inline constexpr int Belegnr = 46;
inline constexpr int ZahlungsartGutschein = 47;
inline constexpr int Geschaeftsvorfall = 48;
inline constexpr int Kost1 = 49;
inline constexpr int Kost2 = 50;
inline constexpr int BelegRNr = 51;
inline constexpr int BelegLNr = 52;
inline constexpr int BelegSNr = 53;
inline constexpr int Beleg1Export = 56;
inline constexpr int Beleg2Export = 57;
inline constexpr int BeschreibungExport = 58;
inline constexpr int Zahlungsreferenz = 59;
inline constexpr int EULand = 60;
inline constexpr int EUSteuer = 61;
inline constexpr int DokumentenNr = 62;
inline constexpr int ExtBelegNr = 63;
inline constexpr int ValutaDatum = 64;
inline constexpr int Nettotage = 65;
inline constexpr int SkontoProzent1 = 66;
inline constexpr int SkontoTage1 = 67;
inline constexpr int SkontoProzent2 = 68;
inline constexpr int SkontoTage2 = 69;
}  // namespace spalte
