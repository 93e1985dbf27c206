// The AbaConnect elements of the three Abacus files: the file head, the general-ledger
// transaction with its collective and single parts, the customer and the document with
// its line items. Amounts, dates and marks are formatted as the importing system reads them.
#pragma once

#include <optional>
#include <string>

#include "export/ExportRecords.h"

class TXmlSchreiber;
class TWHRechner;

namespace abacus {

// Amount and date texts of one export.
class TAbacusFormat {
 public:
  // programmWaehrung: the installation's currency, in which the booking amounts are kept.
  TAbacusFormat(std::string programmWaehrung, TWHRechner& rechner)
      : FProgrammWaehrung(std::move(programmWaehrung)), FRechner(rechner) {}

  // The absolute value in waehrung (empty: unconverted), two decimals with ".", and "-" in
  // front when minus is set.
  std::string Betrag(long double wert, const std::string& waehrung, bool minus) const;
  const std::string& Datum(TDateTime datum) const;  // yyyy-mm-dd
  // "C" for credit (also for a value within half a cent of zero), "D" for debit.
  static const char* SollHaben(long double wert);
  bool IstProgrammWaehrung(const std::string& waehrung) const;
  const std::string& ProgrammWaehrung() const { return FProgrammWaehrung; }

 private:
  std::string FProgrammWaehrung;
  TWHRechner& FRechner;
  // The bookings of a transaction share their date: it is formatted once.
  mutable TDateTime FLetztesDatum = -1;
  mutable std::string FLetztesDatumText;
};

// A country as Abacus takes it: the ISO code of a suite country code, else the code itself.
std::string IsoLand(const std::string& suiteLand);

// What the general-ledger transactions of one file depend on.
struct TFibuOptionen {
  bool Sammelbuchung = false;
  int AbacusMandant = 0;
  bool MitBelegnummer = false;
  int KostKtoMin = 0;
  int KostKtoMax = 0;
  bool Vereinnahmt = false;
  std::string MandantLand;
};

// The collective part of one transaction: of a collective, or of a single booking.
struct TSammelteil {
  long double Differenz = 0;  // credit minus debit
  int Anzahl = 0;             // 0 for a single booking
  std::string Text;           // the collective's text; unused for a single booking
};

// "Parameter" of a file with its application and id; the client only when given.
void SchreibeDateiKopf(TXmlSchreiber& xml, const char* application, const char* id,
                       std::optional<int> mandant);

class TFibuTransaktion {
 public:
  TFibuTransaktion(const TAbacusFormat& format, const TFibuOptionen& optionen)
      : FFormat(format), FOptionen(optionen) {}
  // Opens "Transaction" and "Entry" and writes the collective part from its first booking.
  void Beginnen(TXmlSchreiber& xml, int id, const TSammelteil& teil,
                const TFibuExportBuchInfo& erste) const;
  void Einzelteil(TXmlSchreiber& xml, const TFibuExportBuchInfo& buchung) const;
  static void Beenden(TXmlSchreiber& xml);

 private:
  void Betragsdaten(TXmlSchreiber& xml, const std::string& waehrung, long double wert,
                    bool minus) const;
  void Steuerdaten(TXmlSchreiber& xml, const TFibuExportBuchInfo& buchung) const;
  std::string Kostenstelle(int konto, const std::string& kost1) const;
  void Belegnummer(TXmlSchreiber& xml, const TFibuExportBuchInfo& buchung) const;

  const TAbacusFormat& FFormat;
  const TFibuOptionen& FOptionen;
};

// A customer as the customers file takes it.
struct TKundenDaten {
  int AbacusNr = 0;
  int SuiteKundenNr = 0;
  int Anrede = 3;  // 1 Mr, 2 Mrs, 3 company or unknown
  std::string Name, Vorname, Zusatzzeile, Strasse, Hausnummer, Strassenzusatz, Land, Plz, Ort,
      Zeile3, Email, Telefon, Mobil;
};

void SchreibeKunde(TXmlSchreiber& xml, int id, const TKundenDaten& kunde,
                   const std::string& programmWaehrung);

// The head of a document of the documents file.
struct TBelegDaten {
  std::string DocumentCode;  // "R", "G" or empty
  int AbacusNr = 0;
  std::string Referenz;
  TDateTime Datum = 0;
  std::string Waehrung;
  long double Soll = 0;
  long double Haben = 0;
  std::string Zahlungsreferenz;
};

void BeginneBeleg(TXmlSchreiber& xml, int id, const TBelegDaten& beleg, const TAbacusFormat& format);
void SchreibePosition(TXmlSchreiber& xml, int lfd, const TFibuExportBuchInfo& buchung,
                      const TAbacusFormat& format);
void BeendeBeleg(TXmlSchreiber& xml);

}  // namespace abacus
