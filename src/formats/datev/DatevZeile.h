// Building the lines of a DATEV booking batch: field assembly, text cleaning, the
// header line and the booking line of both header versions.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "export/ExportRecords.h"
#include "export/TrennZeile.h"

namespace datev {

// What differs between the header versions 510 and 700.
struct TDatevVersion {
  int Version;                 // header field 2
  int FormatVersion;           // header field 5
  std::size_t Beleg1Laenge;    // cut of Belegfeld 1
  int EUSteuerschluessel;      // key that writes EU country and rate
  bool AuftragsNrAusZusatz;    // field 95 from the order number instead of the payment reference
  bool MitAbrechnungsreferenz; // fields 115-124 of version 700
  const std::string& (*Spaltenzeile)();
  std::string (*Steuerschluessel)(int steuerart);
};

extern const TDatevVersion CDatev510;
extern const TDatevVersion CDatev700;

// One line of ";"-separated fields, every text in double quotes as it is: DATEV's texts
// are cleaned of quotes before (OhneAnfuehrung).
class TDatevZeile final : public TTrennZeile {
 public:
  TDatevZeile() : TTrennZeile(';', TAnfuehrung::Immer) {}
};

// Every text written: composed to NFC (before any cut counts its characters), CR and LF
// removed, other control characters a blank, every double quote removed. A field then
// never tears a record apart or shifts the fields behind it.
std::string OhneAnfuehrung(std::string_view text);
// True when OhneAnfuehrung would change the text.
bool BrauchtBereinigung(std::string_view text);
// Document numbers: blanks and double quotes removed, "_" becomes "-", cut to laenge.
std::string BelegNrBereinigt(std::string_view text, std::size_t laenge);
// Additional information: double quotes removed, cut to laenge, then trimmed.
std::string InfoBereinigt(std::string_view text, std::size_t laenge);

// Indicator of the side of the account: "S" when D is below 0, otherwise "H".
const char* Betrag_2_SollHaben_Char(long double D);

// A booking writes no line when its difference is below half a cent.
bool IstNullbetrag(long double D);

struct TDatevKopfDaten {
  TDateTime Erstellt = 0;
  int Berater = 0;
  int Mandant = 0;
  TDateTime BeginnWJ = 0;
  int SachKtoLng = 4;
  TDateTime DatumVon = 0;
  TDateTime DatumBis = 0;
  std::string Benutzer;
  std::string Festschreiben;  // "1" or "0"
  std::string Waehrung;
};

void BaueKopfzeile(TDatevZeile& zeile, const TDatevVersion& version, const TDatevKopfDaten& kopf);

// The booking line for difference D (already exchanged where the format asks for it).
void BaueBuchungszeile(TDatevZeile& zeile, const TDatevVersion& version,
                       const TFibuExportBuchInfo& buchung,
                       const TFibuExportBuchInfoZusatz& zusatz, long double D,
                       const std::string& festschreiben);

}  // namespace datev
