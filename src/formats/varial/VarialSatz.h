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

// A record being filled: blank until a named field is set.
class TVarialSatz {
 public:
  TVarialSatz() : satz_(CSatzLaenge) {}
  // Left-aligned and cut to the field by characters; std::invalid_argument for a name
  // the layout does not have.
  TVarialSatz& Feld(std::string_view name, std::string_view wert);
  // A whole number in decimal, left-aligned; empty for 0. std::length_error when its
  // digits do not fit the field.
  TVarialSatz& Nummer(std::string_view name, long long wert);
  // An amount: the magnitude with two decimals and the settings' separator, zero-padded
  // to all but the last character, then "+" or "-". std::length_error when it does not fit.
  TVarialSatz& Betrag(std::string_view name, long double wert);
  std::string Satz() const { return satz_.Satz(); }

 private:
  TFesterSatz satz_;
};

}  // namespace varial
