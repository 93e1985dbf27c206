// One RZA document: bookings of one day with one text, account and counter-account,
// written as a line "1" with the gross totals and a line "2" per booking with the net
// amount, the tax and the rate. The lines come from templates whose placeholders are
// filled in the template only: a booking text is never read as a placeholder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/ExportRecords.h"
#include "export/VorlagenFueller.h"

namespace rza {

// The column heading, first line of every file.
extern const std::string_view CKopfzeile;

// Amount as whole cents after rounding to two decimals; 0 gives an empty field.
std::string FormatiereBetrag(long double betrag);
// The day and month of a date: DDMM.
std::string FormatiereDatum(TDateTime datum);
// Empty for 0 or a negative number; otherwise padded on the right with "0" to four places.
std::string FormatiereSachkonto(int konto);

class TRzaBeleg {
 public:
  bool Offen() const { return offen_; }
  // Whether the booking belongs to the open document.
  bool Passt(const TFibuExportBuchInfo& buchung) const;
  // Opens a document with its number; the booking gives date, text and accounts.
  void Beginnen(int belegNummer, const TFibuExportBuchInfo& buchung);
  void Hinzufuegen(const TFibuExportBuchInfo& buchung);
  // The lines of the open document (each ending CR LF); empty when none is open.
  std::string Schliessen();

 private:
  bool offen_ = false;
  TDateTime datum_ = 0;
  std::string text_;
  int konto_ = 0;
  int gegenkonto_ = 0;
  long double summeSoll_ = 0;
  long double summeHaben_ = 0;
  TVorlagenDaten daten_;
};

}  // namespace rza
