// The input record of Varial: 632 characters in 93 fields, each found by its exact name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "export/FesterSatz.h"

namespace varial {

// One field of the record layout.
struct TVarialInfo {
  const char* FeldName;
  std::size_t Laenge;
};

inline constexpr std::size_t CSatzLaenge = 632;
inline constexpr std::size_t CFeldAnzahl = 93;

// The layout in record order.
const TVarialInfo (&VarialFelder())[CFeldAnzahl];

// A field's place in the record, found by its exact name (std::invalid_argument for a
// name the layout does not have). Writers look their fields up once.
struct TVarialStelle {
  std::string_view Name;
  std::size_t Von;
  std::size_t Laenge;
};
TVarialStelle VarialStelle(std::string_view name);

// A record being filled: blank until a field is set; a field set again is overwritten.
class TVarialSatz {
 public:
  TVarialSatz() : satz_(CSatzLaenge) {}
  // Left-aligned and cut to the field by characters.
  TVarialSatz& Feld(const TVarialStelle& feld, std::string_view wert);
  // A whole number in decimal, left-aligned; empty for 0. std::length_error when its
  // digits do not fit the field.
  TVarialSatz& Nummer(const TVarialStelle& feld, long long wert);
  // An amount: the magnitude with two decimals and the settings' separator, zero-padded
  // to all but the last character, then "+" or "-". std::length_error when it does not fit.
  TVarialSatz& Betrag(const TVarialStelle& feld, long double wert);
  std::string Satz() const { return satz_.Satz(); }

 private:
  TFesterSatz satz_;
};

}  // namespace varial
