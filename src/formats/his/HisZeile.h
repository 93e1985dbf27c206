// One "BUCH" line of the HIS booking file: the order of the two accounts and the sign of
// the amount after the three special rules, and the sixteen fields of the line.
#pragma once

#include <string>

#include "export/ExportRecords.h"
#include "suite/Types.h"

namespace his {

// An inclusive range of counter-account numbers.
struct TKontoBereich {
  int Min = 0;
  int Max = 0;
  bool Enthaelt(int konto) const { return Min <= konto && konto <= Max; }
};

// The three special rules of the profile.
struct TSonderregeln {
  bool Gutscheine = false;  // vouchers: negate, exchange the accounts of negative amounts
  TKontoBereich GutscheinKonten;
  bool Kassendifferenz = false;  // cash differences: negate
  TKontoBereich KassendifferenzKonten;
  bool KassendifferenzDrehen = false;  // ... and exchange the accounts when then negative
  bool KontenDrehen = false;           // negative amounts: exchange the accounts
  TKontoBereich NichtDrehen;           // ... except for these counter-accounts
};

struct TKontenFolge {
  int Erstes = 0;
  int Zweites = 0;
  long double Betrag = 0;
};

// Accounts and amount of a booking with the account konto, the counter-account gegenkonto
// and the amount debit minus credit; the first rule that applies wins.
TKontenFolge KontenFolge(const TSonderregeln& regeln, int konto, int gegenkonto,
                         long double betrag);

// " / 19%" for a rate above 1 %, the rate rounded to a whole number with halves to the
// even neighbour; empty otherwise.
std::string SteuerText(long double prozent);

// Builds the lines of one file; the line is kept and reused.
class THisZeile {
 public:
  static constexpr const char* CKopfzeile =
      "BUCH_DEF;BELEG_NR;BELEG_DATUM;BELEG_TEXT;KONTO;GEGENKONTO;DATUM;BETRAG;STEUER;"
      "BUCH_TEXT;KOSTENSTELLE;WAEHRUNG;FW_KURS;FW_BETRAG;MENGE;FILIALNR;";

  // sachKtoLng: the digits an account is padded to; heute: the date of the DATUM column.
  THisZeile(int sachKtoLng, TDateTime heute);

  // The line of the booking under the rules; never ending in a line break.
  const std::string& Bauen(const TFibuExportBuchInfo& buchung, const TSonderregeln& regeln);

 private:
  void Feld(std::string_view wert);
  void Text(std::string_view wert);

  std::string FFormatString;
  std::string FHeute;
  std::string FZeile;
};

}  // namespace his
