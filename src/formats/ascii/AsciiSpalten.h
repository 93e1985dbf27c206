// The columns the ASCII export offers the column-export dialog, and the value of each
// column for one booking.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "export/SerBriefLayout.h"
#include "formats/ascii/AsciiBuchungen.h"

namespace ascii {

// A heading and a fixed content the profile gives each row ("Eigen 1" ... "Eigen 6").
struct TEigen {
  std::string Ueberschrift;
  std::string Inhalt;
};
inline constexpr int CEigenAnzahl = 6;
using TEigenListe = std::array<TEigen, CEigenAnzahl>;

// The 36 columns in the dialog's order; the six own columns take their headings from
// the profile.
std::vector<TSerBriefSpalte> AsciiSpalten(const TEigenListe& eigen);

// The unsigned amount and its side, compared in whole cents: credit alone gives "H",
// debit alone "S", anything else debit minus credit with "S".
struct TUmsatzUndKennzeichen {
  long double Umsatz = 0;
  const char* Kennzeichen = "S";
};
TUmsatzUndKennzeichen GetUmsatzUndKennzeichen(long double soll, long double haben);

// Fills werte[i] with the value of column spalten[i] (index into AsciiSpalten) for one
// booking of buchungen.
void AsciiWerte(const TAsciiBuchungen& buchungen, const TAsciiBuchungen::TSatz& buchung,
                const TEigenListe& eigen, const std::vector<int>& spalten,
                std::vector<std::string>& werte);

}  // namespace ascii
